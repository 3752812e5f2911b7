#include "tray/automation.h"

#include "automation_adaptor.h"
#include "tray/quotekeeper.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace sentari::tray {

namespace {
// Enough for a D-Bus-activated start-up and a long signature list; a call never waits on a
// dialog.
constexpr int CallTimeoutMs = 30 * 1000;

QString interfaceName()
{
    const QMetaObject& adaptor = AutomationAdaptor::staticMetaObject;
    return QString::fromLatin1(
        adaptor.classInfo(adaptor.indexOfClassInfo("D-Bus Interface")).value());
}
} // namespace

Automation::Automation(QuoteKeeper& keeper, QObject* parent) : QObject(parent), keeper_(keeper)
{
    new AutomationAdaptor(this);
    connect(&keeper_, &QuoteKeeper::signaturesWritten, this, &Automation::signaturesWritten);
}

QString Automation::endedMessage() const
{
    return tr("Sentari has no quote data file; the user chose none and Sentari ended.");
}

void Automation::setReady()
{
    if (ready_)
        return;
    ready_ = true;
    while (!waiting_.isEmpty() && !ended_)
        serve(waiting_.takeFirst());
}

void Automation::programEnds()
{
    ended_ = true;
    for (const auto& call : std::exchange(waiting_, {}) + std::exchange(awaitingWritten_, {}))
        answer(call, endedMessage());
}

void Automation::release()
{
    if (holds_ > 0 && --holds_ == 0 && offerPending_) {
        offerPending_ = false;
        offerDataFileChoice();
    }
}

void Automation::ChangeActiveQuote()
{
    QDBusMessage call;
    if (calledFromDBus()) {
        call = message();
        setDelayedReply(true);
    }
    if (ended_) {
        answer(call, endedMessage());
    } else if (!ready_ && !keeper_.choosingDataFile()) {
        waiting_.append(call);
    } else {
        serve(call);
    }
}

void Automation::serve(const QDBusMessage& call)
{
    if (keeper_.choosingDataFile()) {
        answer(call, tr("Sentari has no quote data file; the user at the screen is choosing one."));
        return;
    }
    // Answered once the files hold the new quote: a short list is written before
    // changeUnattended() returns, a long one later.
    const bool fromBus = call.type() == QDBusMessage::MethodCallMessage;
    if (fromBus)
        awaitingWritten_.append(call);
    const QuoteKeeper::Unattended change = keeper_.changeUnattended();
    if (!change.changed) {
        if (fromBus)
            awaitingWritten_.removeLast(); // nothing was started that could have answered it
        answer(call, change.error);
        if (change.noDataFile)
            offerDataFileChoice();
    }
}

void Automation::signaturesWritten(const QStringList& failures)
{
    const QString error = failures.isEmpty()
                              ? QString()
                              : tr("The new quote could not be put into every signature file: %1")
                                    .arg(failures.join(QStringLiteral("; ")));
    for (const auto& call : std::exchange(awaitingWritten_, {}))
        answer(call, error);
}

void Automation::answer(const QDBusMessage& call, const QString& error)
{
    if (call.type() != QDBusMessage::MethodCallMessage)
        return;
    QDBusConnection::sessionBus().send(
        error.isEmpty() ? call.createReply() : call.createErrorReply(QDBusError::Failed, error));
}

// After the reply, from the event loop: the person at the screen may choose a data file (as
// a click would offer); choosing none ends the program.
void Automation::offerDataFileChoice()
{
    QTimer::singleShot(0, this, [this] {
        if (ended_ || keeper_.choosingDataFile())
            return;
        if (holds_ > 0) {
            offerPending_ = true; // release() offers it
            return;
        }
        hold();
        const QuoteKeeper::Outcome outcome = keeper_.nextQuote();
        release();
        if (outcome == QuoteKeeper::Outcome::Quit) {
            programEnds();
            emit exitRequested();
        }
    });
}

ServiceStart registerAutomation(Automation& automation)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return ServiceStart::NoBus;
    bus.registerObject(QString::fromLatin1(ObjectPath), &automation);
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
        std::fprintf(stderr, "sentari: %s\n",
                     qPrintable(Automation::tr("no session D-Bus to reach Sentari: %1")
                                    .arg(bus.lastError().message())));
        return 1;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(ServiceName), QString::fromLatin1(ObjectPath), interfaceName(),
        QStringLiteral("ChangeActiveQuote"));
    const QDBusMessage reply = bus.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        std::fprintf(
            stderr, "sentari: %s\n",
            qPrintable(Automation::tr("the quote was not changed: %1").arg(reply.errorMessage())));
        return 1;
    }
    return 0;
}

} // namespace sentari::tray
