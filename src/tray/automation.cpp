#include "tray/automation.h"

#include "tray/quotekeeper.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <cstdio>

namespace sentari::tray {

namespace {
// A call that starts sentari waits for its start-up, which may ask the user for a data file.
constexpr int CallTimeoutMs = 10 * 60 * 1000;
} // namespace

Automation::Automation(QuoteKeeper& keeper, QObject* parent) : QObject(parent), keeper_(keeper) {}

void Automation::release()
{
    if (holds_ == 0 || --holds_ > 0)
        return;
    // Calls that come in while one is served (it may ask for a data file) queue up here.
    while (holds_ == 0 && !waiting_.isEmpty()) {
        const QDBusMessage call = waiting_.takeFirst();
        hold();
        const QString error = change();
        --holds_;
        QDBusConnection::sessionBus().send(error.isEmpty()
                                               ? call.createReply()
                                               : call.createErrorReply(QDBusError::Failed, error));
    }
}

void Automation::ChangeActiveQuote()
{
    if (holds_ > 0) {
        if (calledFromDBus()) {
            setDelayedReply(true);
            waiting_.append(message());
        }
        return;
    }
    hold();
    const QString error = change();
    if (!error.isEmpty() && calledFromDBus())
        sendErrorReply(QDBusError::Failed, error);
    release();
}

QString Automation::change()
{
    QString ending =
        QStringLiteral("Sentari has no data file; the user chose none and Sentari ended.");
    if (ended_)
        return ending;
    switch (keeper_.nextQuote()) {
    case QuoteKeeper::Outcome::Changed:
        return {};
    case QuoteKeeper::Outcome::Quit:
        ended_ = true;
        emit exitRequested();
        return ending;
    case QuoteKeeper::Outcome::Failed:
        break;
    }
    return QStringLiteral("Sentari could not change the quote (the user has been told why).");
}

ServiceStart registerAutomation(Automation& automation)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return ServiceStart::NoBus;
    bus.registerObject(QString::fromLatin1(ObjectPath), &automation,
                       QDBusConnection::ExportScriptableSlots);
    if (!bus.registerService(QString::fromLatin1(ServiceName))) {
        bus.unregisterObject(QString::fromLatin1(ObjectPath));
        return ServiceStart::AlreadyRunning;
    }
    return ServiceStart::Registered;
}

int callChangeActiveQuote()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "sentari: no session D-Bus to reach Sentari: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(ServiceName), QString::fromLatin1(ObjectPath),
        QString::fromLatin1(InterfaceName), QStringLiteral("ChangeActiveQuote"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(stderr, "sentari: the quote was not changed: %s\n",
                     qPrintable(reply.errorMessage()));
        return 1;
    }
    return 0;
}

} // namespace sentari::tray
