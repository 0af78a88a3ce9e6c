#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "Game.h"
#include "options/About.h"
#include "platform/FakePlatform.h"

namespace morovan {
namespace {

using testing::FakePlatform;

std::vector<std::string> splitAtCarriageReturns(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line, '\r')) lines.push_back(line);
  if (!text.empty() && text.back() == '\r') lines.emplace_back();
  return lines;
}

TEST(AboutBox, HidesThePanelPlaysItsSoundAndShowsTheTitleLine) {
  FakePlatform fp;
  Game g{fp.platform(), 1};
  g.sound = SoundState{1, 11, 12, 13, 14, 15};
  g.state.Turn = kSente;
  g.pos.BoardPieces[5][5] = -10;

  VER_Click(g);

  ASSERT_EQ(fp.log.size(), 4u);
  EXPECT_EQ(fp.log[0], "lists 000");
  EXPECT_EQ(fp.log[1], "panel hide");
  EXPECT_EQ(fp.log[2], "dsPlay 11");
  ASSERT_EQ(fp.dialogs.shown.size(), 1u);
  const testing::ShownMessage& box = fp.dialogs.shown[0];
  EXPECT_EQ(box.title, "Morovan");
  EXPECT_EQ(box.buttons, Buttons::Ok);
  EXPECT_EQ(box.text.find('\n'), std::string::npos);

  const std::vector<std::string> lines = splitAtCarriageReturns(box.text);
  ASSERT_EQ(lines.size(), 7u) << box.text;
  EXPECT_EQ(lines[0], std::string("Morovan Ver ") + MOROVAN_VERSION);
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Home page");
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], "e-mail");
  // No address is made up: neither a web address nor a mail address.
  EXPECT_EQ(lines[3].find("http"), std::string::npos);
  EXPECT_EQ(lines[6].find('@'), std::string::npos);
  EXPECT_FALSE(lines[3].empty());
  EXPECT_FALSE(lines[6].empty());

  // Nothing else changes.
  EXPECT_EQ(g.state.Turn, kSente);
  EXPECT_EQ(g.pos.BoardPieces[5][5], -10);
}

}  // namespace
}  // namespace morovan
