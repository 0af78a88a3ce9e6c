#pragma once
// Conversion between the program's UTF-8 texts and the Shift-JIS (CP932) bytes of
// its files, through iconv.

#include <optional>
#include <string>

namespace morovan {

// The text as CP932 keeps it. A few characters (〜 − — ‖ ¢ £ ¬ ¥ ‾) have a
// CP932 code that reads back as another character (～ － ― ∥ ￠ ￡ ￢ ￥ ￣);
// they are replaced by those, so what is written reads back the same.
std::string storedForm(const std::string& utf8);
// The bytes of storedForm(utf8); nullopt when the text has a character CP932
// cannot hold, or one that would not read back as itself.
std::optional<std::string> toCp932(const std::string& utf8);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> fromCp932(const std::string& cp932);

}  // namespace morovan
