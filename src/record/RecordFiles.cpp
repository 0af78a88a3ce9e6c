#include "record/RecordFiles.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "Game.h"
#include "platform/WholeFile.h"
#include "record/GameKeeping.h"
#include "record/RecordFormat.h"
#include "record/Replay.h"
#include "record/Review.h"
#include "record/ShuffleProof.h"
#include "view/Pictures.h"
#include "view/Texts.h"

namespace morovan {
namespace {

constexpr const char* kPlainTitle = "  ";
constexpr const char* kSaveTitle = sourceText("Message", "棋譜保存");
constexpr const char* kWriteMenuTitle = sourceText("Message", "棋譜書込");
constexpr const char* kReadTitle = sourceText("Message", "棋譜");

// Where reading prints the header: the upper player's name over the file
// numbers' row, the lower player's on the line below the board, and the game
// name on a line of its own under that, so that a long one cannot run into the
// lower name. Each stays left of column 11 (the title, the human's hand), the
// upper name right of the level, and resuming clears all of it.
constexpr double kLowerHeaderY = 6350;
constexpr double kGameNameY = 6650;
constexpr double kUpperHeaderY = 100;
constexpr double kGameNameShift = 3000;
constexpr double kHeaderFontSize = 12;
constexpr int kUpperFirstColumn = 1;
constexpr int kLowerFirstColumn = -1;
constexpr int kHeaderEndColumn = 11;
// A full-width character at the header's size, the widest a character prints.
constexpr double kWidestCharacter = kHeaderFontSize * 20;
constexpr int kGameNameColour = 12;
constexpr int kPlayerNameColour = kWhite;

int codePointCount(const std::string& text) {
  // Continuation bytes of UTF-8 (10xxxxxx) do not start a character.
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// True when the name holds nothing but ASCII and ideographic spaces.
bool isBlank(const std::string& name) {
  std::string_view rest = name;
  while (!rest.empty()) {
    if (rest.front() == ' ') {
      rest.remove_prefix(1);
    } else if (rest.starts_with("\u3000")) {
      rest.remove_prefix(std::string_view("\u3000").size());
    } else {
      return false;
    }
  }
  return true;
}

// A name typed into Text1 must name one file inside the chosen directory: no
// separator, no way up, nothing that cannot be typed.
bool isSafeFileName(const std::string& name) {
  if (name.find('/') != std::string::npos) return false;
  if (name.find("..") != std::string::npos) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x20 || c == 0x7F) return false;
    // U+0080..U+009F, the C1 controls, are C2 80..C2 9F in UTF-8.
    if (c == 0xC2 && i + 1 < name.size()) {
      const auto next = static_cast<unsigned char>(name[i + 1]);
      if (next >= 0x80 && next <= 0x9F) return false;
    }
  }
  return true;
}

std::string joinPath(const std::string& directory, const std::string& name) {
  std::string path = directory.empty() ? std::string(".") : directory;
  if (path.back() != '/') path.push_back('/');
  path.append(name);
  return path;
}

// The message for a record the format cannot hold, or empty when it can.
std::string encodeRefusal(RecordProblem problem) {
  switch (problem) {
    case RecordProblem::None:
      return {};
    case RecordProblem::HandCountTooLarge:
      return sourceText("Message", "棋譜に書き込めない持駒の数があります");
    case RecordProblem::NotCp932:
    case RecordProblem::LineBreakInHeader:
      return sourceText("Message", "対局名と名前に使えない文字があります");
    default:
      return sourceText("Message", "棋譜を書き込めませんでした");
  }
}

void message(Game& g, const char* title, const std::string& text) {
  tell(g, title, text, Buttons::Ok);
}

// Prints a header text from x, but not left of `firstColumn`, shortened with an
// ellipsis where it could reach past the header's last column.
void printHeaderLine(Game& g, double x, double y, int firstColumn, int colour,
                     const std::string& text) {
  x = std::max(x, cellX(firstColumn));
  const int room = static_cast<int>((cellX(kHeaderEndColumn) - x) / kWidestCharacter);
  std::string shown = text;
  if (codePointCount(text) > room) {
    shown.clear();
    int kept = 0;
    for (char c : text) {
      const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      if (starts && ++kept > room - 1) break;
      shown += c;
    }
    shown += "…";
  }
  g.platform.canvas.setTextColour(colour);
  g.platform.canvas.printText(x, y, shown);
}

// The header lines this program writes are its own texts and are shown in the
// interface's language; a name written by hand stays as written. The file
// keeps them in Japanese.
std::string shownGameName(const Game& g, const std::string& name) {
  return name == kAbandonedGame ? shown(g, "Review", name) : shown(g, "Message", name);
}

std::string shownPlayerLine(const Game& g, const std::string& line) {
  const bool sente = line.starts_with(kSenteLine);
  if (!sente && !line.starts_with(kGoteLine)) return line;
  std::string player = line.substr(kSenteLine.size());
  if (player == kHumanPlayer) {
    player = shown(g, "Message", player);
  } else if (player.starts_with(kComputerPlayer)) {
    const std::string level = player.substr(kComputerPlayer.size());
    player = fillIn(shown(g, "Record", sourceText("Record", "コンピュータ LEVEL%1")), {level});
  }
  const char* pattern = sente ? sourceText("Record", "先手 %1") : sourceText("Record", "後手 %1");
  return fillIn(shown(g, "Record", pattern), {player});
}

// The owner (1 computer, -1 human) of the record's first move: the side whose
// piece stands on a square the move changed. 0 when no such square shows.
int firstMoverOwner(const GameRecord& r) {
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) {
      const PieceCode after = r.RecordBoards[1][x][y];
      if (after != r.RecordBoards[0][x][y] && after != kEmpty) return after > 0 ? 1 : -1;
    }
  return 0;
}

}  // namespace

void Command1_Click(Game& g) {
  RecordPanel& panel = g.platform.panel;
  const std::string name = panel.text(1);
  if (name.empty() || isBlank(name)) {
    message(g, kPlainTitle, sourceText("Message", "ﾌｧｲﾙ名が入力されていません"));
    return;
  }
  if (!isSafeFileName(name)) {
    message(g, kPlainTitle, sourceText("Message", "ﾌｧｲﾙ名に使えない文字があります"));
    return;
  }
  if (g.state.RecordLength < 1) {
    message(g, kSaveTitle, sourceText("Message", "保存するデータがありません"));
    return;
  }

  // The upper player is the computer's side: Gote's name when the human is Sente.
  RecordHeader header;
  header.gameName = panel.text(2);
  if (g.state.HumanSide == kSente) {
    header.upperName = panel.text(4);
    header.lowerName = panel.text(3);
  } else {
    header.upperName = panel.text(3);
    header.lowerName = panel.text(4);
  }
  const EncodedRecord encoded = encodeRecordFile(header, g.record, g.state.RecordLength);
  if (encoded.problem != RecordProblem::None) {
    message(g, kSaveTitle, encodeRefusal(encoded.problem));
    return;
  }
  // Written whole or not at all, so a failure never leaves a half-written record
  // in place of an older one; the panel stays open with what was typed.
  if (!writeFileWhole(joinPath(panel.directory(), name + std::string(kRecordExtension)),
                      encoded.bytes)) {
    message(g, kSaveTitle, sourceText("Message", "棋譜を書き込めませんでした"));
    return;
  }

  closeRecordPanel(g);
  panel.refreshFileList();
  message(g, kPlainTitle, sourceText("Message", "棋譜を書き込みました"));
}

void File1_Click(Game& g) {
  RecordPanel& panel = g.platform.panel;
  const std::string fileName = panel.selectedFileName();
  if (fileName.empty()) return;
  描画_可視(g, false, false, false);
  readRecordFile(g, joinPath(panel.directory(), fileName));
}

bool readRecordFile(Game& g, const std::string& path, bool announce) {
  // The file is decoded whole before anything changes, so a file that cannot be
  // read or holds no record leaves the game exactly as it was.
  const std::optional<std::string> bytes = readFileWhole(path);
  if (!bytes) {
    message(g, kReadTitle, sourceText("Message", "棋譜ﾌｧｲﾙを読み込めませんでした"));
    return false;
  }
  const DecodedRecord decoded = decodeRecordFile(*bytes);
  const bool noEntries = decoded.problem == RecordProblem::TooFewHeaderLines ||
                         decoded.problem == RecordProblem::NoEntryLine;
  if (noEntries || (decoded.problem == RecordProblem::None && decoded.entryCount < 1)) {
    message(g, kReadTitle, sourceText("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"));
    return false;
  }
  if (decoded.problem != RecordProblem::None || !decoded.record) {
    message(g, kReadTitle, sourceText("Message", "棋譜ﾌｧｲﾙが壊れています"));
    return false;
  }
  // The game on the board gives way to the one read.
  keepGame(g, kAbandonedGame);
  g.state.ReplayMode = kOn;
  // A record read opens hidden, whatever the board showed before (a finished
  // game's review, 一時表示); only the review of a finished game turns it face up.
  g.state.ScreenOn = kOn;
  g.state.TempReveal = kOff;
  g.platform.menu.setChecked(menu::ICHIJI, false);
  endReview(g);
  dropCommitment(g);

  // Entries past those read keep their old contents; they lie beyond RecordLength.
  const GameRecord& read = *decoded.record;
  for (int n = 0; n < decoded.entryCount; ++n) {
    std::copy_n(&read.RecordBoards[n][0][0], 100, &g.record.RecordBoards[n][0][0]);
    std::copy_n(read.RecordHumanHands[n], 8, g.record.RecordHumanHands[n]);
    std::copy_n(read.RecordComputerHands[n], 8, g.record.RecordComputerHands[n]);
    std::copy_n(read.RecordTimes[n], 5, g.record.RecordTimes[n]);
  }
  // The starting entry's hands come with its board: the old game's hands beside
  // the new game's board would make a position neither game ever had.
  // The flags of the game on screen were memos about its own hidden pieces;
  // left on their squares they would mislabel the pieces of the game read.
  loadRecordEntry(g.pos, read, 0);
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y)
      g.pos.EnemyMarks[x][y] = isComputerPiece(g.pos.BoardPieces[x][y]) ? kMarkNone : 0;
  g.state.RecordIndex = 0;
  g.state.MoveNumber = 0;
  g.state.RecordLength = decoded.entryCount - 1;
  // Every game opens with Sente to move, so whoever made the first move was
  // Sente. The sides come from the record, not from the game this program
  // played last: resuming with 先手/後手 gives the move to the side whose
  // label Turn holds, and a stale HumanSide would hand one side two moves.
  const int firstMover = firstMoverOwner(read);
  if (firstMover != 0) {
    g.state.HumanSide = firstMover < 0 ? kSente : kGote;
    g.state.ComputerSide = -g.state.HumanSide;
  }

  // The position read is the one on screen at once: 先手 or 後手 pressed now
  // plays from it, and nobody may play a position they cannot see.
  g.state.SelectState = 0;
  描画_将棋盤桝(g);
  showRecordEntry(g);
  // The previous record's header goes first, or the two would print over each other.
  描画_棋譜読込み部分消去(g);
  Canvas& canvas = g.platform.canvas;
  canvas.setFontSize(kHeaderFontSize);
  // A long text would start left of the window, where nothing erases it; it
  // starts no further left than the computer's hand column.
  const std::string gameName = shownGameName(g, decoded.header.gameName);
  const std::string upper = shownPlayerLine(g, decoded.header.upperName);
  const std::string lower = shownPlayerLine(g, decoded.header.lowerName);
  printHeaderLine(g, 取得_棋譜のX座標(gameName) - kGameNameShift, kGameNameY, kLowerFirstColumn,
                  kGameNameColour, gameName);
  printHeaderLine(g, 取得_棋譜のX座標(upper), kUpperHeaderY, kUpperFirstColumn, kPlayerNameColour,
                  upper);
  printHeaderLine(g, 取得_棋譜のX座標(lower), kLowerHeaderY, kLowerFirstColumn, kPlayerNameColour,
                  lower);
  canvas.repaintNow();

  if (g.state.RecordLength == 0) {
    message(g, kReadTitle, sourceText("Message", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"));
    return false;
  }
  if (announce) {
    message(g, kReadTitle, sourceText("Message", " 読み込みました"));
    message(g, kReadTitle, sourceText("Message", "棋譜を '進 'で進めて下さい"));
  }
  g.state.Turn = kSente;
  return true;
}

void closeRecordPanel(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

void KIFU_READ_Click(Game& g) {
  描画_可視(g, true, true, true);
  描画_棋譜_IO(g, 1);
}

void KIFU_WRITE_Click(Game& g) {
  if (g.state.Flipped == kOn) {
    message(g, kWriteMenuTitle, sourceText("Message", "反転後は書き込みできません"));
    return;
  }
  if (g.state.HandicapSet == kOn) {
    message(g, kWriteMenuTitle, sourceText("Message", "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"));
    return;
  }
  描画_可視(g, true, true, false);
  描画_棋譜_IO(g, 0);
}

void driveNotReady(Game& g) {
  message(g, sourceText("Message", "ｴﾗｰ"), sourceText("Message", "ﾃﾞﾊﾞｲｽが準備できていません"));
}

void 描画_棋譜_IO(Game& g, int mode) {
  if (mode == 0) {
    g.platform.panel.showTextPart();
  } else {
    g.platform.panel.clearAndHideTextPart();
  }
}

void 描画_棋譜読込み部分消去(Game& g) {
  描画_桝_数値(g);
  const int tile = g.view.BackgroundPicture;
  描画_絵(g, tile, kHeaderEndColumn - 1, 0);
  for (int col = kLowerFirstColumn; col < kHeaderEndColumn; ++col) {
    描画_絵(g, tile, col, 10);
    描画_絵(g, tile, col, 11);
  }
  // The tiles below the board cover the bottom lines of the squares above.
  for (int i = 1; i <= kBoardSize; ++i) 描画_桝輪郭(g, g.view.BackColour, i, 9);
  描画_桝輪郭(g, g.view.BackColour, kHumanHandX, 9);
}

double 取得_棋譜のX座標(const std::string& text) {
  const double length = codePointCount(text);
  return kBoardOriginX + kSquareWidth * (3 + (13 - length) / 5);
}

}  // namespace morovan
