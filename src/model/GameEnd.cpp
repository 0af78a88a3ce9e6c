#include "model/GameEnd.h"

#include "Game.h"

namespace morovan {

bool judgeAfterHumanMove(Game& g, PieceCode Taken) {
  (void)g; (void)Taken; return false;
}

void 終了(Game& g, const std::string& WinnerText) {
  (void)g; (void)WinnerText; 
}

}  // namespace morovan
