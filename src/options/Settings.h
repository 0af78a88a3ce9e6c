#pragma once
// Morovan.ini and the option items.

namespace morovan {

class Game;

void チェック設定(Game& g, int code);
void 読込_環境設定ファイル(Game& g);
void 書込_環境設定ファイル(Game& g);
void MIDORI_Click(Game& g);
void TATAMI_Click(Game& g);
void TAKE_Click(Game& g);
void UCHU_Click(Game& g);
void RENGA_Click(Game& g);
void SIDOU_Click(Game& g);
void KEIKA_Click(Game& g);
void BGM_Click(Game& g);

}  // namespace morovan
