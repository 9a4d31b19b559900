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
    if (const auto match = display.match(message); category == QLatin1String("qt.qpa.xcb") && match.hasMatch()) {
        cause = match.captured(1).isEmpty() ? QStringLiteral("nessuno schermo è indicato")
                                            : QStringLiteral("lo schermo «%1» non risponde").arg(match.captured(1));
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
