#include <gtest/gtest.h>

#include <QDialog>
#include <QDockWidget>
#include <QTableWidget>
#include <QTimer>
#include <fstream>
#include <string>

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "platform/TempDirectory.h"

namespace morovan {
namespace {

bool mapped(const std::string& library) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line))
    if (line.find(library) != std::string::npos) return true;
  return false;
}

// Qt Charts costs start-up time and memory, so it comes in with the first
// statistics window, which then shows the chart under its table.
TEST(StatisticsWindowTest, TheChartIsLoadedOnlyWhenTheStatisticsAreShown) {
  apptest::application();
  // Run whole, the test program may have shown the statistics already.
  const bool loadedEarlier = mapped("libMorovanChart");
  testing::TempDirectory data;
  MainWindow window(Folders{data.path().string(), "", ""});
  window.start();
  if (!loadedEarlier) {
    EXPECT_FALSE(mapped("libQt6Charts"));
  }
  EXPECT_EQ(window.findChild<QDockWidget*>("MoveList"), nullptr);

  bool chartShown = false;
  int tableRows = -1;
  QTimer closer;
  closer.setInterval(10);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) return;
    chartShown = dialog->findChild<QWidget*>("ResultsChart") != nullptr;
    if (auto* table = dialog->findChild<QTableWidget*>("Statistics")) tableRows = table->rowCount();
    dialog->reject();
  });
  closer.start();
  StatisticsRow row;
  row.level = 2;
  row.side = "先手";
  row.games = 3;
  row.wins = 2;
  row.losses = 1;
  window.reviewWindows().showStatistics({row});
  EXPECT_TRUE(chartShown);
  EXPECT_EQ(tableRows, 1);
  EXPECT_TRUE(mapped("libQt6Charts"));
  window.close();
}

}  // namespace
}  // namespace morovan
