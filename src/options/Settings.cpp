#include "options/Settings.h"

#include "Game.h"

namespace morovan {

void チェック設定(Game& g, int code) {
  (void)g; (void)code; 
}

void 読込_環境設定ファイル(Game& g) {
  (void)g; 
}

void 書込_環境設定ファイル(Game& g) {
  (void)g; 
}

void MIDORI_Click(Game& g) {
  (void)g; 
}

void TATAMI_Click(Game& g) {
  (void)g; 
}

void TAKE_Click(Game& g) {
  (void)g; 
}

void UCHU_Click(Game& g) {
  (void)g; 
}

void RENGA_Click(Game& g) {
  (void)g; 
}

void SIDOU_Click(Game& g) {
  (void)g; 
}

void KEIKA_Click(Game& g) {
  (void)g; 
}

void BGM_Click(Game& g) {
  (void)g; 
}

}  // namespace morovan
