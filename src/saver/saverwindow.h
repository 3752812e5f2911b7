#pragma once

#include "saver/saverengine.h"
#include "saver/saversettings.h"

#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sentari::platform {
class ScreenGuard;
}

namespace sentari::saver {

class UnlockPanel;

struct SaverServices {
    QuoteSource fetchQuote;
    std::function<QString()> readPassword; // the stored, coded form
    std::function<void(const QString& text)> message;
};

// The full-screen saver and its lock: topmost above everything, pointer hidden, keyboard
// and mouse held. The first input ends it, or, with a password stored, brings up the
// unlock panel, which only the right password gets past. A stored password that cannot
// be decoded could never be typed, so it does not lock.
class SaverWindow : public QWidget {
    Q_OBJECT
public:
    SaverWindow(SaverSettings settings, SaverServices services, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(SaverWindow)
    ~SaverWindow() override;

    void begin();
    void endSaver();

    QPoint startCursor() const { return startCursor_; }
    bool ended() const { return ended_; }
    // The first mouse move or key press was taken; later ones on the window do nothing.
    bool firstInputHandled() const { return firstInputHandled_; }
    bool unlocked() const { return unlocked_; }
    UnlockPanel* unlockPanel() const { return unlockPanel_; }
    // Tells that another program holds the keyboard or mouse.
    QWidget* inputNotice() const { return inputNotice_; }
    SaverEngine* engine() const { return engine_.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The stored password: nothing when none is stored or it is damaged.
    std::optional<QString> lockPassword() const;
    void handleFirstInput();
    void passwordEntered(const QString& typed);
    void noDataFile();
    void leaveScreen();
    void releaseInput();

    SaverSettings settings_;
    SaverServices services_;
    std::unique_ptr<SaverEngine> engine_;
    QPoint startCursor_;
    bool firstInputHandled_ = false;
    bool unlocked_ = false;
    bool ended_ = false;
    bool cursorHidden_ = false;
    std::optional<QString> lockedWith_; // what unlocks this lock; nothing: no lock
    UnlockPanel* unlockPanel_ = nullptr;
    QWidget* inputNotice_ = nullptr;
    std::unique_ptr<platform::ScreenGuard> guard_;
};

} // namespace sentari::saver
