#include "assets/images/images.h"

#include <stdexcept>
#include <string>

#include "assets/images/pictures.h"
#include "assets/images/text.h"
#include "platform/files.h"

namespace quillmoor::assets {

namespace {

enum class Alpha { Opaque, Kept };

void WritePicture(const std::filesystem::path& path, const Canvas& canvas, Alpha alpha) {
  const std::string png = EncodePng(ToImage(canvas), alpha == Alpha::Kept);
  if (png.empty()) throw std::runtime_error("cannot encode " + path.string());
  WriteFileAtomically(path, png);
}

}  // namespace

void WriteModelTextures(const std::filesystem::path& data) {
  WritePicture(data / "t-Stars20.res", SkyTexture(), Alpha::Opaque);
  WritePicture(data / "t-crete_beton_7.res", TunnelWallTexture(), Alpha::Opaque);
  WritePicture(data / "t-Woods.res", CraftTexture(), Alpha::Opaque);
  WritePicture(data / "t-cement.res", AsteroidTexture(), Alpha::Opaque);
  WritePicture(data / "t-kr.res", FlyerTexture(), Alpha::Opaque);
  WritePicture(data / "t-ch-r.res", PickupTexture(), Alpha::Opaque);
  WritePicture(data / "t-met.res", StationTexture(), Alpha::Opaque);
}

void WriteInterfaceImages(const std::filesystem::path& data) {
  WritePicture(data / "i-glow_orange.res", ExhaustGlowImage(), Alpha::Kept);
  WritePicture(data / "i-001.res", BoostPadImage(), Alpha::Opaque);
  WritePicture(data / "i-002.res", BrakePadImage(), Alpha::Opaque);
  const TextSetter text;
  WritePicture(data / "i-log4.res", IntroImage(text), Alpha::Opaque);
  WritePicture(data / "i-004.res", SpeedometerDialImage(text), Alpha::Kept);
  WritePicture(data / "i-005.res", SpeedometerNeedleImage(), Alpha::Kept);
  WritePicture(data / "i-006.res", ProgressFrameImage(), Alpha::Kept);
  WritePicture(data / "i-007.res", ProgressFillImage(), Alpha::Kept);
  WritePicture(data / "i-logo2.res", LogoImage(text), Alpha::Kept);
  WritePicture(data / "i-psh.res", OverlayImage(), Alpha::Kept);
  WritePicture(data / "i-008.res", MenuPanelImage(), Alpha::Opaque);
  WritePicture(data / "i-glow1.res", MenuGlowImage(), Alpha::Kept);
}

}  // namespace quillmoor::assets
