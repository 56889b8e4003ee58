#pragma once

#include <cstdint>

namespace quillmoor {

struct Game;

// The link's share of the game tick: the status text in Label4, and a
// client's craft report while connected.
void NetTick(Game& game);

// A peer asks to connect: the one socket stops listening and takes it.
void Winsock1_ConnectionRequest(Game& game, std::int32_t requestId);

// A message from the peer: its craft into PeerX, PeerZ, PeerAngle, log.txt
// beside the program rewritten, and a host's own report in answer.
void Winsock1_DataArrival(Game& game, std::int32_t totalBytes);

// Runs the socket's I/O and hands its events to the two handlers above.
void PollNetwork(Game& game);

// Closes the socket, at shut-down.
void CloseNetwork(Game& game);

}  // namespace quillmoor
