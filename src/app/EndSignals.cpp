#include "EndSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace morovan {
namespace {

constexpr int kEndSignals[] = {SIGTERM, SIGHUP, SIGINT};

// Made once and kept for the whole run: a signal may still be on its way
// when an EndSignals goes.
int signalPipe[2] = {-1, -1};

void onEndSignal(int signal) {
  const int saved = errno;
  const char number = static_cast<char>(signal);
  // A full pipe already holds a signal that will be read.
  (void)!::write(signalPipe[1], &number, 1);
  errno = saved;
}

void setHandler(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int s : kEndSignals) ::sigaction(s, &action, nullptr);
}

}  // namespace

EndSignals::EndSignals(std::function<void(int)> onSignal) : onSignal_(std::move(onSignal)) {
  if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
  notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { readSignals(); });
  setHandler(onEndSignal);
}

EndSignals::~EndSignals() {
  if (notifier_ != nullptr) setHandler(SIG_DFL);
}

void EndSignals::readSignals() {
  char numbers[16];
  ssize_t n;
  while ((n = ::read(signalPipe[0], numbers, sizeof numbers)) > 0)
    for (ssize_t i = 0; i < n; ++i) onSignal_(numbers[i]);
}

}  // namespace morovan
