// The signature window's commands as a user gives them (menu items and shortcuts): saving,
// opening, adding and removing entries, with other programs at work on the same files.

#include "signature/signaturewindowopener.h"
#include "signaturewindowfixture.h"

class SignatureWindowTest : public QObject {
    Q_OBJECT
private slots:

    void firstSignatureIsSavedAndKeptUpToDate()
    {
        Fixture f;
        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        QSignalSpy saved(&w, &SignatureWindow::saved);
        QCOMPARE(w.windowTitle(), QStringLiteral("Signature control"));
        QCOMPARE(w.editorText(), defaultTemplate());
        QVERIFY(defaultTemplate().endsWith(QStringLiteral("\r\n\r\n") + Tag));
        QCOMPARE(entries(w), QStringList());

        const QString file = f.t.path("sig.txt");
        f.desktop.fileAnswers.push_back(file);
        press(w, Qt::CTRL | Qt::Key_S);
        QCOMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(f.desktop.fileDialogs[0].initialPath, QDir::home().filePath("signature.txt"));
        QCOMPARE(f.t.readFile(file), defaultTemplate().toUtf8());
        QCOMPARE(f.key("SignatureFile1"), file);
        QCOMPARE(f.key("Intro1"), defaultTemplate());
        QCOMPARE(entries(w), QStringList{"&1 " + file});
        QCOMPARE(w.windowTitle(), file);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved[0][0].toString(), QString());

        // The file exists: Save writes it without asking.
        w.editor()->appendPlainText(QStringLiteral("more"));
        press(w, Qt::CTRL | Qt::Key_S);
        QCOMPARE(f.desktop.fileDialogs.size(), 1);
        QCOMPARE(f.t.readFile(file), (defaultTemplate() + "\r\nmore").toUtf8());
        QCOMPARE(f.key("Intro1"), defaultTemplate() + "\r\nmore");

        // It has gone: Save asks again, proposing the old name; cancelled, the list is still
        // stored and the quotes refreshed.
        QFile::remove(file);
        press(w, Qt::CTRL | Qt::Key_S);
        QCOMPARE(f.desktop.fileDialogs.size(), 2);
        QCOMPARE(f.desktop.fileDialogs[1].initialPath, file);
        QCOMPARE(saved.count(), 3);
        QCOMPARE(f.desktop.messages.size(), 0);

        // A file that cannot be written is told once, with the reason; the list is stored and
        // the refresh runs all the same.
        f.t.writeFile("blocker", "a file, not a folder");
        const QString blocked = f.t.path("blocker/sig.txt");
        f.desktop.fileAnswers.push_back(blocked);
        w.saveAs();
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::Warning);
        QVERIFY(f.desktop.messages[0].text.contains(blocked + "\": Not a directory"));
        QCOMPARE(f.key("SignatureFile1"), blocked);
        QCOMPARE(saved.count(), 4);
        QCOMPARE(saved[3][0].toString(), blocked);
    }

    // A stored name that is not UTF-8 is shown readably and kept as the system's bytes: Save
    // writes that very file and the setting reads back unchanged.
    void signatureNamedInAnyBytes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("UTF-8, plain")
            << QByteArray("s\xC3\xA9.txt") << QString::fromUtf8("s\u00e9.txt");
        QTest::newRow("Latin-1, rich text")
            << QByteArray("s\xE9.rtf") << QStringLiteral("s\\xE9.rtf");
    }
    void signatureNamedInAnyBytes()
    {
        QFETCH(QByteArray, name);
        QFETCH(QString, shown);
        Fixture f;
        const std::filesystem::path folder = f.t.spath("sigs");
        std::filesystem::create_directory(folder);
        // QTemporaryDir skips a name that is not UTF-8 and leaves its folder behind.
        const std::shared_ptr<void> removeFolder(
            nullptr, [&](void*) { std::filesystem::remove_all(folder); });
        const std::string file = (folder / name.toStdString()).native();
        std::ofstream(file, std::ios::binary) << "A";
        f.t.store->writeSetting("SignatureFile1", file);
        f.t.store->writeSetting("Intro1", "A");

        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        const QString title = QString::fromStdString(folder.native()) + '/' + shown;
        QCOMPARE(w.windowTitle(), title);
        QCOMPARE(entries(w), QStringList{"&1 " + title});
        w.editor()->appendPlainText("more");
        w.save();
        QCOMPARE(f.desktop.fileDialogs.size(), 0);
        QCOMPARE(f.desktop.messages.size(), 0);
        std::ifstream in(file, std::ios::binary);
        QVERIFY(std::string(std::istreambuf_iterator<char>(in), {}).find("more") !=
                std::string::npos);
        QCOMPARE(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
        QCOMPARE(f.t.store->readSetting("SignatureFile1"), file);
        const auto another = f.t.another();
        SignatureList again(*another);
        again.load();
        QCOMPARE(again.at(1).path, file);
    }

    void openReplacesTheCurrentEntryInMemoryOnly()
    {
        Fixture f;
        f.storeThree();
        const QByteArray before = f.t.settingsText();
        {
            SignatureWindow w(*f.t.store, f.desktop, QIcon());
            QCOMPARE(w.windowTitle(), f.t.path("a.txt"));
            QCOMPARE(w.editorText(), "A\r\n" + Tag);
            command(w, "&2 " + f.t.path("b.rtf"))->trigger();
            QCOMPARE(w.currentEntry(), 2);

            const QString opened = f.t.writeFile("opened.txt", "\r\nHello\r\nWorld\r\n");
            f.desktop.fileAnswers = {opened, f.t.path("x.RTF"), f.t.path("gone.txt"), {}};
            QVERIFY(w.open());
            QCOMPARE(w.editorText(), QStringLiteral("Hello\r\nWorld"));
            QCOMPARE(w.windowTitle(), opened);
            QCOMPARE(entries(w), (QStringList{"&1 " + f.t.path("a.txt"), "&2 " + opened,
                                              "&3 " + f.t.path("c.htm")}));
            QCOMPARE(f.desktop.fileDialogs[0].initialPath, QDir::home().filePath("signature.txt"));

            // A rich-text name is never opened, even one that does not exist; a missing file
            // is named; a cancelled dialog changes nothing.
            QVERIFY(!w.open());
            QCOMPARE(f.desktop.messages.size(), 1);
            QCOMPARE(f.desktop.messages[0].style, MessageStyle::Information);
            QVERIFY(f.desktop.messages[0].text.startsWith(
                "Sentari cannot open a Richtext formatted file.\r\n"));
            QVERIFY(f.desktop.messages[0].text.endsWith(":\r\n\r\n" + Tag));
            QVERIFY(!w.open());
            QCOMPARE(f.desktop.messages.size(), 2);
            QCOMPARE(f.desktop.messages[1].style, MessageStyle::Warning);
            QVERIFY(f.desktop.messages[1].text.contains(f.t.path("gone.txt")));
            QVERIFY(!w.open());
            QCOMPARE(w.editorText(), QStringLiteral("Hello\r\nWorld"));
            QCOMPARE(w.windowTitle(), opened);

            // Closing saves nothing and asks nothing.
            w.show();
            QVERIFY(w.close());
        }
        QCOMPARE(f.desktop.messages.size(), 2);
        QCOMPARE(f.t.settingsText(), before);

        // Add, then Open: a new last entry, stored by a Save as even when that is cancelled.
        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        QCOMPARE(entries(w).size(), 3);
        QSignalSpy saved(&w, &SignatureWindow::saved);
        w.addEntry();
        f.desktop.fileAnswers = {f.t.path("opened.txt")};
        QVERIFY(w.open());
        QCOMPARE(entries(w).last(), "&4 " + f.t.path("opened.txt"));
        w.saveAs();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.key("SignatureFile4"), f.t.path("opened.txt"));
        QCOMPARE(f.key("Intro4"), QStringLiteral("Hello\r\nWorld"));
        QCOMPARE(w.windowTitle(), f.t.path("opened.txt"));
    }

    void addAndRemoveRenumber()
    {
        Fixture f;
        f.storeThree();
        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        const QString a = f.t.path("a.txt"), c = f.t.path("c.htm");

        command(w, "&2 " + f.t.path("b.rtf"))->trigger();
        press(w, Qt::CTRL | Qt::Key_R);
        QCOMPARE(entries(w), (QStringList{"&1 " + a, "&2 " + c}));
        QCOMPARE(f.key("SignatureFile2"), c);
        QCOMPARE(f.key("SignatureFile3"), QString());
        QCOMPARE(w.windowTitle(), a);
        QCOMPARE(w.currentEntry(), 1);

        // Ctrl+A is Add even in the editor; twice is once; Remove then only clears.
        press(w, Qt::CTRL | Qt::Key_A);
        QCOMPARE(w.currentEntry(), 3);
        QCOMPARE(w.windowTitle(), QStringLiteral("Signature file"));
        QCOMPARE(w.editorText(), QString());
        press(w, Qt::CTRL | Qt::Key_I);
        QCOMPARE(w.editorText(), Tag + "\r\n");
        press(w, Qt::CTRL | Qt::Key_A);
        QCOMPARE(w.currentEntry(), 3);
        QCOMPARE(w.editorText(), Tag + "\r\n");
        press(w, Qt::CTRL | Qt::Key_R);
        QCOMPARE(w.editorText(), QString());
        QCOMPARE(w.list().count(), 2);

        command(w, "&2 " + c)->trigger();
        QCOMPARE(w.editorText(), QStringLiteral("C"));
        press(w, Qt::CTRL | Qt::Key_R);
        QCOMPARE(entries(w), QStringList{"&1 " + a});
        QCOMPARE(w.windowTitle(), a);
        press(w, Qt::CTRL | Qt::Key_R);
        QCOMPARE(entries(w), QStringList());
        QCOMPARE(w.windowTitle(), QStringLiteral("Signature file"));
        QCOMPARE(w.editorText(), QString());
        QCOMPARE(w.currentEntry(), 1);
        QCOMPARE(f.key("SignatureFile1"), QString());
        QCOMPARE(f.desktop.messages.size(), 0);
    }

    // Another program changes the list while the window is open: its entries survive a Save,
    // and where both changed one entry the user picks; the window then shows what is stored.
    void anotherProgramsChangesSurviveASave()
    {
        Fixture f;
        f.storeThree();
        f.t.writeFile("a.txt", "");
        SignatureWindow w(*f.t.store, f.desktop, QIcon());
        auto other = f.t.another();
        other->applySettings(
            {{"Intro1", "theirs"}, {"Intro3", "C2"}, {"SignatureFile4", "/s/d"}, {"Intro4", "D"}});

        w.editor()->setPlainText(QStringLiteral("mine"));
        f.desktop.answers = {platform::Answer::No};
        w.save();
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.desktop.messages[0].style, MessageStyle::QuestionYesNo);
        QVERIFY(f.desktop.messages[0].text.startsWith("Signature 1 (" + f.t.path("a.txt") + ")"));
        QCOMPARE(w.editorText(), QStringLiteral("theirs"));
        QCOMPARE(f.key("Intro1"), QStringLiteral("theirs"));
        QCOMPARE(f.key("Intro3"), QStringLiteral("C2"));
        QCOMPARE(entries(w).size(), 4);

        // The window has read their version now: an edit of it needs no question.
        w.editor()->setPlainText(QStringLiteral("mine"));
        other->applySettings({{"Intro2", "B2"}});
        w.save();
        QCOMPARE(f.desktop.messages.size(), 1);
        QCOMPARE(f.key("Intro1"), QStringLiteral("mine"));
        QCOMPARE(f.key("Intro2"), QStringLiteral("B2"));

        // They point entry 1 at another file; the user keeps the window's.
        other->applySettings({{"SignatureFile1", "/s/moved"}});
        w.editor()->setPlainText(QStringLiteral("mine again"));
        f.desktop.answers = {platform::Answer::Yes};
        w.save();
        QCOMPARE(f.desktop.messages.size(), 2);
        QCOMPARE(f.key("SignatureFile1"), f.t.path("a.txt"));
        QCOMPARE(f.key("Intro1"), QStringLiteral("mine again"));
        QCOMPARE(entries(w).size(), 4);
    }

    // Off is the key's absence; a window opened later shows what is stored.
    void newQuoteAfterReadIsStoredAndAnnounced()
    {
        Fixture f;
        SignatureWindowOpener opener(*f.t.store, f.desktop, QIcon());
        QSignalSpy changed(&opener, &SignatureWindowOpener::newQuoteAfterReadChanged);
        QAction* item = command(*opener.open(), "&New Quote After Each Read");
        QVERIFY(item->isCheckable() && !item->isChecked());
        item->trigger();
        QCOMPARE(f.key("NewQuoteAfterRead"), QStringLiteral("true"));
        QCOMPARE(changed.count(), 1);
        opener.window()->close();
        QTRY_VERIFY(opener.window() == nullptr);
        item = command(*opener.open(), "&New Quote After Each Read");
        QVERIFY(item->isChecked());
        item->trigger();
        QVERIFY(!f.t.settingsText().contains("NewQuoteAfterRead"));
        QCOMPARE(changed.count(), 2);
    }
};

QTEST_MAIN(SignatureWindowTest)
#include "tst_signaturewindow.moc"
