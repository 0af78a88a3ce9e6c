#include "record/RecordFormat.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "model/Position.h"
#include "platform/WholeFile.h"
#include "record/Cp932.h"

namespace morovan {
namespace {

constexpr int kBoardColumns = 81 * 3;                              // columns 1..243
constexpr int kHandColumns = kHandKinds * 2;                       // columns 244..257
constexpr int kFirstHandColumn = kBoardColumns + 1;                // 244
constexpr int kFirstTimeColumn = kFirstHandColumn + kHandColumns;  // 258
constexpr int kTimeWidth = 5;

void appendRightAligned(std::string& out, long long value, int width) {
  const std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), ' ');
  out += digits;
}

// Whole seconds for the record: rounded down, and held to what five columns can show.
long long recordSeconds(double t) {
  if (!(t > 0)) return 0;  // also NaN
  if (t >= kMaxRecordTime) return kMaxRecordTime;
  return static_cast<long long>(std::floor(t));
}

// A count of ten or more has no digit of its own: it is written as a capital
// letter, A for 10 up to Z for 35, so a record that fits the digits is written
// as it always was and one that does not still loses nothing.
constexpr int kLargestCount = 10 + ('Z' - 'A');

char countCharacter(int count) {
  return static_cast<char>(count < 10 ? '0' + count : 'A' + (count - 10));
}

std::optional<int> countValue(const std::string& line, int column) {
  if (column <= static_cast<int>(line.size())) {
    const char c = line[static_cast<std::size_t>(column - 1)];
    if (c >= 'A' && c <= 'Z') return 10 + (c - 'A');
  }
  return fieldValue(line, column, 1);
}

// Which part of an entry line the 1-based column belongs to.
RecordProblem problemAtColumn(int column) {
  if (column < kFirstHandColumn) return RecordProblem::BadPieceCode;
  if (column < kFirstTimeColumn) return RecordProblem::BadCount;
  return RecordProblem::BadTime;
}

// Reads one entry line into entry n. Returns the problem that makes the line
// unusable, or None.
RecordProblem decodeEntryLine(const std::string& line, GameRecord& r, int n) {
  // Every field is ASCII, so within the line's 277 columns a byte is a
  // character; a multibyte character there is a field that is not a number.
  const size_t used = std::min(line.size(), static_cast<size_t>(kEntryLineLength));
  for (size_t i = 0; i < used; ++i)
    if (static_cast<unsigned char>(line[i]) >= 0x80)
      return problemAtColumn(static_cast<int>(i) + 1);

  int column = 1;
  for (int x = 1; x <= kBoardSize; ++x) {
    for (int y = 1; y <= kBoardSize; ++y) {
      const std::optional<int> v = fieldValue(line, column, 3);
      if (!v || !isValidPieceCode(*v)) return RecordProblem::BadPieceCode;
      r.RecordBoards[n][x][y] = *v;
      column += 3;
    }
  }
  for (int k = 1; k <= kHandKinds; ++k) {
    const std::optional<int> human = countValue(line, column);
    const std::optional<int> computer = countValue(line, column + 1);
    if (!human || !computer || *human < 0 || *computer < 0) return RecordProblem::BadCount;
    r.RecordHumanHands[n][k] = *human;
    r.RecordComputerHands[n][k] = *computer;
    column += 2;
  }
  for (int t = 1; t <= 4; ++t) {
    const std::optional<int> v = fieldValue(line, column, kTimeWidth);
    if (!v || *v < 0) return RecordProblem::BadTime;
    r.RecordTimes[n][t] = *v;
    column += kTimeWidth;
  }
  return RecordProblem::None;
}

// True when entry n is a position a game can reach, as far as the position's
// own invariants tell: one king a side at most, no more pieces of a kind than
// one set holds.
bool isPossibleEntry(const GameRecord& r, int n) {
  Position p;
  loadRecordEntry(p, r, n);
  return positionFault(p).empty();
}

}  // namespace

std::string encodeEntryLine(const GameRecord& record, int n, RecordProblem* problem) {
  auto fail = [problem](RecordProblem p) {
    if (problem) *problem = p;
    return std::string();
  };
  if (problem) *problem = RecordProblem::None;
  if (n < 0 || n > kLastRecordIndex) return fail(RecordProblem::RecordLengthOutOfRange);

  std::string line;
  line.reserve(kEntryLineLength);
  for (int x = 1; x <= kBoardSize; ++x) {
    for (int y = 1; y <= kBoardSize; ++y) {
      const PieceCode c = record.RecordBoards[n][x][y];
      if (!isValidPieceCode(c)) return fail(RecordProblem::BadPieceCode);
      appendRightAligned(line, c, 3);
    }
  }
  for (int k = 1; k <= kHandKinds; ++k) {
    for (const int count : {record.RecordHumanHands[n][k], record.RecordComputerHands[n][k]}) {
      if (count > kLargestCount) return fail(RecordProblem::HandCountTooLarge);
      if (count < 0) return fail(RecordProblem::BadCount);
      line += countCharacter(count);
    }
  }
  for (int t = 1; t <= 4; ++t)
    appendRightAligned(line, recordSeconds(record.RecordTimes[n][t]), kTimeWidth);
  return line;
}

EncodedRecord encodeRecordFile(const RecordHeader& header, const GameRecord& record,
                               int RecordLength) {
  EncodedRecord out;
  if (RecordLength < 0 || RecordLength > kLastRecordIndex) {
    out.problem = RecordProblem::RecordLengthOutOfRange;
    return out;
  }
  std::string bytes;
  for (const std::string* text : {&header.gameName, &header.upperName, &header.lowerName}) {
    if (text->find_first_of("\r\n") != std::string::npos) {
      out.problem = RecordProblem::LineBreakInHeader;
      return out;
    }
    const std::optional<std::string> cp932 = toCp932(*text);
    if (!cp932) {
      out.problem = RecordProblem::NotCp932;
      return out;
    }
    bytes += *cp932;
    bytes += "\r\n";
  }
  bytes.reserve(bytes.size() + (RecordLength + 1) * (kEntryLineLength + 2));
  for (int n = 0; n <= RecordLength; ++n) {
    RecordProblem problem = RecordProblem::None;
    const std::string line = encodeEntryLine(record, n, &problem);
    if (problem != RecordProblem::None) {
      out.problem = problem;
      out.entry = n;
      return out;
    }
    bytes += line;
    bytes += "\r\n";
  }
  out.bytes = std::move(bytes);
  return out;
}

DecodedRecord decodeRecordFile(const std::string& bytes) {
  DecodedRecord out;
  // CP932 trail bytes never take the values of CR or LF, so the raw bytes can
  // be split into lines before any line is decoded.
  const std::vector<std::string_view> lines = splitLines(bytes);
  auto fail = [&out](RecordProblem p, int line) {
    out.problem = p;
    out.line = line;
    out.record.reset();
    out.entryCount = 0;
    out.header = {};
    return std::move(out);
  };

  std::string* headerTexts[3] = {&out.header.gameName, &out.header.upperName,
                                 &out.header.lowerName};
  for (int i = 0; i < 3; ++i) {
    if (i >= static_cast<int>(lines.size())) return fail(RecordProblem::TooFewHeaderLines, i + 1);
    const std::optional<std::string> utf8 = fromCp932(std::string(lines[i]));
    if (!utf8) return fail(RecordProblem::NotCp932, i + 1);
    *headerTexts[i] = *utf8;
  }
  // A line of nothing but spaces is as empty as an empty one: at the end of
  // the file no entry, between entries no board.
  const auto blank = [](std::string_view line) {
    return line.find_first_not_of(' ') == std::string_view::npos;
  };
  size_t used = lines.size();
  while (used > 3 && blank(lines[used - 1])) --used;
  if (used < 4) return fail(RecordProblem::NoEntryLine, 4);

  out.record = std::make_unique<GameRecord>();
  const int entries = static_cast<int>(std::min(used - 3, static_cast<size_t>(kRecordEntries)));
  for (int n = 0; n < entries; ++n) {
    // An empty line would read as an empty board, an entry nobody wrote.
    if (blank(lines[n + 3])) return fail(RecordProblem::EmptyEntryLine, n + 4);
    const RecordProblem p = decodeEntryLine(std::string(lines[n + 3]), *out.record, n);
    if (p != RecordProblem::None) return fail(p, n + 4);
    if (!isPossibleEntry(*out.record, n)) return fail(RecordProblem::ImpossiblePosition, n + 4);
  }
  out.entryCount = entries;
  return out;
}

std::optional<int> fieldValue(const std::string& line, int start, int width) {
  const size_t first = static_cast<size_t>(start - 1);
  if (start < 1 || width < 1 || first >= line.size()) return 0;
  const std::string_view field = std::string_view(line).substr(first, static_cast<size_t>(width));
  size_t i = 0;
  while (i < field.size() && field[i] == ' ') ++i;
  if (i == field.size()) return 0;
  bool negative = false;
  if (field[i] == '-') {
    negative = true;
    ++i;
  }
  if (i == field.size()) return std::nullopt;
  long long value = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
    value = value * 10 + (field[i] - '0');
    if (value > 1000000000) return std::nullopt;
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace morovan
