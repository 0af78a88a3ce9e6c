#include "model/Rules.h"

#include "Game.h"

namespace morovan {

int 移動チェック(const Position& p, int FromX, int FromY, int ToX, int ToY, PieceCode Piece) {
  (void)p; (void)FromX; (void)FromY; (void)ToX; (void)ToY; (void)Piece; return 0;
}

int 移動チェック飛車(const Position& p, int FromX, int FromY, int ToX, int ToY) {
  (void)p; (void)FromX; (void)FromY; (void)ToX; (void)ToY; return 0;
}

int 移動チェック角(const Position& p, int FromX, int FromY, int ToX, int ToY) {
  (void)p; (void)FromX; (void)FromY; (void)ToX; (void)ToY; return 0;
}

int 調査_駒成(int FromX, int FromY, int ToX, int ToY, PieceCode Piece, PieceCode& PromotedPiece) {
  (void)FromX; (void)FromY; (void)ToX; (void)ToY; (void)Piece; (void)PromotedPiece; return 0;
}

int 移動後チェック(int ToY, PieceCode Piece) {
  (void)ToY; (void)Piece; return 0;
}

void 調査_2歩フラグ設定(Position& p) {
  (void)p; 
}

int 調査_持駒数(const Position& p, int HumanSide, int ComputerSide, int Side) {
  (void)p; (void)HumanSide; (void)ComputerSide; (void)Side; return 0;
}

}  // namespace morovan
