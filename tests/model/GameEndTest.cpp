#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "flow/Startup.h"
#include "influence/Survey.h"
#include "model/GameEnd.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

using testing::FakePlatform;

// The position after a human move, surveyed as the move flow leaves it.
struct AfterHumanMove {
  FakePlatform fp;
  Game g{fp.platform()};

  AfterHumanMove() {
    g.state.Turn = kGote;
    put(5, 1, 80);
    put(5, 9, -80);
  }
  void put(int x, int y, PieceCode c) { g.pos.BoardPieces[x][y] = c; }
  // Judges as the move flow does, ending the game on a winner.
  bool judge(PieceCode taken) {
    勢力調査(g.pos, g.influence);
    const std::string winner = judgeAfterHumanMove(g, taken);
    if (!winner.empty()) 終了(g, winner);
    return !winner.empty();
  }
};

const std::string kBishopText = " ゲゲッ！ 角を取りました\r\r        ( X_X ) \r";
const std::string kCheckText = "   ** 王手 **";

TEST(JudgeAfterHumanMove, TakingTheBishopLosesEvenWithTheKingAttacked) {
  for (PieceCode bishop : {60, 61}) {
    AfterHumanMove a;
    a.put(5, 2, -50);  // the human's gold also attacks the computer's king
    EXPECT_TRUE(a.judge(bishop));
    EXPECT_EQ(a.fp.messages(),
              (std::vector<std::string>{"あなた|" + kBishopText, "終了|コンピュータの勝ちです",
                                        "再ゲーム|続けますか？"}));
  }
}

TEST(JudgeAfterHumanMove, CheckDecidesTheGameWithTheHiddenPiecesShown) {
  struct Case {
    const char* what;
    bool humanAttacks, computerAttacks;  // by a gold next to the other king
    const char* result;
  };
  const Case cases[] = {
      {"the human attacks", true, false, "あなたの勝ちです"},
      {"the human's king is left attacked", false, true, "コンピュータの勝ちです"},
      {"both kings attacked", true, true, "引き分けです"},
  };
  for (const Case& c : cases) {
    AfterHumanMove a;
    if (c.humanAttacks) a.put(5, 2, -50);
    if (c.computerAttacks) a.put(5, 8, 50);
    a.put(1, 1, 30);  // a hidden knight
    a.fp.dialogs.script = {Answer::No};
    EXPECT_TRUE(a.judge(0)) << c.what;
    const std::string result = std::string("終了|") + c.result;
    EXPECT_EQ(a.fp.messages(),
              (std::vector<std::string>{"|" + kCheckText, result, "再ゲーム|続けますか？"}))
        << c.what;
    // The knight is drawn face up between the check and the result.
    EXPECT_EQ(a.g.state.ScreenOn, kOff);
    const auto& log = a.fp.log;
    const auto check = std::find(log.begin(), log.end(), "message |" + kCheckText + "|Ok");
    const auto knight = std::find(log.begin(), log.end(), "picture 30 1545 715");
    const auto shown = std::find(log.begin(), log.end(), "message " + result + "|Ok");
    EXPECT_LT(check, knight) << c.what;
    EXPECT_LT(knight, shown) << c.what;
  }
}

TEST(JudgeAfterHumanMove, NoCheckAndNoBishopLetsTheGameGoOn) {
  AfterHumanMove a;
  a.put(5, 5, -50);
  a.put(5, 3, 50);
  EXPECT_FALSE(a.judge(10));
  EXPECT_TRUE(a.fp.messages().empty());
  EXPECT_EQ(a.g.state.ScreenOn, kOn);
  EXPECT_EQ(a.g.state.Turn, kGote);
}

}  // namespace
}  // namespace morovan
