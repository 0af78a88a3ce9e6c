#pragma once
// The signals that ask a program to end (SIGTERM from kill or a shutdown, SIGHUP
// from a closed terminal or a logout, SIGINT from Ctrl+C) delivered as calls
// from the event loop. The handler only writes the signal's number into a pipe;
// everything else happens where any work is safe.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace morovan {

// While one lives, those signals call `onSignal` from the event loop instead of
// ending the process. One at a time: the last made is the one called, and the
// signals end the process again once it is gone.
class EndSignals : public QObject {
 public:
  explicit EndSignals(std::function<void(int)> onSignal);
  ~EndSignals() override;

 private:
  void readSignals();

  std::function<void(int)> onSignal_;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace morovan
