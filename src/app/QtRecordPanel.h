#pragma once
// The record panel's Qt controls, placed over the main window's drawing area.

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/RecordPanel.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace morovan {

class Game;

// The controls sit in one framed, opaque box at the window's left edge, in the
// order and sizes of their twip layout; the box shrinks to the controls shown
// and disappears with the last of them. Each control's objectName is its
// control name (Drive1, Dir1, File1, Label1_0..Label1_3, Text1..Text4, Command1).
// The controls are made when the panel is first shown or asked for: most games
// never open it, and a window starts faster without them.
class QtRecordPanel : public RecordPanel {
 public:
  // The controls become children of `area`, the widget that shows the canvas.
  // The file list starts in the current directory.
  explicit QtRecordPanel(QWidget* area);
  // The game whose handlers (File1_Click, Command1_Click, driveNotReady) the
  // controls call; set once the game exists. Until then clicks do nothing.
  void setGame(Game* game);
  // How the controls call into the game: by default at once. The window can
  // route the calls through its own guard, so that a panel click is one game
  // event like a menu click (not run while another handler is under way).
  void setGameEntry(std::function<void(const std::function<void()>&)> entry);

  void setListsVisible(bool drive, bool directory, bool file) override;
  void showTextPart() override;
  void clearAndHideTextPart() override;
  std::string text(int n) const override;
  std::string directory() const override;
  std::string selectedFileName() const override;
  void refreshFileList() override;

  // A volume chosen in Drive1: Dir1 moves to its root. A volume that is not
  // ready is reported through driveNotReady; Dir1 keeps its path either way
  // when the move fails, and Drive1 shows Dir1's volume again.
  void Drive1_Change(const QString& root);
  // Dir1 moves to `path` and File1 follows it. A directory that cannot be read
  // is reported and Dir1 keeps its path.
  void Dir1_Change(const QString& path);
  // The box holding every control, made if it is not yet.
  QWidget* panelWidget();
  // Keeps the box on the picture's left edge when the window shows the
  // picture scaled by `scale` with its corner at `corner`.
  void placeOn(QPointF corner, double scale);
  // Captions the labels in the language of the installed catalogue.
  void retranslate();

 private:
  // The box, with its controls made and filled for Dir1's path the first time.
  QFrame* built();
  void build();
  void fillDrives();
  void fillDirectories();
  void selectDriveOf(const QString& path);
  void fitFrame();
  void showTextControls(bool visible);
  // Runs a game handler through the entry, if there is a game.
  void callGame(void (*handler)(Game&));

  QWidget* area_;
  Game* game_ = nullptr;
  std::function<void(const std::function<void()>&)> entry_;
  QFrame* frame_ = nullptr;
  QComboBox* drive_ = nullptr;
  QListWidget* dirs_ = nullptr;
  QListWidget* files_ = nullptr;
  QLabel* labels_[4] = {};
  QLineEdit* texts_[5] = {};  // Text1..Text4 at 1..4
  QPushButton* command_ = nullptr;
  QPoint origin_;         // the box's corner in the area
  QString dirPath_;       // Dir1's path, which File1 always shows
  std::string selected_;  // the name last clicked in File1, in file-system bytes
};

}  // namespace morovan
