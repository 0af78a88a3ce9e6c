// The fingerprint is shown before a game and checked after it, perhaps by hand
// with another program, so its digits are plain SHA-256 and never change.

#include <gtest/gtest.h>

#include <memory>

#include "QtHash.h"
#include "record/ShuffleProof.h"

namespace morovan {
namespace {

TEST(ShuffleProof, TheFingerprintIsTheSha256OfTheSetupAndTheSecret) {
  auto record = std::make_unique<GameRecord>();
  record->RecordBoards[0][5][1] = kKing;
  record->RecordBoards[0][5][9] = -kKing;
  record->RecordBoards[0][2][8] = -kRook;
  record->RecordHumanHands[0][1] = 2;
  // Later entries and the clocks are no part of the set-up.
  record->RecordBoards[1][5][8] = -kKing;
  record->RecordTimes[0][1] = 12.5;
  EXPECT_EQ(fingerprintOf(qtHash(), *record, "00112233445566778899aabbccddeeff"),
            "0d2a2e80eaede2e207f628a002d3e4833f1ab80dc71e83aef9a2b47d8263cdb5");
}

}  // namespace
}  // namespace morovan
