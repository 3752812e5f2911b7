#include "fakedesktop.h"
#include "platform/qtstring.h"
#include "saver/options/optionsdialog.h"
#include "saver/options/passworddialog.h"
#include "settings/colour.h"
#include "settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>

using namespace sentari;
using namespace sentari::saver;
using Values = std::map<std::string, std::string>;
using Writes = std::vector<std::pair<std::string, std::string>>;
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Writes)
Q_DECLARE_METATYPE(ColourChoice)

namespace {

constexpr std::uint32_t bgr(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return colour::fromRgb({r, g, b});
}

const QStringList Fonts{"Alpha Sans", "Beta Serif", "Gamma Mono"};

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    testing::FakeDesktop desktop;

    explicit Fixture(const Values& values = {})
    {
        StoreLocations where;
        where.settingsFile = (dir.path() + "/Sentari/Sentari.ini").toStdString();
        where.cacheDir = (dir.path() + "/cache").toStdString();
        store = std::make_unique<SettingsStore>(where);
        store->setFontFamiliesProvider([] { return std::vector<std::string>{"Beta Serif"}; });
        for (const auto& [k, v] : values)
            store->writeSetting(k, v);
    }
    std::string get(std::string_view key) { return store->readSetting(key); }
};

QLabel* caption(const QDialog& d, const QString& text)
{
    for (auto* label : d.findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

constexpr auto Foreground = ColourRole::Foreground;
constexpr auto Background = ColourRole::Background;

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void captionsAndLists()
    {
        Fixture f;
        OptionsDialog d(*f.store, f.desktop, Fonts);
        QCOMPARE(d.windowTitle(), QStringLiteral("Sentarisaver options"));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QStringList items;
        for (int i = 0; i < d.transitionBox()->count(); ++i)
            items << d.transitionBox()->itemText(i);
        QCOMPARE(items, (QStringList{"Random", "Waves", "Horizontal bounce", "Shoot", "Trampoline",
                                     "Appear", "Typing", "InsideOut", "Scramble"}));
        QCOMPARE(d.schemeBox()->count(), 7);
        QCOMPARE(d.schemeBox()->itemText(6), QStringLiteral("Warm"));
        QCOMPARE(d.pauseBox()->itemText(2), QStringLiteral("Long"));
        QCOMPARE(d.speedBox()->itemText(0), QStringLiteral("Slow"));
        QVERIFY(caption(d, QStringLiteral("Background color")));
        QCOMPARE(d.colourButton(Foreground)->toolTip(), QStringLiteral("Click to change color"));
        QVERIFY(d.okButton()->isDefault());
        QCOMPARE(d.okButton()->text(), QStringLiteral("&OK"));
        QCOMPARE(d.applyButton()->text(), QStringLiteral("&Apply"));
    }

    void loadAndOk_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<ColourChoice>("option");
        QTest::addColumn<bool>("buttonsEnabled");
        QTest::addColumn<Values>("written");

        QTest::newRow("own colours") << Values{{"scrTransition", "3"},
                                               {"scrFont", "Alpha Sans"},
                                               {"scrForegroundColor", "65535"},
                                               {"scrBackgroundColor", "8388608"},
                                               {"scrTiming", "2"},
                                               {"scrInterval", "0"}}
                                     << ColourChoice::Own << true
                                     << Values{{"scrTransition", "3"},
                                               {"scrFont", "Alpha Sans"},
                                               {"scrForegroundColor", "65535"},
                                               {"scrBackgroundColor", "8388608"},
                                               {"scrTiming", "2"},
                                               {"scrInterval", "0"}};
        QTest::newRow("random foreground: background black")
            << Values{{"scrForegroundColor", "random"},
                      {"scrBackgroundColor", "255"},
                      {"scrFont", "Gamma Mono"}}
            << ColourChoice::RandomForeground << false
            << Values{{"scrForegroundColor", "random"},
                      {"scrBackgroundColor", "0"},
                      {"scrFont", "Gamma Mono"}};
        QTest::newRow("missing font: the last of the list")
            << Values{{"scrFont", "Delta"}, {"scrForegroundColor", "1"}} << ColourChoice::Own
            << true << Values{{"scrFont", "Gamma Mono"}, {"scrForegroundColor", "1"}};
        QTest::newRow("font compared exactly")
            << Values{{"scrFont", "alpha sans"}} << ColourChoice::Own << true
            << Values{{"scrFont", "Gamma Mono"}};
        QTest::newRow("damaged values come back valid")
            << Values{{"scrTransition", "12"},
                      {"scrForegroundColor", "blue"},
                      {"scrBackgroundColor", ""},
                      {"scrTiming", "-1"},
                      {"scrInterval", "fast"}}
            << ColourChoice::Own << true
            << Values{{"scrTransition", "0"},
                      {"scrForegroundColor", "16777215"},
                      {"scrBackgroundColor", "0"},
                      {"scrTiming", "1"},
                      {"scrInterval", "1"}};
    }
    void loadAndOk()
    {
        QFETCH(Values, stored);
        QFETCH(ColourChoice, option);
        QFETCH(bool, buttonsEnabled);
        QFETCH(Values, written);
        Fixture f(stored);
        OptionsDialog d(*f.store, f.desktop, Fonts);
        QVERIFY(d.colourOption(option)->isChecked());
        QCOMPARE(d.colourButton(Foreground)->isEnabled(), buttonsEnabled);
        QCOMPARE(d.colourButton(Background)->isEnabled(), buttonsEnabled);
        QCOMPARE(d.schemeBox()->currentIndex(), -1);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        for (const auto& [key, value] : written)
            QCOMPARE(qs(f.get(key)), qs(value));
        QVERIFY(f.desktop.messages.isEmpty());
    }

    void saveOptionsWritesInOrder_data()
    {
        QTest::addColumn<Values>("stored");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Writes>("writes");
        QTest::newRow("OK, own colours") << Values{{"scrTransition", "7"},
                                                   {"scrFont", "Beta Serif"},
                                                   {"scrForegroundColor", "65535"},
                                                   {"scrBackgroundColor", "8388608"},
                                                   {"scrTiming", "0"},
                                                   {"scrInterval", "2"}}
                                         << true << Writes{{"scrTransition", "7"},
                                                           {"scrFont", "Beta Serif"},
                                                           {"scrBackGroundColor", "8388608"},
                                                           {"scrForeGroundColor", "65535"},
                                                           {"scrTiming", "0"},
                                                           {"scrInterval", "2"}};
        QTest::newRow("Apply, random foreground")
            << Values{{"scrTransition", "0"},
                      {"scrFont", "Alpha Sans"},
                      {"scrForegroundColor", "random"},
                      {"scrBackgroundColor", "255"},
                      {"scrTiming", "2"},
                      {"scrInterval", "1"}}
            << false << Writes{{"scrTransition", "0"},      {"scrFont", "Alpha Sans"},
                               {"scrBackGroundColor", "0"}, {"scrForeGroundColor", "random"},
                               {"scrTiming", "2"},          {"scrInterval", "1"}};
    }
    void saveOptionsWritesInOrder()
    {
        QFETCH(Values, stored);
        QFETCH(bool, ok);
        QFETCH(Writes, writes);
        Fixture f(stored);
        OptionsDialog d(*f.store, f.desktop, Fonts);
        Writes seen;
        d.setSettingsWriter([&](std::string_view key, std::string_view value) {
            seen.emplace_back(key, value);
            f.store->writeSetting(key, value);
        });
        QTest::mouseClick(ok ? d.okButton() : d.applyButton(), Qt::LeftButton);
        QCOMPARE(seen, writes);
        // The store got them: the options read back under the reader's spelling.
        QCOMPARE(f.get("scrForegroundColor"), writes[3].second);
        QCOMPARE(f.get("scrBackgroundColor"), writes[2].second);
        // Unticking password protection writes the emptied password and nothing else.
        seen.clear();
        if (!ok) {
            d.passwordProtection()->setChecked(true);
            QTest::mouseClick(d.passwordProtection(), Qt::LeftButton);
            QCOMPARE(seen, (Writes{{"Password", ""}}));
        }
    }

    void schemeColoursSurviveReopening()
    {
        Fixture f(Values{{"scrForegroundColor", "random"}});
        {
            OptionsDialog d(*f.store, f.desktop, Fonts);
            d.schemeBox()->setCurrentIndex(3);
            emit d.schemeBox()->activated(3); // "Mellow"
            QVERIFY(d.colourOption(ColourChoice::Scheme)->isChecked());
            QVERIFY(!d.colourButton(Foreground)->isEnabled());
            QCOMPARE(d.colour(Foreground), bgr(255, 128, 0));
            QCOMPARE(d.colour(Background), bgr(128, 0, 64));
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
        }
        QCOMPARE(f.get("scrForegroundColor"), std::to_string(bgr(255, 128, 0)));
        QCOMPARE(f.get("scrBackgroundColor"), std::to_string(bgr(128, 0, 64)));
        OptionsDialog again(*f.store, f.desktop, Fonts);
        QVERIFY(again.colourOption(ColourChoice::Own)->isChecked());
        QCOMPARE(again.colour(Foreground), bgr(255, 128, 0));
        QCOMPARE(again.colour(Background), bgr(128, 0, 64));
        QCOMPARE(again.schemeBox()->currentIndex(), -1);
    }

    void everySchemeHasItsColours_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<quint32>("fg");
        QTest::addColumn<quint32>("bg");
        QTest::newRow("Black & White") << 0 << bgr(255, 255, 255) << bgr(0, 0, 0);
        QTest::newRow("Bordeaux") << 1 << bgr(255, 255, 128) << bgr(128, 0, 0);
        QTest::newRow("Forrest") << 2 << bgr(255, 192, 130) << bgr(0, 64, 64);
        QTest::newRow("Mellow") << 3 << bgr(255, 128, 0) << bgr(128, 0, 64);
        QTest::newRow("Old monitor") << 4 << bgr(0, 217, 54) << bgr(0, 0, 0);
        QTest::newRow("Presentation") << 5 << bgr(255, 255, 0) << bgr(0, 0, 64);
        QTest::newRow("Warm") << 6 << bgr(255, 128, 0) << bgr(128, 64, 0);
    }
    void everySchemeHasItsColours()
    {
        QFETCH(int, index);
        QFETCH(quint32, fg);
        QFETCH(quint32, bg);
        Fixture f;
        OptionsDialog d(*f.store, f.desktop, Fonts);
        QCOMPARE(d.schemeBox()->itemText(index),
                 QString::fromUtf8(ColourSchemes[size_t(index)].name));
        emit d.schemeBox()->activated(index);
        QCOMPARE(d.colour(Foreground), fg);
        QCOMPARE(d.colour(Background), bg);
        QTest::mouseClick(d.applyButton(), Qt::LeftButton);
        QVERIFY(d.result() != int(QDialog::Accepted));
        QCOMPARE(f.get("scrForeGroundColor"), std::to_string(fg));
    }

    void captionsSelectTheirOption_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ColourChoice>("option");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Color scheme") << "Color scheme" << ColourChoice::Scheme << false;
        QTest::newRow("Foreground color") << "Foreground color" << ColourChoice::Own << true;
        QTest::newRow("Random foreground colors")
            << "Random foreground colors" << ColourChoice::RandomForeground << false;
        QTest::newRow("Background color") << "Background color" << ColourChoice::Own << true;
    }
    void captionsSelectTheirOption()
    {
        QFETCH(QString, text);
        QFETCH(ColourChoice, option);
        QFETCH(bool, enabled);
        Fixture f(Values{{"scrForegroundColor", "random"}, {"scrBackgroundColor", "255"}});
        OptionsDialog d(*f.store, f.desktop, Fonts);
        d.colourOption(ColourChoice::RandomForeground)->setChecked(false);
        QTest::mouseClick(caption(d, text), Qt::LeftButton);
        QVERIFY(d.colourOption(option)->isChecked());
        QCOMPARE(d.colourButton(Foreground)->isEnabled(), enabled);
    }

    void colourPicker()
    {
        Fixture f(Values{{"scrForegroundColor", "255"}});
        OptionsDialog d(*f.store, f.desktop, Fonts);
        f.desktop.colorAnswers = {std::nullopt, quint32(0x123456)};
        QTest::mouseClick(d.colourButton(Foreground), Qt::LeftButton); // cancelled
        QCOMPARE(d.colour(Foreground), 255u);
        QTest::mouseClick(d.colourButton(Foreground), Qt::LeftButton);
        QCOMPARE(d.colour(Foreground), 0x123456u);
        QTest::mouseClick(d.cancelButton(), Qt::LeftButton);
        QCOMPARE(f.get("scrForegroundColor"), std::string("255")); // Cancel writes nothing
    }

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

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
