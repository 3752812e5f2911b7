#pragma once

#include "platform/twips.h"

#include <QFrame>
#include <cstdint>

class QLineEdit;

namespace sentari::saver {

// Asks for the password over the saver: a caption and a masked box, a third down the
// screen. While shown the box keeps the keyboard focus; Enter hands over what was typed.
class UnlockPanel : public QFrame {
    Q_OBJECT
public:
    // Colours as stored (0x00BBGGRR); parent: the full-screen window it is centred on.
    UnlockPanel(const platform::TwipsScale& twips, std::uint32_t background,
                std::uint32_t textColour, QWidget* parent);
    // Centred across the area, a third of the way down (the primary monitor's part).
    void placeIn(const QRect& area);

    // Shows the panel with an empty box that has the focus and the keyboard.
    void open();
    QLineEdit* passwordBox() const { return box_; }

signals:
    void passwordEntered(const QString& typed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
};

} // namespace sentari::saver
