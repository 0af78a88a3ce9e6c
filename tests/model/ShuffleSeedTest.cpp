#include <gtest/gtest.h>

#include <cstring>

#include "Game.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

// Sixteen bytes that differ from another run's only in the last one.
class LastByteEntropy : public Entropy {
 public:
  explicit LastByteEntropy(unsigned char last) : last_(last) {}
  void fill(unsigned char* bytes, std::size_t size) override {
    std::memset(bytes, 0x5A, size);
    if (size > 0) bytes[size - 1] = last_;
  }

 private:
  unsigned char last_;
};

// The shuffle comes from the platform's entropy alone, so tests repeat; and a
// generator seeded with any 32 of its 128 bits would let one kept game's
// shuffle predict the run's next ones, so every byte must count.
TEST(ShuffleSeed, TheGeneratorIsSeededFromEveryByteOfThePlatformsEntropy) {
  testing::FakePlatform fp;
  LastByteEntropy a(1), same(1), other(2);
  Platform pa = fp.platform(), pSame = fp.platform(), pOther = fp.platform();
  pa.entropy = &a;
  pSame.entropy = &same;
  pOther.entropy = &other;
  Game ga(pa), gSame(pSame), gOther(pOther);
  const auto first = ga.random();
  EXPECT_EQ(first, gSame.random());
  EXPECT_NE(first, gOther.random());
}

}  // namespace
}  // namespace morovan
