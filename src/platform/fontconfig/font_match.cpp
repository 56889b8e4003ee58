#include "platform/font_match.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>

namespace quillmoor {

namespace {

std::optional<FontMatch> LookUp(const std::string& name) {
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

}  // namespace

std::optional<FontMatch> MatchFont(std::string_view pattern) {
  // Loading fontconfig's configuration is most of the work: each pattern is
  // looked up once.
  static std::mutex mutex;
  static std::map<std::string, std::optional<FontMatch>, std::less<>> known;
  std::lock_guard lock(mutex);
  if (const auto found = known.find(pattern); found != known.end()) return found->second;
  const std::string name(pattern);
  return known[name] = LookUp(name);
}

}  // namespace quillmoor
