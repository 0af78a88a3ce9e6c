#pragma once
// The game's vocabulary: piece codes, hand kinds, side labels, flag values,
// picture codes and the five values of a move. Every other file speaks in these.

namespace morovan {

// A PieceCode is ten times the piece kind, plus one when promoted. Positive codes
// are the computer's pieces (top of the board, moving towards row 9), negative
// codes the human's (bottom, moving towards row 1), 0 an empty square.
using PieceCode = int;

inline constexpr PieceCode kEmpty = 0;
inline constexpr PieceCode kPawn = 10;
inline constexpr PieceCode kLance = 20;
inline constexpr PieceCode kKnight = 30;
inline constexpr PieceCode kSilver = 40;
inline constexpr PieceCode kGold = 50;
inline constexpr PieceCode kBishop = 60;
inline constexpr PieceCode kRook = 70;
inline constexpr PieceCode kKing = 80;
inline constexpr PieceCode kPromotedPawn = 11;
inline constexpr PieceCode kPromotedLance = 21;
inline constexpr PieceCode kPromotedKnight = 31;
inline constexpr PieceCode kPromotedSilver = 41;
inline constexpr PieceCode kPromotedBishop = 61;
inline constexpr PieceCode kPromotedRook = 71;

// HandKind 1..7: pawn, lance, knight, silver, gold, bishop, rook. Arrays indexed
// by hand kind have 8 slots and leave slot 0 unused.
inline constexpr int kHandKinds = 7;
inline constexpr PieceCode handKindPiece(int kind) { return kind * 10; }
// How many pieces of each hand kind the whole game owns.
inline constexpr int kPiecesOfKind[8] = {0, 18, 4, 4, 4, 4, 2, 2};

// Side labels held by Turn, HumanSide, ComputerSide; Turn 0 means no game under way.
inline constexpr int kSente = 1;
inline constexpr int kGote = -1;

// The flag values the game compares its mode fields with.
inline constexpr int kOn = 1;
inline constexpr int kOff = 0;

// Mouse-button codes of Form_MouseDown.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// Board: columns and rows 1..9; index 0 of either axis is never a square.
inline constexpr int kBoardSize = 9;

// True on a square of the board. The window asks it of cells, which may lie
// between whole numbers.
template <typename T>
constexpr bool onBoard(T x, T y) {
  return x >= 1 && x <= kBoardSize && y >= 1 && y <= kBoardSize;
}

// The eight squares around a square, as steps from it: rows above, beside, below.
struct SquareStep {
  int dx;
  int dy;
};
inline constexpr SquareStep kNeighbourSteps[8] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                  {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

// Copies squares 1..9 of one per-square table [x][y] to another; row and
// column 0 are left as they are.
inline void copySquares(int (&to)[10][10], const int (&from)[10][10]) {
  for (int x = 1; x <= kBoardSize; ++x)
    for (int y = 1; y <= kBoardSize; ++y) to[x][y] = from[x][y];
}

// Drop encodings in FromX.
inline constexpr int kHumanHandX = 11;    // FromY = HandKind + 2
inline constexpr int kComputerHandX = -1; // FromY = HandKind

// The hands' cells: the human's kind k on row k + 2 of column kHumanHandX (the
// row is also the FromY of the human's drop), the computer's kind k on row 8 - k
// of column kComputerHandX.
inline constexpr int humanHandRow(int kind) { return kind + 2; }
inline constexpr int humanHandKind(int row) { return row - 2; }
inline constexpr int computerHandRow(int kind) { return 8 - kind; }
inline constexpr int computerHandKind(int row) { return 8 - row; }

// EnemyMarks values: 0 or 9 no mark, 8 red flag, 7 blue flag.
inline constexpr int kMarkNone = 9;
inline constexpr int kMarkRed = 8;
inline constexpr int kMarkBlue = 7;

// PictureCode values other than piece codes (0 is the empty square).
inline constexpr int kPictureEmpty = 0;       // KARA_MASU
inline constexpr int kPictureTitle = 1;       // MOROVAN
inline constexpr int kPictureMidori = 2;      // HAIKEI_MIDORI
inline constexpr int kPictureTatami = 3;      // HAIKEI_TATAMI
inline constexpr int kPictureTake = 4;        // HAIKEI_TAKE
inline constexpr int kPictureUchu = 5;        // HAIKEI_UCHU
inline constexpr int kPictureRenga = 6;       // HAIKEI_RENGA
inline constexpr int kPictureBlueFlag = 7;    // AOHATA
inline constexpr int kPictureRedFlag = 8;     // AKAHATA
inline constexpr int kPictureUnknown = 9;     // UE_HUMEI, the back of a hidden piece
// A piece labelled in Latin letters is the picture of its PieceCode moved this
// far from zero (110 the computer's pawn, -181 is no piece).
inline constexpr int kLatinPictureShift = 100;

// The five values of a move. A drop has FromX = 11 (human hand, FromY = kind + 2)
// or FromX = -1 (computer hand, FromY = kind). Piece is the code that ends on
// the destination (promoted or not).
struct Move {
  int FromX = 0;
  int FromY = 0;
  int ToX = 0;
  int ToY = 0;
  PieceCode Piece = 0;
};

// The hand kind a captured piece returns to, unpromoted; 0 for a king or a
// code that is not a piece, which go to no hand.
constexpr int capturedHandKind(PieceCode captured) {
  const int m = captured < 0 ? -captured : captured;
  if (m < kPawn || m > kPromotedRook || m % 10 > 1 || m == kGold + 1) return 0;
  return m / 10;
}

inline constexpr bool isComputerPiece(PieceCode p) { return p >= 10; }
inline constexpr bool isHumanPiece(PieceCode p) { return p <= -10; }

// A piece's Latin label, K R B G S N L P, a promoted piece's with a leading +
// (+R, +B, +S, +N, +L, +P); empty for a code that is no piece.
constexpr const char* latinLabel(PieceCode p) {
  constexpr const char* kLabels[8][2] = {{"P", "+P"}, {"L", "+L"}, {"N", "+N"}, {"S", "+S"},
                                         {"G", ""},   {"B", "+B"}, {"R", "+R"}, {"K", ""}};
  const int m = p < 0 ? -p : p;
  if (m < kPawn || m > kKing + 1 || m % 10 > 1) return "";
  return kLabels[m / 10 - 1][m % 10];
}

}  // namespace morovan
