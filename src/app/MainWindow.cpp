#include "MainWindow.h"

#include <malloc.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QShortcut>
#include <cstdlib>
#include <map>
#include <vector>

#include "QtHash.h"
#include "flow/MenuDispatch.h"
#include "flow/MouseInput.h"
#include "flow/Startup.h"
#include "options/TimeKeeping.h"
#include "record/GameKeeping.h"
#include "record/Review.h"

namespace morovan {
namespace {

// Keys of the frequent items, shown beside their captions. A key acts as
// opening the item's menu and clicking it would, so the game sees the same
// events as from the mouse.
struct MenuKey {
  const char* item;
  const char* menu;  // the bar's menu that holds it, or the item itself
  QKeySequence key;
};
const MenuKey kMenuKeys[] = {
    {menu::SENTE, menu::TAIKYOKU, QKeySequence(Qt::CTRL | Qt::Key_1)},
    {menu::GOTE, menu::TAIKYOKU, QKeySequence(Qt::CTRL | Qt::Key_2)},
    {menu::CANCEL, menu::STOP, QKeySequence(Qt::CTRL | Qt::Key_N)},
    {menu::REVERSE, menu::STOP, QKeySequence(Qt::CTRL | Qt::Key_R)},
    {menu::ICHIJI, menu::STOP, QKeySequence(Qt::CTRL | Qt::Key_T)},
    {menu::REPLAY, menu::REPLAY, QKeySequence(Qt::Key_PageUp)},
    {menu::AFTER, menu::AFTER, QKeySequence(Qt::Key_PageDown)},
    {menu::KIFU_READ, menu::KIFU, QKeySequence(Qt::CTRL | Qt::Key_O)},
    {menu::KIFU_WRITE, menu::KIFU, QKeySequence(Qt::CTRL | Qt::Key_S)},
};

}  // namespace

MainWindow::MainWindow(const Folders& folders, Clock* clock)
    : area_(new CanvasWidget(this)),
      canvas_(qApp->devicePixelRatio()),
      dialogs_(this),
      sound_(0),  // the library has no use for a window handle
      panel_(area_),
      window_(this, [this] { endProgram(); }),
      review_(this),
      endSignals_([this](int) { endBySignal(); }) {
  setWindowTitle(QStringLiteral("Morovan"));
  // A message box with an empty title (the check announcement) is titled with
  // the program's name by the window system, which would otherwise take the
  // file name "morovan".
  QCoreApplication::setApplicationName(QStringLiteral("Morovan"));
  setCentralWidget(area_);
  area_->setCanvas(&canvas_);
  canvas_.setWidget(area_);
  buildMenuBar();
  captionMenus();
  bindMenuKeys();

  game_ = std::make_unique<Game>(Platform{canvas_, dialogs_, sound_,
                                          clock != nullptr ? *clock : clock_, timer_, menu_, panel_,
                                          window_, qtHash(), &systemEntropy(), &review_, words_});
  game_->folders = folders;
  // The record panel opens on the kept games, so 読込 lists them at once.
  const std::string& records = folders.games.empty() ? folders.working : folders.games;
  if (!records.empty()) panel_.Dir1_Change(QFile::decodeName(records.c_str()));
  panel_.setGame(game_.get());
  panel_.setGameEntry([this](const std::function<void()>& handler) { enterGame(handler); });

  area_->onMouseDown = [this](int button, double x, double y) {
    enterGame([&] {
      keyboardSetAside(*game_);
      Form_MouseDown(*game_, button, 0, x, y);
    });
  };
  review_.onMoveChosen = [this](int n) { enterGame([&] { showReviewMove(*game_, n); }); };
  area_->onFitChanged = [this](const PictureFit& fit) { panel_.placeOn(fit.offset, fit.scale); };
  area_->onKeyboardPlay = [this](KeyboardKey key) { enterGame([&] { keyboardKey(*game_, key); }); };
  area_->onKeyPress = [this](int code) { enterGame([&] { Form_KeyPress(*game_, code); }); };
  // The clock goes on while a message box waits for its answer: a tick only
  // reads the time and redraws a clock, which no handler minds. Any other tick
  // that falls inside a handler is dropped; the next one catches the display up.
  timer_.onTick = [this] {
    if (depth_ > 0 && dialogs_.isOpen() && !ending_ && !game_->ending) {
      Timer1_Timer(*game_);
      return;
    }
    enterGame([&] { Timer1_Timer(*game_); });
  };
  // A logout may end the program without a word once this returns, so the
  // game in progress is kept first; the game goes on if the logout does not.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
    if (!ending_ && !game_->ending) keepGame(*game_, kAbandonedGame);
  });
}

MainWindow::~MainWindow() {
  timer_.stop();
}

void MainWindow::start() {
  enterGame([&] { loadWindow(*game_); });
  if (ending_) return;
  // What the window needs only once it is on screen waits until it is: the
  // sounds take longer to start than the window to appear, and the music then
  // follows within a moment.
  area_->onFirstPaint = [this] {
    enterGame([&] { startSounds(*game_); });
    // Message boxes and the task bar show it too.
    QApplication::setWindowIcon(Artwork::icon());
    // What start-up needed only for a moment goes back to the system.
    malloc_trim(0);
  };
  show();
  // What the window shows at the size the game gave it is the picture that
  // any other size shows scaled.
  area_->setPictureSize(area_->size());
  // As large as the whole desktop, or as the picture at its largest scale,
  // and no larger: beyond both, the window system's copy of the window would
  // grow with the size for nothing but margin.
  QSize largest = size() * (kLargestDeviceScale / devicePixelRatioF());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    largest = largest.expandedTo(screen->virtualSize());
  setMaximumSize(largest);
  area_->setFocus();
}

bool MainWindow::useEnglish() {
  if (!installEnglish(english_)) return false;
  captionMenus();
  panel_.retranslate();
  // A move list made later takes its title as it is made.
  if (QDockWidget* dock = review_.moveDock()) {
    dock->setWindowTitle(QCoreApplication::translate("Review", "棋譜"));
  }
  return true;
}

void MainWindow::captionMenus() {
  for (const MenuItem& item : menuItems()) {
    QAction* action = menu_.action(item.name);
    if (action == nullptr) continue;
    QString caption = QCoreApplication::translate("Menu", item.caption.c_str());
    // A menu shows an item's key after a tab; the bar has no room for it.
    for (const MenuKey& k : kMenuKeys) {
      if (item.name == k.item && item.depth > 0)
        caption += QStringLiteral("\t") + k.key.toString(QKeySequence::NativeText);
    }
    action->setText(caption);
  }
}

void MainWindow::bindMenuKeys() {
  // Alt alone takes the bar by Qt's own doing; F10 opens its first menu, as on
  // other desktops. Neither needs an underlined letter, which the Japanese
  // captions do not carry.
  connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, [this] {
    if (!menuBar()->actions().isEmpty()) menuBar()->setActiveAction(menuBar()->actions().first());
  });
  for (const MenuKey& k : kMenuKeys) {
    const std::string item = k.item, opened = k.menu;
    auto* shortcut = new QShortcut(k.key, this);
    connect(shortcut, &QShortcut::activated, this, [this, item, opened] {
      enterGame([&] {
        if (opened != item) menuOpened(*game_, opened);
        menuClicked(*game_, item);
      });
    });
  }
}

void MainWindow::buildMenuBar() {
  const std::vector<MenuItem>& items = menuItems();
  QMenu* parents[3] = {nullptr, nullptr, nullptr};  // the open menu at each depth
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = items[i];
    const QString caption = QCoreApplication::translate("Menu", item.caption.c_str());
    const bool opensMenu = i + 1 < items.size() && items[i + 1].depth > item.depth;
    if (item.depth < 0 || item.depth > 2) continue;
    if (opensMenu) {
      QMenu* menu =
          item.depth == 0 ? menuBar()->addMenu(caption) : parents[item.depth]->addMenu(caption);
      if (item.depth + 1 < 3) parents[item.depth + 1] = menu;
      menu_.add(item.name, menu->menuAction());
      if (item.depth == 0) {
        const std::string name = item.name;
        connect(menu, &QMenu::aboutToShow, this,
                [this, name] { enterGame([&] { menuOpened(*game_, name); }); });
      }
      continue;
    }
    QAction* action =
        item.depth == 0 ? menuBar()->addAction(caption) : parents[item.depth]->addAction(caption);
    action->setCheckable(item.checkable);
    menu_.add(item.name, action);
    const std::string name = item.name;
    connect(action, &QAction::triggered, this,
            [this, name, action] { itemTriggered(name, action); });
  }
  std::map<Choice, QActionGroup*> groups;
  for (const MenuItem& item : items) {
    if (item.group == Choice::None) continue;
    QActionGroup*& group = groups[item.group];
    if (group == nullptr) group = new QActionGroup(this);
    if (QAction* a = menu_.action(item.name)) group->addAction(a);
  }
}

void MainWindow::itemTriggered(const std::string& item, QAction* action) {
  // Qt has already changed the marks of a checkable item and its group; only
  // the game may decide them.
  if (action->isCheckable()) menu_.restoreMarks(action);
  enterGame([&] { menuClicked(*game_, item); });
}

template <typename Handler>
bool MainWindow::enterGame(Handler handler) {
  if (ending_ || game_->ending || depth_ > 0) return false;
  ++depth_;
  handler();
  --depth_;
  // A message box that closed leaves the focus nowhere; the board takes it
  // back, so that the keyboard plays on.
  if (QApplication::focusWidget() == nullptr && isVisible()) area_->setFocus();
  return true;
}

void MainWindow::endProgram() {
  if (ending_) return;
  ending_ = true;
  timer_.stop();
  // Quit once the running event returns to the loop.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  // Without a window manager to keep to the maximum, any size can be imposed.
  const QSize held = size().boundedTo(maximumSize());
  if (held != size()) resize(held);
}

void MainWindow::endBySignal() {
  if (ending_ || game_->ending) return;
  if (enterGame([&] { Form_Unload(*game_); })) return;
  // A handler waits behind a modal box; returning into it would play on, so
  // the game is kept where it stands and the program ends here.
  keepGame(*game_, kAbandonedGame);
  std::_Exit(EXIT_SUCCESS);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ending_ && !game_->ending) {
    // Closing while a handler runs (behind a modal box) would pull the game
    // away under it: refuse until it returns.
    if (!enterGame([&] { Form_Unload(*game_); })) {
      event->ignore();
      return;
    }
  }
  event->accept();
}

}  // namespace morovan
