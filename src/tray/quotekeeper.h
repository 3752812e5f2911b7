#pragma once

// The quote data file and the current quote of the tray program: every change of the
// current quote runs through nextQuote(), which also refreshes the signature files.

#include "platform/desktop.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <string_view>

namespace sentari {
class SettingsStore;
}

namespace sentari::tray {

struct CurrentQuote {
    QString text;     // empty when there is none
    qint64 index = 0; // 1-based line number in the data file
    QString quoteFilePath;
    QString signatureText; // signature 1 with the current quote, plain text
    QByteArray signatureRtf;
};

// The ask-once question (Yes/No with "Don't ask this again"). Returns true for Yes.
class AskOnce {
public:
    virtual ~AskOnce() = default;
    virtual bool ask(const QString& key, const QString& question) = 0;
};

class QuoteKeeper {
public:
    QuoteKeeper(SettingsStore& store, platform::Desktop& desktop, AskOnce& askOnce);

    enum class Outcome {
        Changed, // a quote was fetched (it may be empty when the store had none)
        Quit,    // no data file and the user chose none: the program ends
        Failed,  // a store or file call failed; the user was told, nothing changed
    };

    // askFlag is true only at start-up: then a missing signature is offered to be created.
    // busy, when given, is the caller's busy pointer: it goes once the quote is fetched and
    // before the user is asked anything, so no question appears under an hourglass.
    Outcome nextQuote(bool askFlag, std::optional<platform::BusyPointer>* busy = nullptr);
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

    // Proposed in the data file dialog; the bundled "wisdom.txt" when empty.
    QString defaultDataFile;
    // Opens the signature window (the offer was accepted).
    std::function<void()> openSignatureWindow;
    // The current quote was changed by a menu action (the tray refreshes its icon).
    std::function<void()> quoteChanged;

private:
    void showFailure(const QString& text);
    bool confirm(std::string_view key, const QString& question);

    SettingsStore& store_;
    platform::Desktop& desktop_;
    AskOnce& askOnce_;
    CurrentQuote current_;
};

// Joins clipboard text into one line: cut at CR LF, leading empty lines dropped, every
// later part appended after one space.
QString joinLines(const QString& source);

} // namespace sentari::tray
