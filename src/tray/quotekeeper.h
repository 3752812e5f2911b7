#pragma once

// The quote data file and the current quote of the tray program: every change of the
// current quote runs through nextQuote(), which also refreshes the signature files.

#include "platform/desktop.h"
#include "tray/signaturerefresher.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <string>
#include <string_view>

namespace sentari {
class SettingsStore;
struct QuoteResult;
} // namespace sentari

namespace sentari::tray {

struct CurrentQuote {
    QString text;              // empty when there is none
    qint64 index = 0;          // 1-based line number in the data file
    std::string quoteFilePath; // the system's bytes, as the store gave them
    QString signatureText;     // signature 1 with the current quote, plain text
    QByteArray signatureRtf;
};

// The ask-once question (Yes/No with "Don't ask this again"). Returns true for Yes.
class AskOnce {
public:
    virtual ~AskOnce() = default;
    virtual bool ask(const QString& key, const QString& question) = 0;
};

class QuoteKeeper : public QObject {
    Q_OBJECT
public:
    QuoteKeeper(SettingsStore& store, platform::Desktop& desktop, AskOnce& askOnce,
                QObject* parent = nullptr);

    enum class Outcome {
        Changed, // a quote was fetched (it may be empty when the store had none)
        Quit,    // no data file and the user chose none: the program ends
        Failed,  // a store or file call failed; the user was told, nothing changed
    };

    // offerSignature is true only at start-up: then a missing signature is offered to be
    // created. The signature files get the quote in slices from the event loop when there are
    // many (signature 1 at once); a failure naming reportedFile is not told again, nor one
    // that the last refresh told already.
    Outcome nextQuote(bool offerSignature = false, const QString& reportedFile = {});
    // The signature list was saved: a file that still cannot be written is told again.
    void signaturesSaved() { refresher_.forgetTold(); }

    // For callers that must not wait on a person (automation): a new quote with no dialog at
    // all. error says what failed; noDataFile when the user must choose a data file first.
    struct Unattended {
        bool changed = false;
        bool noDataFile = false;
        QString error;
    };
    Unattended changeUnattended();
    // The user is being asked for a data file just now.
    bool choosingDataFile() const { return choosingDataFile_; }
    // Lets the user choose the data file; true when one was chosen.
    bool changeQuoteFile();
    // Adds the clipboard text to the data file as one line.
    void addClipboard();
    // Deletes the current quote from the data file and fetches a new one (Changed), or
    // says why not (Failed). Quit as for nextQuote().
    Outcome deleteQuote();
    // Offers to create a signature when "CreateSignature" reads "ask".
    void askCreateSignature();

    const CurrentQuote& current() const { return current_; }

signals:
    // The store has answered nextQuote()'s request. Whatever follows may ask the user, so a
    // busy pointer shown for the fetch goes now.
    void quoteFetched();
    // The current quote is another one now.
    void quoteChanged(const QString& quote);
    // The user accepted the offer to create a signature.
    void signatureWindowWanted();
    // A signature refresh has ended: before changeUnattended() returns for a short list,
    // later for a long one. failures: sentences naming the files that could not be written.
    void signaturesWritten(const QStringList& failures);

private:
    bool confirm(std::string_view key, const QString& question);
    void refreshEnded(const QStringList& failures, const QStringList& untold);
    void takeQuote(const QuoteResult& quote);
    // Puts the current quote into the signature files and says it changed; false when there
    // is no signature.
    bool publish(const QString& reportedFile = {});

    SettingsStore& store_;
    platform::Desktop& desktop_;
    AskOnce& askOnce_;
    CurrentQuote current_;
    SignatureRefresher refresher_;
    bool choosingDataFile_ = false;
    bool failureBoxOpen_ = false;
};

} // namespace sentari::tray
