#include "unlockpanel.h"

#include "platform/colour.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace sentari::saver {

UnlockPanel::UnlockPanel(const platform::TwipsScale& twips, std::uint32_t background,
                         std::uint32_t textColour, QWidget* parent)
    : QFrame(parent)
{
    const QSize size(twips.xFloor(6555), twips.yFloor(975));
    resize(size);
    placeIn(parent->rect());
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, platform::toQColor(background));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto* caption = new QLabel(tr("Enter your password to unlock"), this);
    caption->setFont(QFont(QStringLiteral("MS Sans Serif")));
    caption->setPalette(pal);
    caption->move(twips.xFloor(120), 2);

    // Made after the caption, so that it stacks and takes focus after it.
    box_ = new QLineEdit(this); // NOLINT(cppcoreguidelines-prefer-member-initializer)
    box_->setEchoMode(QLineEdit::Password);
    // The toolkit lets go of the pointer grab when a pop-up menu closes; a password box's
    // menu offers nothing anyway.
    box_->setContextMenuPolicy(Qt::NoContextMenu);
    QFont boxFont(QStringLiteral("Verdana"));
    boxFont.setBold(true);
    boxFont.setPointSize(24);
    box_->setFont(boxFont);
    box_->setGeometry(twips.xFloor(180), twips.yFloor(240), twips.xFloor(6195), twips.yFloor(690));
    box_->setStyleSheet(
        QStringLiteral("QLineEdit { color: %1; background: %2; "
                       "lineedit-password-character: 42; }")
            .arg(platform::toQColor(textColour).name(), platform::toQColor(background).name()));
    box_->installEventFilter(this);
    hide();
}

void UnlockPanel::placeIn(const QRect& area)
{
    move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 3 - height() / 2);
}

void UnlockPanel::open()
{
    show();
    raise();
    box_->clear();
    box_->setFocus(Qt::OtherFocusReason);
    box_->grabKeyboard();
}

bool UnlockPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                emit passwordEntered(box_->text());
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && isVisible()) {
            // Typing always goes to the box while the panel is up.
            QTimer::singleShot(0, box_, [this] {
                if (isVisible())
                    box_->setFocus(Qt::OtherFocusReason);
            });
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace sentari::saver
