#include "record/RecordFiles.h"

#include "Game.h"

namespace morovan {

void Command1_Click(Game& g) {
  (void)g; 
}

void File1_Click(Game& g) {
  (void)g; 
}

void KIFU_READ_Click(Game& g) {
  (void)g; 
}

void KIFU_WRITE_Click(Game& g) {
  (void)g; 
}

void driveNotReady(Game& g) {
  (void)g; 
}

void 描画_棋譜_IO(Game& g, int mode) {
  (void)g; (void)mode; 
}

void 描画_棋譜読込み部分消去(Game& g) {
  (void)g; 
}

double 取得_棋譜のX座標(const std::string& text) {
  (void)text; return 0;
}

}  // namespace morovan
