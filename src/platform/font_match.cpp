#include "platform/font_match.h"

#include <fontconfig/fontconfig.h>

namespace quillmoor {

std::optional<FontMatch> MatchFont(std::string_view pattern) {
  const std::string name(pattern);
  FcConfig* config = FcInitLoadConfigAndFonts();
  FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(name.c_str()));
  FontMatch found;
  if (config && wanted) {
    FcConfigSubstitute(config, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(config, wanted, &result)) {
      FcChar8* value = nullptr;
      if (FcPatternGetString(match, FC_FILE, 0, &value) == FcResultMatch) {
        found.file = reinterpret_cast<const char*>(value);
      }
      if (FcPatternGetString(match, FC_FAMILY, 0, &value) == FcResultMatch) {
        found.family = reinterpret_cast<const char*>(value);
      }
      FcPatternDestroy(match);
    }
  }
  if (wanted) FcPatternDestroy(wanted);
  if (config) FcConfigDestroy(config);
  if (found.file.empty()) return std::nullopt;
  return found;
}

}  // namespace quillmoor
