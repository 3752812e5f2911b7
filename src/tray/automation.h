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
inline constexpr char InterfaceName[] = "org.sentari.SentariExe.Interface";

class Automation : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.sentari.SentariExe.Interface")
public:
    explicit Automation(QuoteKeeper& keeper, QObject* parent = nullptr);

    // Calls that arrive before start-up has fetched the first quote wait until then.
    void setReady() { release(); }
    // Calls that arrive while the user is being served (a menu, a question) wait until the
    // last hold is released, so they never run inside another action. Holds nest.
    void hold() { ++holds_; }
    void release();
    // The program ends: calls still waiting are answered with an error, not served.
    void programEnds() { ended_ = true; }

signals:
    // The user chose no data file when asked: the program ends.
    void exitRequested();

public slots:
    Q_SCRIPTABLE void ChangeActiveQuote();

private:
    // Returns an error text, empty on success.
    QString change();

    QuoteKeeper& keeper_;
    int holds_ = 1; // held until start-up is done
    bool ended_ = false;
    QList<QDBusMessage> waiting_;
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
