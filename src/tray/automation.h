#pragma once

// The automation interface other programs call to make the running tray program pick a
// new quote and put it into every signature file.

#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>

namespace sentari::tray {

class QuoteKeeper;

inline constexpr char ServiceName[] = "org.sentari.SentariExe";
inline constexpr char ObjectPath[] = "/Interface";

// Never waits on a person: a call is answered as soon as the signature files hold the new
// quote, whatever dialog or menu is open; what went wrong goes back to the caller, and the
// user at the screen is told after the reply. The bus reaches it through the adaptor
// generated from the interface's description (data/org.sentari.SentariExe.Interface.xml).
class Automation : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    explicit Automation(QuoteKeeper& keeper, QObject* parent = nullptr);

    // Calls that arrive before start-up has the first quote wait until then (a moment; while
    // start-up asks for a data file they fail at once). Later calls return at once.
    void setReady();
    // While the user is being served (a menu, a question) the offer of a data file choice
    // that a failed call makes waits until the last hold is released. Holds nest.
    void hold() { ++holds_; }
    void release();
    // The program ends: calls still waiting are answered with an error, not served.
    void programEnds();
    // The interface's one method, named as on the bus (the generated adaptor calls it so).
    void ChangeActiveQuote(); // NOLINT(readability-identifier-naming)

signals:
    // The user chose no data file when asked: the program ends.
    void exitRequested();

private:
    // call: the D-Bus message to answer; an invalid one when called directly.
    void serve(const QDBusMessage& call);
    void answer(const QDBusMessage& call, const QString& error);
    void signaturesWritten(const QStringList& failures);
    void offerDataFileChoice();
    QString endedMessage() const;

    QuoteKeeper& keeper_;
    bool ready_ = false;
    int holds_ = 0;
    bool ended_ = false;
    bool offerPending_ = false;
    QList<QDBusMessage> waiting_;         // until start-up is done
    QList<QDBusMessage> awaitingWritten_; // until the signature files are written
};

enum class ServiceStart {
    Registered,     // we serve the interface now
    AlreadyRunning, // another sentari holds the name
    NoBus,          // no session bus: runs without automation
};

// Puts the object on the session bus and takes the service name.
ServiceStart registerAutomation(Automation& automation);

// `sentari --change-quote`: calls the running (or D-Bus-started) instance. Returns the exit
// status and prints a message on failure.
int callChangeActiveQuote();

} // namespace sentari::tray
