// Linked only into the start-up benchmark programs: when the first window
// has been painted, writes the nanoseconds since KORVANEL_BENCH_T0 (a
// CLOCK_MONOTONIC time set by the driver just before it started the process)
// to standard output and ends the program.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

class FirstPaintWatcher : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Every widget of the window paints in the same pass; what is queued
      // after it runs once the whole window is on the screen.
      QTimer::singleShot(0, qApp, [] {
        const char* start = std::getenv("KORVANEL_BENCH_T0");
        const long long elapsed = MonotonicNanoseconds() - (start ? std::atoll(start) : 0);
        std::printf("%lld\n", elapsed);
        std::fflush(stdout);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

void WatchFirstPaint() { qApp->installEventFilter(new FirstPaintWatcher); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
