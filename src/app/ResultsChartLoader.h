#pragma once
// The statistics chart, from a library loaded the first time it is shown.

#include <QString>
#include <vector>

#include "platform/ReviewWindows.h"

class QWidget;

namespace morovan {

// A chart of `rows` owned by `parent`, made by libMorovanChart.so, which is looked
// for beside the sound library and kept loaded once found. Null when it cannot
// be loaded, with `why` set to a message the player can be shown.
QWidget* loadResultsChart(const std::vector<StatisticsRow>& rows, QWidget* parent, QString* why);

}  // namespace morovan
