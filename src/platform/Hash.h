#pragma once
// Digests of bytes: the shuffle's fingerprint is one.

#include <array>
#include <cstddef>
#include <string_view>

namespace morovan {

inline constexpr std::size_t kSha256Bytes = 32;

class Hash {
 public:
  virtual ~Hash() = default;
  // The SHA-256 digest of `bytes`.
  virtual std::array<unsigned char, kSha256Bytes> sha256(std::string_view bytes) = 0;
};

}  // namespace morovan
