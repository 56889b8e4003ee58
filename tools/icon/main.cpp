// quillmoor-icon OUTDIR SIZE...: writes the application icon as a PNG for
// each size, to OUTDIR/NxN/apps/ as the hicolor theme lays them out.

#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>

#include "icon/render_icon.h"
#include "platform/files.h"

namespace {

int ParseSize(const std::string& text) {
  std::size_t end = 0;
  const int size = std::stoi(text, &end);
  if (end != text.size() || size < 1 || size > 1024) {
    throw std::invalid_argument("bad size " + text);
  }
  return size;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillmoor;
  if (argc < 3) {
    std::cerr << "Usage: quillmoor-icon OUTDIR SIZE...\n";
    return 2;
  }
  const std::filesystem::path out = argv[1];
  try {
    for (int i = 2; i < argc; ++i) {
      const int size = ParseSize(argv[i]);
      const std::string side = std::to_string(size);
      const std::filesystem::path folder = out / (side + "x" + side) / "apps";
      std::filesystem::create_directories(folder);
      const std::string png = EncodePng(icon::RenderIcon(size), true);
      if (png.empty()) throw std::runtime_error("cannot encode the " + side + " px icon");
      WriteFileAtomically(folder / "org.quillmoor.Quillmoor.png", png);
    }
  } catch (const std::exception& error) {
    std::cerr << "quillmoor-icon: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
