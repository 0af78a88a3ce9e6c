#pragma once
// The statistics chart lives in a library of its own, libMorovanChart.so, so
// that Qt Charts is loaded only when the statistics are first shown.

#include <cstddef>

#include "platform/ReviewWindows.h"

class QWidget;

// The name the library exports the chart under, and its type.
#define MOROVAN_RESULTS_CHART_SYMBOL "morovanResultsChart"
using MorovanResultsChart = QWidget* (*)(const morovan::StatisticsRow* rows, std::size_t count,
                                         QWidget* parent);

extern "C" {
// A stacked bar chart of wins, draws and losses per level, owned by `parent`.
QWidget* morovanResultsChart(const morovan::StatisticsRow* rows, std::size_t count,
                             QWidget* parent);
}
