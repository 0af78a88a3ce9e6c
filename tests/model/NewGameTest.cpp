#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Game.h"
#include "model/NewGame.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

using testing::FakePlatform;

constexpr PieceCode kStartBackRank[10] = {0, 20, 30, 40, 50, 80, 50, 40, 30, 20};

PieceCode standardPiece(int x, int y) {
  if (y == 1) return kStartBackRank[x];
  if (y == 2) return x == 2 ? 70 : x == 8 ? 60 : 0;
  if (y == 3) return 10;
  if (y == 7) return -10;
  if (y == 8) return x == 2 ? -60 : x == 8 ? -70 : 0;
  if (y == 9) return -kStartBackRank[x];
  return 0;
}

// Pieces of one side on the board, by code.
std::map<PieceCode, int> pieces(const Position& p, int sign) {
  std::map<PieceCode, int> out;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const PieceCode c = p.BoardPieces[x][y];
      if (c * sign > 0) ++out[c];
    }
  }
  return out;
}

std::map<PieceCode, int> standardPieces(int sign) {
  std::map<PieceCode, int> out;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const PieceCode c = standardPiece(x, y);
      if (c * sign > 0) ++out[c];
    }
  }
  return out;
}

int count(const std::vector<std::string>& log, const std::string& line) {
  return static_cast<int>(std::count(log.begin(), log.end(), line));
}

class NewGameTest : public ::testing::Test {
 protected:
  FakePlatform fp;
  Game g{fp.platform(), 1};

  void SetUp() override { g.sound = SoundState{1, 11, 12, 13, 14, 15}; }

  void newGame(unsigned seed) {
    g.random.seed(seed);
    初期設定(g);
  }
  bool shown(const std::string& titleAndText) const {
    const auto m = fp.messages();
    return std::find(m.begin(), m.end(), titleAndText) != m.end();
  }
};

TEST_F(NewGameTest, ResetsTheGameAndHidesTheComputersPieces) {
  GameState& st = g.state;
  st.HandicapLevel = 4;
  st.HandicapSet = st.VsComputer = st.Flipped = st.ClockPending = st.ReplayMode = kOn;
  st.Winner = 1;
  st.Turn = st.RecordIndex = st.MoveNumber = 7;
  st.ComputerTime = st.HumanTime = 99;
  st.LastShownSecond = 12;
  st.ScreenOn = kOff;
  st.SetupOpen = kOff;
  st.TempReveal = kOn;
  st.SelectState = 1;
  g.pos.HumanHand[3] = 2;
  g.pos.ComputerHand[1] = 1;
  g.pos.HumanHandTotal = 2;
  g.pos.ComputerHandTotal = 1;
  g.pos.BoardPieces[5][5] = 61;
  g.pos.EnemyMarks[5][5] = kMarkRed;
  fp.timer.running = true;
  fp.menu.checked[menu::ICHIJI] = true;

  newGame(3);

  // The fields a finished game leaves behind are all back to a fresh set-up.
  EXPECT_EQ(std::vector<double>({double(st.HandicapLevel), double(st.HandicapSet),
                                 double(st.VsComputer), double(st.Winner), double(st.Turn),
                                 double(st.RecordIndex), double(st.MoveNumber), double(st.Flipped),
                                 st.ComputerTime, st.HumanTime, double(st.ClockPending),
                                 double(st.ReplayMode), double(st.LastShownSecond),
                                 double(st.TempReveal), double(st.SelectState)}),
            std::vector<double>(15, 0.0));
  EXPECT_EQ(st.ScreenOn, kOn);
  EXPECT_EQ(st.SetupOpen, kOn);
  EXPECT_FALSE(fp.timer.running);
  EXPECT_FALSE(fp.menu.isChecked(menu::ICHIJI));
  EXPECT_EQ(positionFault(g.pos), "");
  EXPECT_EQ(g.pos.HumanHandTotal, 0);
  EXPECT_EQ(g.pos.ComputerHandTotal, 0);
  EXPECT_EQ(g.pos.BoardPieces[5][5], 0);
  EXPECT_EQ(g.pos.EnemyMarks[5][5], 0);

  // The full redraw shows no computer piece face up.
  for (const std::string& line : fp.calls("picture ")) {
    const int code = std::atoi(line.c_str() + 8);
    EXPECT_FALSE(code >= 10) << line;
  }
  EXPECT_FALSE(fp.calls("picture 9 ").empty());
}

TEST_F(NewGameTest, ShuffleKeepsTheComputersPiecesOnTheirSquaresAndTheKingOutOfRowThree) {
  std::set<std::pair<int, int>> kingSquares;
  int bishopInRowThree = 0;
  int unchanged = 0;
  for (unsigned seed = 1; seed <= 200; ++seed) {
    fp.log.clear();
    newGame(seed);
    const Position& p = g.pos;
    ASSERT_EQ(positionFault(p), "") << "seed " << seed;
    bool same = true;
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        const PieceCode c = p.BoardPieces[x][y];
        const PieceCode start = standardPiece(x, y);
        ASSERT_EQ(c != 0, start != 0) << "seed " << seed << " square " << x << "," << y;
        if (y >= 4) {
          ASSERT_EQ(c, start) << "seed " << seed << ": the human's pieces are never shuffled";
        }
        ASSERT_EQ(p.EnemyMarks[x][y], c >= 10 ? 9 : 0) << "seed " << seed;
        if (c == 80) {
          ASSERT_NE(y, 3) << "seed " << seed;
          kingSquares.insert({x, y});
        }
        if (c == 60 && y == 3) ++bishopInRowThree;
        same = same && c == start;
      }
    }
    ASSERT_EQ(pieces(p, 1), standardPieces(1)) << "seed " << seed;
    if (same) ++unchanged;
  }
  // The shuffle really shuffles: the king travels over rows 1 and 2, the
  // bishop sometimes lands in the front row, and no layout stays standard.
  EXPECT_GE(kingSquares.size(), 8u);
  EXPECT_GT(bishopInRowThree, 0);
  EXPECT_EQ(unchanged, 0);
}

// A bishop standing in the front row stays put on its own visit, so with the
// only other pieces visited after it, it leaves row 3 only when one of them
// picks its square: about 2 passes in 27, not twice that.
TEST_F(NewGameTest, FrontRowBishopDoesNotLeaveOnItsOwnVisit) {
  int left = 0;
  const int passes = 3000;
  for (int n = 0; n < passes; ++n) {
    g.random.seed(1000 + n);
    g.pos = Position{};
    g.pos.BoardPieces[1][3] = 60;
    g.pos.BoardPieces[9][1] = 50;
    g.pos.BoardPieces[9][2] = 50;
    敵駒シャッフル(g);
    if (g.pos.BoardPieces[1][3] != 60) ++left;
  }
  EXPECT_GT(left, passes * 2 / 27 / 2);
  EXPECT_LT(left, passes * 3 / 27);
}

TEST_F(NewGameTest, RandomDigitsStayInRange) {
  std::set<int> seen3, seen9;
  for (int i = 0; i < 500; ++i) {
    const int a = 乱数(g, 3);
    const int b = 乱数(g, 9);
    ASSERT_TRUE(a >= 1 && a <= 3) << a;
    ASSERT_TRUE(b >= 1 && b <= 9) << b;
    seen3.insert(a);
    seen9.insert(b);
  }
  EXPECT_EQ(seen3.size(), 3u);
  EXPECT_EQ(seen9.size(), 9u);
  EXPECT_EQ(乱数(g, 1), 1);
  EXPECT_EQ(乱数(g, 0), 1);  // an empty range must not hang or misbehave
}

// Squares whose piece or flag differ between two positions.
std::set<std::pair<int, int>> changed(const Position& a, const Position& b) {
  std::set<std::pair<int, int>> out;
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      if (a.BoardPieces[x][y] != b.BoardPieces[x][y] || a.EnemyMarks[x][y] != b.EnemyMarks[x][y])
        out.insert({x, y});
    }
  }
  return out;
}

// Each step empties its own square whatever stands there, touches no other
// square but the king's home when the king stood on it (and never its flag),
// and a walk back
// restores the shuffled position square for square, flags included.
TEST_F(NewGameTest, HandicapStepsEmptyTheirSquareAndWalkBackExactly) {
  const std::pair<int, int> up[11] = {{0, 0}, {8, 2}, {2, 2}, {9, 1}, {1, 1}, {8, 1},
                                      {2, 1}, {7, 1}, {3, 1}, {6, 1}, {4, 1}};
  const std::pair<int, int> down[11] = {{0, 0}, {2, 8}, {8, 8}, {1, 9}, {9, 9}, {2, 9},
                                        {8, 9}, {3, 9}, {7, 9}, {4, 9}, {6, 9}};
  std::set<std::map<PieceCode, int>> leftAtTen;
  int kingsSentHome = 0;
  for (unsigned seed = 1; seed <= 120; ++seed) {
    newGame(seed);
    // Flags on some hidden pieces, and the human's king swapped onto a step square.
    for (int x = 1; x <= 9; x += 2) g.pos.EnemyMarks[x][1] = x % 4 == 1 ? kMarkRed : kMarkBlue;
    const auto [kx, ky] = down[1 + seed % 10];
    std::swap(g.pos.BoardPieces[kx][ky], g.pos.BoardPieces[5][9]);
    const Position start = g.pos;

    struct Walk {
      void (*button)(Game&);
      void (*back)(Game&);
      const std::pair<int, int>* steps;
      int sign;
    };
    for (const auto [button, back, steps, sign] :
         {Walk{LBEL_UP_Click, LEBEL_DOWN_Click, up, 1},
          Walk{LEBEL_DOWN_Click, LBEL_UP_Click, down, -1}}) {
      const int homeRow = sign > 0 ? 1 : 9;
      // A step draws its square and the king's home, whether the king went
      // home or not.
      const std::string homeOutline = "outline " + std::to_string(int(cellX(5))) + " " +
                                      std::to_string(int(cellY(homeRow))) + " ";
      size_t pictures = 0;
      for (int n = 1; n <= 10; ++n) {
        const Position before = g.pos;
        fp.log.clear();
        button(g);
        if (n > 1) {
          ASSERT_EQ(fp.calls("picture").size(), pictures);
        }
        pictures = fp.calls("picture").size();
        ASSERT_EQ(fp.calls(homeOutline).size(), 1u);
        const auto [x, y] = steps[n];
        ASSERT_EQ(g.pos.BoardPieces[x][y], 0) << "seed " << seed << " step " << n;
        ASSERT_EQ(g.pos.EnemyMarks[x][y], 0);
        // A flag moving off the step's square would tell that the king stood there.
        ASSERT_EQ(g.pos.EnemyMarks[5][homeRow], before.EnemyMarks[5][homeRow]);
        std::set<std::pair<int, int>> expected = {{x, y}};
        if (before.BoardPieces[x][y] == sign * 80) {
          expected.insert({5, homeRow});
          ASSERT_EQ(g.pos.BoardPieces[5][homeRow], sign * 80);
          ++kingsSentHome;
        }
        ASSERT_EQ(changed(before, g.pos), expected) << "seed " << seed << " step " << n;
        ASSERT_EQ(positionFault(g.pos), "");
      }
      if (sign > 0) leftAtTen.insert(pieces(g.pos, 1));
      for (int n = 10; n >= 1; --n) back(g);
      ASSERT_EQ(g.state.HandicapLevel, 0);
      ASSERT_TRUE(changed(start, g.pos).empty()) << "seed " << seed;
    }
  }
  EXPECT_GT(kingsSentHome, 10);
  // What the computer keeps at the top grade still depends on the shuffle.
  EXPECT_GT(leftAtTen.size(), 20u);
}

TEST_F(NewGameTest, HandicapRunsDownToMinusTenAndBackWithTheHumansPieces) {
  struct Step {
    int x, y;
    PieceCode piece;
  };
  const Step down[11] = {{0, 0, 0},   {2, 8, -60}, {8, 8, -70}, {1, 9, -20},
                         {9, 9, -20}, {2, 9, -30}, {8, 9, -30}, {3, 9, -40},
                         {7, 9, -40}, {4, 9, -50}, {6, 9, -50}};
  newGame(5);
  const Position start = g.pos;
  for (int level = -1; level >= -10; --level) {
    LEBEL_DOWN_Click(g);
    ASSERT_EQ(g.state.HandicapLevel, level);
    ASSERT_EQ(g.pos.BoardPieces[down[-level].x][down[-level].y], 0) << level;
  }
  EXPECT_EQ(pieces(g.pos, -1), (std::map<PieceCode, int>{{-10, 9}, {-80, 1}}));
  Position before = g.pos;
  fp.log.clear();
  LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.state.HandicapLevel, -10);
  EXPECT_EQ(std::memcmp(before.BoardPieces, g.pos.BoardPieces, sizeof before.BoardPieces), 0);
  EXPECT_EQ(count(fp.log, "dsPlay 13"), 0);

  for (int level = -9; level <= 0; ++level) {
    LBEL_UP_Click(g);
    ASSERT_EQ(g.state.HandicapLevel, level);
    const Step& s = down[1 - level];
    ASSERT_EQ(g.pos.BoardPieces[s.x][s.y], s.piece) << level;
  }
  EXPECT_EQ(std::memcmp(start.BoardPieces, g.pos.BoardPieces, sizeof start.BoardPieces), 0);
  EXPECT_EQ(std::memcmp(start.EnemyMarks, g.pos.EnemyMarks, sizeof start.EnemyMarks), 0);
}

TEST_F(NewGameTest, HandicapShowsItsGradeAndClearsTheRecordLength) {
  newGame(2);
  g.state.RecordLength = 6;
  fp.log.clear();
  LBEL_UP_Click(g);
  EXPECT_EQ(g.state.RecordLength, 0);
  EXPECT_EQ(g.state.HandicapSet, kOn);
  ASSERT_GE(fp.log.size(), 2u);
  EXPECT_EQ(fp.log[0], "lists 000");
  EXPECT_EQ(fp.log[1], "panel hide");
  bool gradeShown = false;
  for (const std::string& line : fp.calls("text ")) {
    gradeShown = gradeShown || line.find("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級") != std::string::npos;
  }
  EXPECT_TRUE(gradeShown);
  // The square is outlined in the back colour after its new content is drawn.
  const std::string outline = "outline " + std::to_string(static_cast<int>(cellX(8))) + " " +
                              std::to_string(static_cast<int>(cellY(2))) + " " +
                              std::to_string(static_cast<int>(cellX(9))) + " " +
                              std::to_string(static_cast<int>(cellY(3))) + " 2";
  EXPECT_EQ(count(fp.log, outline), 1);
}

TEST_F(NewGameTest, HandicapIsRefusedInReplayDuringAGameAndAfterAFlip) {
  const std::string tail = "\r\r局面→最初にして下さい";
  struct Case {
    int replay, recordIndex, flipped, turn;
    std::string text;
  };
  // A side chosen is a game under way, before its first move or back at it.
  const Case cases[] = {{1, 3, 1, kSente, "棋譜ﾓｰﾄﾞではできません"},
                        {0, 1, 1, kSente, "対局途中ではできません"},
                        {0, 0, 1, kGote, "反転後ではできません"},
                        {0, 0, 0, kSente, "対局途中ではできません"},
                        {0, 0, 0, kGote, "対局途中ではできません"}};
  for (const Case& c : cases) {
    for (void (*button)(Game&) : {LBEL_UP_Click, LEBEL_DOWN_Click}) {
      newGame(4);
      g.state.ReplayMode = c.replay;
      g.state.RecordIndex = c.recordIndex;
      g.state.Flipped = c.flipped;
      g.state.Turn = c.turn;
      g.state.RecordLength = 5;
      const Position before = g.pos;
      fp.log.clear();
      fp.dialogs.shown.clear();
      button(g);
      EXPECT_EQ(fp.messages(), std::vector<std::string>{"ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定|" + c.text + tail});
      EXPECT_EQ(fp.dialogs.shown[0].buttons, Buttons::Ok);
      EXPECT_EQ(count(fp.log, "dsPlay 12"), 1);
      const auto sound = std::find(fp.log.begin(), fp.log.end(), "dsPlay 12");
      const auto box = std::find_if(fp.log.begin(), fp.log.end(), [](const std::string& l) {
        return l.rfind("message ", 0) == 0;
      });
      EXPECT_LT(sound, box);
      EXPECT_EQ(g.state.HandicapLevel, 0);
      EXPECT_EQ(g.state.HandicapSet, kOff);
      EXPECT_EQ(g.state.RecordLength, 5);
      EXPECT_EQ(std::memcmp(before.BoardPieces, g.pos.BoardPieces, sizeof before.BoardPieces), 0);
    }
  }
}

}  // namespace
}  // namespace morovan
