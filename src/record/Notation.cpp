#include "record/Notation.h"

#include <cstdlib>

#include "model/Rules.h"
#include "view/Texts.h"

namespace morovan {
namespace {

// The move's words as whole patterns of the destination (%1), the piece (%2)
// and the origin (%3); a move back to the last move's square is written with
// the padding (%1) and the square (%2).
constexpr const char* kSameSquare = sourceText("Notation", "同%1");
constexpr const char* kDrop = sourceText("Notation", "%1%2打");
constexpr const char* kPromoted = sourceText("Notation", "%1%2成%3");
constexpr const char* kNotPromoted = sourceText("Notation", "%1%2不成%3");

int sideOf(PieceCode p) {
  return isComputerPiece(p) ? 1 : isHumanPiece(p) ? -1 : 0;
}

std::string pieceName(PieceCode p, bool latinPieces) {
  if (latinPieces) {
    const std::string label = latinLabel(p);
    return label.empty() ? "？" : label;
  }
  switch (std::abs(p)) {
    case kPawn:
      return "歩";
    case kPromotedPawn:
      return "と";
    case kLance:
      return "香";
    case kPromotedLance:
      return "成香";
    case kKnight:
      return "桂";
    case kPromotedKnight:
      return "成桂";
    case kSilver:
      return "銀";
    case kPromotedSilver:
      return "成銀";
    case kGold:
      return "金";
    case kBishop:
      return "角";
    case kPromotedBishop:
      return "馬";
    case kRook:
      return "飛";
    case kPromotedRook:
      return "龍";
    case kKing:
      return "玉";
    default:
      return "？";
  }
}

// The board's own labels: files 9..1 from the left, ranks 一..九 from the top.
std::string squareText(int x, int y) {
  return 文字列変換(kBoardSize + 1 - x) + 文字列変換(1000 + y);
}

std::string moveText(const RecordedMove& r, const RecordedMove* previous, bool firstSide,
                     const Translator& words, bool latinPieces) {
  const Move& m = r.move;
  const std::string name = pieceName(r.before, latinPieces);
  std::string to = squareText(m.ToX, m.ToY);
  if (previous != nullptr && previous->move.ToX == m.ToX && previous->move.ToY == m.ToY) {
    // A one-kanji name is padded so that the list stays in columns.
    to = fillIn(words.translate("Notation", kSameSquare), {name.size() > 3 ? "" : "　", to});
  }
  const std::string mark = firstSide ? "▲" : "△";
  if (m.FromX == kHumanHandX || m.FromX == kComputerHandX)
    return mark + fillIn(words.translate("Notation", kDrop), {to, name});
  const std::string from =
      "(" + std::to_string(kBoardSize + 1 - m.FromX) + std::to_string(m.FromY) + ")";
  // The rules' own test tells where the choice was offered.
  PieceCode promoted = kEmpty;
  if (調査_駒成(m.FromX, m.FromY, m.ToX, m.ToY, r.before, promoted) != 1)
    return mark + to + name + from;
  const char* pattern = m.Piece != r.before ? kPromoted : kNotPromoted;
  return mark + fillIn(words.translate("Notation", pattern), {to, name, from});
}

}  // namespace

std::optional<RecordedMove> recordedMove(const GameRecord& record, int n) {
  if (n < 1 || n > kLastRecordIndex) return std::nullopt;
  const auto& before = record.RecordBoards[n - 1];
  const auto& after = record.RecordBoards[n];
  int changed = 0;
  int fromX = 0, fromY = 0, toX = 0, toY = 0;
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) {
      if (before[x][y] == after[x][y]) continue;
      if (++changed > 2) return std::nullopt;
      if (after[x][y] == kEmpty) {
        fromX = x;
        fromY = y;
      } else {
        toX = x;
        toY = y;
      }
    }
  if (toX == 0) return std::nullopt;
  const PieceCode landed = after[toX][toY];
  const int side = sideOf(landed);
  if (side == 0 || sideOf(before[toX][toY]) == side) return std::nullopt;
  if (changed == 2 && fromX != 0) {
    const PieceCode left = before[fromX][fromY];
    PieceCode promoted = kEmpty;
    const bool samePiece =
        left == landed ||
        (調査_駒成(fromX, fromY, toX, toY, left, promoted) == 1 && landed == promoted);
    if (sideOf(left) != side || !samePiece) return std::nullopt;
    return RecordedMove{Move{fromX, fromY, toX, toY, landed}, left};
  }
  // A drop: an empty square takes an unpromoted piece the mover's hand gave up.
  if (changed != 1 || before[toX][toY] != kEmpty || std::abs(landed) % 10 != 0) return std::nullopt;
  const int kind = std::abs(landed) / 10;
  if (kind < 1 || kind > kHandKinds) return std::nullopt;
  const auto& hands = side > 0 ? record.RecordComputerHands : record.RecordHumanHands;
  if (hands[n][kind] != hands[n - 1][kind] - 1) return std::nullopt;
  const Move drop = side > 0 ? Move{kComputerHandX, kind, toX, toY, landed}
                             : Move{kHumanHandX, humanHandRow(kind), toX, toY, landed};
  return RecordedMove{drop, landed};
}

std::vector<std::string> moveNotation(const GameRecord& record, int RecordLength,
                                      const Translator& words, bool latinPieces) {
  std::vector<std::string> list;
  int firstSide = 0;
  std::optional<RecordedMove> previous;
  for (int n = 1; n <= RecordLength && n <= kLastRecordIndex; ++n) {
    const std::optional<RecordedMove> move = recordedMove(record, n);
    if (!move) {
      // An unreadable step still takes its turn, so the marks keep alternating.
      list.push_back(std::string(n % 2 == 1 ? "▲" : "△") + "？");
      previous.reset();
      continue;
    }
    const int side = sideOf(move->move.Piece);
    if (firstSide == 0) firstSide = n % 2 == 1 ? side : -side;
    list.push_back(
        moveText(*move, previous ? &*previous : nullptr, side == firstSide, words, latinPieces));
    previous = move;
  }
  return list;
}

}  // namespace morovan
