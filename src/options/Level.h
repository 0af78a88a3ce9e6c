#pragma once
// The computer's strength, 1..4: levels 1-3 score one move ahead, LEVEL4 looks deeper.

namespace morovan {

class Game;

void LEVEL1_Click(Game& g);
void LEVEL2_Click(Game& g);
void LEVEL3_Click(Game& g);
void LEVEL4_Click(Game& g);
void レベル_設定(Game& g, int n);
void 描画_レベル(Game& g, int level);
// Sets the level chosen in the last run (its menu mark included), LEVEL3 when
// none was remembered or what was remembered is no level. Each LEVELn click
// remembers its level.
void restoreLevel(Game& g);

}  // namespace morovan
