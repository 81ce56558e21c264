#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

// Start-up probes: once the main window has been exposed and painted, print
// the process's peak and current resident memory and quit. The benchmark that
// started the process measures the time to that line.
namespace Probe {

inline QByteArray statusField(const QByteArray &status, const char *name)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed();
    }
    return {};
}

class ShownReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed() && !m_reported) {
            m_reported = true;
            // The expose is painted while it is handled; report right after.
            QTimer::singleShot(0, this, [] {
                QFile file(QStringLiteral("/proc/self/status"));
                file.open(QIODevice::ReadOnly);
                const QByteArray status = file.readAll();
                std::printf("shown VmHWM %s VmRSS %s\n", statusField(status, "VmHWM:").constData(),
                            statusField(status, "VmRSS:").constData());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};

// Call right after window.show().
inline void reportWhenShown(QWidget &window)
{
    window.windowHandle()->installEventFilter(new ShownReporter(&window));
}

} // namespace Probe
