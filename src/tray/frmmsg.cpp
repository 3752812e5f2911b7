#include "tray/frmmsg.h"

#include "platform/qtstring.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"
#include "tray/popupposition.h"
#include "tray/popups.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace sentari::tray {

namespace {
QFont messageFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    if (QFontInfo(font).family() != QStringLiteral("MS Sans Serif"))
        font = QFont(quoteFontFamily());
    font.setPointSizeF(9.75);
    return font;
}
} // namespace

FrmMsg::FrmMsg(SettingsStore& store, platform::Desktop& desktop, const QString& askKey,
               const QString& question, QPointF twipsPerPixel)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      store_(store), desktop_(desktop), AskKey(askKey), message_(new QLabel(this)),
      yes_(new QPushButton(QStringLiteral("&Yes"), this)),
      no_(new QPushButton(QStringLiteral("&No"), this)),
      check1_(new QCheckBox(QStringLiteral("Don't ask this again"), this))
{
    setObjectName(QStringLiteral("frmMSG"));
    setWindowTitle(QStringLiteral("Sentari"));
    const double tx = twipsPerPixel.x();
    const double ty = twipsPerPixel.y();
    auto place = [&](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(twipsToPixels(left, tx), twipsToPixels(top, ty), twipsToPixels(width, tx),
                       twipsToPixels(height, ty));
    };
    setFixedSize(twipsToPixels(5565, tx), twipsToPixels(2670, ty));

    message_->setObjectName(QStringLiteral("Message"));
    message_->setFont(messageFont());
    message_->setText(question);
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(message_, 240, 240, 5025, 1815);

    yes_->setObjectName(QStringLiteral("Command1_0"));
    no_->setObjectName(QStringLiteral("Command1_1"));
    check1_->setObjectName(QStringLiteral("Check1"));
    place(yes_, 2790, 2160, 1215, 375);
    place(no_, 4080, 2160, 1215, 375);
    place(check1_, 240, 2070, 1935, 495);
    // The design width fits the caption in the designer's font only; never cut it off.
    check1_->resize(qMax(check1_->width(), check1_->sizeHint().width()), check1_->height());
    yes_->setAutoDefault(false);
    no_->setAutoDefault(false);
    setTabOrder(message_, yes_);
    setTabOrder(yes_, no_);
    setTabOrder(no_, check1_);

    connect(check1_, &QCheckBox::clicked, this, &FrmMsg::check1Clicked);
    connect(yes_, &QPushButton::clicked, this, [this] { command1Clicked(true); });
    connect(no_, &QPushButton::clicked, this, [this] { command1Clicked(false); });

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void FrmMsg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // The dialog has only a close box, but some window managers (openbox) draw minimise and
    // maximise buttons on every dialog whatever its hints say. Minimised, this modal question
    // would vanish with no task bar entry to bring it back while the icon waits for it.
    if (event->type() == QEvent::WindowStateChange &&
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        QTimer::singleShot(0, this, [this] {
            setWindowState(Qt::WindowNoState);
            show();
            raise();
            activateWindow();
        });
}

void FrmMsg::check1Clicked(bool ticked)
{
    const bool addClipboard = AskKey == qs(keys::AddClipboard);
    try {
        store_.writeSetting(u8(AskKey), ticked ? keys::DontAsk : keys::Ask);
    } catch (const StoreError& e) {
        desktop_.message(qs(e.what()), platform::MessageStyle::Warning);
    }
    // With "don't ask" stored, adding without asking is what the user chose: only Yes fits.
    if (addClipboard)
        no_->setEnabled(!ticked);
}

void FrmMsg::command1Clicked(bool yes)
{
    AskAnswer = yes;
    hide();
    done(yes ? Accepted : Rejected);
}

AskOnceDialog::AskOnceDialog(SettingsStore& store, platform::Desktop& desktop)
    : store_(store), desktop_(desktop)
{
}

bool AskOnceDialog::ask(const QString& key, const QString& question)
{
    FrmMsg dialog(store_, desktop_, key, question, desktop_.twipsPerPixel());
    dialog.exec();
    return dialog.askAnswer();
}

} // namespace sentari::tray
