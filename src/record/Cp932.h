#pragma once
// Conversion between the program's UTF-8 texts and the Shift-JIS (CP932) bytes of
// its files, through iconv.

#include <optional>
#include <string>

namespace morovan {

// nullopt when the text has a character CP932 cannot hold.
std::optional<std::string> toCp932(const std::string& utf8);
// nullopt when the bytes are not valid CP932.
std::optional<std::string> fromCp932(const std::string& cp932);

}  // namespace morovan
