#include "net/net_link.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "net/craft_report.h"
#include "platform/output_file.h"
#include "state/game.h"

namespace quillmoor {

namespace {

constexpr std::pair<int, const char*> kStatusTexts[] = {
    {socket_state::Closed, "Порт закрыт"},
    {socket_state::Open, "Порт открыт"},
    {socket_state::Listening, "Порт прослушивается"},
    {socket_state::ConnectionPending, "Ожидание связи"},
    {socket_state::Connecting, "Подключение к хосту"},
    {socket_state::Connected, "Связь установлена"},
    {socket_state::Closing, "Связь закрывается..."},
    {socket_state::Error, "Ошибка"},
};

// The fields between "|"; nothing at all for an empty message.
std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  if (text.empty()) return fields;
  for (std::size_t start = 0;;) {
    const std::size_t bar = text.find('|', start);
    fields.push_back(text.substr(start, bar == text.npos ? text.npos : bar - start));
    if (bar == text.npos) return fields;
    start = bar + 1;
  }
}

// The log of the last message, replaced each time; a failure is ignored.
void WriteLog(const Game& game, std::string_view chunk) {
  const NetState& net = game.net;
  try {
    OutputFile log(game.shell.Places.logFile);
    log.Write(chunk);
    log.Write("\r\n");
    log.Write(NumberText(net.PeerX, 15) + NumberText(net.PeerZ, 15) + NumberText(net.PeerAngle));
    log.Write("\r\n");
    log.Close();
  } catch (const std::exception&) {
  }
}

class GameSocketEvents final : public SocketEvents {
 public:
  explicit GameSocketEvents(Game& game) : game_(game) {}
  void ConnectionRequest(std::int32_t requestId) override {
    Winsock1_ConnectionRequest(game_, requestId);
  }
  void DataArrival(std::int32_t totalBytes) override { Winsock1_DataArrival(game_, totalBytes); }

 private:
  Game& game_;
};

}  // namespace

void NetTick(Game& game) {
  const Socket& winsock1 = game.platform.socket;
  for (const auto& [state, text] : kStatusTexts) {
    if (winsock1.State() == state) game.net.Label4 = text;
  }
  if (game.net.NetRole == 2 && winsock1.State() == socket_state::Connected) {
    game.platform.socket.SendData(CraftReport(game.sim.ObjectSlots[3]));
  }
}

void Winsock1_ConnectionRequest(Game& game, std::int32_t requestId) {
  Socket& winsock1 = game.platform.socket;
  if (winsock1.State() == socket_state::Listening) winsock1.Close();
  winsock1.Accept(requestId);
}

void Winsock1_DataArrival(Game& game, std::int32_t /*totalBytes*/) {
  Socket& winsock1 = game.platform.socket;
  NetState& net = game.net;
  const std::string chunk = winsock1.GetData();
  net.NetMessage = chunk;
  std::string text = chunk;
  std::replace(text.begin(), text.end(), ',', '.');
  const std::vector<std::string_view> fields = Fields(text);
  // A value too large for its type leaves the field as it was.
  if (fields.size() > 0) {
    if (const auto x = NumericValue(fields[0])) net.PeerX = *x;
  }
  if (fields.size() > 1) {
    if (const auto z = NumericValue(fields[1])) net.PeerZ = *z;
  }
  if (fields.size() > 2) {
    const auto angle = NumericValue(fields[2]);
    if (angle && std::fabs(*angle) <= double(FLT_MAX)) net.PeerAngle = static_cast<float>(*angle);
  }
  WriteLog(game, chunk);
  if (net.NetRole == 1 && winsock1.State() == socket_state::Connected) {
    winsock1.SendData(CraftReport(game.sim.ObjectSlots[3]));
  }
}

void PollNetwork(Game& game) {
  GameSocketEvents events(game);
  game.platform.socket.Poll(events);
}

void CloseNetwork(Game& game) { game.platform.socket.Close(); }

}  // namespace quillmoor
