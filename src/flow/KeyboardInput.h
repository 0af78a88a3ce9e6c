#pragma once
// Play from the keyboard: a cursor over the board and the human's hand whose
// keys click its cell through the mouse's own handler, so every refusal,
// sound and message is the mouse's.

namespace morovan {

class Game;

enum class KeyboardKey { Left, Right, Up, Down, Hand, Select, Promote };

// Shows the cursor and moves it (arrows: one square on the board, one kind in
// the hand, stopping at the edges), takes it to the hand and back (Hand), or
// clicks its cell with the left button (Select) or the right one (Promote).
// The cursor's drawing depends on its cell alone, never on what stands there.
void keyboardKey(Game& g, KeyboardKey key);
// The mouse is in use again: the cursor is hidden until the next key.
void keyboardSetAside(Game& g);

}  // namespace morovan
