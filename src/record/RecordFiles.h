#pragma once
// Writing and reading record files through the record panel.

#include <string>

namespace morovan {

class Game;

void Command1_Click(Game& g);
void File1_Click(Game& g);
// Reads the record at `path` for replay, as a click in the file list does.
// True when a record with moves was read; otherwise the player has been told
// why and the game on the board is as it was (but for one that held no moves).
// Without `announce` a record read whole is not told, as when a review opens it.
bool readRecordFile(Game& g, const std::string& path, bool announce = true);
void KIFU_READ_Click(Game& g);
void KIFU_WRITE_Click(Game& g);
// The platform reports a drive that is not ready.
void driveNotReady(Game& g);
// 描画_棋譜_IO: mode 0 shows the text part, any other empties and hides it.
void 描画_棋譜_IO(Game& g, int mode);
// Hides the drive, directory and file lists and empties and hides the text
// part: what every command that leaves the panel does first.
void closeRecordPanel(Game& g);
void 描画_棋譜読込み部分消去(Game& g);
double 取得_棋譜のX座標(const std::string& text);

}  // namespace morovan
