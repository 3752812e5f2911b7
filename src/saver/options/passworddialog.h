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
    void checkPassword();

    QLineEdit* password(int index) const { return index == 1 ? password1_ : password2_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    SettingsStore& store_;
    platform::Desktop& desktop_;
    QLineEdit* password1_;
    QLineEdit* password2_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace sentari::saver
