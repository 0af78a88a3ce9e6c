#pragma once
// The look-back windows in Qt: the history of kept games and the statistics as
// modal dialogs, the move list as a panel docked beside the board, and the
// fingerprint in the window's title.

#include <QString>
#include <functional>

#include "platform/ReviewWindows.h"

class QDockWidget;
class QLabel;
class QListWidget;
class QMainWindow;

namespace morovan {

class QtReviewWindows : public ReviewWindows {
 public:
  explicit QtReviewWindows(QMainWindow* window);

  // Called with a move number when the player picks a move in the list.
  std::function<void(int)> onMoveChosen;

  std::string chooseKeptGame(const std::vector<KeptGameRow>& rows,
                             const std::function<bool(const std::string&)>& remove) override;
  void showMoveList(const std::vector<std::string>& moves, int current,
                    const std::string& proof) override;
  void markMove(int current) override;
  void hideMoveList() override;
  void showStatistics(const std::vector<StatisticsRow>& rows) override;
  void showFingerprint(const std::string& text) override;

  // The dock holding the move list (object name "MoveList"), made when the list
  // is first shown; null until then.
  QDockWidget* moveDock() const { return dock_; }

 private:
  void buildMoveList();
  void choose(int row);

  QMainWindow* window_;
  QDockWidget* dock_ = nullptr;
  QListWidget* list_ = nullptr;
  QLabel* proof_ = nullptr;
  bool marking_ = false;  // the game moves the mark; no choice to report
  int widened_ = 0;       // pixels the window grew by for the list
};

}  // namespace morovan
