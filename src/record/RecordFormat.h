#pragma once
// The record file: three header lines, then one 277-character line per
// GameRecord entry, in CP932 with CR LF line ends.
//
// Entry line columns (1-based): 1-243 the board, 81 fields of 3 characters, x outer
// and y inner, each PieceCode right-aligned; 244-257 for hand kinds 1..7 the
// human's count then the computer's, one character each (a digit, or from ten
// on a capital letter, A for 10: no game needs more than I for 18); 258-277 the four
// RecordTimes values as whole seconds right-aligned in 5 characters.

#include <memory>
#include <optional>
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
  HandCountTooLarge,       // a hand count above 35 (Z) has no room in its column
  NotCp932,                // the header cannot be written in, or the file is not, CP932
  LineBreakInHeader,       // a header text holds a line break, which would shift every entry
  RecordLengthOutOfRange,  // RecordLength is not an entry of the record (0..500)
  TooFewHeaderLines,
  NoEntryLine,
  BadPieceCode,        // a board field that is not a piece code
  BadCount,            // a hand count that is not a digit
  BadTime,             // a time that is not a whole number of seconds
  EmptyEntryLine,      // an empty line where an entry should follow
  ImpossiblePosition,  // an entry no game can reach: two kings of a side, too many of a kind
};

// The entry line of entry n (0..500), times rounded down and clamped to
// 0..99999. Empty, with `problem` set, when a board field is not a piece code
// or a hand count does not fit its one character (HandCountTooLarge above 35,
// BadCount below 0).
std::string encodeEntryLine(const GameRecord& record, int n, RecordProblem* problem = nullptr);

struct EncodedRecord {
  std::string bytes;  // the whole file, CP932, CR LF; empty on a problem
  RecordProblem problem = RecordProblem::None;
  int entry = -1;  // the entry at fault, when the problem lies in one
};
// The file holding entries 0..RecordLength after the three header lines.
EncodedRecord encodeRecordFile(const RecordHeader& header, const GameRecord& record,
                               int RecordLength);

struct DecodedRecord {
  RecordHeader header;
  std::unique_ptr<GameRecord> record;  // entries 0..entryCount-1 filled
  int entryCount = 0;                  // at most 501; later lines are ignored
  RecordProblem problem = RecordProblem::None;
  int line = 0;  // the file's line (1-based) at fault, when the problem lies in one
};
// Parses a whole file; CR LF, a lone LF and a lone CR all end a line, and empty
// lines at the end of the file are no entries. On a problem, only `problem` and
// `line` are meaningful and `record` is empty: a file is taken whole or not at all.
DecodedRecord decodeRecordFile(const std::string& bytes);

// The numeric value of the field of `width` characters at 1-based column
// `start`: leading spaces skipped, an optional minus and digits read; blank or
// past the end of the line gives 0. nullopt when the field holds anything else
// (a sign with no digits, inner or trailing spaces, other characters).
std::optional<int> fieldValue(const std::string& line, int start, int width);

}  // namespace morovan
