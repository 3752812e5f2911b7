#include "saver/launch.h"
#include "saver/passwordcode.h"
#include "saver/saverwindow.h"
#include "saver/unlockpanel.h"

#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace sentari::saver;
Q_DECLARE_METATYPE(SaverMode)

namespace {

struct Services {
    QString password;
    bool noDataFile = false;
    QStringList messages;
    int fetches = 0;

    SaverServices make()
    {
        SaverServices s;
        s.fetchQuote = [this] {
            ++fetches;
            return FetchedQuote{noDataFile, QStringLiteral("Quiet minds rest")};
        };
        s.readPassword = [this] { return password; };
        s.message = [this](const QString& text) { messages << text; };
        return s;
    }
};

void moveTo(QWidget& w, QPoint global)
{
    QMouseEvent move(QEvent::MouseMove, w.mapFromGlobal(QPointF(global)), QPointF(global),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &move);
}

} // namespace

class TestSaverWindow : public QObject {
    Q_OBJECT
private slots:
    void switches_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("hostWindow");
        QTest::addColumn<SaverMode>("mode");
        QTest::addColumn<qulonglong>("window"); // 0: none
        QTest::newRow("/s") << QStringList{"/s"} << "" << SaverMode::Run << 0ull;
        QTest::newRow("/S") << QStringList{"/S"} << "" << SaverMode::Run << 0ull;
        QTest::newRow("/p with a number")
            << QStringList{"/p", "123"} << "" << SaverMode::Preview << 0ull;
        QTest::newRow("/P:123") << QStringList{"/P:123"} << "" << SaverMode::Preview << 0ull;
        QTest::newRow("/c:1234") << QStringList{"/c:1234"} << "" << SaverMode::Configure << 0ull;
        QTest::newRow("nothing") << QStringList{} << "" << SaverMode::Configure << 0ull;
        QTest::newRow("/a") << QStringList{"/a"} << "" << SaverMode::Activate << 0ull;
        QTest::newRow("/save counts two") << QStringList{"/save"} << "" << SaverMode::Run << 0ull;
        QTest::newRow("other") << QStringList{"/x"} << "" << SaverMode::Nothing << 0ull;
        QTest::newRow("one character") << QStringList{"/"} << "" << SaverMode::Nothing << 0ull;
        QTest::newRow("-window-id hex")
            << QStringList{"-window-id", "0x1e00007"} << "" << SaverMode::Hosted << 0x1e00007ull;
        QTest::newRow("-window-id decimal")
            << QStringList{"-window-id", "31457287"} << "" << SaverMode::Hosted << 31457287ull;
        QTest::newRow("-window-id without id")
            << QStringList{"-window-id"} << "" << SaverMode::Nothing << 0ull;
        QTest::newRow("-root") << QStringList{"-root"} << "" << SaverMode::Hosted << 0ull;
        QTest::newRow("--root as xscreensaver 6 writes it")
            << QStringList{"--root"} << "0x400001" << SaverMode::Hosted << 0x400001ull;
        QTest::newRow("--window-id")
            << QStringList{"--window-id", "0x1e00007"} << "" << SaverMode::Hosted << 0x1e00007ull;
        QTest::newRow("-root with host window")
            << QStringList{"-root"} << "0x400001" << SaverMode::Hosted << 0x400001ull;
        QTest::newRow("host window alone")
            << QStringList{} << "4194305" << SaverMode::Hosted << 4194305ull;
        QTest::newRow("/s beats host window")
            << QStringList{"/s"} << "4194305" << SaverMode::Run << 0ull;
    }
    void switches()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, hostWindow);
        QFETCH(SaverMode, mode);
        QFETCH(qulonglong, window);
        const Launch launch = parseCommandLine(arguments, hostWindow);
        QCOMPARE(launch.mode, mode);
        QCOMPARE(qulonglong(launch.window.value_or(0)), window);
    }

    void xscreensaverChoices_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("choices"); // effect, speed, wait; -1: the stored one
        QTest::addColumn<QString>("rejected");
        QTest::newRow("none") << QStringList{"--root"} << QList<int>{-1, -1, -1} << "";
        QTest::newRow("all three")
            << QStringList{"--root", "--effect", "3", "--speed", "2", "--wait", "0"}
            << QList<int>{3, 2, 0} << "";
        QTest::newRow("one dash, random effect")
            << QStringList{"-root", "-effect", "0"} << QList<int>{0, -1, -1} << "";
        QTest::newRow("without --root")
            << QStringList{"--speed", "1"} << QList<int>{-1, 1, -1} << "";
        QTest::newRow("out of range") << QStringList{"--root", "--effect", "9", "--wait", "1"}
                                      << QList<int>{-1, -1, 1} << "-effect";
        QTest::newRow("no number")
            << QStringList{"--root", "--speed"} << QList<int>{-1, -1, -1} << "-speed";
    }
    void xscreensaverChoices()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, choices);
        QFETCH(QString, rejected);
        const Launch launch = parseCommandLine(arguments, QStringLiteral("0x400001"));
        QCOMPARE(launch.mode, SaverMode::Hosted);
        QCOMPARE((QList<int>{launch.effect.value_or(-1), launch.speed.value_or(-1),
                             launch.wait.value_or(-1)}),
                 choices);
        QCOMPARE(launch.rejected, rejected);
    }

    void keyEndsWithoutPassword()
    {
        Services services;
        SaverWindow w(SaverSettings{}, services.make());
        w.begin();
        QVERIFY(w.isVisible());
        QCOMPARE(w.geometry(), QGuiApplication::primaryScreen()->geometry());
        QTRY_VERIFY(services.fetches > 0);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
        QTest::keyClick(&w, Qt::Key_Shift);
        QVERIFY(w.ended());
        QVERIFY(!w.isVisible());
        QVERIFY(!w.unlockPanel()->isVisible());
        QVERIFY(!QGuiApplication::overrideCursor()); // the pointer is back
    }

    void mouseJitter_data()
    {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("ends");
        QTest::newRow("still") << QPoint(0, 0) << false;
        QTest::newRow("one right") << QPoint(1, 0) << false;
        QTest::newRow("one diagonal") << QPoint(-1, 1) << false;
        QTest::newRow("two right") << QPoint(2, 0) << true;
        QTest::newRow("two up") << QPoint(0, -2) << true;
    }
    void mouseJitter()
    {
        QFETCH(QPoint, offset);
        QFETCH(bool, ends);
        Services services;
        SaverWindow w(SaverSettings{}, services.make());
        w.begin();
        moveTo(w, w.startCursor() + offset);
        QCOMPARE(w.ended(), ends);
        QCOMPARE(w.firstInputHandled(), ends);
    }

    void unlockPanel()
    {
        Services services;
        services.password = *encodePassword(QStringLiteral("123"));
        SaverSettings settings;
        settings.randomForeground = true;
        SaverWindow w(settings, services.make());
        w.begin();
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(!w.ended());
        QVERIFY(w.firstInputHandled());
        QLineEdit* box = w.unlockPanel()->passwordBox();
        QVERIFY(w.unlockPanel()->isVisible());
        QVERIFY(box->styleSheet().contains(QStringLiteral("color: #ffffff")));
        // Later input on the window does nothing.
        moveTo(w, w.startCursor() + QPoint(50, 50));
        QTest::keyClick(&w, Qt::Key_B);
        QVERIFY(!w.ended());
        // Typing always goes to the box: the focus comes back when it leaves.
        QTRY_VERIFY(box->hasFocus());
        w.setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(box->hasFocus());

        QTest::keyClicks(box, QStringLiteral("99"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->text().isEmpty());
        QVERIFY(!w.ended());
        QTest::keyClicks(box, QStringLiteral("12"));
        QTest::keyClick(box, Qt::Key_Enter);
        QVERIFY(!w.ended()); // a prefix is not the password
        // Changed by other programs while locked (removed, the file moved away, a new one,
        // damaged by a hand edit): only the password that locked unlocks.
        for (const QString& meanwhile :
             {QString(), *encodePassword(QStringLiteral("456")), QString(QChar(5))}) {
            services.password = meanwhile;
            for (const QString& typed : {QString(), QStringLiteral("456")}) {
                QTest::keyClicks(box, typed);
                QTest::keyClick(box, Qt::Key_Return);
                QVERIFY(!w.ended());
            }
        }
        QTest::keyClicks(box, QStringLiteral("123"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(w.unlocked());
        QVERIFY(w.ended());
    }

    void unlockMessageStartsAtOnceDuringAPause()
    {
        Services services;
        services.password = *encodePassword(QStringLiteral("123"));
        SaverSettings settings;
        settings.transition = 5; // the line at once, a second of stillness, then the pause
        SaverWindow w(settings, services.make());
        w.begin();
        QTest::qWait(1100);
        QSignalSpy frames(w.engine(), &SaverEngine::frameReady);
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(w.unlockPanel()->isVisible());
        // The scrambled message keeps changing the picture from the first frames on.
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() > 5, 700);
    }

    // Removed after the lock began, before any input: still locked.
    void passwordRemovedBeforeTheFirstKey()
    {
        Services services;
        services.password = *encodePassword(QStringLiteral("123"));
        SaverWindow w(SaverSettings{}, services.make());
        w.begin();
        services.password.clear();
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(!w.ended());
        QVERIFY(w.unlockPanel()->isVisible());
    }

    void damagedPasswordDoesNotLock()
    {
        // A password no one could type would lock the screen for good.
        Services services;
        services.password = QStringLiteral("abc");
        SaverWindow w(SaverSettings{}, services.make());
        w.begin();
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(w.ended());
        QVERIFY(!w.unlockPanel()->isVisible());
    }

    void noDataFile_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("locks");
        QTest::newRow("no password: tells and ends") << QString() << false;
        QTest::newRow("password: stays locked") << *encodePassword(QStringLiteral("123")) << true;
        QTest::newRow("damaged password: tells and ends") << QString(QChar(5)) << false;
    }
    void noDataFile()
    {
        QFETCH(QString, password);
        QFETCH(bool, locks);
        Services services;
        services.noDataFile = true;
        services.password = password;
        SaverSettings settings;
        settings.pause = SaverSettings::NoPause;
        SaverWindow w(settings, services.make());
        w.begin();
        if (!locks) {
            QTRY_VERIFY(w.ended());
            QCOMPARE(
                services.messages,
                QStringList{
                    "You have to select a Sentari datafile first, run Sentari to select one."});
            QVERIFY(!w.isVisible());
            return;
        }
        // The store is asked again and again; the screen stays, and so does the lock.
        QTRY_VERIFY_WITH_TIMEOUT(services.fetches >= 2, 3000);
        QVERIFY(!w.ended());
        QVERIFY(w.isVisible());
        QVERIFY(services.messages.isEmpty());
        QTest::keyClick(&w, Qt::Key_A);
        QVERIFY(w.unlockPanel()->isVisible());
        QTest::keyClicks(w.unlockPanel()->passwordBox(), QStringLiteral("123"));
        QTest::keyClick(w.unlockPanel()->passwordBox(), Qt::Key_Return);
        QVERIFY(w.ended());
        QVERIFY(services.messages.isEmpty());
    }

    void enginePresentsQuoteText()
    {
        Services services;
        SaverSettings settings;
        settings.transition = 5; // Appear: the whole line at once
        SaverWindow w(settings, services.make());
        QSignalSpy frames(w.engine(), &SaverEngine::frameReady);
        w.begin();
        QTRY_VERIFY(w.engine()->firstDrawMicros() >= 0);
        const QImage& image = w.engine()->image();
        int lit = 0;
        for (int y = 30; y < 64; ++y)
            for (int x = 0; x < image.width(); ++x)
                lit += qGray(image.pixel(x, y)) > 128;
        QVERIFY(lit > 50);
        QVERIFY(!frames.isEmpty());
        w.endSaver();
    }

    void engineStartsOverOnResize()
    {
        Services services;
        SaverSettings settings;
        settings.transition = 5; // Appear: the whole line at once
        SaverEngine engine(settings, QSize(640, 200),
                           sentari::platform::TwipsScale(QPointF(15, 15)),
                           services.make().fetchQuote);
        engine.start();
        QTRY_VERIFY(engine.firstDrawMicros() >= 0);
        QSignalSpy frames(&engine, &SaverEngine::frameReady);
        engine.resize(QSize(1280, 400));
        QCOMPARE(engine.image().size(), QSize(1280, 400));
        QVERIFY(!frames.isEmpty());
        QCOMPARE(frames.first().first().toRect(), QRect(0, 0, 1280, 400));
        // A new quote, centred for the new width: "Quiet minds rest" from x = (1280 - 480) / 2.
        QTRY_COMPARE(services.fetches, 2);
        auto lit = [&](int from, int to) {
            int n = 0;
            for (int y = 30; y < 64; ++y)
                for (int x = from; x < to; ++x)
                    n += qGray(engine.image().pixel(x, y)) > 128;
            return n;
        };
        QTRY_VERIFY(lit(400, 880) > 50);
        QCOMPARE(lit(0, 395), 0);
        engine.resize(QSize(1280, 400)); // the same size again changes nothing
        QCOMPARE(services.fetches, 2);
        engine.stop();
    }
};

QTEST_MAIN(TestSaverWindow)
#include "tst_saverwindow.moc"
