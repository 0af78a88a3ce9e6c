#include <sys/random.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/Entropy.h"

namespace morovan {
namespace {

class SystemEntropy : public Entropy {
 public:
  void fill(unsigned char* bytes, std::size_t size) override {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t got = ::getrandom(bytes + done, size - done, 0);
      if (got > 0) {
        done += static_cast<std::size_t>(got);
      } else if (got < 0 && errno != EINTR) {
        std::fputs("Morovan: the system gives no random numbers\n", stderr);
        std::abort();
      }
    }
  }
};

}  // namespace

Entropy& systemEntropy() {
  static SystemEntropy entropy;
  return entropy;
}

}  // namespace morovan
