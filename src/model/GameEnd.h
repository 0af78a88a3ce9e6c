#pragma once
// The first check decides the game; taking the opponent's bishop loses.

#include <string>

#include "model/Types.h"

namespace morovan {

class Game;

// The judgement after the human's move, once 勢力調査 has run on the new
// position. Taken is the code that stood on the destination. Returns true when
// the game ended (終了 has run).
bool judgeAfterHumanMove(Game& g, PieceCode Taken);
// Shows the result for "あなた", "コンピュータ", "ｺﾝﾋﾟｭｰﾀ" or "引き分け", then offers
// a new game (初期設定) or ends the program (終了処理).
void 終了(Game& g, const std::string& WinnerText);

}  // namespace morovan
