#include "platform/qtstring.h"
#include "saver/options/optionsdialog.h"
#include "saver/options/passworddialog.h"
#include "storefixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace sentari;
using namespace sentari::saver;

// The password dialog and the options dialog's password protection.
class TestPasswordSettings : public QObject {
    Q_OBJECT
private slots:
    void passwordProtection()
    {
        Fixture f(Values{{"Password", "tuv"}});
        int opened = 0;
        {
            OptionsDialog d(*f.store, f.desktop, Fonts);
            d.setPasswordDialogRunner([&](QWidget*) { ++opened; });
            QVERIFY(d.passwordProtection()->isChecked());
            QCOMPARE(opened, 0); // loading does not open the password dialog
            QTest::mouseClick(d.passwordProtection(), Qt::LeftButton);
            QCOMPARE(f.get("Password"), std::string()); // cleared at once
            QTest::mouseClick(d.passwordProtection(), Qt::LeftButton);
            QCOMPARE(opened, 1);
            QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(f.get("Password"), std::string()); // Cancel does not bring it back
        OptionsDialog again(*f.store, f.desktop, Fonts);
        QVERIFY(!again.passwordProtection()->isChecked());
    }

    void damagedPasswordAsksForANewOne_data()
    {
        QTest::addColumn<QString>("entry"); // empty: the password dialog is cancelled
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("a new password") << "abc" << QString::fromUtf8("\u00d6\u00d7\u00d8") << true;
        QTest::newRow("cancelled") << ""
                                   << "abc" << false;
    }
    void damagedPasswordAsksForANewOne()
    {
        QFETCH(QString, entry);
        QFETCH(QString, stored);
        QFETCH(bool, ticked);
        Fixture f(Values{{"Password", "abc"}}); // no password codes to "abc"
        OptionsDialog d(*f.store, f.desktop, Fonts);
        QVERIFY(d.passwordProtection()->toolTip().contains(QStringLiteral("xscreensaver")));
        int asked = 0;
        d.setPasswordDialogRunner([&](QWidget* parent) {
            ++asked;
            PasswordDialog p(*f.store, f.desktop, parent);
            p.passwordBox()->setText(entry);
            p.confirmationBox()->setText(entry);
            QTest::mouseClick(entry.isEmpty() ? p.cancelButton() : p.okButton(), Qt::LeftButton);
        });
        QVERIFY(!d.passwordProtection()->isChecked()); // it protects nothing
        d.show();
        QTRY_COMPARE(asked, 1);
        QCOMPARE(f.desktop.messageTexts(),
                 QStringList{"The stored password is damaged and could never be typed, so the "
                             "screen saver does not lock. Please choose a new password."});
        QCOMPARE(qs(f.get("Password")), stored);
        QCOMPARE(d.passwordProtection()->isChecked(), ticked);
        d.hide();
        d.show();
        QTest::qWait(20);
        QCOMPARE(asked, 1); // asked once per opening
    }

    void passwordDialog_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("stored");
        const QString before = QStringLiteral("tuv");
        QTest::newRow("accepted") << "abc"
                                  << "abc"
                                  << "" << QString::fromUtf8("\u00d6\u00d7\u00d8");
        QTest::newRow("line feeds and carriage returns") << "!$$!"
                                                         << "!$$!"
                                                         << ""
                                                         << "\n\r\r\n";
        QTest::newRow("both empty: no protection") << ""
                                                   << ""
                                                   << ""
                                                   << "";
        QTest::newRow("letter case differs") << "abc"
                                             << "abC"
                                             << "Password confirmation failed, try again" << before;
        QTest::newRow("space") << "a b"
                               << "a b"
                               << "You used illegal characters, try again" << before;
        QTest::newRow("code 133 and above")
            << QString::fromUtf8("caf\u00e9") << QString::fromUtf8("caf\u00e9")
            << "You used illegal characters, try again" << before;
    }
    void passwordDialog()
    {
        QFETCH(QString, entry);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, stored);
        Fixture f(Values{{"Password", "tuv"}});
        PasswordDialog d(*f.store, f.desktop);
        QCOMPARE(d.windowTitle(), QStringLiteral("Password protection"));
        QCOMPARE(d.passwordBox()->echoMode(), QLineEdit::Password);
        d.passwordBox()->setText(entry);
        d.confirmationBox()->setText(confirm);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QCOMPARE(qs(f.get("Password")), stored);
        if (message.isEmpty()) {
            QVERIFY(f.desktop.messages.isEmpty());
            QCOMPARE(d.result(), int(QDialog::Accepted));
        } else {
            QCOMPARE(f.desktop.messageTexts(), QStringList{message});
            QCOMPARE(f.desktop.messages.front().style, platform::MessageStyle::Information);
            QCOMPARE(d.passwordBox()->text(), entry); // left as typed, to correct
            QVERIFY(d.result() != int(QDialog::Accepted));
        }
        // A fresh store sees the same text, control characters included.
        SettingsStore reread(f.store->locations());
        QCOMPARE(qs(reread.readSetting("Password")), stored);
    }

    void passwordDialogFromOptions_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("tickedOnReopening");
        QTest::newRow("OK with both empty: no protection") << "" << true << "" << false;
        QTest::newRow("Cancel leaves it as it was") << "abc" << false << "" << false;
        QTest::newRow("OK with a password")
            << "abc" << true << QString::fromUtf8("\u00d6\u00d7\u00d8") << true;
    }
    void passwordDialogFromOptions()
    {
        QFETCH(QString, entry);
        QFETCH(bool, ok);
        QFETCH(QString, stored);
        QFETCH(bool, tickedOnReopening);
        Fixture f;
        {
            OptionsDialog d(*f.store, f.desktop, Fonts);
            QVERIFY(!d.passwordProtection()->isChecked());
            d.setPasswordDialogRunner([&](QWidget* parent) {
                PasswordDialog p(*f.store, f.desktop, parent);
                p.passwordBox()->setText(entry);
                p.confirmationBox()->setText(entry);
                QTest::mouseClick(ok ? p.okButton() : p.cancelButton(), Qt::LeftButton);
            });
            QTest::mouseClick(d.passwordProtection(), Qt::LeftButton);
            QCOMPARE(qs(f.get("Password")), stored);
            QVERIFY(d.passwordProtection()->isChecked()); // stays ticked whatever the dialog did
            QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        }
        OptionsDialog again(*f.store, f.desktop, Fonts);
        QCOMPARE(again.passwordProtection()->isChecked(), tickedOnReopening);
    }

    void passwordCancelKeepsStored()
    {
        Fixture f(Values{{"Password", "tuv"}});
        PasswordDialog d(*f.store, f.desktop);
        d.passwordBox()->setText("new");
        d.confirmationBox()->setText("new");
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        QCOMPARE(f.get("Password"), std::string("tuv"));
    }
};

QTEST_MAIN(TestPasswordSettings)
#include "tst_passwordsettings.moc"
