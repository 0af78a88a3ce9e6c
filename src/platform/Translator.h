#pragma once
// The interface's language. Every text the game shows is written in Japanese,
// and the Japanese text is the key under which its translation is found, so an
// interface without a catalogue shows exactly the texts written here.

#include <initializer_list>
#include <string>
#include <string_view>

namespace morovan {

class Translator {
 public:
  virtual ~Translator() = default;
  // The text shown for the Japanese `source` of `context` (the catalogue's
  // group: "Message", "Board", "Menu", ...): the source itself when the
  // interface is Japanese or the catalogue has no entry. UTF-8 both ways.
  virtual std::string translate(const char* context, const char* source) const = 0;
};

// The translator of a Japanese interface: every text as it is written.
const Translator& untranslated();

// Marks a Japanese text that is kept (a table's caption) and translated where
// it is shown, so the catalogue's tools find it. Returns `source`.
constexpr const char* sourceText(const char* /*context*/, const char* source) {
  return source;
}

// A text composed at run time from a translated whole pattern: each %1..%9 in
// `pattern` is replaced by that argument. A % not followed by a digit of an
// argument stays as it is.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace morovan
