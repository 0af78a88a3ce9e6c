#pragma once
// The record file: three header lines, then one 277-character line per
// GameRecord entry, in CP932 with CR LF line ends.
//
// Entry line columns (1-based): 1-243 the board, 81 fields of 3 characters, x outer
// and y inner, each PieceCode right-aligned; 244-257 for hand kinds 1..7 the
// human's count then the computer's, one character each; 258-277 the four
// RecordTimes values as whole seconds right-aligned in 5 characters.

#include <memory>
#include <string>

#include "model/GameRecord.h"

namespace morovan {

inline constexpr int kEntryLineLength = 277;
inline constexpr int kMaxRecordTime = 99999;

// UTF-8 header lines: game name, the upper (computer's) side's player, the lower.
struct RecordHeader {
  std::string gameName;
  std::string upperName;
  std::string lowerName;
};

enum class RecordProblem {
  None,
  HandCountTooLarge,  // a hand count above 9 has no room in its column
  NotCp932,           // the header cannot be written in, or the file is not, CP932
  TooFewHeaderLines,
  NoEntryLine,
  BadPieceCode,       // a board field that is not a piece code
  BadCount,           // a hand count that is not a digit
  BadTime,            // a time that is not a whole number of seconds
};

// The entry line of entry n, times clamped to 0..99999. Empty when a hand count
// does not fit its one character.
std::string encodeEntryLine(const GameRecord& record, int n);

struct EncodedRecord {
  std::string bytes;  // the whole file, CP932, CR LF
  RecordProblem problem = RecordProblem::None;
};
// The file holding entries 0..RecordLength.
EncodedRecord encodeRecordFile(const RecordHeader& header, const GameRecord& record,
                               int RecordLength);

struct DecodedRecord {
  RecordHeader header;
  std::unique_ptr<GameRecord> record;  // entries 0..entryCount-1 filled
  int entryCount = 0;                  // at most 501; later lines are ignored
  RecordProblem problem = RecordProblem::None;
};
// Parses a whole file. On any problem nothing but `problem` is meaningful.
DecodedRecord decodeRecordFile(const std::string& bytes);

// The numeric value of a fixed field: leading spaces skipped, an optional minus
// and digits read; blank or past the end of the line gives 0.
int fieldValue(const std::string& line, int start, int width);

}  // namespace morovan
