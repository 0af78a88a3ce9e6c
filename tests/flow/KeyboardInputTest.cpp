// Play from the keyboard: whole games through the mouse's handler, and a
// cursor that tells nothing of the hidden pieces.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "flow/FlowFixture.h"
#include "flow/KeyboardInput.h"
#include "flow/MenuDispatch.h"
#include "model/NewGame.h"
#include "model/Position.h"
#include "platform/TempDirectory.h"

namespace morovan::testing {
namespace {

class KeyboardTest : public FlowTest {
 protected:
  void key(KeyboardKey k) { keyboardKey(g, k); }
  // Walks the cursor to a cell with the keys alone.
  void cursorTo(int col, int row) {
    const bool hand = col == kHumanHandX;
    if (hand != (g.view.CursorCol == kHumanHandX)) key(KeyboardKey::Hand);
    while (g.view.CursorCol < col) key(KeyboardKey::Right);
    while (g.view.CursorCol > col) key(KeyboardKey::Left);
    while (g.view.CursorRow < row) key(KeyboardKey::Down);
    while (g.view.CursorRow > row) key(KeyboardKey::Up);
  }
  int endings() const {
    int n = 0;
    for (const auto& m : fp.dialogs.shown) n += m.title == "再ゲーム";
    return n;
  }
};

TEST_F(KeyboardTest, WholeGamesArePlayedFromTheKeyboardAlone) {
  std::mt19937 chooser(2026);
  TempDirectory kept;
  g.folders.games = kept.path().string();
  for (int game = 0; game < 2; ++game) {
    fp.dialogs.script = {Answer::Yes};
    初期設定(g);
    // What the menu keys do: open the item's menu, then click it.
    menuOpened(g, menu::TAIKYOKU);
    menuClicked(g, game == 0 ? menu::SENTE : menu::GOTE);
    const int before = endings();
    for (int moves = 0; endings() == before; ++moves) {
      ASSERT_LT(moves, 200) << "game " << game << " did not end";
      ASSERT_EQ(g.state.Turn, g.state.HumanSide);
      const auto legal = humanMoves(g.pos);
      ASSERT_FALSE(legal.empty());
      const Move m = legal[chooser() % legal.size()];
      const int number = g.state.MoveNumber;
      cursorTo(m.FromX, m.FromY);
      key(KeyboardKey::Select);
      cursorTo(m.ToX, m.ToY);
      key(chooser() % 2 ? KeyboardKey::Promote : KeyboardKey::Select);
      if (g.state.SelectState == 1) key(KeyboardKey::Promote);  // forced promotion
      ASSERT_TRUE(g.state.MoveNumber > number || endings() > before) << "the move was not made";
      ASSERT_EQ(positionFault(g.pos), "");
    }
  }
  EXPECT_TRUE(fp.calls("click").empty());
}

// A fresh game for each way of playing, so both start alike.
struct OneBoard : KeyboardTest {
  void TestBody() override {}
  // A refused move, the bishop capturing: by the mouse or by keys. Returns the
  // log without the cursor's lines.
  std::vector<std::string> refusedMove(bool keys) {
    SetUp();
    startEmptyGame();
    put(5, 9, -kKing);
    put(1, 1, kKing);
    put(5, 5, -kBishop);
    put(3, 3, kPawn);
    g.view.CursorCol = 5;
    g.view.CursorRow = 5;
    fp.log.clear();
    if (keys) {
      for (KeyboardKey k : {KeyboardKey::Select, KeyboardKey::Left, KeyboardKey::Left,
                            KeyboardKey::Up, KeyboardKey::Up, KeyboardKey::Select})
        key(k);
    } else {
      click(5, 5);
      click(3, 3);
    }
    EXPECT_TRUE(shown("Morovanルール|角は相手駒を取ることができません"));
    std::vector<std::string> seen;
    for (const auto& line : fp.log)
      if (!line.starts_with("cursor")) seen.push_back(line);
    return seen;
  }
};

TEST(KeyboardPlay, AKeyClicksThroughTheMousesHandlerWithTheSameAnswer) {
  EXPECT_EQ(OneBoard().refusedMove(true), OneBoard().refusedMove(false));
}

TEST_F(KeyboardTest, TheCursorDrawsOnlyItselfWhateverIsHidden) {
  // Two games whose hidden pieces stand differently: the cursor crossing the
  // computer's rows draws the same, and nothing but itself.
  auto walk = [](unsigned seed) {
    FakePlatform fp;
    Game g{fp.platform(), seed};
    初期設定(g);
    fp.log.clear();
    for (KeyboardKey k :
         {KeyboardKey::Up, KeyboardKey::Up, KeyboardKey::Up, KeyboardKey::Up, KeyboardKey::Up,
          KeyboardKey::Up, KeyboardKey::Up, KeyboardKey::Up, KeyboardKey::Left, KeyboardKey::Down,
          KeyboardKey::Hand, KeyboardKey::Down, KeyboardKey::Hand})
      keyboardKey(g, k);
    keyboardSetAside(g);
    for (const auto& line : fp.log) EXPECT_TRUE(line.starts_with("cursor")) << line;
    return fp.log;
  };
  const auto first = walk(1);
  EXPECT_EQ(first.back(), "cursor hidden");
  EXPECT_EQ(first.at(7), "cursor " + std::to_string(static_cast<int>(cellX(5))) + " " +
                             std::to_string(static_cast<int>(cellY(1))) + " " +
                             std::to_string(static_cast<int>(cellX(6))) + " " +
                             std::to_string(static_cast<int>(cellY(2))));
  EXPECT_EQ(walk(99), first);
}

}  // namespace
}  // namespace morovan::testing
