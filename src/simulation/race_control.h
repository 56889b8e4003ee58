#pragma once

namespace quillmoor {

struct Game;

// Once at start-up: the menu scene, its motions and the colour cycle.
void InitScene(Game& game);
// The race variables back to the start line.
void ResetRace(Game& game);

// Menu commands.
void BeginNewRace(Game& game);
void ContinueRace(Game& game);
// "Новая Игра" without the fly-in: the race starts again at once from the
// line, the race camera in place. Only in a race or its pause menu.
void RestartRace(Game& game);
bool CanRestart(const Game& game);
void RequestExit(Game& game);

// Esc during a race, and Esc in the menu while the race can go on.
void PauseRace(Game& game);
void ResumeRace(Game& game);

// The fly-in has arrived: the race begins.
void StartRace(Game& game);
// Past the finish line and stopped: the records screen.
void EndRace(Game& game);

}  // namespace quillmoor
