#include "platform/Translator.h"

namespace morovan {
namespace {

class Untranslated : public Translator {
 public:
  std::string translate(const char*, const char* source) const override { return source; }
};

}  // namespace

const Translator& untranslated() {
  static const Untranslated translator;
  return translator;
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c == '%' && i + 1 < pattern.size()) {
      const int n = pattern[i + 1] - '0';
      if (n >= 1 && n <= static_cast<int>(args.size())) {
        text += args.begin()[n - 1];
        ++i;
        continue;
      }
    }
    text += c;
  }
  return text;
}

}  // namespace morovan
