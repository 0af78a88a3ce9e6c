#pragma once
// The one window of the program: it owns the game and every Qt piece of the
// platform, builds the menu bar and turns Qt's events into the game's handlers.

#include <QMainWindow>
#include <memory>
#include <string>

#include "EndSignals.h"
#include "Game.h"
#include "QtCanvas.h"
#include "QtPlatform.h"
#include "QtRecordPanel.h"
#include "QtReviewWindows.h"
#include "QtWords.h"

namespace morovan {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `folders` are where the game keeps its files; by default the current folder,
  // with no games kept. The game reads the time of day from `clock` if given
  // (it must outlive the window), else from the system.
  explicit MainWindow(const Folders& folders = {}, Clock* clock = nullptr);
  ~MainWindow() override;

  // Shows the interface in English from now on: installs the built-in
  // catalogue and captions the menus and the record panel anew. Call before
  // start(). False when the catalogue cannot be loaded.
  bool useEnglish();

  // Runs the game's start-up (Form_Load), then shows the window.
  void start();

  Game& game() { return *game_; }
  const QtCanvas& canvas() const { return canvas_; }
  QtReviewWindows& reviewWindows() { return review_; }
  CanvasWidget& canvasWidget() { return *area_; }
  // The menu bar's action of an item name (for a menu, the action that opens
  // it); null for unknown names.
  QAction* menuAction(const std::string& item) const { return menu_.action(item); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildMenuBar();
  void captionMenus();
  void bindMenuKeys();
  void itemTriggered(const std::string& item, QAction* action);
  // Calls into the game unless it is already handling an event (a modal box
  // spins a nested event loop) or the program is ending. Returns whether it ran.
  template <typename Handler>
  bool enterGame(Handler handler);
  void endProgram();
  // SIGTERM, SIGHUP or SIGINT: ends the program as closing the window does,
  // the game in progress kept as abandoned.
  void endBySignal();

  CanvasWidget* area_;
  QtCanvas canvas_;
  QtDialogs dialogs_;
  QtSoundLibrary sound_;
  QtClock clock_;
  QtTimer timer_;
  QtMenu menu_;
  QtRecordPanel panel_;
  QtWindow window_;
  QtReviewWindows review_;
  QtWords words_;
  QTranslator english_;
  std::unique_ptr<Game> game_;
  EndSignals endSignals_;
  int depth_ = 0;  // game handlers running
  bool ending_ = false;
};

}  // namespace morovan
