#pragma once
// The game object: the one owner of all state for the run. Every procedure of the
// game is a plain routine that takes it and reads and writes its fields; the
// outside world is reached only through `platform`.

#include <random>

#include "computer/SearchState.h"
#include "influence/Influence.h"
#include "model/GameRecord.h"
#include "model/GameState.h"
#include "model/Position.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "record/KeepingState.h"
#include "record/ReviewState.h"
#include "view/SoundState.h"
#include "view/ViewState.h"

namespace morovan {

class Game {
 public:
  // The shuffle's generator is seeded from 128 bits of the platform's entropy,
  // so no game kept from this run predicts another.
  explicit Game(const Platform& platform);
  // A generator seeded with `seed`: the same shuffles every time, for tests and tools.
  Game(const Platform& platform, unsigned seed);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Platform platform;
  Position pos;
  GameState state;
  GameRecord record;
  Influence influence;
  SearchState search;
  ViewState view;
  SoundState sound;
  Folders folders;
  KeepingState keeping;
  ReviewState review;
  std::mt19937 random;  // seeded once per run; drives the shuffle
  bool ending = false;  // 終了処理 has run; the program ends when the event returns
};

}  // namespace morovan
