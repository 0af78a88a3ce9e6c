#pragma once
// Time of day and the 50 ms timer that calls the game back (Timer1).

namespace morovan {

class Clock {
 public:
  virtual ~Clock() = default;
  // Seconds since midnight, with a fraction (0 up to 86400).
  virtual double timeOfDay() = 0;
  // Lets a blocking wait give up the processor for a moment; serves no events.
  virtual void sleepBriefly(double seconds) = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  // While started, the platform calls Timer1_Timer every 50 ms between events.
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual bool isRunning() const = 0;
};

}  // namespace morovan
