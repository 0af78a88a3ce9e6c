#pragma once
// Every game played is kept: when it ends or is abandoned, its record is written
// whole into the games folder under a name made of the date and time, and the
// newest kKeptGames of those are kept. A record of the game on the board is
// never written while it is still being played: it holds every hidden piece.

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

namespace morovan {

class Game;

inline constexpr int kKeptGames = 200;
// Every record's extension, and the length of a kept game's date-time stamp
// "2026-12-08_21-04-33" that starts its name.
inline constexpr std::string_view kRecordExtension = ".棋譜";
inline constexpr std::size_t kStampLength = 19;
// The game name of a game left before its end.
inline constexpr const char* kAbandonedGame = "中断";

// A kept game's player lines: the side, a blank and the player, "先手 あなた" or
// "後手 コンピュータ LEVEL3".
inline constexpr std::string_view kSenteLine = "先手 ", kGoteLine = "後手 ";
inline constexpr std::string_view kHumanPlayer = "あなた", kComputerPlayer = "コンピュータ LEVEL";

// "2026-12-08_21-04-33.棋譜" for that local time.
std::string keptGameName(const std::tm& time);

// Writes `bytes` into `folder` (made if missing) as a new kept game under the
// time's name, "_2" ... "_99" added when that second's name is taken; the name
// is claimed in one step, so a second program keeping at the same moment takes
// the next. Then removes the oldest kept games beyond `keep`, oldest by when
// they were written (a file stamped after now was written before a clock went
// back), never the one just written. Only regular files named by a real date
// and time directly in `folder` count as kept games, and none are removed when
// `folder` is a link. Files of other names are never touched, but for
// temporaries a killed keep left behind. False when the record could not be
// written; else `keptName`, if given, receives the name it was kept under.
// The kept game named `spared` (one being opened) is not removed either.
bool keepRecordFile(const std::string& folder, const std::string& bytes, const std::tm& time,
                    int keep = kKeptGames, std::string* keptName = nullptr,
                    const std::string& spared = {});

// Keeps the game on the board if a move was played since it was last kept, begun
// or read; `gameName` heads the record, the players' lines carry their sides;
// what the record cannot carry goes into the index of kept games. A
// flipped game is not kept, as it cannot be written either. A failure is told
// once per run and never stops play.
void keepGame(Game& g, const std::string& gameName);

}  // namespace morovan
