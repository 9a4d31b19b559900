// The start-up probe: an application-wide watch for the first Expose of a window.
#include "StartupProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

class FirstExpose final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (!seen_ && event->type() == QEvent::Expose && window != nullptr && window->isExposed()) {
            seen_ = true;
            // Queued, so the window's own handling of the Expose (its first paint) comes first.
            QTimer::singleShot(0, qApp, [] {
                std::fputs("first-frame\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool seen_ = false;
};

}  // namespace

void InstallStartupProbe()
{
    if (!qEnvironmentVariableIsSet("QUADRIVELLO_STARTUP_PROBE"))
        return;
    qApp->installEventFilter(new FirstExpose(qApp));
}
