#include "record/ShuffleProof.h"

#include <cstdio>

#include "Game.h"
#include "record/RecordFormat.h"

namespace morovan {
namespace {

constexpr std::size_t kSecretBytes = 16;
// An entry line's board and hand columns: the clocks are no part of the set-up.
constexpr std::size_t kSetupColumns = 257;

std::string hexOf(const unsigned char* bytes, std::size_t size) {
  std::string hex;
  char pair[3];
  for (std::size_t i = 0; i < size; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
    hex += pair;
  }
  return hex;
}

}  // namespace

std::string newSecret(Entropy& entropy) {
  unsigned char bytes[kSecretBytes];
  entropy.fill(bytes, sizeof bytes);
  return hexOf(bytes, sizeof bytes);
}

std::string fingerprintOf(Hash& hash, const GameRecord& record, const std::string& secret) {
  const std::string text = encodeEntryLine(record, 0).substr(0, kSetupColumns) + secret;
  const auto digest = hash.sha256(text);
  return hexOf(digest.data(), digest.size());
}

void commitToSetup(Game& g) {
  ReviewState& r = g.review;
  if (!r.secret.empty()) return;
  r.secret = newSecret(*g.platform.entropy);
  r.fingerprint = fingerprintOf(g.platform.hash, g.record, r.secret);
  g.platform.review->showFingerprint(r.fingerprint.substr(0, kShownFingerprintDigits));
}

void dropCommitment(Game& g) {
  g.review.secret.clear();
  g.review.fingerprint.clear();
  g.review.revealUsed = false;
  g.platform.review->showFingerprint({});
}

}  // namespace morovan
