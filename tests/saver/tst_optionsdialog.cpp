#include "platform/qtstring.h"
#include "saver/options/optionsdialog.h"
#include "saver/options/saverpreview.h"
#include "sentaristore/settings/colour.h"
#include "storefixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace sentari;
using namespace sentari::saver;
using Writes = std::vector<std::pair<std::string, std::string>>;
Q_DECLARE_METATYPE(Values)
Q_DECLARE_METATYPE(Writes)
Q_DECLARE_METATYPE(ColourChoice)

namespace {

constexpr std::uint32_t bgr(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return colour::fromRgb({r, g, b});
}

QLabel* caption(const QDialog& d, const QString& text)
{
    for (auto* label : d.findChildren<QLabel*>())
        if (QString(label->text()).remove(QLatin1Char('&')) == text)
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

    // The preview runs while the dialog shows, draws quotes from the data file and starts
    // over with every change of the controls, before anything is saved.
    void previewFollowsTheControls()
    {
        Fixture f(Values{{"scrTransition", "5"},
                         {"scrForegroundColor", "16777215"},
                         {"scrBackgroundColor", "0"}});
        QFile quotes(f.dir.path() + "/quotes.txt");
        QVERIFY(quotes.open(QIODevice::WriteOnly));
        quotes.write("Well begun is half done.\r\n");
        quotes.close();
        f.store->writeSetting("QuoteFile", u8(quotes.fileName()));
        OptionsDialog d(*f.store, f.desktop, Fonts);
        QVERIFY(!d.preview()->picture());
        d.show();
        const auto shows = [&](QRgb background) {
            const QImage* p = d.preview()->picture();
            if (!p || p->pixel(p->width() - 1, p->height() - 1) != background)
                return false;
            for (int y = 0; y < std::min(p->height(), 120); ++y)
                for (int x = 0; x < p->width(); ++x)
                    if (p->pixel(x, y) != background)
                        return true; // a quote's character
            return false;
        };
        QTRY_VERIFY(shows(qRgb(0, 0, 0)));
        d.schemeBox()->setCurrentIndex(1);
        emit d.schemeBox()->activated(1); // "Bordeaux"
        QTRY_VERIFY(shows(qRgb(128, 0, 0)));
        QCOMPARE(f.get("scrBackgroundColor"), "0");
        d.hide();
        QVERIFY(!d.preview()->picture());
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
};

QTEST_MAIN(TestOptionsDialog)
#include "tst_optionsdialog.moc"
