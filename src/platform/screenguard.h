#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>

class QSocketNotifier;
struct xcb_connection_t;

namespace sentari::platform {

// Keeps a full-screen window (the saver) in charge of an X11 display for as long as it runs: holds
// keyboard and pointer (asking again while another client holds them), stays above the
// windows other clients map or raise, and takes the input focus back when another client
// moves it. It watches the display through a connection of its own, so the toolkit never
// sees the other clients' window traffic. Off X11 it asks for the grabs once and says
// nothing.
class ScreenGuard : public QObject {
    Q_OBJECT
public:
    // main takes the grabs and the focus.
    explicit ScreenGuard(QWidget* main, QObject* parent = nullptr);
    Q_DISABLE_COPY_MOVE(ScreenGuard)
    ~ScreenGuard() override;

    // After the windows are shown.
    void start();
    // Lets go of keyboard and pointer and stops watching.
    void stop();

signals:
    // Another program holds the keyboard or the pointer (true), or let go of it (false).
    void inputBlocked(bool blocked);

private:
    void tryGrabs();
    // Whether another client could grab the pointer now (asked on the watching connection).
    bool pointerGrabbable() const;
    void readEvents();
    void closeWatch();
    void handleEvent(const void* message);
    void raiseAbove();
    void takeFocus();
    bool ours(std::uint32_t window) const;
    std::uint32_t mainWindow() const;

    QPointer<QWidget> main_;
    bool running_ = false;
    bool keyboardHeld_ = false;
    bool pointerHeld_ = false;
    bool blocked_ = false;
    int failedGrabs_ = 0;
    QTimer grabRetry_;
    QTimer raiseSoon_;
    QTimer focusSoon_;
    // The watching connection; null off X11 or when it could not be opened.
    xcb_connection_t* watch_ = nullptr;
    QSocketNotifier* watchNotifier_ = nullptr;
    std::uint32_t root_ = 0;
    // The toolkit's windows: ids its connection allocates.
    std::uint32_t idBase_ = 0;
    std::uint32_t idMask_ = 0;
};

} // namespace sentari::platform
