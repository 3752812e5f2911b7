#include "passworddialog.h"

#include "platform/desktop.h"
#include "platform/qtstring.h"
#include "saver/passwordcode.h"
#include "saver/twips.h"
#include "settings/keys.h"
#include "settings/settingsstore.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sentari::saver {

namespace {
QLineEdit* maskedEdit(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
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
    const Twips t;
    setWindowTitle(QStringLiteral("Password protection"));
    setFixedSize(t.x(4470), t.y(2175));
    if (!parent)
        Twips::centre(this);

    auto* frame = new QGroupBox(QStringLiteral("Change password"), this);
    frame->setGeometry(t.rect(120, 120, 4215, 1395));
    auto* label1 = new QLabel(QStringLiteral("Password"), frame);
    label1->setGeometry(t.rect(120, 360, 1800, 285));
    password1_ = maskedEdit(frame, QStringLiteral("password1"));
    password1_->setGeometry(t.rect(1950, 330, 2115, 345));
    auto* label2 = new QLabel(QStringLiteral("Confirm password"), frame);
    label2->setGeometry(t.rect(120, 855, 1800, 285));
    password2_ = maskedEdit(frame, QStringLiteral("password2"));
    password2_->setGeometry(t.rect(1950, 825, 2115, 345));
    label1->setBuddy(password1_);
    label2->setBuddy(password2_);

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setGeometry(t.rect(2040, 1680, 1095, 375));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cmdCancel"));
    cancel_->setGeometry(t.rect(3240, 1680, 1095, 375));
    connect(ok_, &QPushButton::clicked, this, &PasswordDialog::checkPassword);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void PasswordDialog::checkPassword()
{
    if (password2_->text() != password1_->text()) {
        desktop_.message(QStringLiteral("Password confirmation failed, try again"),
                         platform::MessageStyle::Information);
        return;
    }
    const auto coded = encodePassword(password1_->text());
    if (!coded) {
        desktop_.message(QStringLiteral("You used illegal characters, try again"),
                         platform::MessageStyle::Information);
        return;
    }
    try {
        store_.writeSetting(keys::Password, u8(*coded));
    } catch (const StoreError& e) {
        desktop_.message(QString::fromUtf8(e.what()), platform::MessageStyle::Warning);
        return;
    }
    accept();
}

} // namespace sentari::saver
