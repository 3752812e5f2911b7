#include "signature/signaturewindow.h"

#include "platform/colour.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/helppages.h"
#include "platform/qtstring.h"
#include "platform/twips.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <filesystem>

namespace sentari::signature {

using platform::reportingFailures;

namespace {

QString richTextAdvice()
{
    // The tag is what the file must hold, so it stays as it is in every language.
    return withCrLf(SignatureWindow::tr("Sentari cannot open a Richtext formatted file.\n"
                                        "Sentari can only save in the Richtext format.\n"
                                        "\n"
                                        "If you want to attach a quote to an existing RTF file\n"
                                        "add the following tag to that file using your favorite "
                                        "editor:\n"
                                        "\n"
                                        "%1"))
        .arg(qs(QuoteTag));
}

// Entries listed in the File menu itself; the others are in its "More" submenu, so that
// Exit stays in reach with a thousand signatures.
constexpr std::size_t MenuEntries = 10;

class ScrollingMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_Menu_Scrollable)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// A path (bytes) as a caption, a menu entry or a message names it.
QString shown(const std::string& path)
{
    return qs(displayPath(path));
}

} // namespace

QString defaultSignatureFile()
{
    return QDir::home().filePath(QStringLiteral("signature.txt"));
}

SignatureWindow::SignatureWindow(SettingsStore& store, platform::Desktop& desktop,
                                 const QIcon& icon, QWidget* parent)
    : QMainWindow(parent), store_(store), desktop_(desktop), list_(store),
      editor_(new QPlainTextEdit)
{
    setWindowTitle(tr("Signature control"));
    setWindowIcon(icon);
    buildMenus();

    const platform::TwipsScale twips(desktop_.twipsPerPixel());
    auto* frame = new QFrame;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(twips.x(255), twips.y(270), twips.x(255), twips.y(270));
    layout->addWidget(editor_);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->setAccessibleName(tr("Signature"));
    // Ctrl+A is the menu's Add, also while the editor has the focus.
    editor_->installEventFilter(this);
    setCentralWidget(frame);
    const QSize client = twips.size(6405, 3915);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());

    reportingFailures<StoreError>(desktop_, [this] { list_.load(); });
    if (list_.count() > 0) {
        showEntry(1);
    } else {
        setEditorText(defaultTemplate());
        applyStyle();
    }
    refreshEntryMenu();
    editor_->setFocus();
}

void SignatureWindow::buildMenus()
{
    auto add = [this](QMenu* menu, const QString& caption, auto command,
                      const QKeySequence& shortcut = {}) {
        QAction* action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    add(fileMenu_, tr("&Clear"), &SignatureWindow::clear);
    add(
        fileMenu_, tr("&Open"), [this] { open(); }, Qt::CTRL | Qt::Key_O);
    add(fileMenu_, tr("&Save"), &SignatureWindow::save, Qt::CTRL | Qt::Key_S);
    add(fileMenu_, tr("&Save as"), &SignatureWindow::saveAs);
    fileMenu_->addSeparator();
    add(fileMenu_, tr("&Add"), &SignatureWindow::addEntry, Qt::CTRL | Qt::Key_A);
    add(fileMenu_, tr("&Remove"), &SignatureWindow::removeEntry, Qt::CTRL | Qt::Key_R);
    fileMenu_->addSeparator();
    beforeExit_ = fileMenu_->addSeparator();
    add(fileMenu_, tr("&Exit"), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, tr("&Font (RichText)"), &SignatureWindow::chooseFont);
    add(edit, tr("&Color (RichText)"), &SignatureWindow::chooseColour);
    edit->addSeparator();
    newQuoteAfterRead_ = edit->addAction(tr("&New Quote After Each Read"));
    newQuoteAfterRead_->setCheckable(true);
    reportingFailures<StoreError>(desktop_, [this] {
        newQuoteAfterRead_->setChecked(store_.readSetting(keys::NewQuoteAfterRead) ==
                                       keys::NewQuoteAfterReadOn);
    });
    connect(newQuoteAfterRead_, &QAction::toggled, this, &SignatureWindow::setNewQuoteAfterRead);
    QMenu* insert = menuBar()->addMenu(tr("&Insert"));
    add(insert, tr("&Random Quote"), &SignatureWindow::insertTag, Qt::CTRL | Qt::Key_I);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("&Help"), &SignatureWindow::help, Qt::Key_F1);
}

bool SignatureWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier) {
            event->ignore(); // not the editor's Select All: let the shortcut have it
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QString SignatureWindow::editorText() const
{
    return withCrLf(editor_->toPlainText());
}

void SignatureWindow::setEditorText(const QString& crlfText)
{
    QString text = crlfText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    editor_->setPlainText(text);
}

void SignatureWindow::applyStyle()
{
    QFont font(style_.family);
    font.setPointSizeF(style_.pointSize);
    editor_->setFont(font);
    // A plain entry (and the template before any) is plain text in the theme's colours; a
    // rich one or a chosen colour shows its colour on a background it reads on, as a word
    // processor's page. A font alone changes no colour.
    QPalette palette = this->palette();
    const bool rich = (currentEntry_ >= 1 && currentEntry_ <= list_.count() &&
                       isRichText(list_.at(currentEntry_).path)) ||
                      colourChosen_;
    if (rich) {
        const QColor text = platform::toQColor(style_.colour);
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::Base,
                         platform::readableBackground(text, palette.color(QPalette::Base)));
    }
    editor_->setPalette(palette);
}

void SignatureWindow::refreshEntryMenu()
{
    const auto count = static_cast<std::size_t>(list_.count());
    for (std::size_t i = entryActions_.size(); i < count; ++i) {
        auto* action = new QAction(this);
        const int n = static_cast<int>(i) + 1;
        connect(action, &QAction::triggered, this, [this, n] { showEntry(n); });
        if (i < MenuEntries) {
            fileMenu_->insertAction(beforeExit_, action);
        } else {
            if (!moreMenu_)
                makeMoreMenu();
            moreMenu_->addAction(action);
        }
        entryActions_.push_back(action);
    }
    for (std::size_t i = 0; i < count; ++i) {
        QString path = shown(list_.at(static_cast<int>(i) + 1).path);
        path.replace(QLatin1Char('&'), QStringLiteral("&&")); // shown, not an access key
        entryActions_[i]->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') +
                                  path);
        entryActions_[i]->setVisible(true);
    }
    for (std::size_t i = count; i < entryActions_.size(); ++i)
        entryActions_[i]->setVisible(false);
    if (moreMenu_)
        moreMenu_->menuAction()->setVisible(count > MenuEntries);
}

void SignatureWindow::makeMoreMenu()
{
    moreMenu_ = new QMenu(tr("&More"), fileMenu_);
    // Scrolls rather than spreading over the screen in columns, however long the list.
    auto* scrolling = new ScrollingMenuStyle;
    scrolling->setParent(moreMenu_);
    moreMenu_->setStyle(scrolling);
    fileMenu_->insertMenu(beforeExit_, moreMenu_);
}

void SignatureWindow::clear()
{
    setWindowTitle(tr("Signature file"));
    editor_->clear();
}

void SignatureWindow::showEntry(int n)
{
    if (n < 1 || n > list_.count())
        return;
    currentEntry_ = n;
    const SignatureEntry& entry = list_.at(n);
    setEditorText(entry.intro);
    setWindowTitle(shown(entry.path));
    style_ = styleOf(entry);
    colourChosen_ = false;
    applyStyle();
}

platform::FileDialogRequest SignatureWindow::fileRequest(const QString& title,
                                                         const QString& path) const
{
    platform::FileDialogRequest request;
    request.title = title;
    //: Only the names before the brackets are shown; the patterns stay as they are.
    request.filter = tr("Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf |HTML File (*.htm)|*.htm");
    request.initialPath = path;
    request.fileMustExist = false;
    return request;
}

bool SignatureWindow::open()
{
    const auto name = desktop_.openFileName(fileRequest(tr("Open"), defaultSignatureFile()));
    if (!name || name->isEmpty())
        return false;
    const std::string path = pathBytes(*name);
    if (isRichText(path)) {
        desktop_.message(richTextAdvice(), platform::MessageStyle::Information);
        return false;
    }
    QString text;
    if (!reportingFailures<StoreError>(desktop_, [&] { text = readSignatureFile(store_, path); }))
        return false;
    setEditorText(text);
    setWindowTitle(shown(path));
    list_.put(currentEntry_, entryFor(path, text, style_));
    refreshEntryMenu();
    return true;
}

void SignatureWindow::writeEntry(const std::string& path, QString& unwritten)
{
    const QString text = editorText();
    list_.put(currentEntry_, entryFor(path, text, style_));
    refreshEntryMenu();
    if (!reportingFailures<StoreError>(desktop_,
                                       [&] { writeSignatureFile(store_, path, text, style_); }))
        unwritten = shown(path);
}

bool SignatureWindow::saveWithDialog(QString& unwritten)
{
    const bool unsaved = list_.count() == 0 || currentEntry_ > list_.count();
    // Only a proposal: a name that is not UTF-8 shows with U+FFFD, and what the user
    // accepts is what the dialog answers.
    const auto name = desktop_.saveFileName(fileRequest(
        tr("Save As"),
        unsaved ? defaultSignatureFile()
                : QFile::decodeName(QByteArray::fromStdString(list_.at(currentEntry_).path))));
    if (!name || name->isEmpty())
        return false;
    const std::string path = pathBytes(*name);
    writeEntry(path, unwritten);
    setWindowTitle(shown(path));
    return true;
}

bool SignatureWindow::saveCurrent(QString& unwritten)
{
    if (list_.count() == 0 || currentEntry_ > list_.count())
        return saveWithDialog(unwritten);
    const std::string path = list_.at(currentEntry_).path;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) // gone since: ask where it goes now
        return saveWithDialog(unwritten);
    writeEntry(path, unwritten);
    return true;
}

void SignatureWindow::storeList(const QString& unwritten)
{
    // Also after a cancelled dialog: the list in memory (an opened file, say) is stored and
    // the files get a new quote.
    keptTheirsShown_ = false;
    reportingFailures<StoreError>(desktop_, [this] {
        const int now = list_.write([this](const auto& c) { return oursWins(c); }, currentEntry_);
        currentEntry_ = now > 0 ? now : list_.count() + 1;
    });
    refreshEntryMenu();
    if (keptTheirsShown_)
        showEntry(currentEntry_);
    emit saved(unwritten);
}

bool SignatureWindow::oursWins(const SignatureConflict& conflict)
{
    const QString number = QString::number(conflict.number);
    QString text;
    if (conflict.number == 0)
        text = tr("The signature %1 was removed by another program since this window read it."
                  "\n\nSave this window's version as a new signature? No leaves it removed.")
                   .arg(shown(conflict.ours.path));
    else if (conflict.removing)
        text = tr("Signature %1 (%2) was changed by another program since this window read it."
                  "\n\nRemove it anyway? No keeps the other program's version.")
                   .arg(number, shown(conflict.theirs.path));
    else
        text = tr("Signature %1 (%2) was changed by another program since this window read it."
                  "\n\nSave this window's version over it? No keeps the other program's "
                  "version.")
                   .arg(number, shown(conflict.theirs.path));
    const bool ours = desktop_.message(withCrLf(text), platform::MessageStyle::QuestionYesNo) ==
                      platform::Answer::Yes;
    const bool shownEntry = currentEntry_ >= 1 && currentEntry_ <= list_.count() &&
                            list_.at(currentEntry_) == conflict.ours;
    keptTheirsShown_ = keptTheirsShown_ || (!ours && shownEntry && conflict.number != 0);
    return ours;
}

void SignatureWindow::save()
{
    QString unwritten;
    saveCurrent(unwritten);
    storeList(unwritten);
}

void SignatureWindow::saveAs()
{
    QString unwritten;
    saveWithDialog(unwritten);
    storeList(unwritten);
}

void SignatureWindow::addEntry()
{
    if (currentEntry_ > list_.count())
        return; // the current entry is a new one already
    currentEntry_ = list_.count() + 1;
    clear();
}

void SignatureWindow::removeEntry()
{
    if (list_.count() == 0 || currentEntry_ > list_.count()) {
        clear(); // nothing saved is current
        return;
    }
    int before = 0;
    if (!reportingFailures<StoreError>(desktop_, [this, &before] {
            before = list_.remove(
                currentEntry_, [this](const auto& c) { return oursWins(c); }, currentEntry_ - 1);
        }))
        return;
    refreshEntryMenu();
    if (list_.count() == 0) {
        currentEntry_ = 1;
        clear();
        return;
    }
    showEntry(std::max(1, before));
}

void SignatureWindow::chooseFont()
{
    if (const auto font = desktop_.chooseFont({style_.family, style_.pointSize})) {
        style_.family = font->family;
        style_.pointSize = font->pointSize;
        applyStyle();
    }
}

void SignatureWindow::chooseColour()
{
    if (const auto colour = desktop_.chooseColor(style_.colour)) {
        style_.colour = *colour;
        colourChosen_ = true;
        applyStyle();
    }
}

void SignatureWindow::setNewQuoteAfterRead(bool on)
{
    // Off is the key's absence, as before anyone switched it on.
    const bool stored = reportingFailures<StoreError>(desktop_, [&] {
        if (on)
            store_.writeSetting(keys::NewQuoteAfterRead, keys::NewQuoteAfterReadOn);
        else
            store_.deleteSetting(keys::NewQuoteAfterRead);
    });
    if (!stored) {
        const QSignalBlocker quiet(newQuoteAfterRead_);
        newQuoteAfterRead_->setChecked(!on);
        return;
    }
    emit newQuoteAfterReadChanged();
}

void SignatureWindow::insertTag()
{
    insertQuoteTag(*editor_);
}

void SignatureWindow::help()
{
    platform::openHelpPage(desktop_, QStringLiteral("signaturewindowhelp.htm"));
}

} // namespace sentari::signature
