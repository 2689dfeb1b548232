#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>

// Start-up benchmark helper: the time from the moment the launching script took (nanoseconds of
// the real-time clock, passed as the first argument) to the first paint of a window, printed in
// milliseconds; the program quits right after.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(long long launchNs) : m_launchNs(launchNs) {}

    static long long nowNs() {
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            const double ms = static_cast<double>(nowNs() - m_launchNs) / 1e6;
            std::printf("%.1f\n", ms);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_launchNs;
    bool m_done = false;
};
