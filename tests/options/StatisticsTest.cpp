#include <gtest/gtest.h>

#include "Game.h"
#include "options/Statistics.h"
#include "platform/FakePlatform.h"
#include "platform/TempDirectory.h"
#include "platform/WholeFile.h"

namespace morovan {
namespace {

using testing::FakePlatform;
using testing::TempDirectory;

// A game whose data folder is a fresh one, and where its statistics go.
struct DataFolder {
  TempDirectory temp;
  FakePlatform fp;
  Game g{fp.platform(), 1};
  std::string path = (temp.path() / "Morovan.stats").string();
  DataFolder() {
    g.folders.working = temp.path().string();
    g.folders.games = (temp.path() / "棋譜").string();
  }
};

// A damaged file is set aside whole, told once, and counting starts afresh;
// a file that reads is taken as it stands.
TEST(Statistics, ADamagedFileIsSetAsideWithAWarningAndCountingStartsAfresh) {
  Statistics counted;
  countResult(counted, 3, kGote, false, -2, GameResult::Win);
  std::string unsound = statisticsText(counted);
  unsound.replace(unsound.find("3 1 0 1 1 0 0"), 13, "3 1 0 1 2 0 0");  // wins beyond games
  const std::string damaged[] = {"\x01garbage", statisticsText(counted).substr(0, 40), unsound};
  for (const std::string& bytes : damaged) {
    DataFolder folder;
    auto& [temp, fp, g, path] = folder;
    ASSERT_TRUE(writeFileWhole(path, bytes));

    SEISEKI_Click(g);
    EXPECT_TRUE(fp.review.statistics.empty());
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].icon, Icon::Warning);
    EXPECT_EQ(readFileWhole(path + ".bad"), bytes);
    SEISEKI_Click(g);
    EXPECT_EQ(fp.dialogs.shown.size(), 1u);  // the fresh file reads
  }

  const std::optional<Statistics> back = parseStatistics(statisticsText(counted));
  ASSERT_TRUE(back);
  const std::vector<StatisticsRow> rows = statisticsRows(*back, untranslated());
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].level, 3);
  EXPECT_EQ(rows[0].side, "後手");
  EXPECT_EQ(rows[0].wins, 1);
  EXPECT_EQ(rows[0].bestHandicapBeaten, "初段");
}

// A second damaged file is set aside beside the first, which stays.
TEST(Statistics, AnEarlierDamagedCopyIsNeverWrittenOver) {
  DataFolder folder;
  auto& [temp, fp, g, path] = folder;
  ASSERT_TRUE(writeFileWhole(path + ".bad", "first damage"));
  ASSERT_TRUE(writeFileWhole(path, "second damage"));
  SEISEKI_Click(g);
  EXPECT_EQ(readFileWhole(path + ".bad"), "first damage");
  EXPECT_EQ(readFileWhole(path + ".bad2"), "second damage");
}

}  // namespace
}  // namespace morovan
