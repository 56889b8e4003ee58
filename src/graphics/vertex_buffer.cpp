#include "graphics/vertex_buffer.h"

#include "state/game.h"

namespace quillmoor {

namespace {

constexpr WorldVertex Vertex(float x, float y, float z, float nx, float ny, float nz, float tu,
                             float tv) {
  return {x, y, z, nx, ny, nz, tu, tv};
}

}  // namespace

const std::array<WorldVertex, 14> kWorldVertices = {
    // A 400.2 x 30 panel standing on the x axis.
    Vertex(-200.1f, 30, 0, 0, 0, -1, 0, 0),
    Vertex(200.1f, 30, 0, 0, 0, -1, 1, 0),
    Vertex(-200.1f, 0, 0, 0, 0, -1, 0, 1),
    Vertex(200.1f, 0, 0, 0, 0, -1, 1, 1),
    // A 20-unit segment on the x axis.
    Vertex(-10, 0, 0, 0, 0, -1, 0, 0),
    Vertex(10, 0, 0, 0, 0, -1, 0, 0),
    // The unit quad, facing -z, the whole texture on it.
    Vertex(-0.5f, 0.5f, 0, 0, 0, -1, 0, 0),
    Vertex(0.5f, 0.5f, 0, 0, 0, -1, 1, 0),
    Vertex(-0.5f, -0.5f, 0, 0, 0, -1, 0, 1),
    Vertex(0.5f, -0.5f, 0, 0, 0, -1, 1, 1),
    // A 5 x 280 strip lying flat, the texture 28 times along it.
    Vertex(2.5f, 0, -140, 0, 1, 0, 0, 0),
    Vertex(-2.5f, 0, -140, 0, 1, 0, 1, 0),
    Vertex(2.5f, 0, 140, 0, 1, 0, 0, 28),
    Vertex(-2.5f, 0, 140, 0, 1, 0, 1, 28),
};

bool InitVB(GraphicsState& graphics) {
  graphics.VertexBuffer = graphics.Device->CreateVertexBuffer(kWorldVertices);
  return bool(graphics.VertexBuffer);
}

}  // namespace quillmoor
