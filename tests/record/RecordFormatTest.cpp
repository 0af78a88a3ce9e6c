#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "record/Cp932.h"
#include "record/RecordFormat.h"

namespace morovan {
namespace {

// The standard starting position of entry 0, both hands empty.
void setStart(GameRecord& r, int n) {
  const int back[] = {0, 20, 30, 40, 50, 80, 50, 40, 30, 20};
  for (int x = 1; x <= 9; ++x) {
    r.RecordBoards[n][x][1] = back[x];
    r.RecordBoards[n][x][3] = 10;
    r.RecordBoards[n][x][7] = -10;
    r.RecordBoards[n][x][9] = -back[x];
  }
  r.RecordBoards[n][2][2] = 70;
  r.RecordBoards[n][8][2] = 60;
  r.RecordBoards[n][8][8] = -70;
  r.RecordBoards[n][2][8] = -60;
}

std::vector<std::string> splitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t begin = 0;
  while (begin < bytes.size()) {
    const size_t end = bytes.find("\r\n", begin);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(begin));
      break;
    }
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end + 2;
  }
  return lines;
}

// A three-move game with a few marked values.
std::unique_ptr<GameRecord> threeMoves() {
  auto r = std::make_unique<GameRecord>();
  for (int n = 0; n <= 3; ++n) setStart(*r, n);
  r->RecordBoards[1][7][7] = 0;
  r->RecordBoards[1][7][6] = -10;
  r->RecordBoards[2][2][2] = 71;
  // The pieces in hand have left the board.
  r->RecordBoards[3][1][3] = r->RecordBoards[3][2][3] = r->RecordBoards[3][8][8] = 0;
  r->RecordHumanHands[3][1] = 2;
  r->RecordComputerHands[3][7] = 1;
  r->RecordTimes[3][1] = 7.9;
  r->RecordTimes[3][2] = 1234;
  r->RecordTimes[3][3] = 125.2;
  r->RecordTimes[3][4] = 12345;
  return r;
}

TEST(RecordFormat, ThreeMovesGiveThreeHeaderLinesAndFourFixedEntryLines) {
  const auto r = threeMoves();
  const EncodedRecord file = encodeRecordFile({"対局", "コンピュータ", "人間"}, *r, 3);
  ASSERT_EQ(file.problem, RecordProblem::None);
  const std::vector<std::string> lines = splitCrLf(file.bytes);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(file.bytes.substr(file.bytes.size() - 2), "\r\n");
  EXPECT_EQ(lines[0], *toCp932("対局"));
  EXPECT_EQ(lines[1], *toCp932("コンピュータ"));
  for (int i = 3; i < 7; ++i) EXPECT_EQ(lines[i].size(), 277u) << i;

  const std::string& e0 = lines[3];
  EXPECT_EQ(e0.substr(0, 3), " 20");       // square (1,1)
  EXPECT_EQ(e0.substr(3, 3), "  0");       // square (1,2), empty
  EXPECT_EQ(e0.substr(6, 3), " 10");       // square (1,3)
  EXPECT_EQ(e0.substr(24, 3), "-20");      // square (1,9)
  EXPECT_EQ(e0.substr(27, 3), " 30");      // square (2,1)
  EXPECT_EQ(e0.substr(44 * 3, 3), "-80");  // square (5,9), field (5-1)*9+9
  EXPECT_EQ(lines[5].substr((2 - 1) * 9 * 3 + (2 - 1) * 3, 3), " 71");  // square (2,2)
  EXPECT_EQ(e0.substr(243, 14), "00000000000000");
  EXPECT_EQ(e0.substr(257), "    0    0    0    0");

  const std::string& e3 = lines[6];
  EXPECT_EQ(e3.substr(243, 14), "20000000000001");
  EXPECT_EQ(e3.substr(257, 5), "    7");
  EXPECT_EQ(e3.substr(262, 5), " 1234");
  EXPECT_EQ(e3.substr(267, 5), "  125");
  EXPECT_EQ(e3.substr(272, 5), "12345");
}

TEST(RecordFormat, RoundTripsEntriesAndJapaneseHeaders) {
  const auto r = threeMoves();
  const RecordHeader header{"第１局　ﾃｽﾄ～", "", "先手・山田"};
  const EncodedRecord file = encodeRecordFile(header, *r, 3);
  ASSERT_EQ(file.problem, RecordProblem::None);
  const DecodedRecord back = decodeRecordFile(file.bytes);
  ASSERT_EQ(back.problem, RecordProblem::None);
  ASSERT_TRUE(back.record);
  EXPECT_EQ(back.header.gameName, header.gameName);
  EXPECT_EQ(back.header.upperName, "");
  EXPECT_EQ(back.header.lowerName, header.lowerName);
  EXPECT_EQ(back.entryCount, 4);
  for (int n = 0; n <= 3; ++n) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        EXPECT_EQ(back.record->RecordBoards[n][x][y], r->RecordBoards[n][x][y]) << n << x << y;
    for (int k = 1; k <= 7; ++k) {
      EXPECT_EQ(back.record->RecordHumanHands[n][k], r->RecordHumanHands[n][k]);
      EXPECT_EQ(back.record->RecordComputerHands[n][k], r->RecordComputerHands[n][k]);
    }
  }
  EXPECT_EQ(back.record->RecordTimes[3][1], 7);  // whole seconds, rounded down
  EXPECT_EQ(back.record->RecordTimes[3][2], 1234);
  EXPECT_EQ(back.record->RecordTimes[3][3], 125);
  EXPECT_EQ(back.record->RecordTimes[3][4], 12345);

  // Bare LF and lone CR line ends read the same, and so does a file without a
  // final line end; a lone CR must not stay in a header, which could not be
  // written again.
  std::string lf, cr;
  for (const std::string& l : splitCrLf(file.bytes)) {
    lf += l + "\n";
    cr += l + "\r";
  }
  EXPECT_EQ(decodeRecordFile(lf).entryCount, 4);
  const DecodedRecord fromCr = decodeRecordFile(cr);
  EXPECT_EQ(fromCr.entryCount, 4);
  EXPECT_EQ(fromCr.header.gameName, header.gameName);
  EXPECT_EQ(fromCr.header.upperName, "");
  EXPECT_EQ(decodeRecordFile(file.bytes.substr(0, file.bytes.size() - 2)).entryCount, 4);
}

// Characters whose CP932 code reads back as another are written in the form
// they read back as, so a name reads back exactly as stored.
TEST(RecordFormat, HeadersAreWrittenInTheFormTheyReadBackAs) {
  const auto r = threeMoves();
  const std::string typed = "〜−—‖¢£¬¥‾ 第１局";
  const std::string stored = "～－―∥￠￡￢￥￣ 第１局";
  EXPECT_EQ(storedForm(typed), stored);
  const EncodedRecord file = encodeRecordFile({typed, typed, "名無し"}, *r, 3);
  ASSERT_EQ(file.problem, RecordProblem::None);
  const DecodedRecord back = decodeRecordFile(file.bytes);
  EXPECT_EQ(back.header.gameName, stored);
  EXPECT_EQ(back.header.upperName, stored);
  EXPECT_EQ(encodeRecordFile(back.header, *back.record, 3).bytes, file.bytes);
}

TEST(RecordFormat, WritingNeverBreaksTheColumns) {
  auto r = std::make_unique<GameRecord>();
  r->RecordTimes[0][1] = 100000;  // past what five columns hold
  r->RecordTimes[0][2] = -3;
  r->RecordTimes[0][3] = 99999.99;
  const std::string line = encodeEntryLine(*r, 0);
  ASSERT_EQ(line.size(), 277u);
  EXPECT_EQ(line.substr(257), "99999    099999    0");

  RecordProblem problem = RecordProblem::None;
  r->RecordHumanHands[1][1] = 18;  // ten and more are letters from A
  r->RecordComputerHands[1][1] = 10;
  const std::string large = encodeEntryLine(*r, 1);
  EXPECT_EQ(large.substr(243, 2), "IA");
  ASSERT_EQ(large.size(), 277u);
  r->RecordComputerHands[1][1] = 0;
  r->RecordHumanHands[1][1] = 36;
  EXPECT_EQ(encodeEntryLine(*r, 1, &problem), "");
  EXPECT_EQ(problem, RecordProblem::HandCountTooLarge);
  const EncodedRecord file = encodeRecordFile({}, *r, 2);
  EXPECT_EQ(file.problem, RecordProblem::HandCountTooLarge);
  EXPECT_EQ(file.entry, 1);
  EXPECT_EQ(file.bytes, "");

  r->RecordHumanHands[1][1] = 9;
  EXPECT_EQ(encodeEntryLine(*r, 1).substr(243, 2), "90");
  r->RecordBoards[1][3][3] = 12;
  EXPECT_EQ(encodeEntryLine(*r, 1, &problem), "");
  EXPECT_EQ(problem, RecordProblem::BadPieceCode);

  // A header line must stay one line, and in CP932.
  EXPECT_EQ(encodeRecordFile({"a\nb", "", ""}, *r, 0).problem, RecordProblem::LineBreakInHeader);
  EXPECT_EQ(encodeRecordFile({"", "😀", ""}, *r, 0).problem, RecordProblem::NotCp932);
  EXPECT_EQ(encodeRecordFile({"", "\U000E0041", ""}, *r, 0).problem, RecordProblem::NotCp932);
  EXPECT_EQ(encodeRecordFile({}, *r, 501).problem, RecordProblem::RecordLengthOutOfRange);
  EXPECT_EQ(encodeRecordFile({}, *r, -1).problem, RecordProblem::RecordLengthOutOfRange);
}

TEST(RecordFormat, FieldValueFollowsTheNumericRule) {
  const std::string line = " 12-80  0   -7 x1";
  EXPECT_EQ(fieldValue(line, 1, 3), 12);
  EXPECT_EQ(fieldValue(line, 4, 3), -80);
  EXPECT_EQ(fieldValue(line, 7, 3), 0);
  EXPECT_EQ(fieldValue(line, 10, 5), -7);
  EXPECT_EQ(fieldValue(line, 16, 2), std::nullopt);  // "x1"
  EXPECT_EQ(fieldValue(line, 17, 3), 1);             // cut off by the line end
  EXPECT_EQ(fieldValue(line, 18, 3), 0);             // past the end
  EXPECT_EQ(fieldValue("   ", 1, 3), 0);
  EXPECT_EQ(fieldValue(" - ", 1, 3), std::nullopt);
  EXPECT_EQ(fieldValue("1 2", 1, 3), std::nullopt);
  EXPECT_EQ(fieldValue("10 ", 1, 3), std::nullopt);
}

// The bytes of a sound file of `entries` entry lines, each from entry 0 of the
// start position.
std::string fileOf(int entries) {
  auto r = std::make_unique<GameRecord>();
  setStart(*r, 0);
  std::string bytes = "game\r\nup\r\ndown\r\n";
  const std::string line = encodeEntryLine(*r, 0);
  for (int i = 0; i < entries; ++i) bytes += line + "\r\n";
  return bytes;
}

TEST(RecordFormat, ReadingStopsAfterEntry500AndToleratesShortLines) {
  const DecodedRecord many = decodeRecordFile(fileOf(520));
  EXPECT_EQ(many.problem, RecordProblem::None);
  EXPECT_EQ(many.entryCount, 501);

  // Blank fields and a line cut short read as 0; empty lines at the end are
  // no entries, nor are lines of spaces there.
  std::string bytes = fileOf(1) + " 20\r\n\r\n \n   \r\n";
  const DecodedRecord shortLines = decodeRecordFile(bytes);
  ASSERT_EQ(shortLines.problem, RecordProblem::None);
  EXPECT_EQ(shortLines.entryCount, 2);
  EXPECT_EQ(shortLines.record->RecordBoards[1][1][1], 20);
  EXPECT_EQ(shortLines.record->RecordBoards[1][5][1], 0);
  EXPECT_EQ(shortLines.record->RecordTimes[1][4], 0);
}

TEST(RecordFormat, BadFilesAreReportedNotRead) {
  auto problemOf = [](const std::string& bytes) { return decodeRecordFile(bytes).problem; };
  EXPECT_EQ(problemOf(""), RecordProblem::TooFewHeaderLines);
  EXPECT_EQ(problemOf("game\r\nup\r\n"), RecordProblem::TooFewHeaderLines);
  EXPECT_EQ(problemOf("game\r\nup\r\ndown\r\n"), RecordProblem::NoEntryLine);
  EXPECT_EQ(problemOf("game\r\nup\r\ndown"), RecordProblem::NoEntryLine);
  EXPECT_EQ(problemOf("\x82\r\nup\r\ndown\r\n" + fileOf(1).substr(16)),
            RecordProblem::NotCp932);  // a lead byte with no trail byte

  const std::string good = fileOf(2);
  const size_t second = good.size() - 279;  // the last entry line
  auto with = [&](size_t column, const std::string& text) {
    std::string b = good;
    b.replace(second + column - 1, text.size(), text);
    return b;
  };
  EXPECT_EQ(problemOf(with(1, " 12")), RecordProblem::BadPieceCode);
  EXPECT_EQ(problemOf(with(1, "81 ")), RecordProblem::BadPieceCode);
  EXPECT_EQ(problemOf(with(4, " x0")), RecordProblem::BadPieceCode);
  EXPECT_EQ(problemOf(with(244, "-")), RecordProblem::BadCount);
  EXPECT_EQ(problemOf(with(257, "a")), RecordProblem::BadCount);
  EXPECT_EQ(problemOf(with(258, "  1.5")), RecordProblem::BadTime);
  EXPECT_EQ(problemOf(with(273, "   -7")), RecordProblem::BadTime);
  EXPECT_EQ(problemOf(with(100, "\x82\xa0")), RecordProblem::BadPieceCode);
  // Entries no game can reach, and an empty line between entries.
  EXPECT_EQ(problemOf(with(1, "-80")), RecordProblem::ImpossiblePosition);   // two kings
  EXPECT_EQ(problemOf(with(13, "-61")), RecordProblem::ImpossiblePosition);  // a third bishop
  EXPECT_EQ(problemOf(with(244, "1")), RecordProblem::ImpossiblePosition);   // a 19th pawn
  EXPECT_EQ(problemOf(fileOf(1) + "\r\n" + fileOf(1).substr(16)), RecordProblem::EmptyEntryLine);
  EXPECT_EQ(problemOf(fileOf(1) + " \r\n" + fileOf(1).substr(16)), RecordProblem::EmptyEntryLine);
  EXPECT_EQ(problemOf(fileOf(0) + "\r\n\r\n"), RecordProblem::NoEntryLine);
  const DecodedRecord bad = decodeRecordFile(with(260, "x"));
  EXPECT_EQ(bad.problem, RecordProblem::BadTime);
  EXPECT_EQ(bad.line, 5);
  EXPECT_FALSE(bad.record);
  EXPECT_EQ(bad.entryCount, 0);

  // What lies past column 277 is not part of the entry.
  std::string longer = good;
  longer.insert(good.size() - 2, "xyz");
  EXPECT_EQ(problemOf(longer), RecordProblem::None);
}

}  // namespace
}  // namespace morovan
