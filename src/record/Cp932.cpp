#include "record/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <string_view>

namespace morovan {
namespace {

std::optional<std::string> convert(const char* to, const char* from, const std::string& in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  char buffer[1024];
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  bool ok = true;
  while (ok) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    // A final call with no input flushes any shift state.
    const size_t r = inLeft > 0 ? iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft)
                                : iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (r == static_cast<size_t>(-1)) {
      if (errno != E2BIG) ok = false;
    } else if (inLeft == 0) {
      break;
    }
  }
  iconv_close(cd);
  if (!ok) return std::nullopt;
  return out;
}

struct Substitute {
  std::string_view from;
  std::string_view to;
};

// The characters whose CP932 code reads back as another, each with the one it
// reads back as. ¥ and ‾ would come back as \ and ~, so their full-width forms
// keep what the player meant.
constexpr Substitute kSubstitutes[] = {
    {"\u301C", "\uFF5E"},  // 〜 wave dash
    {"\u2212", "\uFF0D"},  // − minus sign
    {"\u2014", "\u2015"},  // — em dash
    {"\u2016", "\u2225"},  // ‖ double vertical line
    {"\u00A2", "\uFFE0"},  // ¢
    {"\u00A3", "\uFFE1"},  // £
    {"\u00AC", "\uFFE2"},  // ¬
    {"\u00A5", "\uFFE5"},  // ¥
    {"\u203E", "\uFFE3"},  // ‾ overline
};

}  // namespace

std::string storedForm(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::string_view rest = utf8;
  while (!rest.empty()) {
    bool replaced = false;
    for (const Substitute& s : kSubstitutes) {
      if (rest.starts_with(s.from)) {
        out += s.to;
        rest.remove_prefix(s.from.size());
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      out += rest.front();
      rest.remove_prefix(1);
    }
  }
  return out;
}

std::optional<std::string> toCp932(const std::string& utf8) {
  const std::string stored = storedForm(utf8);
  std::optional<std::string> bytes = convert("CP932", "UTF-8", stored);
  // Some characters (the tag characters U+E0000..) are dropped without a word:
  // text that would not read back as written is refused instead.
  if (bytes && fromCp932(*bytes) != stored) return std::nullopt;
  return bytes;
}

std::optional<std::string> fromCp932(const std::string& cp932) {
  return convert("UTF-8", "CP932", cp932);
}

}  // namespace morovan
