#include "assets/models/x_file_writer.h"

#include <charconv>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace quillmoor::assets {

namespace {

class XText {
 public:
  std::string text;

  void Line(std::string_view line, int indent) {
    text.append(std::size_t(indent), ' ');
    text += line;
    text += "\r\n";
  }

  static std::string Number(float value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value + 0.0f, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
  }

  // "a;b;c;" followed by the list separator: "," between items, ";" after the last.
  static std::string Item(std::initializer_list<float> values, bool last) {
    std::string item;
    for (const float v : values) item += Number(v) + ";";
    return item + (last ? ";" : ",");
  }

  void Count(std::size_t n, int indent) { Line(std::to_string(n) + ";", indent); }

  void Faces(const std::vector<Triangle>& faces, int indent) {
    Count(faces.size(), indent);
    for (std::size_t i = 0; i < faces.size(); ++i) {
      const Triangle& f = faces[i];
      Line("3;" + std::to_string(f[0]) + "," + std::to_string(f[1]) + "," + std::to_string(f[2]) +
               (i + 1 == faces.size() ? ";;" : ";,"),
           indent);
    }
  }

  void Material(const ModelMaterial& m, int indent) {
    const glm::vec4& c = m.faceColor;
    Line("Material " + m.name + " {", indent);
    Line(Item({c.r, c.g, c.b, c.a}, true), indent + 1);
    Line(Number(m.power) + ";", indent + 1);
    Line(Item({m.specular.r, m.specular.g, m.specular.b}, true), indent + 1);
    Line(Item({m.emissive.r, m.emissive.g, m.emissive.b}, true), indent + 1);
    if (!m.textureFile.empty()) {
      Line("TextureFilename {", indent + 1);
      Line("\"" + m.textureFile + "\";", indent + 2);
      Line("}", indent + 1);
    }
    Line("}", indent);
  }
};

}  // namespace

std::string XFileText(const ModelMesh& model) {
  XText x;
  x.Line("xof 0303txt 0032", 0);
  x.Line("", 0);
  x.Line("Mesh " + model.name + " {", 0);
  const std::size_t n = model.vertices.size();
  x.Count(n, 1);
  for (std::size_t i = 0; i < n; ++i) {
    const glm::vec3& p = model.vertices[i].position;
    x.Line(XText::Item({p.x, p.y, p.z}, i + 1 == n), 1);
  }
  x.Faces(model.faces, 1);

  x.Line("MeshNormals {", 1);
  x.Count(n, 2);
  for (std::size_t i = 0; i < n; ++i) {
    const glm::vec3& v = model.vertices[i].normal;
    x.Line(XText::Item({v.x, v.y, v.z}, i + 1 == n), 2);
  }
  x.Faces(model.faces, 2);
  x.Line("}", 1);

  x.Line("MeshTextureCoords {", 1);
  x.Count(n, 2);
  for (std::size_t i = 0; i < n; ++i) {
    const glm::vec2& uv = model.vertices[i].uv;
    x.Line(XText::Item({uv.x, uv.y}, i + 1 == n), 2);
  }
  x.Line("}", 1);

  x.Line("MeshMaterialList {", 1);
  x.Count(model.materials.size(), 2);
  x.Count(model.faceMaterials.size(), 2);
  for (std::size_t i = 0; i < model.faceMaterials.size(); ++i) {
    const bool last = i + 1 == model.faceMaterials.size();
    x.Line(std::to_string(model.faceMaterials[i]) + (last ? ";;" : ","), 2);
  }
  for (const ModelMaterial& m : model.materials) x.Material(m, 2);
  x.Line("}", 1);
  x.Line("}", 0);
  return x.text;
}

}  // namespace quillmoor::assets
