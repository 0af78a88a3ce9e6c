#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "record/Notation.h"

namespace morovan {
namespace {

// Squares by their labels: file 7 rank 6 is column 3, row 6.
constexpr int col(int file) {
  return kBoardSize + 1 - file;
}

// Builds a record entry by entry, each a copy of the one before with one move.
class RecordBuilder {
 public:
  RecordBuilder() : r(std::make_unique<GameRecord>()) {}
  void place(int file, int rank, PieceCode p) { r->RecordBoards[0][col(file)][rank] = p; }
  void give(bool computer, int kind) { handCount(computer, 0, kind) += 1; }
  void move(int fromFile, int fromRank, int toFile, int toRank, PieceCode landed) {
    next();
    auto& b = r->RecordBoards[n];
    if (const PieceCode taken = b[col(toFile)][toRank]; taken != kEmpty) {
      const int kind = (std::abs(taken) / 10);
      handCount(taken < 0, n, kind) += 1;
    }
    b[col(fromFile)][fromRank] = kEmpty;
    b[col(toFile)][toRank] = landed;
  }
  void drop(int toFile, int toRank, PieceCode p) {
    next();
    r->RecordBoards[n][col(toFile)][toRank] = p;
    handCount(p > 0, n, std::abs(p) / 10) -= 1;
  }
  std::unique_ptr<GameRecord> r;
  int n = 0;

 private:
  // Through a named reference: g++ 12 with the sanitizers drops the write of
  // `(c ? a : b)[n][k] -= 1` on two arrays.
  int& handCount(bool computer, int entry, int kind) {
    auto& hands = computer ? r->RecordComputerHands : r->RecordHumanHands;
    return hands[entry][kind];
  }
  void next() {
    std::memcpy(r->RecordBoards[n + 1], r->RecordBoards[n], sizeof r->RecordBoards[n]);
    std::memcpy(r->RecordHumanHands[n + 1], r->RecordHumanHands[n], sizeof r->RecordHumanHands[n]);
    std::memcpy(r->RecordComputerHands[n + 1], r->RecordComputerHands[n],
                sizeof r->RecordComputerHands[n]);
    ++n;
  }
};

// A game with captures, recaptures by one- and two-character pieces, drops by
// both sides, a promotion taken and one declined, written out by hand.
RecordBuilder playedGame() {
  RecordBuilder b;
  b.place(5, 1, kKing);
  b.place(5, 9, -kKing);
  b.place(7, 7, -kPawn);
  b.place(7, 5, kPawn);
  b.place(7, 8, -kRook);
  b.place(4, 6, kSilver);
  b.place(4, 8, -kGold);
  b.place(5, 3, kPromotedSilver);
  b.give(true, 1);
  b.move(7, 7, 7, 6, -kPawn);
  b.move(7, 5, 7, 6, kPawn);
  b.move(7, 8, 7, 6, -kRook);
  b.drop(5, 5, kPawn);
  b.move(7, 6, 7, 3, -kPromotedRook);
  b.move(4, 6, 4, 7, kSilver);
  b.move(4, 8, 4, 7, -kGold);
  b.move(5, 1, 6, 1, kKing);
  b.drop(6, 4, -kSilver);
  b.move(5, 3, 6, 4, kPromotedSilver);
  b.move(7, 3, 7, 2, -kPromotedRook);
  return b;
}

TEST(NotationTest, ReadsEveryKindOfMoveOffConsecutiveEntries) {
  const RecordBuilder b = playedGame();
  const std::vector<std::string> expected = {"▲７六歩(77)", "△同　歩(75)",   "▲同　飛(78)",
                                             "△５五歩打",   "▲７三飛成(76)", "△４七銀不成(46)",
                                             "▲同　金(48)", "△６一玉(51)",   "▲６四銀打",
                                             "△同成銀(53)", "▲７二龍(73)"};
  EXPECT_EQ(moveNotation(*b.r, b.n), expected);
}

TEST(NotationTest, MarksTheSideThatMovedFirstAndReadsNoRecaptureBeforeIt) {
  // The same game from its second entry: the computer moved first.
  RecordBuilder b = playedGame();
  for (int n = 0; n < b.n; ++n) {
    std::memcpy(b.r->RecordBoards[n], b.r->RecordBoards[n + 1], sizeof b.r->RecordBoards[n]);
    std::memcpy(b.r->RecordHumanHands[n], b.r->RecordHumanHands[n + 1],
                sizeof b.r->RecordHumanHands[n]);
    std::memcpy(b.r->RecordComputerHands[n], b.r->RecordComputerHands[n + 1],
                sizeof b.r->RecordComputerHands[n]);
  }
  const std::vector<std::string> list = moveNotation(*b.r, 3);
  EXPECT_EQ(list, (std::vector<std::string>{"▲７六歩(75)", "△同　飛(78)", "▲５五歩打"}));
}

TEST(NotationTest, TellsAStepThatIsNoMoveWithoutGuessing) {
  RecordBuilder b = playedGame();
  // A piece that appears from nowhere makes two steps more than one move each.
  b.r->RecordBoards[2][col(1)][1] = kLance;
  const std::vector<std::string> list = moveNotation(*b.r, 4);
  EXPECT_EQ(list, (std::vector<std::string>{"▲７六歩(77)", "△？", "▲？", "△５五歩打"}));
  std::memcpy(b.r->RecordBoards[b.n + 1], b.r->RecordBoards[b.n], sizeof b.r->RecordBoards[0]);
  EXPECT_FALSE(recordedMove(*b.r, b.n + 1));  // a position left as it was
}

}  // namespace
}  // namespace morovan
