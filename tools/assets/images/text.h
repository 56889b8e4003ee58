#pragma once

#include <memory>
#include <string_view>

#include "assets/images/mask.h"

namespace quillmoor::assets {

// Sets text in Liberation Sans Bold, found through fontconfig.
class TextSetter {
 public:
  // Throws std::runtime_error when the font cannot be found or opened.
  TextSetter();
  ~TextSetter();
  TextSetter(const TextSetter&) = delete;
  TextSetter& operator=(const TextSetter&) = delete;

  // The UTF-8 text as coverage, cropped to its ink: glyphs `width` by
  // `height` pixels per em (different values stretch the letters), with
  // `tracking` extra pixels between letters.
  Mask Set(std::string_view text, float width, float height, float tracking = 0) const;

 private:
  struct Font;
  std::unique_ptr<Font> font_;
};

}  // namespace quillmoor::assets
