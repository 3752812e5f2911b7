#pragma once

// The menu of a right press on the tray icon: its items in order, each with what it does.

#include <QObject>
#include <QPoint>
#include <memory>

class QMenu;

namespace sentari {
class SettingsStore;
}
namespace sentari::platform {
class Desktop;
}

namespace sentari::tray {

class QuoteKeeper;

class TrayMenu : public QObject {
    Q_OBJECT
public:
    TrayMenu(SettingsStore& store, platform::Desktop& desktop, QuoteKeeper& keeper,
             QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TrayMenu)
    ~TrayMenu() override;

    // Opens the menu for a right press with the pointer at `cursor`. Where it can be a pop-up
    // that closes on a click elsewhere, returns when it closes; elsewhere (Wayland) at once,
    // and dismiss() closes it. The chosen item runs from the event loop either way.
    void open(QPoint cursor);
    void dismiss();
    // Built on first use. "Change Signature" is usable only while a window listens to
    // signatureWindowWanted.
    QMenu* menu();

    // What the items do.
    void openHelp();
    void runScreenSaver();
    void copyQuote();
    void addClipboardToQuotes();
    void deleteQuote();
    void changeDataFile();
    void openSignatureWindow();
    void copySignature();
    void requestExit();

signals:
    // Around each chosen item's action: other requests wait until it is done.
    void actionStarted();
    void actionFinished();
    // "Change Signature" was chosen.
    void signatureWindowWanted();
    // "Exit" was chosen, or the user chose no data file when asked for one.
    void exitRequested();

private:
    void build();
    void updateItems();

    SettingsStore& store_;
    platform::Desktop& desktop_;
    QuoteKeeper& keeper_;
    std::unique_ptr<QMenu> menu_;
};

} // namespace sentari::tray
