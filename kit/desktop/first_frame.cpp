#include "kit/desktop/first_frame.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace kit {
namespace {

long long clockNs(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Waits for the window's first paint. The paint is drawn into the window's backing
// store and flushed to the display in the same pass, so the zero timer it arms
// fires once the frame has been handed over.
class FirstFrameReporter : public QObject {
  public:
    FirstFrameReporter(QWidget& window, long long startNs)
        : QObject(&window), window_(window), startNs_(startNs) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, this, [this] { report(); });
        }
        return false;
    }

  private:
    void report() {
        const double ms = static_cast<double>(clockNs(CLOCK_MONOTONIC) - startNs_) / 1e6;
        // What the process's threads have spent on a processor so far: on a busy
        // machine far steadier than the time that has passed.
        const double cpuMs = static_cast<double>(clockNs(CLOCK_PROCESS_CPUTIME_ID)) / 1e6;
        std::printf("first-frame %.3f %.3f %dx%d\n", ms, cpuMs, window_.width(), window_.height());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    QWidget& window_;
    long long startNs_;
    bool seen_ = false;
};

}  // namespace

void reportFirstFrameIfAsked(QWidget& mainWindow) {
    const char* start = std::getenv(kFirstFrameVariable);
    if (start == nullptr || *start == '\0')
        return;
    char* end = nullptr;
    const long long startNs = std::strtoll(start, &end, 10);
    if (*end != '\0' || startNs <= 0)
        return;
    mainWindow.installEventFilter(new FirstFrameReporter(mainWindow, startNs));
}

}  // namespace kit
