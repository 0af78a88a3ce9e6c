#include "record/RecordFormat.h"

namespace morovan {

std::string encodeEntryLine(const GameRecord& record, int n) {
  (void)record; (void)n; return {};
}

EncodedRecord encodeRecordFile(const RecordHeader& header, const GameRecord& record,
                               int RecordLength) {
  (void)header; (void)record; (void)RecordLength; return {};
}

DecodedRecord decodeRecordFile(const std::string& bytes) {
  (void)bytes; return {};
}

int fieldValue(const std::string& line, int start, int width) {
  (void)line; (void)start; (void)width; return 0;
}

}  // namespace morovan
