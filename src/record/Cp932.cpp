#include "record/Cp932.h"

#include <iconv.h>

#include <cerrno>

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

}  // namespace

std::optional<std::string> toCp932(const std::string& utf8) {
  return convert("CP932", "UTF-8", utf8);
}

std::optional<std::string> fromCp932(const std::string& cp932) {
  return convert("UTF-8", "CP932", cp932);
}

}  // namespace morovan
