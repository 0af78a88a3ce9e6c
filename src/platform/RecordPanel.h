#pragma once
// The record panel on the window: drive, directory and file lists (Drive1, Dir1,
// File1), four text fields (Text1 file name, Text2 game name, Text3 Sente's name,
// Text4 Gote's name), their labels and the RETURN button (Command1).

#include <string>

namespace morovan {

class RecordPanel {
 public:
  virtual ~RecordPanel() = default;
  // 描画_可視: visibility of Drive1, Dir1, File1.
  virtual void setListsVisible(bool drive, bool directory, bool file) = 0;
  // 描画_棋譜_IO(0): shows the text fields, labels and button.
  virtual void showTextPart() = 0;
  // 描画_棋譜_IO(other): empties Text1..Text4, then hides those nine controls.
  virtual void clearAndHideTextPart() = 0;
  // Text1..Text4 as typed, UTF-8.
  virtual std::string text(int n) const = 0;
  // File1's directory, where records are written and read.
  virtual std::string directory() const = 0;
  // The file name clicked in File1 (no directory).
  virtual std::string selectedFileName() const = 0;
  virtual void refreshFileList() = 0;
};

}  // namespace morovan
