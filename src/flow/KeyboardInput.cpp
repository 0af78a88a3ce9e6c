#include "flow/KeyboardInput.h"

#include <algorithm>

#include "Game.h"
#include "flow/MouseInput.h"

namespace morovan {
namespace {

bool inHand(const ViewState& v) {
  return v.CursorCol == kHumanHandX;
}

void showCursor(Game& g) {
  ViewState& v = g.view;
  v.CursorShown = true;
  g.platform.canvas.showCursor(cellX(v.CursorCol), cellY(v.CursorRow), cellX(v.CursorCol + 1),
                               cellY(v.CursorRow + 1));
}

void move(ViewState& v, int dCol, int dRow) {
  if (inHand(v)) {
    v.CursorRow = std::clamp(v.CursorRow + dRow, humanHandRow(1), humanHandRow(kHandKinds));
    return;
  }
  v.CursorCol = std::clamp(v.CursorCol + dCol, 1, kBoardSize);
  v.CursorRow = std::clamp(v.CursorRow + dRow, 1, kBoardSize);
}

void toggleHand(ViewState& v) {
  if (inHand(v)) {
    v.CursorCol = v.BoardCursorCol;
    v.CursorRow = v.BoardCursorRow;
    return;
  }
  v.BoardCursorCol = v.CursorCol;
  v.BoardCursorRow = v.CursorRow;
  v.CursorCol = kHumanHandX;
  v.CursorRow = humanHandRow(1);
}

// A click in the middle of the cursor's cell, where the mouse would press.
void click(Game& g, int button) {
  const ViewState& v = g.view;
  Form_MouseDown(g, button, 0, cellX(v.CursorCol + 0.5), cellY(v.CursorRow + 0.5));
}

}  // namespace

void keyboardKey(Game& g, KeyboardKey key) {
  ViewState& v = g.view;
  switch (key) {
    case KeyboardKey::Left:
      move(v, -1, 0);
      break;
    case KeyboardKey::Right:
      move(v, 1, 0);
      break;
    case KeyboardKey::Up:
      move(v, 0, -1);
      break;
    case KeyboardKey::Down:
      move(v, 0, 1);
      break;
    case KeyboardKey::Hand:
      toggleHand(v);
      break;
    case KeyboardKey::Select:
    case KeyboardKey::Promote:
      showCursor(g);
      click(g, key == KeyboardKey::Select ? kLeftButton : kRightButton);
      return;
  }
  showCursor(g);
}

void keyboardSetAside(Game& g) {
  if (!g.view.CursorShown) return;
  g.view.CursorShown = false;
  g.platform.canvas.hideCursor();
}

}  // namespace morovan
