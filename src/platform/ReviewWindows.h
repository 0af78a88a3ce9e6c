#pragma once
// The windows for looking back: the list of kept games, the move list beside
// the board during a review, the statistics, and the shuffle's fingerprint.

#include <functional>
#include <string>
#include <vector>

namespace morovan {

// One kept game as the history lists it, every column from the human's side
// and every word in the interface's language.
struct KeptGameRow {
  std::string file;      // the record's name in the games folder
  std::string played;    // "2026-12-08 21:04:33"
  std::string result;    // 勝ち, 負け, 引き分け or 中断; empty for no result
  std::string side;      // 先手 or 後手; empty when the record does not tell
  int level = 0;         // 1..4; 0 when the record does not tell
  std::string handicap;  // the grade, empty when not known
  int moves = 0;
};

// Results at one level from one side; games with 一時表示 are counted apart.
// The side and the grade are words in the interface's language.
struct StatisticsRow {
  int level = 0;
  std::string side;
  bool revealed = false;
  int games = 0, wins = 0, draws = 0, losses = 0;
  int streak = 0, bestStreak = 0;  // wins in a row: the current run and the longest
  std::string bestHandicapBeaten;  // the highest grade won at, empty for none
};

class ReviewWindows {
 public:
  virtual ~ReviewWindows() = default;
  // Lists the kept games, newest first, until the player opens one (its file
  // is returned) or closes the list (empty). The list asks `remove` to delete
  // a game; it asks the player first and returns whether the game is gone.
  virtual std::string chooseKeptGame(const std::vector<KeptGameRow>& rows,
                                     const std::function<bool(const std::string&)>& remove) = 0;
  // The move list beside the board, move `current` marked (0: the start);
  // `proof` is a line under the list, empty for none.
  virtual void showMoveList(const std::vector<std::string>& moves, int current,
                            const std::string& proof) = 0;
  virtual void markMove(int current) = 0;
  virtual void hideMoveList() = 0;
  virtual void showStatistics(const std::vector<StatisticsRow>& rows) = 0;
  // The fingerprint of the shuffle of the game on the board; empty shows none.
  virtual void showFingerprint(const std::string& text) = 0;
};

// Does nothing: for programs without a window.
ReviewWindows& noReviewWindows();

}  // namespace morovan
