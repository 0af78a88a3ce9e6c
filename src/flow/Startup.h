#pragma once
// Start-up, the four exits, the end of a game and shut-down.

#include <string>

namespace morovan {

class Game;

void Form_Load(Game& g);
// Form_Load in two halves, for a window that shows itself before its sound
// layer starts: loadWindow is Form_Load without the sounds; startSounds then
// starts the sound layer, loads the five sounds and starts the music if the
// settings ask for it.
void loadWindow(Game& g);
void startSounds(Game& g);
void Form_Unload(Game& g);
// Key code 27 (Esc) ends the program; every other key is ignored.
void Form_KeyPress(Game& g, int KeyAscii);
void OWARI_Click(Game& g);
// Frees the sounds and shuts the sound layer down, once per run, and marks the
// game as ending (`ending`); the caller then ends the program.
void 終了処理(Game& g);
// Shows the result for "あなた", "コンピュータ", "ｺﾝﾋﾟｭｰﾀ" or "引き分け", then offers
// a new game (初期設定) or ends the program (終了処理).
void 終了(Game& g, const std::string& WinnerText);

}  // namespace morovan
