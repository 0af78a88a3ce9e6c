#pragma once
// Check marks of the menu items, addressed by item name (menu::ICHIJI, ...).

#include <string>

#include "platform/MenuItems.h"

namespace morovan {

class Menu {
 public:
  virtual ~Menu() = default;
  virtual void setChecked(const std::string& item, bool checked) = 0;
  virtual bool isChecked(const std::string& item) const = 0;
};

}  // namespace morovan
