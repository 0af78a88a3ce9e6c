#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "Game.h"
#include "model/Position.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/Cp932.h"
#include "record/RecordFiles.h"
#include "record/RecordFormat.h"
#include "view/ViewTestSupport.h"

namespace morovan {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using Texts = std::vector<std::string>;

// A game of three moves with a promoted rook, pieces in hand and clocks with fractions.
void fillPlayedGame(Game& g) {
  for (int n = 0; n <= 3; ++n) {
    auto& b = g.record.RecordBoards[n];
    b[5][1] = kKing;
    b[5][9] = -kKing;
    b[2][2] = kRook + 1;
    b[1][7 - n] = -kPawn;
    g.record.RecordHumanHands[n][1] = n / 2;
    g.record.RecordComputerHands[n][4] = n;
    for (int t = 1; t <= 4; ++t) g.record.RecordTimes[n][t] = 7.9 + 1234 * n + t;
  }
  g.state.RecordLength = g.state.RecordIndex = g.state.MoveNumber = 3;
  g.state.HumanSide = kSente;
  g.state.ComputerSide = kGote;
}

std::vector<std::string> splitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end; at < bytes.size(); at = end + 2) {
    end = bytes.find("\r\n", at);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(at, end - at));
  }
  return lines;
}

class RecordFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fp.panel.dir = dir.string();
    fillPlayedGame(g);
  }
  std::string slurp(const std::string& name) const { return *readFileWhole((dir / name).string()); }
  void put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(writeFileWhole((dir / name).string(), bytes));
  }
  std::string validFile(int lastEntry) const {
    return encodeRecordFile({"名局", "上手", "下手"}, g.record, lastEntry).bytes;
  }

  testing::TempDirectory temp;
  const fs::path& dir = temp.path();
  FakePlatform fp;
  Game g{fp.platform(), 1};
};

TEST_F(RecordFilesTest, SavesAPlayedGameAndReadsItBackThroughThePanel) {
  fp.panel.texts[1] = "三手の将棋";
  fp.panel.texts[2] = "名局";
  fp.panel.texts[3] = "先手さん";
  fp.panel.texts[4] = "後手さん";
  Command1_Click(g);
  EXPECT_EQ(fp.messages(), Texts{"  |棋譜を書き込みました"});
  EXPECT_EQ(fp.calls("lists").back(), "lists 000");
  EXPECT_EQ(fp.calls("panel"), (Texts{"panel hide", "panel refresh"}));

  // The upper (computer's) side's name first: Gote's, as the human played Sente.
  const Texts lines = splitCrLf(slurp("三手の将棋.棋譜"));
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(fromCp932(lines[1]), "後手さん");
  EXPECT_EQ(fromCp932(lines[2]), "先手さん");
  for (int n = 3; n < 7; ++n) EXPECT_EQ(lines[n].size(), 277u);

  // Read into another game with a different position and stale hands.
  FakePlatform rp;
  rp.panel.dir = dir.string();
  rp.panel.selected = "三手の将棋.棋譜";
  Game r(rp.platform(), 2);
  r.state.Turn = kGote;
  r.pos.BoardPieces[3][3] = kGold;
  r.pos.HumanHand[2] = r.pos.HumanHandTotal = 2;
  r.pos.EnemyMarks[3][3] = kMarkRed;
  r.pos.EnemyMarks[5][5] = kMarkBlue;
  File1_Click(r);
  EXPECT_EQ(rp.messages(), (Texts{"棋譜| 読み込みました", "棋譜|棋譜を '進 'で進めて下さい"}));
  EXPECT_EQ(r.state.ReplayMode, kOn);
  EXPECT_EQ(r.state.RecordLength, 3);
  EXPECT_EQ(r.state.RecordIndex, 0);
  EXPECT_EQ(r.state.MoveNumber, 0);
  EXPECT_EQ(r.state.Turn, kSente);
  EXPECT_EQ(std::memcmp(r.pos.BoardPieces, g.record.RecordBoards[0], sizeof r.pos.BoardPieces), 0);
  EXPECT_EQ(std::memcmp(r.record.RecordBoards, g.record.RecordBoards, 4 * sizeof r.pos.BoardPieces),
            0);
  EXPECT_EQ(r.record.RecordComputerHands[3][4], 3);
  EXPECT_EQ(r.record.RecordTimes[2][3], std::floor(g.record.RecordTimes[2][3]));
  // Entry 0's hands come with its board, totals included.
  EXPECT_EQ(positionFault(r.pos), "");
  // The old game's flags do not stick to the pieces of the game read.
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      EXPECT_EQ(r.pos.EnemyMarks[x][y], isComputerPiece(r.pos.BoardPieces[x][y]) ? kMarkNone : 0);

  // The header is printed on the window, not put into the text fields.
  const auto header = std::find(rp.log.begin(), rp.log.end(), "text 624 6650 名局");
  ASSERT_NE(header, rp.log.end());
  EXPECT_EQ((Texts{header - 2, header + 5}),
            (Texts{"fontsize 12", "colour 12", "text 624 6650 名局", "colour 15",
                   "text 3426 100 後手さん", "colour 15", "text 3426 6350 先手さん"}));
  EXPECT_EQ(rp.panel.texts[2], "");
}

TEST_F(RecordFilesTest, GameNameOf13CharactersStartsAtTheHandColumnNotOffTheWindow) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標("あいうえおかきくけこさしす"), 1050 + 3 * 495);
  std::string file = validFile(1);
  put("long.棋譜", *toCp932("あいうえおかきくけこさしす") + file.substr(file.find("\r\n")));
  fp.panel.selected = "long.棋譜";
  File1_Click(g);
  EXPECT_EQ(fp.calls("text 555 6650 ").size(), 1u);
  EXPECT_EQ(fp.calls("text 555 6650 あいうえおかきくけこさしす").size(), 1u);
}

TEST_F(RecordFilesTest, LongHeaderTextsStayApartAndResumingClearsWhereverTheyReach) {
  std::string gameName;
  for (int i = 0; i < 30; ++i) gameName += "局";
  const std::string name(30, 'M');
  put("names.棋譜", encodeRecordFile({gameName, name, name}, g.record, 1).bytes);
  fp.panel.selected = "names.棋譜";
  File1_Click(g);
  // The cells each text may reach: a character taken as wide as a full-width
  // one (240 twips), and as high as the 12 points of the header's size.
  struct Reach {
    int firstCol, lastCol, firstRow, lastRow;
  };
  std::vector<Reach> reached;
  std::vector<double> lines;
  for (const std::string& call : fp.calls("text ")) {
    std::istringstream in(call.substr(5));
    double x = 0, y = 0;
    std::string text;
    in >> x >> y >> text;
    if (y != 100 && y != 6350 && y != 6650) continue;  // the entry's own texts
    const int characters = static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    const double end = x + 240 * characters;
    EXPECT_GE(x, 1050 - 495) << call;
    EXPECT_LE(end, 1050 + 495 * 11) << call;  // clear of the title and the human's hand
    EXPECT_TRUE(text.ends_with("…")) << call;
    auto col = [](double at) { return static_cast<int>(std::floor((at - 1050) / 495)); };
    auto row = [](double at) { return static_cast<int>(std::floor((at - 100) / 615)); };
    reached.push_back({col(x), col(end), row(y), row(y + 240)});
    lines.push_back(y);
  }
  ASSERT_EQ(lines.size(), 3u);
  // The game name has a line of its own, so it cannot run into the lower name.
  EXPECT_GE(std::fabs(lines[0] - lines[2]), 240);

  fp.log.clear();
  描画_棋譜読込み部分消去(g);
  const Texts tiles = fp.calls("picture ");
  for (const Reach& r : reached) {
    for (int col = r.firstCol; col <= r.lastCol; ++col) {
      for (int row = r.firstRow; row <= r.lastRow; ++row) {
        const std::string tile = "picture " + std::to_string(g.view.BackgroundPicture) + " " +
                                 std::to_string(1050 + 495 * col) + " " +
                                 std::to_string(100 + 615 * row);
        EXPECT_NE(std::find(tiles.begin(), tiles.end(), tile), tiles.end()) << tile;
      }
    }
  }
}

// A read record is on screen at once, as a step onto its first entry shows
// it, and a second read first clears what the first one's header printed.
TEST_F(RecordFilesTest, ReadingShowsTheFirstEntryAtOnceAndClearsTheLastHeader) {
  g.view.BackgroundPicture = kPictureTatami;
  g.pos.HumanHand[2] = 1;  // the game on screen, about to give way
  put("a.棋譜", encodeRecordFile({"あなたの勝ちです", "上手", "下手"}, g.record, 3).bytes);
  put("b.棋譜", encodeRecordFile({"中断", "上", "下"}, g.record, 3).bytes);
  fp.panel.selected = "a.棋譜";
  File1_Click(g);
  auto lastAt = [&](double col, double row) {
    const std::string at = " " + testing::twips(cellX(col)) + " " + testing::twips(cellY(row));
    std::string last;
    for (const std::string& call : fp.calls("picture "))
      if (call.ends_with(at)) last = call;
    return last;
  };
  EXPECT_EQ(lastAt(5, 9), testing::pictureAt(-kKing, 5, 9));
  EXPECT_EQ(lastAt(1, 7), testing::pictureAt(-kPawn, 1, 7));
  EXPECT_EQ(lastAt(11, 4), testing::pictureAt(kPictureEmpty, 11, 4));  // no lance held
  EXPECT_FALSE(fp.calls(testing::textAt(13.2, 3.3, " 0")).empty());

  fp.log.clear();
  fp.panel.selected = "b.棋譜";
  File1_Click(g);
  const auto header = std::find_if(fp.log.begin(), fp.log.end(),
                                   [](const std::string& l) { return l.ends_with(" 中断"); });
  ASSERT_NE(header, fp.log.end());
  const Texts before(fp.log.begin(), header);
  for (const auto& [col, row] : {std::pair{-1, 10}, {0, 11}, {5, 10}, {5, 0}, {10, 0}, {10, 11}})
    EXPECT_NE(std::find(before.begin(), before.end(), testing::pictureAt(kPictureTatami, col, row)),
              before.end())
        << col << "," << row;
}

// The header lines a kept game carries are the program's own texts: shown in
// the interface's language, each part through the catalogue.
TEST_F(RecordFilesTest, AKeptGamesHeaderIsShownInTheInterfacesLanguage) {
  fp.words.english = true;
  put("a.棋譜",
      encodeRecordFile({"中断", "後手 コンピュータ LEVEL3", "先手 あなた"}, g.record, 3).bytes);
  fp.panel.selected = "a.棋譜";
  File1_Click(g);
  auto printed = [&](const std::string& text) {
    return std::any_of(fp.log.begin(), fp.log.end(), [&](const std::string& l) {
      return l.starts_with("text ") && l.find(" " + text) != std::string::npos;
    });
  };
  EXPECT_TRUE(printed("EN 中断"));
  EXPECT_TRUE(printed("EN 先手 EN あなた"));
  EXPECT_TRUE(printed("EN 後手 EN コンピュータ"));  // the window cuts a long line short
}

TEST_F(RecordFilesTest, WriteRefusalsLeaveThePanelOpenAndWriteNothing) {
  struct Case {
    std::string name;
    void (*spoil)(Game&, FakePlatform&);
    std::string message;
  };
  const auto none = [](Game&, FakePlatform&) {};
  const std::string badName = "  |ﾌｧｲﾙ名に使えない文字があります";
  const Case cases[] = {
      {"", none, "  |ﾌｧｲﾙ名が入力されていません"},
      {" 　 ", none, "  |ﾌｧｲﾙ名が入力されていません"},
      {"../outside", none, badName},
      {"sub/name", none, badName},
      {"..", none, badName},
      {"a\tb", none, badName},
      {"a\u0085b", none, badName},
      {"ok", [](Game& g, FakePlatform&) { g.state.RecordLength = 0; },
       "棋譜保存|保存するデータがありません"},
      {"ok", [](Game& g, FakePlatform&) { g.record.RecordComputerHands[2][1] = 36; },
       "棋譜保存|棋譜に書き込めない持駒の数があります"},
      {"ok", [](Game&, FakePlatform& p) { p.panel.texts[3] = "🐉"; },
       "棋譜保存|対局名と名前に使えない文字があります"},
  };
  for (const Case& c : cases) {
    FakePlatform p;
    p.panel.dir = dir.string();
    Game game(p.platform(), 1);
    fillPlayedGame(game);
    p.panel.texts[1] = c.name;
    p.panel.texts[2] = "名局";
    c.spoil(game, p);
    Command1_Click(game);
    EXPECT_EQ(p.messages(), Texts{c.message}) << c.name;
    EXPECT_TRUE(p.calls("panel").empty()) << c.name;
    EXPECT_EQ(p.panel.texts[2], "名局");
  }
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_FALSE(fs::exists(dir.parent_path() / "outside.棋譜"));
}

TEST_F(RecordFilesTest, FailedWriteSaysSoAndLeavesWhatWasThere) {
  fp.panel.texts[1] = "busy";
  fp.panel.dir = (dir / "gone").string();
  Command1_Click(g);
  // A target that cannot be replaced keeps its contents, and no temporary is left.
  fp.panel.dir = dir.string();
  fs::create_directory(dir / "busy.棋譜");
  std::ofstream(dir / "busy.棋譜" / "keep") << "kept";
  Command1_Click(g);
  EXPECT_EQ(fp.messages(), Texts(2, "棋譜保存|棋譜を書き込めませんでした"));
  EXPECT_TRUE(fp.calls("panel").empty());
  EXPECT_EQ(fp.panel.texts[1], "busy");
  EXPECT_EQ(slurp("busy.棋譜/keep"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  // A good write replaces an older, longer record whole.
  put("game.棋譜", std::string(5000, 'x'));
  fp.panel.texts[1] = "game";
  g.state.RecordLength = 1;
  Command1_Click(g);
  EXPECT_EQ(fp.messages().back(), "  |棋譜を書き込みました");
  EXPECT_EQ(splitCrLf(slurp("game.棋譜")).size(), 5u);
}

TEST_F(RecordFilesTest, ReadRefusesFilesWithoutARecordAndKeepsTheGame) {
  const std::string good = validFile(2);
  std::size_t entry = 0;
  for (int i = 0; i < 3; ++i) entry = good.find("\r\n", entry) + 2;
  auto spoilAt = [&](int column, const std::string& text) {
    return std::string(good).replace(entry + column - 1, text.size(), text);
  };
  const std::string noData = "棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません";
  const std::string corrupt = "棋譜|棋譜ﾌｧｲﾙが壊れています";
  const std::tuple<std::string, std::string, std::string> files[] = {
      {"empty.棋譜", "", noData},
      {"two-lines.棋譜", "a\r\nb\r\n", noData},
      {"header.棋譜", "a\r\nb\r\nc\r\n\r\n", noData},
      {"piece.棋譜", spoilAt(1, " 99"), corrupt},
      {"count.棋譜", spoilAt(244, "x"), corrupt},
      {"time.棋譜", spoilAt(258, "  -1 "), corrupt},
      {"sjis.棋譜", "\x81\r\nb\r\nc\r\n" + good.substr(entry), corrupt},
      {"kings.棋譜", spoilAt(1, "-80"), corrupt},
      {"gap.棋譜", std::string(good).insert(entry, "\r\n"), corrupt},
      {"missing.棋譜", "", "棋譜|棋譜ﾌｧｲﾙを読み込めませんでした"},
  };
  for (const auto& [name, bytes, message] : files) {
    FakePlatform p;
    p.panel.dir = dir.string();
    p.panel.selected = name;
    if (name != "missing.棋譜") put(name, bytes);
    Game game(p.platform(), 1);
    fillPlayedGame(game);
    game.state.Turn = kGote;
    game.pos.BoardPieces[4][4] = kGold;
    File1_Click(game);
    EXPECT_EQ(p.messages(), Texts{message}) << name;
    EXPECT_EQ(game.state.RecordLength, 3) << name;
    EXPECT_EQ(game.state.RecordIndex, 3) << name;
    EXPECT_EQ(game.state.ReplayMode, kOff) << name;
    EXPECT_EQ(game.state.Turn, kGote) << name;
    EXPECT_EQ(game.pos.BoardPieces[4][4], kGold) << name;
    EXPECT_EQ(game.record.RecordComputerHands[2][4], 2) << name;
    EXPECT_TRUE(p.calls("text ").empty()) << name;
  }
}

TEST_F(RecordFilesTest, FileOfTheStartingEntryAloneHasNoMoves) {
  put("start.棋譜", validFile(0));
  fp.panel.selected = "start.棋譜";
  g.state.Turn = 0;
  File1_Click(g);
  EXPECT_EQ(fp.messages(), Texts{"棋譜|棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"});
  EXPECT_EQ(g.state.ReplayMode, kOn);
  EXPECT_EQ(g.state.RecordLength, 0);
  EXPECT_EQ(g.state.Turn, 0);
}

TEST_F(RecordFilesTest, MenuCommandsOpenThePanelPartsAndRefuseToWriteAfterFlipOrHandicap) {
  fp.panel.texts[1] = "typed";
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(fp.panel.driveVisible && fp.panel.dirVisible && !fp.panel.fileVisible);
  EXPECT_TRUE(fp.panel.textPartVisible);
  EXPECT_EQ(fp.panel.texts[1], "typed");
  KIFU_READ_Click(g);
  EXPECT_TRUE(fp.panel.driveVisible && fp.panel.dirVisible && fp.panel.fileVisible);
  EXPECT_FALSE(fp.panel.textPartVisible);
  EXPECT_EQ(fp.panel.texts[1], "");

  g.state.Flipped = g.state.HandicapSet = kOn;
  fp.log.clear();
  KIFU_WRITE_Click(g);
  g.state.Flipped = kOff;
  KIFU_WRITE_Click(g);
  EXPECT_EQ(fp.messages(), (Texts{"棋譜書込|反転後は書き込みできません",
                                  "棋譜書込|ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"}));
  EXPECT_TRUE(fp.calls("lists").empty() && fp.calls("panel").empty());

  driveNotReady(g);
  EXPECT_EQ(fp.messages().back(), "ｴﾗｰ|ﾃﾞﾊﾞｲｽが準備できていません");
}

TEST_F(RecordFilesTest, ErasingTheReadAreaTilesTheRowBelowTheBoard) {
  g.view.BackgroundPicture = kPictureTatami;
  描画_棋譜読込み部分消去(g);
  const Texts tiles = fp.calls("picture 3 ");
  for (int col = -1; col <= 9; ++col) {
    const std::string tile = "picture 3 " + std::to_string(1050 + 495 * col) + " 6250";
    EXPECT_NE(std::find(tiles.begin(), tiles.end(), tile), tiles.end()) << tile;
  }
}

}  // namespace
}  // namespace morovan
