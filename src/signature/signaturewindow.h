#pragma once

// The signature window: the user writes signature templates, picks their files and, for
// rich-text files, their font, and manages the list of signatures. It edits one entry at a
// time; nothing reaches the store or the files before Save or Save as, and closing it
// discards what was not saved, without asking.

#include "signature/signaturefiles.h"
#include "signature/signaturelist.h"

#include <QIcon>
#include <QMainWindow>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace sentari {
class SettingsStore;
}
namespace sentari::platform {
class Desktop;
struct FileDialogRequest;
} // namespace sentari::platform

namespace sentari::signature {

class SignatureWindow : public QMainWindow {
    Q_OBJECT
public:
    // Loads the stored list and shows its first entry, or the default template when there
    // is none. The icon is the program's own (the tray icon).
    SignatureWindow(SettingsStore& store, platform::Desktop& desktop, const QIcon& icon,
                    QWidget* parent = nullptr);

    // The menu commands.
    void clear();
    bool open();
    void save();
    void saveAs();
    void addEntry();
    void removeEntry();
    void showEntry(int n);
    void chooseFont();
    void chooseColour();
    void insertTag();
    void help();
    // Sentari's own option: a new quote whenever another program has read a signature file.
    void setNewQuoteAfterRead(bool on);

    QPlainTextEdit* editor() const { return editor_; }
    QMenu* fileMenu() const { return fileMenu_; }
    // The editor's text with CR LF line breaks, as templates are stored.
    QString editorText() const;
    const TextStyle& style() const { return style_; }
    // 1-based; count() + 1 while a new entry is not saved yet.
    int currentEntry() const { return currentEntry_; }
    const SignatureList& list() const { return list_; }

signals:
    // After every Save and Save as, even a cancelled one: the list is stored, and every
    // signature file should now get a new quote. unwrittenFile, when not empty, is a
    // signature file this save could not write, named as messages show it (displayPath());
    // the user has been told already.
    void saved(const QString& unwrittenFile);
    // The user switched "NewQuoteAfterRead" and the store holds the new value.
    void newQuoteAfterReadChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void setEditorText(const QString& crlfText);
    void applyStyle();
    void refreshEntryMenu();
    void makeMoreMenu();
    platform::FileDialogRequest fileRequest(const QString& title, const QString& path) const;
    bool saveCurrent(QString& unwritten);
    bool saveWithDialog(QString& unwritten);
    void writeEntry(const std::string& path, QString& unwritten);
    void storeList(const QString& unwritten);
    // Asks whether this window's change wins over another program's.
    bool oursWins(const SignatureConflict& conflict);

    SettingsStore& store_;
    platform::Desktop& desktop_;
    SignatureList list_;
    int currentEntry_ = 1;
    bool keptTheirsShown_ = false; // the user let another program's version of the entry shown win
    TextStyle style_{QStringLiteral("Arial"), 12, 0};
    // Picked in the colour dialog since the entry was shown: a plain entry then shows it too.
    bool colourChosen_ = false;
    QPlainTextEdit* editor_;
    QMenu* fileMenu_ = nullptr;
    QAction* beforeExit_ = nullptr; // the separator that closes the list of entries
    QMenu* moreMenu_ = nullptr;     // the entries after the first ones, once there are that many
    QAction* newQuoteAfterRead_ = nullptr;
    std::vector<QAction*> entryActions_;
};

// Where Open and a first Save propose a file: signature.txt in the user's home folder.
QString defaultSignatureFile();

} // namespace sentari::signature
