#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QString>

namespace quillmoor {

// The 95 × 30 face of a picture button: the word in white on dark grey.
// Drawn at the given device pixel ratio, so it stays sharp on dense screens.
QPixmap ButtonPicture(const QString& word, qreal devicePixelRatio = 1.0);

// A button that shows only its picture, centred and clipped to the button;
// pressed, the picture moves down and right by one pixel.
class PictureButton : public QAbstractButton {
 public:
  PictureButton(const QString& word, QWidget* parent);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString word_;
};

}  // namespace quillmoor
