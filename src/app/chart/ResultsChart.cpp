#include "ResultsChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <span>

QWidget* morovanResultsChart(const morovan::StatisticsRow* rows, std::size_t count,
                             QWidget* parent) {
  auto* wins = new QBarSet(QCoreApplication::translate("Review", "勝"));
  auto* draws = new QBarSet(QCoreApplication::translate("Review", "分"));
  auto* losses = new QBarSet(QCoreApplication::translate("Review", "負"));
  wins->setColor(QColor(0x2e, 0x8b, 0x57));
  draws->setColor(QColor(0xb0, 0xb0, 0xb0));
  losses->setColor(QColor(0xc0, 0x39, 0x2b));
  QStringList levels;
  int most = 1;
  for (int level = 1; level <= 4; ++level) {
    int w = 0, d = 0, l = 0;
    for (const morovan::StatisticsRow& r : std::span(rows, count)) {
      if (r.level != level) continue;
      w += r.wins;
      d += r.draws;
      l += r.losses;
    }
    *wins << w;
    *draws << d;
    *losses << l;
    most = std::max(most, w + d + l);
    levels << QStringLiteral("LEVEL%1").arg(level);
  }
  auto* series = new QStackedBarSeries;
  series->append(wins);
  series->append(draws);
  series->append(losses);
  auto* chart = new QChart;
  chart->addSeries(series);
  chart->setTitle(QCoreApplication::translate("Review", "レベル別の成績"));
  auto* axisX = new QBarCategoryAxis;
  axisX->append(levels);
  chart->addAxis(axisX, Qt::AlignBottom);
  series->attachAxis(axisX);
  auto* axisY = new QValueAxis;
  axisY->setRange(0, most);
  axisY->setLabelFormat(QStringLiteral("%d"));
  axisY->setTickCount(std::min(most, 10) + 1);
  chart->addAxis(axisY, Qt::AlignLeft);
  series->attachAxis(axisY);
  chart->legend()->setAlignment(Qt::AlignBottom);
  auto* view = new QChartView(chart, parent);
  view->setObjectName(QStringLiteral("ResultsChart"));
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumHeight(260);
  return view;
}
