#include "quotekeeper.h"

#include "platform/apppaths.h"
#include "platform/failure.h"
#include "platform/qtstring.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tray/joinlines.h"

#include <QScopeGuard>
#include <QStringList>
#include <QTimer>

namespace sentari::tray {

using platform::Answer;
using platform::MessageStyle;

QuoteKeeper::QuoteKeeper(SettingsStore& store, platform::Desktop& desktop, AskOnce& askOnce,
                         QObject* parent)
    : QObject(parent), store_(store), desktop_(desktop), askOnce_(askOnce), refresher_(store)
{
    connect(&refresher_, &SignatureRefresher::finished, this, &QuoteKeeper::refreshEnded);
}

void QuoteKeeper::takeQuote(const QuoteResult& quote)
{
    current_.text = qs(quote.text);
    current_.index = quote.number;
    current_.quoteFilePath = quote.path;
}

QuoteKeeper::Outcome QuoteKeeper::nextQuote(bool offerSignature, const QString& reportedFile)
{
    QuoteResult quote;
    try {
        store_.prepare();
        quote = store_.getQuote();
    } catch (const StoreError& e) {
        emit quoteFetched();
        platform::reportFailure(desktop_, e);
        return Outcome::Failed;
    }
    emit quoteFetched();
    takeQuote(quote);

    if (quote.noDataFile) {
        // Automation calls that come meanwhile are told so at once instead of waiting.
        choosingDataFile_ = true;
        const auto asked = qScopeGuard([this] { choosingDataFile_ = false; });
        // A chosen file that cannot serve is named, with the reason, below the usual text.
        QString message = tr("Currently you have no active Sentari datafile. Choose a datafile.");
        if (!quote.path.empty() && !quote.problem.empty())
            message += QStringLiteral("\n\n") + QString::fromStdString(quote.problem);
        desktop_.message(message, MessageStyle::Question);
        current_.quoteFilePath.clear();
        changeQuoteFile();
        if (current_.quoteFilePath.empty())
            return Outcome::Quit;
        // The chosen file gives the quote at once instead of at the next change.
        platform::reportingFailures<StoreError>(desktop_, [&] {
            quote = store_.getQuote();
            if (!quote.noDataFile) {
                current_.text = qs(quote.text);
                current_.index = quote.number;
            }
        });
    }

    if (!publish(reportedFile) && offerSignature)
        askCreateSignature();
    return Outcome::Changed;
}

bool QuoteKeeper::publish(const QString& reportedFile)
{
    const std::optional<FirstSignature> first = refresher_.start(current_.text, reportedFile);
    if (first) {
        current_.signatureText = first->text;
        current_.signatureRtf = first->rtf;
    }
    emit quoteChanged(current_.text);
    return first.has_value();
}

QuoteKeeper::Unattended QuoteKeeper::changeUnattended()
{
    QuoteResult quote;
    try {
        store_.prepare();
        quote = store_.getQuote();
    } catch (const StoreError& e) {
        return {false, false, QString::fromUtf8(e.what())};
    }
    if (quote.noDataFile) {
        const QString reason = quote.path.empty() || quote.problem.empty()
                                   ? tr("No quote data file is chosen yet.")
                                   : QString::fromStdString(quote.problem);
        return {false, true,
                reason + QLatin1Char(' ') +
                    tr("Sentari asks the user at the screen to choose a quote data file.")};
    }
    takeQuote(quote);
    publish();
    return {true, false, {}};
}

void QuoteKeeper::refreshEnded(const QStringList& failures, const QStringList& untold)
{
    emit signaturesWritten(failures);
    // Told from the event loop, so that no caller (a D-Bus call, a click) waits on the box;
    // one box at a time however often the refresh fails meanwhile.
    if (untold.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, failures = untold] {
        if (failureBoxOpen_)
            return;
        failureBoxOpen_ = true;
        desktop_.message(tr("The new quote could not be put into every signature file.\n\n%1")
                             .arg(failures.join(QLatin1Char('\n'))),
                         MessageStyle::Warning);
        failureBoxOpen_ = false;
    });
}

bool QuoteKeeper::changeQuoteFile()
{
    platform::FileDialogRequest request;
    request.title = tr("Choose the Sentari data file");
    //: Only the name before the brackets is shown; the pattern stays as it is.
    request.filter = tr("Text (*.txt)|*.txt");
    request.initialPath = platform::userQuoteFile();
    request.fileMustExist = false;
    const auto chosen = desktop_.openFileName(request);
    if (!chosen || chosen->isEmpty())
        return false;
    std::string path = pathBytes(*chosen);
    if (!platform::reportingFailures<StoreError>(
            desktop_, [&] { store_.writeSetting(keys::QuoteFile, path); }))
        return false;
    current_.quoteFilePath = std::move(path);
    return true;
}

bool QuoteKeeper::confirm(std::string_view key, const QString& question)
{
    // Only the exact word "ask" asks; anything else, empty included, means go ahead.
    if (store_.readSetting(key) != keys::Ask)
        return true;
    return askOnce_.ask(qs(key), question);
}

void QuoteKeeper::addClipboard()
{
    platform::reportingFailures<StoreError>(desktop_, [this] {
        if (!confirm(keys::AddClipboard,
                     tr("Do you want to add the current clipboard content to the Sentari "
                        "datafile?")))
            return;
        const QString source = desktop_.clipboardText();
        if (source.isEmpty())
            return;
        if (current_.quoteFilePath.empty()) {
            desktop_.message(tr("There is no active Sentari datafile to add the quote to. Choose "
                                "one with \"Change Sentari data file\"."),
                             MessageStyle::Information);
            return;
        }
        platform::BusyPointer busy(desktop_);
        store_.addQuote(current_.quoteFilePath, u8(joinLines(source)));
    });
}

QuoteKeeper::Outcome QuoteKeeper::deleteQuote()
{
    if (current_.text.isEmpty() || current_.quoteFilePath.empty()) {
        desktop_.message(tr("There is no current quote to delete."), MessageStyle::Information);
        return Outcome::Failed;
    }
    // The quote the user asked to delete: an automation call served while the question is
    // open may change the current one meanwhile.
    const CurrentQuote target = current_;
    if (desktop_.message(tr("Are you sure you want to delete the current quote?"),
                         MessageStyle::QuestionYesNo) != Answer::Yes)
        return Outcome::Failed;
    {
        platform::BusyPointer busy(desktop_);
        QuoteDeletion done;
        if (!platform::reportingFailures<StoreError>(desktop_, [&] {
                done = store_.deleteQuote(target.quoteFilePath, target.index, u8(target.text));
                if (done.deleted)
                    store_.writeSetting(keys::Regmax, std::to_string(done.remainingLines));
            }))
            return Outcome::Failed;
        if (!done.deleted) {
            desktop_.message(tr("The current quote is no longer in the data file \"%1\"; nothing "
                                "was deleted.")
                                 .arg(qs(displayPath(target.quoteFilePath))),
                             MessageStyle::Information);
            return Outcome::Failed;
        }
    }
    return nextQuote();
}

void QuoteKeeper::askCreateSignature()
{
    bool ask = false;
    if (!platform::reportingFailures<StoreError>(
            desktop_, [&] { ask = store_.readSetting(keys::CreateSignature) == keys::Ask; }) ||
        !ask)
        return;
    if (askOnce_.ask(
            qs(keys::CreateSignature),
            tr("Do you want to create/select an e-mail signature file?\n\n"
               "- Your quotes will be automatically added to this file.\n"
               "- You can always do this later by selecting 'Change Signature' from the Sentari "
               "menu (right click the Sentari icon).")))
        emit signatureWindowWanted();
}

} // namespace sentari::tray
