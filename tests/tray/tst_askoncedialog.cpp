#include "fakedesktop.h"
#include "tempstore.h"
#include "tray/askoncedialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace sentari;
using namespace sentari::tray;
using testing::FakeDesktop;
using testing::TempStore;

namespace {
const QPointF Tpp96(15, 15);

// Runs the user's part once the modal dialog is up.
void whenShown(std::function<void(AskOnceDialog&)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<AskOnceDialog*>(w); dialog && dialog->isVisible()) {
                act(*dialog);
                return;
            }
        qFatal("no ask-once dialog on screen");
    });
}
void pressReturnOn(AskOnceDialog& d, const QString& target)
{
    QWidget* w = target == QLatin1String("yes")  ? static_cast<QWidget*>(d.yesButton())
                 : target == QLatin1String("no") ? static_cast<QWidget*>(d.noButton())
                                                 : d.dontAskAgainBox();
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Return);
    if (w == d.dontAskAgainBox()) {
        QVERIFY(d.isVisible());
        QVERIFY(!d.dontAskAgainBox()->isChecked());
        d.yesButton()->click();
    }
}
} // namespace

class AskOnceDialogTest : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        TempStore t;
        FakeDesktop desktop;
        AskOnceDialog dialog(*t.store, desktop, QStringLiteral("AddClipboard"),
                             QStringLiteral("Add it?"), Tpp96);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sentari"));
        QCOMPARE(dialog.size(), QSize(371, 178)); // 5565 x 2670 twips
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.message()->text(), QStringLiteral("Add it?"));
        QCOMPARE(dialog.message()->geometry(), QRect(16, 16, 335, 121));
        QCOMPARE(dialog.yesButton()->text(), QStringLiteral("&Yes"));
        QCOMPARE(dialog.yesButton()->geometry(), QRect(186, 144, 81, 25));
        QCOMPARE(dialog.noButton()->text(), QStringLiteral("&No"));
        QCOMPARE(dialog.noButton()->geometry(), QRect(272, 144, 81, 25));
        QCOMPARE(dialog.dontAskAgainBox()->text(), QStringLiteral("&Don't ask this again"));
        QCOMPARE(dialog.dontAskAgainBox()->pos(), QPoint(16, 138));
        QVERIFY(dialog.dontAskAgainBox()->width() >= dialog.dontAskAgainBox()->sizeHint().width());
        QVERIFY(!dialog.dontAskAgainBox()->isChecked());
        QVERIFY(dialog.noButton()->isEnabled());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    }

    // Only a close box: a window manager that minimises or maximises it anyway (openbox
    // draws those buttons on every dialog) gets the dialog back as it was.
    void staysNormalWhenMinimisedOrMaximised_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("minimised") << int(Qt::WindowMinimized);
        QTest::newRow("maximised") << int(Qt::WindowMaximized);
        QTest::newRow("full screen") << int(Qt::WindowFullScreen);
    }
    void staysNormalWhenMinimisedOrMaximised()
    {
        QFETCH(int, state);
        TempStore t;
        FakeDesktop desktop;
        AskOnceDialog dialog(*t.store, desktop, QStringLiteral("CreateSignature"),
                             QStringLiteral("Create one?"), Tpp96);
        dialog.show();
        const QSize size = dialog.size();
        dialog.setWindowState(Qt::WindowState(state));
        QTRY_COMPARE(dialog.windowState(), Qt::WindowNoState);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.size(), size);
    }

    // Each click stores the box's state at once; only "AddClipboard" ties No to it.
    void checkBoxProtocol_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("noEnabled");
        QTest::newRow("AddClipboard ticked") << "AddClipboard" << 1 << "don't ask" << false;
        QTest::newRow("AddClipboard ticked and unticked") << "AddClipboard" << 2 << "ask" << true;
        QTest::newRow("CreateSignature ticked") << "CreateSignature" << 1 << "don't ask" << true;
        QTest::newRow("CreateSignature ticked and unticked")
            << "CreateSignature" << 2 << "ask" << true;
        QTest::newRow("AddClipboard three clicks") << "AddClipboard" << 3 << "don't ask" << false;
    }
    void checkBoxProtocol()
    {
        QFETCH(QString, key);
        QFETCH(int, clicks);
        QFETCH(QString, stored);
        QFETCH(bool, noEnabled);
        TempStore t;
        FakeDesktop desktop;
        t.store->writeSetting(key.toStdString(), "something else");
        AskOnceDialog dialog(*t.store, desktop, key, QStringLiteral("?"), Tpp96);
        for (int i = 0; i < clicks; ++i)
            dialog.dontAskAgainBox()->click();
        QCOMPARE(QString::fromStdString(t.store->readSetting(key.toStdString())), stored);
        QCOMPARE(dialog.noButton()->isEnabled(), noEnabled);
        QVERIFY(desktop.messages.isEmpty());
    }

    void answers_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("answer");
        QTest::newRow("Yes") << "yes" << true;
        QTest::newRow("No") << "no" << false;
        QTest::newRow("close box") << "close" << false;
        QTest::newRow("Escape") << "escape" << false;
        // Return presses the focused button; on the check box it presses nothing.
        QTest::newRow("Return on Yes") << "return yes" << true;
        QTest::newRow("Return on No") << "return no" << false;
        QTest::newRow("Return on the box, then Yes") << "return box" << true;
    }
    void answers()
    {
        QFETCH(QString, action);
        QFETCH(bool, answer);
        TempStore t;
        FakeDesktop desktop;
        AskOnceWithDialog askOnce(*t.store, desktop);
        whenShown([action](AskOnceDialog& d) {
            if (action == QLatin1String("yes"))
                d.yesButton()->click();
            else if (action == QLatin1String("no"))
                d.noButton()->click();
            else if (action == QLatin1String("close"))
                d.close();
            else if (action == QLatin1String("escape"))
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                pressReturnOn(d, action.section(QLatin1Char(' '), 1));
        });
        QCOMPARE(askOnce.ask(QStringLiteral("CreateSignature"), QStringLiteral("Create one?")),
                 answer);
        // Pressing a button stores nothing.
        QCOMPARE(t.store->readSetting("CreateSignature"), std::string("ask"));
    }

    // Ticking for "AddClipboard" leaves Yes (or the close box, a No for this once).
    void addClipboardTickedThenClosed()
    {
        TempStore t;
        FakeDesktop desktop;
        AskOnceWithDialog askOnce(*t.store, desktop);
        whenShown([](AskOnceDialog& d) {
            d.dontAskAgainBox()->click();
            QVERIFY(!d.noButton()->isEnabled());
            d.close();
        });
        QCOMPARE(askOnce.ask(QStringLiteral("AddClipboard"), QStringLiteral("Add?")), false);
        QCOMPARE(t.store->readSetting("AddClipboard"), std::string("don't ask"));
        // The next question gets a fresh dialog: box unticked, No enabled.
        bool fresh = false;
        whenShown([&fresh](AskOnceDialog& d) {
            fresh = !d.dontAskAgainBox()->isChecked() && d.noButton()->isEnabled();
            d.yesButton()->click();
        });
        QVERIFY(askOnce.ask(QStringLiteral("AddClipboard"), QStringLiteral("Add?")));
        QVERIFY(fresh);
    }
};

QTEST_MAIN(AskOnceDialogTest)
#include "tst_askoncedialog.moc"
