#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "Game.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "record/Cp932.h"
#include "record/RecordFiles.h"
#include "record/RecordFormat.h"
#include "record/WholeFile.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;

// A game of three moves: entry 0 a small position, each entry one step on, with
// pieces in hand and clocks that run on with fractions.
void fillPlayedGame(Game& g) {
  for (int n = 0; n <= 3; ++n) {
    auto& b = g.record.RecordBoards[n];
    b[5][1] = kKing;
    b[5][9] = -kKing;
    b[2][2] = kRook + 1;  // a promoted rook: " 71"
    b[8][8] = -kBishop;
    b[1][3] = n < 2 ? kPawn : kEmpty;
    b[1][7] = n < 1 ? -kPawn : kEmpty;
    b[1][6 - n] = n >= 1 ? -kPawn : kEmpty;
    g.record.RecordHumanHands[n][1] = n >= 2 ? 1 : 0;
    g.record.RecordComputerHands[n][4] = n;
    for (int t = 1; t <= 4; ++t) g.record.RecordTimes[n][t] = 7.9 + 1234 * n + t;
  }
  g.state.RecordLength = 3;
  g.state.RecordIndex = 3;
  g.state.MoveNumber = 3;
  g.state.HumanSide = kSente;
  g.state.ComputerSide = kGote;
}

class RecordFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "morovan-records-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    fp.panel.dir = dir.string();
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string slurp(const std::string& name) const { return *readFileWhole((dir / name).string()); }
  void put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(writeFileWhole((dir / name).string(), bytes));
  }
  // A whole valid record file of the played game, as the format writes it.
  std::string validFile(int lastEntry) {
    Game source(fp.platform(), 1);
    fillPlayedGame(source);
    return encodeRecordFile({"名局", "上手", "下手"}, source.record, lastEntry).bytes;
  }

  fs::path dir;
  FakePlatform fp;
};

std::vector<std::string> splitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", begin);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(begin));
      break;
    }
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end + 2;
  }
  return lines;
}

TEST_F(RecordFilesTest, SavesAPlayedGameAndReadsItBackThroughThePanel) {
  Game g(fp.platform(), 1);
  fillPlayedGame(g);
  fp.panel.texts[1] = "三手の将棋";
  fp.panel.texts[2] = "名局";
  fp.panel.texts[3] = "先手さん";
  fp.panel.texts[4] = "後手さん";
  Command1_Click(g);

  EXPECT_EQ(fp.messages(), std::vector<std::string>{"  |棋譜を書き込みました"});
  const auto panelCalls = fp.calls("lists");
  ASSERT_FALSE(panelCalls.empty());
  EXPECT_EQ(panelCalls.back(), "lists 000");
  EXPECT_EQ(fp.calls("panel"), (std::vector<std::string>{"panel hide", "panel refresh"}));
  EXPECT_EQ(fp.panel.texts[1], "");

  // Three header lines, the upper (computer's) side first: Gote's name, as the
  // human played Sente; then entries 0..3 of 277 characters each.
  const std::vector<std::string> lines = splitCrLf(slurp("三手の将棋.棋譜"));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(fromCp932(lines[0]), "名局");
  EXPECT_EQ(fromCp932(lines[1]), "後手さん");
  EXPECT_EQ(fromCp932(lines[2]), "先手さん");
  for (int n = 3; n < 7; ++n) EXPECT_EQ(lines[n].size(), 277u);
  EXPECT_EQ(lines[3].substr(30, 3), " 71");     // square (2, 2) is field 11
  EXPECT_EQ(lines[4].substr(257, 5), " 1242");  // 7.9 + 1234 + 1 seconds, rounded down

  // Read into another game whose own position differs, with stale hands.
  FakePlatform reader;
  reader.panel.dir = dir.string();
  reader.panel.selected = "三手の将棋.棋譜";
  Game r(reader.platform(), 2);
  r.state.Turn = kGote;
  r.pos.BoardPieces[3][3] = kGold;
  r.pos.HumanHand[2] = 2;
  r.pos.HumanHandTotal = 2;
  File1_Click(r);

  EXPECT_EQ(reader.messages(),
            (std::vector<std::string>{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(r.state.ReplayMode, kOn);
  EXPECT_EQ(r.state.RecordLength, 3);
  EXPECT_EQ(r.state.RecordIndex, 0);
  EXPECT_EQ(r.state.MoveNumber, 0);
  EXPECT_EQ(r.state.Turn, kSente);
  EXPECT_EQ(reader.calls("lists").back(), "lists 000");
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      ASSERT_EQ(r.pos.BoardPieces[x][y], g.record.RecordBoards[0][x][y]) << x << "," << y;
  for (int n = 0; n <= 3; ++n) {
    EXPECT_EQ(r.record.RecordComputerHands[n][4], n);
    for (int t = 1; t <= 4; ++t)
      EXPECT_EQ(r.record.RecordTimes[n][t], std::floor(g.record.RecordTimes[n][t]));
    EXPECT_EQ(std::memcmp(r.record.RecordBoards[n], g.record.RecordBoards[n],
                          sizeof r.record.RecordBoards[n]),
              0);
  }
  // The position is entry 0 whole, hands and their totals included.
  EXPECT_EQ(r.pos.HumanHand[2], 0);
  EXPECT_EQ(positionFault(r.pos), "");

  // The header goes on the window, not into the text fields.
  const std::vector<std::string> expected = {
      "fontsize 12",
      "colour 12",
      "text 624 6350 名局",
      "colour 15",
      "text 3426 100 後手さん",
      "colour 15",
      "text 3426 6350 先手さん",
  };
  std::vector<std::string> printed;
  for (const auto& l : reader.log)
    if (l.starts_with("fontsize") || l.starts_with("colour") || l.starts_with("text "))
      printed.push_back(l);
  EXPECT_EQ(printed, expected);
  EXPECT_EQ(reader.panel.texts[2], "");
}

TEST_F(RecordFilesTest, HeaderColumnCentresByCharactersNotBytes) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえおかきくけこさしす"), 2535);  // 13 characters
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("abcdefghijklm"), 2535);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(""), 1050 + 495 * (3 + 13 / 5.0));
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("ﾌｧｲﾙ"), 1050 + 495 * (3 + 9 / 5.0));
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("十七文字の長い長い長い長い名前です"),
                   1050 + 495 * (3 - 4 / 5.0));
}

TEST_F(RecordFilesTest, LongGameNameStartsNoFurtherLeftThanTheHandColumn) {
  put("long.棋譜", validFile(1));
  std::string file = slurp("long.棋譜");
  // Replace the game name with 13 characters: 2535 - 3000 would lie off the window.
  file = *toCp932("あいうえおかきくけこさしす") + file.substr(file.find("\r\n"));
  put("long.棋譜", file);
  fp.panel.selected = "long.棋譜";
  Game g(fp.platform(), 1);
  File1_Click(g);
  EXPECT_EQ(fp.calls("text ").front(), "text 555 6350 あいうえおかきくけこさしす");
}

TEST_F(RecordFilesTest, WriteRefusesBadNamesAndEmptyGamesAndWritesNothing) {
  struct Case {
    std::string name;
    int recordLength;
    std::string message;
  };
  const Case cases[] = {
      {"", 3, "  |ﾌｧｲﾙ名が入力されていません"},
      {"   ", 3, "  |ﾌｧｲﾙ名が入力されていません"},
      {"　 ", 3, "  |ﾌｧｲﾙ名が入力されていません"},
      {"../outside", 3, "  |ﾌｧｲﾙ名に使えない文字があります"},
      {"sub/name", 3, "  |ﾌｧｲﾙ名に使えない文字があります"},
      {"..", 3, "  |ﾌｧｲﾙ名に使えない文字があります"},
      {"a\tb", 3, "  |ﾌｧｲﾙ名に使えない文字があります"},
      {"a\rb", 3, "  |ﾌｧｲﾙ名に使えない文字があります"},
      {"a\u0085b", 3, "  |ﾌｧｲﾙ名に使えない文字があります"},
      {"ok", 0, "棋譜保存|保存するデータがありません"},
  };
  for (const Case& c : cases) {
    FakePlatform p;
    p.panel.dir = dir.string();
    Game g(p.platform(), 1);
    fillPlayedGame(g);
    g.state.RecordLength = c.recordLength;
    p.panel.texts[1] = c.name;
    p.panel.texts[2] = "名局";
    Command1_Click(g);
    EXPECT_EQ(p.messages(), std::vector<std::string>{c.message}) << c.name;
    // The panel stays open with what was typed.
    EXPECT_TRUE(p.calls("panel").empty()) << c.name;
    EXPECT_EQ(p.panel.texts[2], "名局");
  }
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_FALSE(fs::exists(dir.parent_path() / "outside.棋譜"));
}

TEST_F(RecordFilesTest, WriteRefusesWhatTheFormatCannotHold) {
  struct Case {
    const char* what;
    void (*spoil)(Game&, FakePlatform&);
  };
  const Case cases[] = {
      {"ten pawns in hand", [](Game& g, FakePlatform&) { g.record.RecordHumanHands[2][1] = 10; }},
      {"a name outside CP932", [](Game&, FakePlatform& p) { p.panel.texts[3] = "🐉"; }},
  };
  for (const Case& c : cases) {
    FakePlatform p;
    p.panel.dir = dir.string();
    Game g(p.platform(), 1);
    fillPlayedGame(g);
    p.panel.texts[1] = "game";
    c.spoil(g, p);
    Command1_Click(g);
    ASSERT_EQ(p.dialogs.shown.size(), 1u) << c.what;
    EXPECT_EQ(p.dialogs.shown[0].title, "棋譜保存") << c.what;
    EXPECT_NE(p.dialogs.shown[0].text, "棋譜を書き込みました") << c.what;
    EXPECT_FALSE(fs::exists(dir / "game.棋譜")) << c.what;
    EXPECT_EQ(p.panel.texts[1], "game") << c.what;
  }
  FakePlatform p;
  p.panel.dir = dir.string();
  Game g(p.platform(), 1);
  fillPlayedGame(g);
  g.record.RecordComputerHands[1][7] = 12;
  p.panel.texts[1] = "game";
  Command1_Click(g);
  EXPECT_EQ(p.messages(),
            std::vector<std::string>{"棋譜保存|持駒が10枚以上ある局面は棋譜に書き込めません"});
}

TEST_F(RecordFilesTest, FailedWriteSaysSoAndLeavesTheOldFile) {
  Game g(fp.platform(), 1);
  fillPlayedGame(g);

  // A directory that does not exist.
  fp.panel.dir = (dir / "gone").string();
  fp.panel.texts[1] = "game";
  Command1_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"棋譜保存|棋譜を書き込めませんでした"});
  EXPECT_TRUE(fp.calls("panel").empty());
  EXPECT_EQ(fp.panel.texts[1], "game");

  // A target that cannot be replaced: what was there stays, and no temporary is left.
  fp.dialogs.shown.clear();
  fp.panel.dir = dir.string();
  fs::create_directory(dir / "busy.棋譜");
  std::ofstream(dir / "busy.棋譜" / "keep") << "kept";
  fp.panel.texts[1] = "busy";
  Command1_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"棋譜保存|棋譜を書き込めませんでした"});
  EXPECT_EQ(slurp("busy.棋譜/keep"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  // A good write replaces an older, longer record whole.
  fp.dialogs.shown.clear();
  put("game.棋譜", std::string(5000, 'x'));
  fp.panel.texts[1] = "game";
  g.state.RecordLength = 1;
  Command1_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"  |棋譜を書き込みました"});
  EXPECT_EQ(splitCrLf(slurp("game.棋譜")).size(), 5u);
}

TEST_F(RecordFilesTest, ReadRefusesFilesWithoutARecordAndKeepsTheGame) {
  const std::string good = validFile(2);
  const std::size_t firstEntry = [&] {
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) at = good.find("\r\n", at) + 2;
    return at;
  }();
  auto spoilAt = [&](std::size_t column, const std::string& text) {
    std::string s = good;
    s.replace(firstEntry + column - 1, text.size(), text);
    return s;
  };
  const std::pair<const char*, std::string> files[] = {
      {"empty", ""},
      {"two header lines", "a\r\nb\r\n"},
      {"header only", "a\r\nb\r\nc\r\n"},
      {"bad piece code", spoilAt(1, " 99")},
      {"letter in a count", spoilAt(244, "x")},
      {"bad time", spoilAt(258, "  -1 ")},
      {"not CP932", "\x81\r\nb\r\nc\r\n" + good.substr(firstEntry)},
  };
  for (const auto& [what, bytes] : files) {
    FakePlatform p;
    p.panel.dir = dir.string();
    p.panel.selected = "bad.棋譜";
    put("bad.棋譜", bytes);
    Game g(p.platform(), 1);
    fillPlayedGame(g);
    g.state.Turn = kGote;
    g.pos.BoardPieces[4][4] = kGold;
    File1_Click(g);
    EXPECT_EQ(p.messages(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"}) << what;
    EXPECT_EQ(g.state.RecordLength, 3) << what;
    EXPECT_EQ(g.state.RecordIndex, 3) << what;
    EXPECT_EQ(g.state.MoveNumber, 3) << what;
    EXPECT_EQ(g.state.ReplayMode, kOff) << what;
    EXPECT_EQ(g.state.Turn, kGote) << what;
    EXPECT_EQ(g.pos.BoardPieces[4][4], kGold) << what;
    EXPECT_EQ(g.record.RecordComputerHands[2][4], 2) << what;
    EXPECT_TRUE(p.calls("text ").empty()) << what;
  }

  FakePlatform p;
  p.panel.dir = dir.string();
  p.panel.selected = "missing.棋譜";
  Game g(p.platform(), 1);
  File1_Click(g);
  EXPECT_EQ(p.messages(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙを読み込めませんでした"});
  EXPECT_EQ(g.state.ReplayMode, kOff);
}

TEST_F(RecordFilesTest, FileOfTheStartingEntryAloneHasNoMoves) {
  put("start.棋譜", validFile(0));
  fp.panel.selected = "start.棋譜";
  Game g(fp.platform(), 1);
  g.state.Turn = 0;
  g.state.RecordLength = 5;
  File1_Click(g);
  EXPECT_EQ(fp.messages(), std::vector<std::string>{"棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
  EXPECT_EQ(g.state.ReplayMode, kOn);
  EXPECT_EQ(g.state.RecordLength, 0);
  EXPECT_EQ(g.state.Turn, 0);
  EXPECT_EQ(g.pos.BoardPieces[5][1], kKing);
}

TEST_F(RecordFilesTest, MenuCommandsOpenThePanelPartsAndRefuseToWriteAfterFlipOrHandicap) {
  Game g(fp.platform(), 1);
  fp.panel.texts[1] = "typed";
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(fp.panel.driveVisible && fp.panel.dirVisible && !fp.panel.fileVisible);
  EXPECT_TRUE(fp.panel.textPartVisible);
  EXPECT_EQ(fp.panel.texts[1], "typed");

  KIFU_READ_Click(g);
  EXPECT_TRUE(fp.panel.driveVisible && fp.panel.dirVisible && fp.panel.fileVisible);
  EXPECT_FALSE(fp.panel.textPartVisible);
  EXPECT_EQ(fp.panel.texts[1], "");
  EXPECT_TRUE(fp.messages().empty());

  g.state.Flipped = kOn;
  g.state.HandicapSet = kOn;
  fp.log.clear();
  KIFU_WRITE_Click(g);
  g.state.Flipped = kOff;
  KIFU_WRITE_Click(g);
  EXPECT_EQ(fp.messages(),
            (std::vector<std::string>{"棋譜書込|反転後は書き込みできません",
                                      "棋譜書込|ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}));
  EXPECT_TRUE(fp.calls("lists").empty());
  EXPECT_TRUE(fp.calls("panel").empty());

  driveNotReady(g);
  EXPECT_EQ(fp.messages().back(), "ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません");

  描画_棋譜_IO(g, 0);
  EXPECT_TRUE(fp.panel.textPartVisible);
  fp.panel.texts[4] = "name";
  描画_棋譜_IO(g, 2);
  EXPECT_FALSE(fp.panel.textPartVisible);
  EXPECT_EQ(fp.panel.texts[4], "");
}

TEST_F(RecordFilesTest, ErasingTheReadAreaTilesTheRowBelowTheBoard) {
  Game g(fp.platform(), 1);
  g.view.BackgroundPicture = kPictureTatami;
  描画_棋譜読込み部分消去(g);
  const auto pictures = fp.calls("picture 3 ");
  for (int col = -1; col <= 9; ++col) {
    const std::string tile = "picture 3 " + std::to_string(1050 + 495 * col) + " 6250";
    EXPECT_NE(std::find(pictures.begin(), pictures.end(), tile), pictures.end()) << tile;
  }
}

}  // namespace
}  // namespace morovan
