// How the signature window shows its entries: readable in any theme, a rich-text entry in its
// font, a long list within the screen, one window at a time.

#include "signature/signaturewindowopener.h"
#include "signaturewindowfixture.h"

class SignatureStyleTest : public QObject {
    Q_OBJECT
private slots:
    // Light and dark themes: a plain entry in the theme's colours, a rich one in its own
    // colour on a background it reads on (WCAG 4.5:1).
    void editorReadsInAnyTheme_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QString>("richColour"); // Fontcolor2, 0x00BBGGRR
        for (const auto& [theme, base, text] :
             {std::tuple{"light", QColor(Qt::white), QColor(Qt::black)},
              std::tuple{"dark", QColor(0x24, 0x24, 0x24), QColor(0xee, 0xee, 0xee)}})
            for (const char* colour : {"0", "255", "16777215", "7829367"})
                QTest::addRow("%s, rich colour %s", theme, colour) << base << text << colour;
    }
    void editorReadsInAnyTheme()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(QString, richColour);
        const QPalette before = QApplication::palette();
        QPalette theme = before;
        theme.setColor(QPalette::Base, base);
        theme.setColor(QPalette::Text, text);
        QApplication::setPalette(theme);
        {
            Fixture empty; // the default template, in the default font
            SignatureWindow w(*empty.t.store, empty.desktop, QIcon());
            QCOMPARE(w.editor()->palette().color(QPalette::Text), text);
            QCOMPARE(w.editor()->palette().color(QPalette::Base), base);
        }
        Fixture f;
        f.storeThree();
        f.t.store->writeSetting("Fontcolor2", richColour.toStdString());
        {
            SignatureWindow w(*f.t.store, f.desktop, QIcon());
            const auto shown = [&] {
                const QPalette p = w.editor()->palette();
                return std::pair{p.color(QPalette::Text), p.color(QPalette::Base)};
            };
            QCOMPARE(shown().first, text);
            w.showEntry(2);
            const auto [ink, page] = shown();
            QCOMPARE(ink, platform::toQColor(richColour.toUInt()));
            QVERIFY2(platform::contrastRatio(ink, page) >= 4.5,
                     qPrintable(ink.name() + " on " + page.name()));
            // A colour chosen for a plain entry shows too, black included.
            w.showEntry(1);
            QCOMPARE(shown().first, text);
            f.desktop.colorAnswers.push_back(0);
            command(w, "&Color (RichText)")->trigger();
            QCOMPARE(shown().first, QColor(Qt::black));
            QVERIFY(platform::contrastRatio(shown().first, shown().second) >= 4.5);
        }
        QApplication::setPalette(before);
    }

    // A thousand signatures: the File menu and its submenu fit the screen, Exit is in reach,
    // and every entry keeps its number.
    void aThousandSignaturesFitTheScreen()
    {
        Fixture f;
        QByteArray ini = "[General]\n";
        for (int n = 1; n <= 1000; ++n)
            ini += QString("SignatureFile%1=/s/%1.txt\nIntro%1=T%1\n").arg(n).toUtf8();
        QDir().mkpath(f.t.path("config/Sentari"));
        f.t.writeFile("config/Sentari/Sentari.ini", ini);
        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        w.show();
        const QRect screen = w.screen()->availableGeometry();
        QVERIFY(w.fileMenu()->sizeHint().height() < screen.height());
        QVERIFY(command(w, "&Exit")->isVisible());
        QMenu* more = command(w, "&More")->menu();
        QVERIFY(more);
        more->popup(screen.topLeft());
        QVERIFY(QTest::qWaitForWindowExposed(more));
        QVERIFY(more->height() <= screen.height());
        QVERIFY(more->width() < screen.width() / 2); // one column that scrolls
        command(w, "&1000 /s/1000.txt")->trigger();
        QCOMPARE(w.editorText(), QStringLiteral("T1000"));
        QVERIFY(w.fileMenu()->actions().contains(command(w, "&10 /s/10.txt")));
        QVERIFY(more->actions().contains(command(w, "&11 /s/11.txt")));
        more->close();
    }

    void richTextKeepsItsFontPlainTextDoesNot()
    {
        Fixture f;
        f.storeThree();
        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        QCOMPARE(w.style(), TextStyle());
        command(w, "&2 " + f.t.path("b.rtf"))->trigger();
        QCOMPARE(w.editor()->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(w.editor()->font().pointSizeF(), 10.0); // 9,75 to whole points
        QCOMPARE(w.editor()->palette().color(QPalette::Text), QColor(255, 0, 0));

        // Cancelled dialogs change nothing.
        command(w, "&Font (RichText)")->trigger();
        command(w, "&Color (RichText)")->trigger();
        QCOMPARE(w.style(), (TextStyle{"Verdana", 10, 255}));

        f.desktop.fontAnswers.push_back(platform::FontChoice{"Courier New", 14.5});
        f.desktop.colorAnswers.push_back(0x00FF00);
        command(w, "&Font (RichText)")->trigger();
        command(w, "&Color (RichText)")->trigger();
        QCOMPARE(w.style(), (TextStyle{"Courier New", 14.5, 0x00FF00}));
        f.desktop.fileAnswers.push_back(f.t.path("b.rtf")); // b.rtf is not on disk yet
        w.save();
        const QByteArray rtf = f.t.readFile("b.rtf");
        QVERIFY(rtf.contains("Courier New"));
        QVERIFY(rtf.contains("\\fs28")); // 14.5 to the even 14
        QCOMPARE(f.key("Fontname2"), QStringLiteral("Courier New"));
        QCOMPARE(f.key("Fontsize2"), QStringLiteral("14.5"));
        QCOMPARE(f.key("Fontcolor2"), QStringLiteral("65280"));

        // A font for a plain file shows until another entry is shown, and is not stored.
        command(w, "&3 " + f.t.path("c.htm"))->trigger();
        QCOMPARE(w.style(), TextStyle());
        f.desktop.fontAnswers.push_back(platform::FontChoice{"Courier New", 20});
        command(w, "&Font (RichText)")->trigger();
        QCOMPARE(w.editor()->font().pointSizeF(), 20.0);
        f.desktop.fileAnswers.push_back(f.t.path("c.htm"));
        w.save();
        QCOMPARE(f.t.readFile("c.htm"), QByteArray("C"));
        QCOMPARE(f.key("Fontname3"), QString());
        command(w, "&1 " + f.t.path("a.txt"))->trigger();
        QCOMPARE(w.style(), TextStyle());
    }

    void oneWindowAtATimeAndHelp()
    {
        Fixture f;
        SignatureWindowOpener opener(*f.t.store, f.desktop, QIcon());
        QSignalSpy saved(&opener, &SignatureWindowOpener::saved);
        SignatureWindow* first = opener.open();
        first->editor()->setPlainText(QStringLiteral("typed"));
        QCOMPARE(opener.open(), first);
        QCOMPARE(first->editorText(), QStringLiteral("typed"));

        press(*first, Qt::Key_F1);
        QCOMPARE(f.desktop.openedDocuments.size(), 1);
        QVERIFY(f.desktop.openedDocuments[0].endsWith("/signaturewindowhelp.htm"));

        first->saveAs(); // cancelled
        QCOMPARE(saved.count(), 1);

        QPointer<SignatureWindow> closed(first);
        command(*first, "&Exit")->trigger();
        QCOMPARE(opener.window(), nullptr);
        SignatureWindow* second = opener.open();
        QVERIFY(second != first);
        QCOMPARE(second->editorText(), defaultTemplate());
        QTRY_VERIFY(closed.isNull());
        QCOMPARE(f.desktop.messages.size(), 0);
    }
};

QTEST_MAIN(SignatureStyleTest)
#include "tst_signaturestyle.moc"
