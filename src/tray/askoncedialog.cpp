#include "tray/askoncedialog.h"

#include "platform/failure.h"
#include "platform/fitlayout.h"
#include "platform/qtstring.h"
#include "platform/twips.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"
#include "tray/popup/quotewindows.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
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

AskOnceDialog::AskOnceDialog(SettingsStore& store, platform::Desktop& desktop, QString key,
                             const QString& question, QPointF twipsPerPixel)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint),
      store_(store), desktop_(desktop), key_(std::move(key)), message_(new QLabel(this)),
      yes_(new QPushButton(tr("&Yes"), this)), no_(new QPushButton(tr("&No"), this)),
      dontAskAgain_(new QCheckBox(tr("&Don't ask this again"), this))
{
    setObjectName(QStringLiteral("askOnce"));
    setWindowTitle(QStringLiteral("Sentari"));
    // Laid out in twips, so it keeps its size on any screen.
    const platform::TwipsScale twips(twipsPerPixel);
    setFixedSize(twips.size(5565, 2670));

    message_->setObjectName(QStringLiteral("message"));
    message_->setFont(messageFont());
    message_->setText(question);
    message_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setGeometry(twips.rect(240, 240, 5025, 1815));

    yes_->setObjectName(QStringLiteral("yes"));
    no_->setObjectName(QStringLiteral("no"));
    dontAskAgain_->setObjectName(QStringLiteral("dontAskAgain"));
    yes_->setGeometry(twips.rect(2790, 2160, 1215, 375));
    no_->setGeometry(twips.rect(4080, 2160, 1215, 375));
    dontAskAgain_->setGeometry(twips.rect(240, 2070, 1935, 495));
    yes_->setAutoDefault(false);
    no_->setAutoDefault(false);
    setTabOrder(message_, yes_);
    setTabOrder(yes_, no_);
    setTabOrder(no_, dontAskAgain_);

    connect(dontAskAgain_, &QCheckBox::clicked, this, &AskOnceDialog::dontAskAgainClicked);
    connect(yes_, &QPushButton::clicked, this, [this] { answer(true); });
    connect(no_, &QPushButton::clicked, this, [this] { answer(false); });
    platform::growToFit(this);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
}

void AskOnceDialog::changeEvent(QEvent* event)
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

void AskOnceDialog::keyPressEvent(QKeyEvent* event)
{
    // Return presses the button that has the focus, as Space does; there is no default button
    // that Return could press from the check box.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && button->isEnabled())
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void AskOnceDialog::dontAskAgainClicked(bool ticked)
{
    platform::reportingFailures<StoreError>(
        desktop_, [&] { store_.writeSetting(u8(key_), ticked ? keys::DontAsk : keys::Ask); });
    // With "don't ask" stored, adding without asking is what the user chose: only Yes fits.
    if (key_ == qs(keys::AddClipboard))
        no_->setEnabled(!ticked);
}

void AskOnceDialog::answer(bool yes)
{
    answeredYes_ = yes;
    hide();
    done(yes ? Accepted : Rejected);
}

AskOnceWithDialog::AskOnceWithDialog(SettingsStore& store, platform::Desktop& desktop)
    : store_(store), desktop_(desktop)
{
}

bool AskOnceWithDialog::ask(const QString& key, const QString& question)
{
    AskOnceDialog dialog(store_, desktop_, key, question, desktop_.twipsPerPixel());
    dialog.exec();
    return dialog.answeredYes();
}

} // namespace sentari::tray
