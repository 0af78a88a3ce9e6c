#include "ResultsChartLoader.h"
#include <QCoreApplication>

#include <dlfcn.h>
#include <link.h>

#include <climits>
#include <string>

#include "chart/ResultsChart.h"

namespace morovan {
namespace {

constexpr char kChartLibrary[] = "libMorovanChart.so";

// Installed or in the build, the chart library lies in the folder the sound
// library was loaded from; failing that, the loader's own search decides.
std::string chartLibraryPath() {
  void* sound = dlopen("libMorovan.so", RTLD_LAZY | RTLD_NOLOAD);
  if (sound == nullptr) return kChartLibrary;
  char folder[PATH_MAX] = {};
  const bool found = dlinfo(sound, RTLD_DI_ORIGIN, folder) == 0;
  dlclose(sound);
  return found ? std::string(folder) + "/" + kChartLibrary : kChartLibrary;
}

MorovanResultsChart chartMaker(QString* why) {
  // Never closed: the chart's widgets run the library's code for as long as they live.
  static MorovanResultsChart maker = nullptr;
  if (maker != nullptr) return maker;
  void* library = dlopen(chartLibraryPath().c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library != nullptr)
    maker = reinterpret_cast<MorovanResultsChart>(dlsym(library, MOROVAN_RESULTS_CHART_SYMBOL));
  if (maker == nullptr)
    *why = QCoreApplication::translate("Review", "グラフを表示できません（%1）").arg(QString::fromLocal8Bit(dlerror()));
  return maker;
}

}  // namespace

QWidget* loadResultsChart(const std::vector<StatisticsRow>& rows, QWidget* parent, QString* why) {
  const MorovanResultsChart maker = chartMaker(why);
  return maker != nullptr ? maker(rows.data(), rows.size(), parent) : nullptr;
}

}  // namespace morovan
