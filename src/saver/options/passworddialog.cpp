#include "passworddialog.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fitlayout.h"
#include "platform/qtstring.h"
#include "platform/twips.h"
#include "saver/options/centre.h"
#include "saver/passwordcode.h"
#include "sentaristore/settings/keys.h"
#include "sentaristore/settingsstore.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sentari::saver {

namespace {
QLineEdit* maskedEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    return edit;
}
} // namespace

PasswordDialog::PasswordDialog(SettingsStore& store, platform::Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      store_(store), desktop_(desktop)
{
    const platform::TwipsScale twips(platform::twipsPerPixel(QGuiApplication::primaryScreen()));
    setWindowTitle(tr("Password protection"));
    setFixedSize(twips.size(4470, 2175));

    auto* frame = new QGroupBox(tr("Change password"), this);
    frame->setGeometry(twips.rect(120, 120, 4215, 1395));
    auto* passwordLabel = new QLabel(tr("&Password"), frame);
    passwordLabel->setGeometry(twips.rect(120, 360, 1800, 285));
    passwordBox_ = maskedEdit(frame);
    passwordBox_->setGeometry(twips.rect(1950, 330, 2115, 345));
    auto* confirmationLabel = new QLabel(tr("Con&firm password"), frame);
    confirmationLabel->setGeometry(twips.rect(120, 855, 1800, 285));
    confirmationBox_ = maskedEdit(frame);
    confirmationBox_->setGeometry(twips.rect(1950, 825, 2115, 345));
    passwordLabel->setBuddy(passwordBox_);
    confirmationLabel->setBuddy(confirmationBox_);

    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setGeometry(twips.rect(2040, 1680, 1095, 375));
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setGeometry(twips.rect(3240, 1680, 1095, 375));
    connect(ok_, &QPushButton::clicked, this, &PasswordDialog::savePassword);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    platform::growToFit(this);
    if (!parent)
        centreOnScreen(this);
}

void PasswordDialog::savePassword()
{
    if (confirmationBox_->text() != passwordBox_->text()) {
        desktop_.message(tr("Password confirmation failed, try again"),
                         platform::MessageStyle::Information);
        return;
    }
    const auto coded = encodePassword(passwordBox_->text());
    if (!coded) {
        desktop_.message(tr("You used illegal characters, try again"),
                         platform::MessageStyle::Information);
        return;
    }
    if (platform::reportingFailures<StoreError>(
            desktop_, [&] { store_.writeSetting(keys::Password, u8(*coded)); }))
        accept();
}

} // namespace sentari::saver
