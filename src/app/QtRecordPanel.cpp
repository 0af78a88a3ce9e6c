#include "QtRecordPanel.h"

namespace morovan {

QtRecordPanel::QtRecordPanel(QWidget* area) : area_(area) {}
void QtRecordPanel::setGame(Game* game) { game_ = game; }
void QtRecordPanel::setListsVisible(bool, bool, bool) {}
void QtRecordPanel::showTextPart() {}
void QtRecordPanel::clearAndHideTextPart() {}
std::string QtRecordPanel::text(int) const { return {}; }
std::string QtRecordPanel::directory() const { return "."; }
std::string QtRecordPanel::selectedFileName() const { return {}; }
void QtRecordPanel::refreshFileList() {}

}  // namespace morovan
