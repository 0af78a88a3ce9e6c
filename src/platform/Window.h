#pragma once
// The main window as the game sees it beyond its canvas.

namespace morovan {

class Window {
 public:
  virtual ~Window() = default;
  virtual bool isMaximized() const = 0;
  // Places the window; all values in twips.
  virtual void place(int left, int top, int width, int height) = 0;
  // Ends the program once the current event returns.
  virtual void endProgram() = 0;
};

}  // namespace morovan
