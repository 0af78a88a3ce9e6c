#pragma once
// The record panel's Qt controls, placed over the main window's drawing area.

#include <QWidget>

#include "platform/RecordPanel.h"

namespace morovan {

class Game;

class QtRecordPanel : public RecordPanel {
 public:
  // The controls become children of `area`, the widget that shows the canvas.
  explicit QtRecordPanel(QWidget* area);
  // The game whose handlers (File1_Click, Command1_Click, driveNotReady) the
  // controls call; set once the game exists.
  void setGame(Game* game);

  void setListsVisible(bool drive, bool directory, bool file) override;
  void showTextPart() override;
  void clearAndHideTextPart() override;
  std::string text(int n) const override;
  std::string directory() const override;
  std::string selectedFileName() const override;
  void refreshFileList() override;

 private:
  QWidget* area_;
  Game* game_ = nullptr;
};

}  // namespace morovan
