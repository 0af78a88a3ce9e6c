// The record file reader: whatever it accepts must write back and read back equal.

#include <string>

#include "FuzzSupport.h"
#include "record/RecordFormat.h"

using namespace morovan;

namespace {

bool sameEntries(const GameRecord& a, const GameRecord& b, int count) {
  for (int n = 0; n < count; ++n) {
    for (int x = 1; x <= kBoardSize; ++x)
      for (int y = 1; y <= kBoardSize; ++y)
        if (a.RecordBoards[n][x][y] != b.RecordBoards[n][x][y]) return false;
    for (int k = 1; k <= kHandKinds; ++k)
      if (a.RecordHumanHands[n][k] != b.RecordHumanHands[n][k] ||
          a.RecordComputerHands[n][k] != b.RecordComputerHands[n][k])
        return false;
    for (int t = 1; t <= 4; ++t)
      if (a.RecordTimes[n][t] != b.RecordTimes[n][t]) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DecodedRecord first =
      decodeRecordFile(std::string(reinterpret_cast<const char*>(data), size));
  if (first.problem != RecordProblem::None) {
    if (first.record) fuzz::fault("a refused file kept its record");
    return 0;
  }
  if (!first.record || first.entryCount < 1) return 0;

  const EncodedRecord encoded = encodeRecordFile(first.header, *first.record, first.entryCount - 1);
  if (encoded.problem != RecordProblem::None)
    fuzz::fault("a record read cannot be written again, problem " +
                std::to_string(static_cast<int>(encoded.problem)));
  const DecodedRecord second = decodeRecordFile(encoded.bytes);
  if (second.problem != RecordProblem::None || second.entryCount != first.entryCount)
    fuzz::fault("a record written does not read back");
  if (second.header.gameName != first.header.gameName ||
      second.header.upperName != first.header.upperName ||
      second.header.lowerName != first.header.lowerName)
    fuzz::fault("a header written reads back as another");
  if (!sameEntries(*first.record, *second.record, first.entryCount))
    fuzz::fault("an entry written reads back as another");
  return 0;
}
