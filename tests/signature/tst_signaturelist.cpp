// The signature list over a real store: a settings file as it stands, a few list operations,
// then the list in memory and every signature key of indices 1 to 5.

#include "settings/settingsstore.h"
#include "signature/signaturelist.h"
#include "tempstore.h"

#include <QDir>
#include <QTest>

using namespace sentari;
using namespace sentari::signature;
using testing::TempStore;

namespace {

// "put N path|intro|font|size|colour", "remove N", "load", "write"
void run(SignatureList& list, const QString& step)
{
    const QStringList words = step.split(QLatin1Char(' '));
    if (words[0] == QLatin1String("load")) {
        list.load();
    } else if (words[0] == QLatin1String("write")) {
        list.write();
    } else if (words[0] == QLatin1String("remove")) {
        list.remove(words[1].toInt());
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
