#pragma once

#include "saverengine.h"
#include "saversettings.h"

#include <QLineEdit>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QFrame;
class QLabel;

namespace sentari::saver {

struct SaverServices {
    std::function<FetchedQuote()> fetchQuote;
    std::function<QString()> readPassword; // the stored, coded form
    std::function<void(const QString& text)> message;
};

// The full-screen saver: topmost above everything, pointer hidden, keyboard and mouse
// held, ended by input or, with a password, by the unlock panel.
class SaverWindow : public QWidget {
    Q_OBJECT
public:
    SaverWindow(const SaverSettings& settings, SaverServices services, QWidget* parent = nullptr);
    ~SaverWindow() override;

    void begin();
    void endSaver();

    QPoint startCursor() const { return startCursor_; }
    bool ended() const { return ended_; }
    bool passwordPending() const { return passwordPending_; }
    bool unlocked() const { return unlocked_; }
    QFrame* panel() const { return panel_; }
    QLineEdit* passwordBox() const { return txtPassword_; }
    SaverEngine* engine() const { return engine_.get(); }

    // True when the saver may end now; otherwise the unlock panel is up.
    bool checkPassword();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void exitTest();
    void passwordEntered();
    void noDataFile();
    void leaveScreen();
    void grabInput(int attemptsLeft);
    void releaseInput();

    SaverSettings settings_;
    SaverServices services_;
    std::unique_ptr<SaverEngine> engine_;
    QPoint startCursor_;
    bool passwordPending_ = false;
    bool unlocked_ = false;
    bool ended_ = false;
    bool cursorHidden_ = false;
    QFrame* panel_ = nullptr;
    QLabel* panelCaption_ = nullptr;
    QLineEdit* txtPassword_ = nullptr;
    std::vector<std::unique_ptr<QWidget>> otherScreens_;
};

} // namespace sentari::saver
