#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace sentari {
class SettingsStore;
namespace platform {
class Desktop;
}
} // namespace sentari

namespace sentari::saver {

// Sets the password that guards the running saver; stores it coded.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(SettingsStore& store, platform::Desktop& desktop, QWidget* parent = nullptr);

    // OK: stores the password when both entries agree and every character can be coded.
    void savePassword();

    QLineEdit* passwordBox() const { return passwordBox_; }
    QLineEdit* confirmationBox() const { return confirmationBox_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    SettingsStore& store_;
    platform::Desktop& desktop_;
    QLineEdit* passwordBox_;
    QLineEdit* confirmationBox_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace sentari::saver
