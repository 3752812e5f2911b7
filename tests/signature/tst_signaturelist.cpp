// The signature list over a real store: a settings file as it stands, a few list operations,
// then the list in memory and every signature key of indices 1 to 5.

#include "sentaristore/settingsstore.h"
#include "signature/signaturelist.h"
#include "tempstore.h"

#include <QDir>
#include <QTest>
#include <QThread>
#include <sys/wait.h>
#include <unistd.h>

using namespace sentari;
using namespace sentari::signature;
using testing::TempStore;

namespace {

bool noConflict(const SignatureConflict&)
{
    qFatal("a conflict where no other writer is");
}

// "put N path|intro|font|size|colour", "remove N", "load", "write"
void run(SignatureList& list, const QString& step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("load")) {
        list.load();
    } else if (words[0] == QLatin1String("write")) {
        list.write(noConflict);
    } else if (words[0] == QLatin1String("remove")) {
        list.remove(words[1].toInt(), noConflict);
    } else if (words[0] == QLatin1String("put")) {
        const QStringList f = step.section(QLatin1Char(' '), 2).split(QLatin1Char('|'));
        list.put(words[1].toInt(), {f[0].toStdString(), f[1], f[2], f[3], f[4]});
    } else {
        qFatal("unknown step %s", qPrintable(step));
    }
}

QStringList storedKeys(SettingsStore& store)
{
    QStringList found;
    for (int n = 1; n <= 5; ++n)
        for (const char* word : {"SignatureFile", "Intro", "Fontname", "Fontsize", "Fontcolor"}) {
            const QString key = QString::fromLatin1(word) + QString::number(n);
            const std::string value = store.readSetting(key.toStdString());
            if (!value.empty())
                found << key + QLatin1Char('=') + QString::fromStdString(value);
        }
    return found;
}

const QByteArray ThreeEntries = "[General]\n"
                                "SignatureFile1=/s/a.txt\nIntro1=A\n"
                                "SignatureFile2=/s/b.rtf\nIntro2=B\n"
                                "Fontname2=Verdana\nFontsize2=9.75\nFontcolor2=255\n"
                                "SignatureFile3=/s/c.htm\nIntro3=C\n";
const QStringList ThreeKeys{"SignatureFile1=/s/a.txt",
                            "Intro1=A",
                            "SignatureFile2=/s/b.rtf",
                            "Intro2=B",
                            "Fontname2=Verdana",
                            "Fontsize2=9.75",
                            "Fontcolor2=255",
                            "SignatureFile3=/s/c.htm",
                            "Intro3=C"};

// "a=A b.rtf=B/Arial": entries as path=template, a rich one with its font.
std::vector<SignatureEntry> entries(const QString& list)
{
    std::vector<SignatureEntry> result;
    for (const QString& word : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = word.split(QLatin1Char('='));
        const QStringList intro = parts[1].split(QLatin1Char('/'));
        result.push_back({parts[0].toStdString(), intro[0], intro.value(1), "10", "0"});
    }
    return result;
}

QString words(const std::vector<SignatureEntry>& list)
{
    QStringList result;
    for (const SignatureEntry& e : list)
        result << QString::fromStdString(e.path) + '=' + e.intro +
                      (isRichText(e.path) ? '/' + e.fontName : QString());
    return result.join(' ');
}

} // namespace

class SignatureListTest : public QObject {
    Q_OBJECT
private slots:
    void operations_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("paths"); // the list in memory afterwards
        QTest::addColumn<QStringList>("keys");  // what the store holds afterwards

        QTest::newRow("empty store")
            << QByteArray() << QStringList{"load", "write"} << QStringList{} << QStringList{};
        QTest::newRow("loads up to the first empty template, stale keys stay")
            << QByteArray("[General]\nSignatureFile1=/s/a.txt\nIntro1=A\nsignaturefile2=/s/b.txt\n"
                          "SignatureFile3=/s/c.txt\nIntro3=C\n")
            << QStringList{"load", "write"} << QStringList{"/s/a.txt"}
            << QStringList{"SignatureFile1=/s/a.txt", "Intro1=A", "SignatureFile2=/s/b.txt",
                           "SignatureFile3=/s/c.txt", "Intro3=C"};
        QTest::newRow("an empty path ends the list too")
            << QByteArray("[General]\nIntro1=A\nSignatureFile2=/s/b.txt\nIntro2=B\n")
            << QStringList{"load"} << QStringList{}
            << QStringList{"Intro1=A", "SignatureFile2=/s/b.txt", "Intro2=B"};
        QTest::newRow("three entries load with their fonts")
            << ThreeEntries << QStringList{"load", "write"}
            << QStringList{"/s/a.txt", "/s/b.rtf", "/s/c.htm"} << ThreeKeys;
        QTest::newRow("replace a plain entry by a rich one")
            << ThreeEntries << QStringList{"load", "put 1 /s/new.RTF|N\r\ntwo|Arial|12|0", "write"}
            << QStringList{"/s/new.RTF", "/s/b.rtf", "/s/c.htm"}
            << QStringList{"SignatureFile1=/s/new.RTF", "Intro1=N\r\ntwo", "Fontname1=Arial",
                           "Fontsize1=12", "Fontcolor1=0"} +
                   ThreeKeys.mid(2);
        QTest::newRow("replace rich by plain: its old font keys stay")
            << ThreeEntries << QStringList{"load", "put 2 /s/b.txt|B2|Arial|10|0", "write"}
            << QStringList{"/s/a.txt", "/s/b.txt", "/s/c.htm"}
            << QStringList{"SignatureFile1=/s/a.txt", "Intro1=A", "SignatureFile2=/s/b.txt",
                           "Intro2=B2"} +
                   ThreeKeys.mid(4);
        QTest::newRow("append: font keys only for a name ending in rtf")
            << QByteArray()
            << QStringList{"put 1 /s/rtf.txt|X|Arial|10|0", "put 2 /s/myrtf|Y|Courier|8|5", "write"}
            << QStringList{"/s/rtf.txt", "/s/myrtf"}
            << QStringList{"SignatureFile1=/s/rtf.txt",
                           "Intro1=X",
                           "SignatureFile2=/s/myrtf",
                           "Intro2=Y",
                           "Fontname2=Courier",
                           "Fontsize2=8",
                           "Fontcolor2=5"};
        QTest::newRow("an entry without path and template keeps its keys")
            << ThreeEntries << QStringList{"load", "put 3 ||||", "write"}
            << QStringList{"/s/a.txt", "/s/b.rtf", ""} << ThreeKeys;
        QTest::newRow("saved with an empty template: stored, then it ends the list")
            << ThreeEntries << QStringList{"load", "put 1 /s/a.txt||||", "write", "load"}
            << QStringList{} << QStringList{"SignatureFile1=/s/a.txt"} + ThreeKeys.mid(2);
        QTest::newRow("remove the first: the others move up, the last index goes")
            << ThreeEntries << QStringList{"load", "remove 1"}
            << QStringList{"/s/b.rtf", "/s/c.htm"} << QStringList{"SignatureFile1=/s/b.rtf",
                                                                  "Intro1=B",
                                                                  "Fontname1=Verdana",
                                                                  "Fontsize1=9.75",
                                                                  "Fontcolor1=255",
                                                                  "SignatureFile2=/s/c.htm",
                                                                  "Intro2=C",
                                                                  "Fontname2=Verdana",
                                                                  "Fontsize2=9.75",
                                                                  "Fontcolor2=255"};
        QTest::newRow("remove the middle")
            << ThreeEntries << QStringList{"load", "remove 2"}
            << QStringList{"/s/a.txt", "/s/c.htm"}
            << QStringList{"SignatureFile1=/s/a.txt", "Intro1=A",
                           "SignatureFile2=/s/c.htm", "Intro2=C",
                           "Fontname2=Verdana",       "Fontsize2=9.75",
                           "Fontcolor2=255"};
        QTest::newRow("remove the last")
            << ThreeEntries << QStringList{"load", "remove 3"}
            << QStringList{"/s/a.txt", "/s/b.rtf"} << ThreeKeys.mid(0, 7);
        QTest::newRow("remove the only one, font keys and all")
            << QByteArray("[General]\nSignatureFile1=/s/a.rtf\nIntro1=A\nFontname1=Arial\n"
                          "Fontsize1=10\nFontcolor1=0\n")
            << QStringList{"load", "remove 1"} << QStringList{} << QStringList{};
        QTest::newRow("remove an unsaved position changes nothing")
            << ThreeEntries << QStringList{"load", "remove 4"}
            << QStringList{"/s/a.txt", "/s/b.rtf", "/s/c.htm"} << ThreeKeys;
    }
    void merge_data()
    {
        QTest::addColumn<QString>("base");   // as this copy loaded it
        QTest::addColumn<QString>("ours");   // as this copy holds it now
        QTest::addColumn<QString>("theirs"); // as another writer left it
        QTest::addColumn<int>("removed");
        QTest::addColumn<bool>("oursWins"); // the answer to every question
        QTest::addColumn<int>("follow");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<int>("followed");

        const QString abc = "a=A b=B c=C";
        QTest::newRow("only theirs changed") << abc << abc << "a=A b=B2 c=C" << 0 << true << 2
                                             << "a=A b=B2 c=C" << QStringList{} << 2;
        QTest::newRow("different entries changed")
            << abc << "a=A1 b=B c=C"
            << "a=A b=B2 c=C" << 0 << true << 1 << "a=A1 b=B2 c=C" << QStringList{} << 1;
        QTest::newRow("they removed one before ours")
            << abc << "a=A b=B c=C1"
            << "a=A c=C" << 0 << true << 3 << "a=A c=C1" << QStringList{} << 2;
        QTest::newRow("both added")
            << "a=A"
            << "a=A x=X"
            << "a=A y=Y" << 0 << true << 2 << "a=A y=Y x=X" << QStringList{} << 3;
        QTest::newRow("a new entry not yet in the list stays new")
            << "a=A"
            << "a=A"
            << "a=A y=Y" << 0 << true << 2 << "a=A y=Y" << QStringList{} << 3;
        QTest::newRow("both changed one: ours")
            << abc << "a=A b=B1 c=C"
            << "a=A b=B2 c=C" << 0 << true << 2 << "a=A b=B1 c=C" << QStringList{"change 2 B2"}
            << 2;
        QTest::newRow("both changed one: theirs")
            << abc << "a=A b=B1 c=C"
            << "a=A b=B2 c=C" << 0 << false << 2 << "a=A b=B2 c=C" << QStringList{"change 2 B2"}
            << 2;
        QTest::newRow("changed here, removed there: kept")
            << "a=A b=B"
            << "a=A b=B1"
            << "a=A" << 0 << true << 2 << "a=A b=B1" << QStringList{"change 0 "} << 2;
        QTest::newRow("changed here, removed there: let go")
            << "a=A b=B"
            << "a=A b=B1"
            << "a=A" << 0 << false << 2 << "a=A" << QStringList{"change 0 "} << 0;
        QTest::newRow("removed here, changed elsewhere there")
            << "a=A b=B c=C"
            << "a=A b=B c=C"
            << "a=A b=B c=C2" << 2 << true << 1 << "a=A c=C2" << QStringList{} << 1;
        QTest::newRow("removed on both sides")
            << "a=A b=B"
            << "a=A b=B"
            << "a=A" << 2 << true << 0 << "a=A" << QStringList{} << 0;
        QTest::newRow("removed here, changed there: removed")
            << "a=A b=B"
            << "a=A b=B"
            << "a=A b=B2" << 2 << true << 1 << "a=A" << QStringList{"remove 2 B2"} << 1;
        QTest::newRow("removed here, changed there: kept")
            << "a=A b=B"
            << "a=A b=B"
            << "a=A b=B2" << 2 << false << 1 << "a=A b=B2" << QStringList{"remove 2 B2"} << 1;
        QTest::newRow("removed here after they removed an earlier one")
            << abc << abc << "b=B c=C" << 3 << true << 2 << "b=B" << QStringList{} << 1;
        QTest::newRow("both changed one, theirs to another file")
            << "a=A b=B"
            << "a=A b=B1"
            << "a=A x=X" << 0 << true << 2 << "a=A b=B1" << QStringList{"change 2 X"} << 2;
        QTest::newRow("a plain entry's font is no change")
            << "a=A/Arial"
            << "a=A/Courier"
            << "a=A2" << 0 << true << 1 << "a=A2" << QStringList{} << 1;
        QTest::newRow("a rich entry's font is")
            << "a.rtf=A/Arial"
            << "a.rtf=A/Courier"
            << "a.rtf=A/Verdana" << 0 << true << 1 << "a.rtf=A/Courier" << QStringList{"change 1 A"}
            << 1;
    }
    void merge()
    {
        QFETCH(QString, base);
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        QFETCH(int, removed);
        QFETCH(bool, oursWins);
        QFETCH(int, follow);
        QStringList questions;
        const auto choose = [&](const SignatureConflict& c) {
            questions << QString("%1 %2 %3")
                             .arg(c.removing ? "remove" : "change")
                             .arg(c.number)
                             .arg(c.theirs.intro);
            return oursWins;
        };
        const auto result =
            mergeSignatures(entries(base), entries(ours), entries(theirs), removed, choose, follow);
        QTEST(words(result), "result");
        QTEST(questions, "questions");
        QTEST(follow, "followed");
    }

    // Two processes load the list, then write their edits at the same moment, ten times over.
    void twoWritersLoseNothing()
    {
        TempStore t;
        for (int round = 0; round < 10; ++round) {
            {
                SignatureList list(*t.store);
                list.load();
                for (int n = list.count(); n >= 1; --n)
                    list.remove(n, noConflict);
                for (const char* name : {"a", "b", "c"})
                    list.put(list.count() + 1, entries(QString("/s/%1=%1").arg(name))[0]);
                list.write(noConflict);
            }
            int go[2];
            QVERIFY(pipe(go) == 0);
            std::vector<pid_t> writers;
            for (int w = 1; w <= 2; ++w) {
                const pid_t pid = fork();
                if (pid == 0) {
                    auto store = t.another();
                    SignatureList list(*store);
                    list.load();
                    SignatureEntry changed = list.at(w);
                    changed.intro = QString("edit %1").arg(w);
                    list.put(w, changed);
                    list.put(4, entries(QString("/s/new%1=N%1").arg(w))[0]);
                    char byte = 0;
                    const bool ready = read(go[0], &byte, 1) == 1;
                    try {
                        list.write([](const SignatureConflict&) -> bool { _exit(3); });
                    } catch (...) {
                        _exit(4);
                    }
                    _exit(ready ? 0 : 5);
                }
                writers.push_back(pid);
            }
            QThread::msleep(50); // both have loaded
            QCOMPARE(write(go[1], "gg", 2), 2);
            for (pid_t pid : writers) {
                int status = 0;
                QCOMPARE(waitpid(pid, &status, 0), pid);
                QCOMPARE(status, 0);
            }
            close(go[0]);
            close(go[1]);
            const auto reader = t.another();
            SignatureList after(*reader);
            after.load();
            std::vector<SignatureEntry> stored;
            for (int n = 1; n <= after.count(); ++n)
                stored.push_back(after.at(n));
            QString got = words(stored);
            QVERIFY2(got == "/s/a=edit 1 /s/b=edit 2 /s/c=c /s/new1=N1 /s/new2=N2" ||
                         got == "/s/a=edit 1 /s/b=edit 2 /s/c=c /s/new2=N2 /s/new1=N1",
                     qPrintable(got));
        }
    }

    void operations()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, paths);
        QFETCH(QStringList, keys);
        TempStore t;
        QVERIFY(QDir().mkpath(t.path("config/Sentari")));
        t.writeFile("config/Sentari/Sentari.ini", settings);

        SignatureList list(*t.store);
        for (const QString& step : steps)
            run(list, step);

        QStringList inMemory;
        for (int n = 1; n <= list.count(); ++n)
            inMemory << QString::fromStdString(list.at(n).path);
        QCOMPARE(inMemory, paths);
        QCOMPARE(storedKeys(*t.another()), keys);
    }
};

QTEST_GUILESS_MAIN(SignatureListTest)
#include "tst_signaturelist.moc"
