// Qt explains a platform that failed in warnings of its qt.qpa categories, then ends with a fatal
// message naming no cause; the warnings give the reason, the fatal message the moment to report it.
#include "PlatformFailure.h"

#include <QRegularExpression>

namespace {

std::function<void(const QString&)> reportFailure;
QtMessageHandler previousHandler = nullptr;
QString cause;  // what Qt's warnings have said so far, in Italian

void WatchPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static const QRegularExpression display(QStringLiteral("^could not connect to display (.*)$"));
    static const QRegularExpression plugin(QStringLiteral("Could not (find|load) the Qt platform plugin \"([^\"]*)\""));
    const QLatin1String category(context.category != nullptr ? context.category : "");
    // Qt may try Wayland before X11: a Wayland display named, or the default one, that does not answer.
    if (message.startsWith(QLatin1String("Failed to create wl_display"))) {
        const QString named = qEnvironmentVariable("WAYLAND_DISPLAY");
        cause = QStringLiteral("lo schermo Wayland «%1» non risponde")
                    .arg(named.isEmpty() ? QStringLiteral("wayland-0") : named);
        return;
    }
    if (const auto match = display.match(message); category == QLatin1String("qt.qpa.xcb") && match.hasMatch()) {
        // An X11 display named is the one that failed; that none is named matters only when nothing else
        // was tried (Qt tries Wayland first where WAYLAND_DISPLAY names a display).
        if (!match.captured(1).isEmpty())
            cause = QStringLiteral("lo schermo «%1» non risponde").arg(match.captured(1));
        else if (cause.isEmpty())
            cause = QStringLiteral("nessuno schermo è indicato");
        return;
    }
    if (const auto match = plugin.match(message); category == QLatin1String("qt.qpa.plugin") && match.hasMatch()) {
        if (cause.isEmpty())
            cause = match.captured(1) == QLatin1String("find")
                        ? QStringLiteral("manca il modulo di Qt per la grafica «%1»").arg(match.captured(2))
                        : QStringLiteral("il modulo di Qt per la grafica «%1» non si è avviato").arg(match.captured(2));
        return;
    }
    if (type == QtFatalMsg && message.contains(QLatin1String("Qt platform plugin")))
        reportFailure(cause.isEmpty() ? QStringLiteral("la grafica di Qt non si è potuta avviare") : cause);
    previousHandler(type, context, message);
}

}  // namespace

void OnPlatformFailure(std::function<void(const QString& reason)> report)
{
    reportFailure = std::move(report);
    previousHandler = qInstallMessageHandler(WatchPlatform);
}
