#pragma once
// Start-up, the four exits and shut-down.

namespace morovan {

class Game;

void Form_Load(Game& g);
void Form_Unload(Game& g);
// Key code 27 (Esc) ends the program; every other key is ignored.
void Form_KeyPress(Game& g, int KeyAscii);
void OWARI_Click(Game& g);
// Frees the sounds and shuts the sound layer down, once per run, and marks the
// game as ending (`ending`); the caller then ends the program.
void 終了処理(Game& g);

}  // namespace morovan
