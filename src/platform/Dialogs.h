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
};

}  // namespace morovan
