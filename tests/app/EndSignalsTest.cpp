// The game in progress is kept when the program is told to end by a signal:
// a real signal to a child process that plays a move in the real window.

#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "flow/MenuDispatch.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"
#include "record/RecordFormat.h"

extern char** environ;

namespace morovan {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFolderVariable = "MOROVAN_SIGNAL_TEST_FOLDER";
constexpr const char* kReadyVariable = "MOROVAN_SIGNAL_TEST_READY";
constexpr const char* kBoxVariable = "MOROVAN_SIGNAL_TEST_BOX";

// Runs only as the child the test below starts: plays one move, opens the
// about box if asked to and leaves it unanswered, says so on the pipe it was
// given and runs the window until the program ends.
TEST(EndSignalsChild, PlayAMoveAndWait) {
  const char* folder = std::getenv(kFolderVariable);
  const char* ready = std::getenv(kReadyVariable);
  if (folder == nullptr || ready == nullptr) GTEST_SKIP() << "run by EndSignals tests only";
  QApplication& app = apptest::application();
  auto boxes = std::make_unique<apptest::BoxAnswerer>();
  MainWindow window(Folders{folder, "", (fs::path(folder) / "棋譜").string()});
  window.start();
  window.menuAction(menu::SENTE)->trigger();
  auto centre = [](int col, int row) {
    return QPoint(static_cast<int>((cellX(col) + kSquareWidth / 2) / kTwipsPerPixel),
                  static_cast<int>((cellY(row) + kSquareHeight / 2) / kTwipsPerPixel));
  };
  QTest::mouseClick(&window.canvasWidget(), Qt::LeftButton, {}, centre(5, 7));
  QTest::mouseClick(&window.canvasWidget(), Qt::LeftButton, {}, centre(5, 6));
  ASSERT_EQ(window.game().state.MoveNumber, 2);
  const int fd = std::atoi(ready);
  const auto sayReady = [fd] {
    (void)!::write(fd, "1", 1);
    ::close(fd);
  };
  if (std::getenv(kBoxVariable) != nullptr) {
    boxes.reset();
    QTimer::singleShot(0, [&] { window.menuAction(menu::ABOUT)->trigger(); });
    QTimer waitForBox;
    QObject::connect(&waitForBox, &QTimer::timeout, [&] {
      if (QApplication::activeModalWidget() == nullptr) return;
      waitForBox.stop();
      sayReady();
    });
    waitForBox.start(10);
    app.exec();
    return;
  }
  sayReady();
  app.exec();
}

// Whether `child` ends within two minutes; the bound only stops a broken child
// from hanging the suite.
bool endsInTime(pid_t child, int* status) {
  const int handle = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
  if (handle < 0) return false;
  pollfd wait{handle, POLLIN, 0};
  const bool ended = ::poll(&wait, 1, 120'000) == 1;
  ::close(handle);
  if (!ended) ::kill(child, SIGKILL);
  return ::waitpid(child, status, 0) == child && ended;
}

// A box left open is a handler under way: the game is kept all the same.
TEST(EndSignals, TermAndHangUpKeepTheGameInProgressAsAbandoned) {
  for (const auto& [signal, box] : {std::pair{SIGTERM, false}, {SIGHUP, false}, {SIGTERM, true}}) {
    SCOPED_TRACE("signal " + std::to_string(signal) + (box ? " behind a box" : ""));
    testing::TempDirectory temp;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    std::vector<std::string> settings{std::string(kFolderVariable) + "=" + temp.path().string(),
                                      std::string(kReadyVariable) + "=" + std::to_string(ready[1])};
    if (box) settings.push_back(std::string(kBoxVariable) + "=1");
    std::vector<char*> env;
    for (std::string& setting : settings) env.push_back(setting.data());
    for (char** e = environ; *e != nullptr; ++e) env.push_back(*e);
    env.push_back(nullptr);
    std::string self = fs::read_symlink("/proc/self/exe").string();
    std::string filter = "--gtest_filter=EndSignalsChild.*";
    char* argv[] = {self.data(), filter.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, self.c_str(), nullptr, nullptr, argv, env.data()), 0);
    ::close(ready[1]);

    pollfd wait{ready[0], POLLIN, 0};
    char said = 0;
    const bool moved = ::poll(&wait, 1, 120'000) == 1 && ::read(ready[0], &said, 1) == 1;
    ::close(ready[0]);
    ::kill(child, moved ? signal : SIGKILL);
    int status = 0;
    ASSERT_TRUE(endsInTime(child, &status));
    ASSERT_TRUE(moved);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    std::vector<fs::path> kept;
    std::error_code none;
    for (const auto& e : fs::directory_iterator(temp.path() / "棋譜", none))
      kept.push_back(e.path());
    ASSERT_EQ(kept.size(), 1u);
    const DecodedRecord record = decodeRecordFile(readFileWhole(kept[0].string()).value_or(""));
    EXPECT_EQ(record.header.gameName, "中断");
    EXPECT_EQ(record.entryCount, 3);  // the start, the player's move and the reply
  }
}

}  // namespace
}  // namespace morovan
