#pragma once
// Modal message boxes. Texts are UTF-8; a carriage return (character 13) breaks a line.

#include <string>

namespace morovan {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Warning };
enum class Answer { Ok, Yes, No };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer message(const std::string& title, const std::string& text,
                         Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
  // Reading matter in a window that stays open beside the game until the player
  // closes it. A platform without such windows shows it as a message.
  virtual void showText(const std::string& title, const std::string& text) {
    message(title, text, Buttons::Ok);
  }
};

}  // namespace morovan
