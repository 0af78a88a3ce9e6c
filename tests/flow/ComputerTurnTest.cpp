#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "Game.h"
#include "computer/DeepSearch.h"
#include "computer/MoveSearch.h"
#include "flow/ComputerTurn.h"
#include "options/TimeKeeping.h"
#include "platform/FakePlatform.h"
#include "view/ViewState.h"

namespace morovan {
namespace {

using testing::FakeClock;
using testing::FakePlatform;

constexpr int kDisguise = kPictureUnknown;  // how a hidden computer piece is drawn

// A clock that moves on a little at every reading, so that a turn takes time.
class TickingClock : public FakeClock {
 public:
  using FakeClock::FakeClock;
  double timeOfDay() override {
    now += 0.25;
    return now;
  }
};

// A game on the fakes with an empty board, the computer (Sente) to move.
struct Table {
  FakePlatform fp;
  TickingClock ticking{fp.log};
  Game g{Platform{fp.canvas, fp.dialogs, fp.sound, ticking, fp.timer, fp.menu, fp.panel, fp.window,
                  fp.hash}};

  Table() {
    g.state.HumanSide = kGote;
    g.state.ComputerSide = kSente;
    g.state.Turn = kSente;
    g.state.ComputerLevel = 1;
    g.sound.禁止 = 101;
    g.sound.駒打音 = 102;
  }
  void put(int x, int y, PieceCode c) { g.pos.BoardPieces[x][y] = c; }
  void giveComputer(int kind, int n) {
    g.pos.ComputerHand[kind] += n;
    g.pos.ComputerHandTotal += n;
  }
  int count(const std::string& line) const {
    return static_cast<int>(std::count(fp.log.begin(), fp.log.end(), line));
  }
  // Where the log last holds `line`; -1 when nowhere.
  long lastIndex(const std::string& line) const {
    const auto at = std::find(fp.log.rbegin(), fp.log.rend(), line);
    return at == fp.log.rend() ? -1 : static_cast<long>(fp.log.rend() - at) - 1;
  }
  std::string pictureLine(int code, double col, double row) const {
    std::ostringstream line;
    line << "picture " << code << " " << cellX(col) << " " << cellY(row);
    return line.str();
  }
  // Picture codes drawn with their corner at cell (col, row), in order.
  std::vector<int> picturesAt(double col, double row) const {
    std::ostringstream where;
    where << " " << cellX(col) << " " << cellY(row);
    std::vector<int> codes;
    for (const auto& l : fp.calls("picture ")) {
      const size_t space = l.find(' ', 8);
      if (l.substr(space) == where.str()) codes.push_back(std::stoi(l.substr(8, space - 8)));
    }
    return codes;
  }
};

TEST(ComputerTurn, PlaysRecordsAndHandsTheTurnBack) {
  Table t;
  t.put(5, 1, 80);
  t.put(3, 3, 50);
  t.put(5, 9, -80);
  t.fp.menu.checked[menu::KEIKA] = true;
  t.g.view.BackgroundPicture = 3;
  GameState& st = t.g.state;
  st.RecordIndex = st.MoveNumber = st.RecordLength = 4;
  st.HumanTime = 10;
  st.ComputerTime = 20;

  com_ban(t.g);

  const auto& log = t.fp.log;
  auto at = [&](const std::string& line) {
    return std::find(log.begin(), log.end(), line) - log.begin();
  };
  // The old move text gives way to the caption, shadow first, then the screen is
  // repainted before the search.
  EXPECT_EQ(t.picturesAt(-2, 8).front(), 3);
  EXPECT_EQ(t.picturesAt(0, 8).front(), 3);
  const auto shadow = at("text 307.5 5327.5 思考中");
  const auto caption = at("text 258 5266 思考中");
  ASSERT_LT(caption, static_cast<long>(log.size()));
  EXPECT_LT(shadow, caption);
  EXPECT_EQ(log[caption + 1], "repaint");

  // Three blink rounds on the gold's square, still hidden, then the move empties it.
  EXPECT_EQ(t.picturesAt(3, 3), (std::vector<int>{0, kDisguise, 0, kDisguise, 0, kDisguise, 0}));
  EXPECT_EQ(t.count("dsPlay 102"), 1);
  EXPECT_EQ(t.count("dsPlay 101"), 0);
  EXPECT_TRUE(t.fp.messages().empty());

  EXPECT_EQ(t.g.pos.BoardPieces[2][3], 50);
  EXPECT_EQ(t.g.pos.BoardPieces[3][3], 0);
  EXPECT_EQ(st.RecordIndex, 5);
  EXPECT_EQ(st.MoveNumber, 5);
  EXPECT_EQ(st.RecordLength, 5);
  const GameRecord& rec = t.g.record;
  EXPECT_EQ(rec.RecordBoards[5][2][3], 50);
  EXPECT_EQ(rec.RecordBoards[5][3][3], 0);
  EXPECT_GT(st.MoveTime, 0);
  EXPECT_EQ(rec.RecordTimes[5][1], 10);
  EXPECT_EQ(rec.RecordTimes[5][2], 10);
  EXPECT_EQ(rec.RecordTimes[5][3], 20);
  EXPECT_EQ(rec.RecordTimes[5][4], 20 + st.MoveTime);
  EXPECT_EQ(st.ComputerTime, 20 + st.MoveTime);
  // The computer's clock ends showing the whole turn charged.
  EXPECT_EQ(t.count("text 258 5758 " + 調査_時間秒追加結果(st.ComputerTime)), 1);

  // The move text "８三金" and the white outline of the destination.
  EXPECT_LT(at("text 258 5266 ８"), static_cast<long>(log.size()));
  EXPECT_LT(at("outline 2040 1945 2535 2560 15"), static_cast<long>(log.size()));
  EXPECT_EQ(st.Turn, kGote);
  EXPECT_EQ(st.TurnStartTimer, t.ticking.now);
  EXPECT_TRUE(t.fp.timer.running);
  EXPECT_LT(at("timer stop"), static_cast<long>(log.size()));
  EXPECT_EQ(positionFault(t.g.pos), "");
}

// A clock that moves only while the turn waits, and once by `lag` at its second
// reading: the time the turn takes to put up its caption before it searches.
class LaggingClock : public FakeClock {
 public:
  LaggingClock(testing::CallLog& log, double lag) : FakeClock(log), lag_(lag) {}
  double timeOfDay() override {
    if (++readings_ == 2) now += lag_;
    return now;
  }

 private:
  double lag_;
  int readings_ = 0;
};

// The seconds one computer turn takes on that clock, and what it charges the
// computer.
double turnTime(int level, double lag, double& charged) {
  FakePlatform fp;
  LaggingClock clock(fp.log, lag);
  Game g{Platform{fp.canvas, fp.dialogs, fp.sound, clock, fp.timer, fp.menu, fp.panel, fp.window,
                  fp.hash}};
  g.pos.BoardPieces[5][1] = 80;
  g.pos.BoardPieces[3][3] = 50;
  g.pos.BoardPieces[5][9] = -80;
  g.state.Turn = g.state.ComputerSide = kSente;
  g.state.HumanSide = kGote;
  g.state.ComputerLevel = level;
  const double start = clock.now;
  com_ban(g);
  EXPECT_EQ(g.state.Turn, kGote);
  charged = g.state.ComputerTime;
  return clock.now - start;
}

TEST(ComputerTurn, LevelFourThinksForAFixedTimeFromTheStartOfTheTurn) {
  double charged = 0;
  const double level3 = turnTime(3, 0, charged);
  // The whole turn, blink and pause included, is the computer's.
  EXPECT_NEAR(charged, level3, 1e-6);
  const double level4 = turnTime(kDeepLevel, 0, charged);
  EXPECT_NEAR(level4 - level3, kDeepThinkingSeconds, 0.02);
  EXPECT_NEAR(charged, level4, 1e-6);
  // Time the turn spends before its search is part of the pad, not added to it.
  EXPECT_NEAR(turnTime(kDeepLevel, 0.2, charged), level4, 0.02);
  EXPECT_NEAR(charged, level4, 1e-6);
}

TEST(ComputerTurn, ADropBlinksWhereTheHandIsShown) {
  // King, pawn and knights that cannot move: the computer can only drop its silver.
  for (int screen : {kOn, kOff}) {
    Table t;
    t.put(1, 9, 80);
    t.put(2, 9, 10);
    t.put(1, 8, 30);
    t.put(2, 8, 30);
    t.put(9, 1, -80);
    t.giveComputer(4, 1);
    t.g.state.ScreenOn = screen;
    com_ban(t.g);
    ASSERT_EQ(t.g.search.BestMove.FromX, kComputerHandX);
    const std::vector<int> hidden = {0, kDisguise, 0, kDisguise, 0, kDisguise};
    const std::vector<int> shown = {0, 40, 0, 40, 0, 40};
    if (screen == kOn) {
      // The one hidden hand cell; the silver's own row would give the kind away.
      const std::vector<int> cell = t.picturesAt(-1, 1);
      EXPECT_TRUE(std::equal(hidden.begin(), hidden.end(), cell.begin())) << cell.size();
      for (int code : t.picturesAt(-1, 4)) EXPECT_NE(code, kDisguise);
    } else {
      const std::vector<int> cell = t.picturesAt(-1, 8 - 4);
      EXPECT_TRUE(std::equal(shown.begin(), shown.end(), cell.begin())) << cell.size();
    }
    EXPECT_EQ(t.g.pos.ComputerHand[4], 0);
    EXPECT_EQ(t.g.state.Turn, kGote);
  }
}

TEST(ComputerTurn, CheckLeftOnTheHumansKingWinsWithoutAMove) {
  Table t;
  t.put(5, 1, 80);
  t.put(5, 7, 50);
  t.put(5, 8, -80);
  t.fp.dialogs.script = {Answer::No};
  com_ban(t.g);

  EXPECT_EQ(t.fp.messages(), (std::vector<std::string>{"|   ** 王手 **", "終了|ｺﾝﾋﾟｭｰﾀの勝ちです",
                                                       "再ゲーム|続けますか？"}));
  const auto& log = t.fp.log;
  const auto sound = std::find(log.begin(), log.end(), "dsPlay 101");
  const auto check = std::find(log.begin(), log.end(), "message |   ** 王手 **|Ok");
  EXPECT_LT(sound, check);
  EXPECT_EQ(t.count("dsPlay 102"), 0);
  EXPECT_EQ(t.g.state.ScreenOn, kOff);
  EXPECT_EQ(t.picturesAt(5, 7).back(), 50);  // shown face up
  EXPECT_EQ(t.g.pos.BoardPieces[5][7], 50);
  EXPECT_EQ(t.g.state.RecordIndex, 0);
  EXPECT_TRUE(t.fp.window.ended);
}

TEST(ComputerTurn, TakingTheHumansBishopLosesAfterTheMoveIsRecorded) {
  // All moves score alike at level 1, so the pawn, first in scan order, takes.
  Table t;
  t.put(1, 4, 10);
  t.put(1, 5, -60);
  t.put(6, 1, 80);  // off the bishop's diagonal
  t.put(9, 9, -80);
  t.fp.dialogs.script = {Answer::No};
  com_ban(t.g);

  EXPECT_EQ(t.fp.messages(),
            (std::vector<std::string>{"コンピュータ| ゲゲッ！ 角を取りました\r\r        ( X_X ) \r",
                                      "終了|あなたの勝ちです", "再ゲーム|続けますか？"}));
  EXPECT_EQ(t.g.pos.BoardPieces[1][5], 10);
  EXPECT_EQ(t.g.pos.ComputerHand[6], 1);
  EXPECT_EQ(t.g.state.RecordIndex, 1);
  EXPECT_EQ(t.g.record.RecordComputerHands[1][6], 1);
  EXPECT_EQ(t.count("dsPlay 102"), 1);
  EXPECT_EQ(t.g.state.ScreenOn, kOff);
  EXPECT_NE(t.g.state.Turn, kGote);  // not handed back
}

TEST(ComputerTurn, GivingCheckWinsWithoutAMoveText) {
  // The gold's first target, one row up, reaches the king from behind.
  Table t;
  t.put(1, 7, 50);
  t.put(1, 5, -80);
  t.put(5, 1, 80);
  t.fp.dialogs.script = {Answer::No};
  com_ban(t.g);

  EXPECT_EQ(t.g.pos.BoardPieces[1][6], 50);
  EXPECT_EQ(t.fp.messages(), (std::vector<std::string>{"|   ** 王手 **", "終了|ｺﾝﾋﾟｭｰﾀの勝ちです",
                                                       "再ゲーム|続けますか？"}));
  EXPECT_EQ(t.count("dsPlay 101"), 0);
  EXPECT_EQ(t.count("dsPlay 102"), 1);
  EXPECT_EQ(t.g.state.RecordIndex, 1);
  EXPECT_EQ(t.count("text 258 5266 ９"), 0);  // no move text
  // The caption goes once the thinking is over, though no move text replaces it.
  EXPECT_GT(t.lastIndex(t.pictureLine(t.g.view.BackgroundPicture, -2, 8)),
            t.lastIndex("text 258 5266 思考中"));
  EXPECT_EQ(t.g.state.ScreenOn, kOff);
  EXPECT_EQ(t.g.state.Turn, kSente);
}

TEST(ComputerTurn, WithNoMoveTheComputerResigns) {
  Table t;  // king, pawn and knights that cannot move, and an empty hand
  t.put(1, 9, 80);
  t.put(2, 9, 10);
  t.put(1, 8, 30);
  t.put(2, 8, 30);
  t.put(9, 1, -80);
  t.fp.dialogs.script = {Answer::Yes};
  EXPECT_EQ(searchComputerMove(t.g), SearchOutcome::NoMove);
  com_ban(t.g);

  EXPECT_EQ(t.fp.messages(),
            (std::vector<std::string>{"コンピュータ|指せる手がありません", "終了|あなたの勝ちです",
                                      "再ゲーム|続けますか？"}));
  EXPECT_EQ(t.count("dsPlay 102"), 0);
  // Yes: a fresh game, not started.
  EXPECT_EQ(t.g.state.Turn, 0);
  EXPECT_EQ(t.g.state.RecordIndex, 0);
  EXPECT_EQ(t.g.state.ScreenOn, kOn);
  EXPECT_FALSE(t.fp.window.ended);
  EXPECT_EQ(positionFault(t.g.pos), "");
}

TEST(ComputerTurn, AFullRecordEndsTheGameDrawnBeforeTheBoardChanges) {
  Table t;
  t.put(5, 1, 80);
  t.put(3, 3, 50);
  t.put(5, 9, -80);
  t.g.state.RecordIndex = t.g.state.MoveNumber = t.g.state.RecordLength = kLastRecordIndex;
  t.fp.dialogs.script = {Answer::No};
  com_ban(t.g);

  const std::vector<std::string> shown = t.fp.messages();
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].rfind("コンピュータ|棋譜", 0), 0u) << shown[0];
  EXPECT_EQ(shown[1], "終了|引き分けです");
  EXPECT_EQ(t.g.pos.BoardPieces[3][3], 50);
  EXPECT_EQ(t.g.state.RecordIndex, kLastRecordIndex);
  EXPECT_EQ(t.count("dsPlay 102"), 0);
  EXPECT_TRUE(t.fp.window.ended);
}

}  // namespace
}  // namespace morovan
