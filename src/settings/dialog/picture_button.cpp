#include "settings/dialog/picture_button.h"

#include <QFont>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace quillmoor {

namespace {

constexpr int kPictureWidth = 95;
constexpr int kPictureHeight = 30;

}  // namespace

QPixmap ButtonPicture(const QString& word, qreal devicePixelRatio) {
  QPixmap picture(QSize(kPictureWidth, kPictureHeight) * devicePixelRatio);
  picture.setDevicePixelRatio(devicePixelRatio);
  picture.fill(QColor(64, 64, 64));

  QPainter painter(&picture);
  const QRect face(0, 0, kPictureWidth, kPictureHeight);
  // A raised edge: light above and left, dark below and right.
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(face.topLeft(), face.topRight());
  painter.drawLine(face.topLeft(), face.bottomLeft());
  painter.setPen(QColor(24, 24, 24));
  painter.drawLine(face.bottomLeft(), face.bottomRight());
  painter.drawLine(face.topRight(), face.bottomRight());

  QFont font;
  font.setFamilies(
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(14);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.drawText(face, Qt::AlignCenter, word);
  return picture;
}

PictureButton::PictureButton(const QString& word, QWidget* parent)
    : QAbstractButton(parent), word_(word) {
  setAccessibleName(word);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

QSize PictureButton::sizeHint() const { return {kPictureWidth + 2, kPictureHeight - 1}; }

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const QPixmap picture = ButtonPicture(word_, devicePixelRatioF());
  QPoint at((width() - kPictureWidth) / 2, (height() - kPictureHeight) / 2);
  if (isDown()) at += QPoint(1, 1);
  painter.drawPixmap(at, picture);

  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(4, 4, -4, -4);
    option.backgroundColor = QColor(64, 64, 64);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace quillmoor
