#include "sentaristore/files/textcodec.h"
#include "sentaristore/settings/inifile.h"
#include "sentaristore/settings/keys.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using sentari::IniDocument;
using Changes = std::vector<IniDocument::Change>;

namespace {

// Parse, change, write, parse again: each changed key reads what its last change left, every
// other key reads as before, and the batch gives what the changes one by one would.
void checkWrite(const std::string& file, const Changes& changes)
{
    const IniDocument before = IniDocument::parse(file);
    IniDocument batch = before, single = before;
    batch.apply("", changes);
    for (const auto& change : changes)
        single.apply("", std::span(&change, 1));
    const auto after = IniDocument::parse(batch.serialize());
    const auto afterSingle = IniDocument::parse(single.serialize());
    const auto lastChange = [&](const std::string& key) -> const IniDocument::Change* {
        for (auto it = changes.rbegin(); it != changes.rend(); ++it)
            if (sentari::keys::sameKey(it->key, key))
                return &*it;
        return nullptr;
    };
    auto keys = before.keys("");
    for (const auto& change : changes)
        keys.push_back(change.key);
    for (const std::string& key : keys) {
        const auto* change = lastChange(key);
        const auto expected = change ? change->value : before.value("", key);
        QCOMPARE(after.value("", key), expected);
        QCOMPARE(afterSingle.value("", key), expected);
    }
    QCOMPARE(after.keys("").size(), afterSingle.keys("").size());
}

} // namespace

class IniFileTest : public QObject {
    Q_OBJECT
private slots:
    void valuesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("C:/Quotes/wisdom.txt");
        QTest::newRow("CR LF inside") << QByteArray("greetings,\r\n\r\nPim\r\n<tag>");
        QTest::newRow("comma, semicolon, equals") << QByteArray("a, b; c = d");
        QTest::newRow("quotes and backslashes") << QByteArray("say \"hi\" \\ \\\\n");
        QTest::newRow("leading and trailing blanks") << QByteArray("  padded\t ");
        QTest::newRow("starts with @") << QByteArray("@ByteArray(x)");
        QTest::newRow("hex digits after a control character") << QByteArray("\x01"
                                                                            "abc123");
        // Coded passwords use the codes 10..29, 110..149 and 210..249.
        QByteArray coded;
        for (int c = 10; c <= 29; ++c)
            coded += char(c);
        QTest::newRow("coded password, low codes") << coded;
        QTest::newRow("coded password, high codes")
            << QString(
                   QStringList{QChar(0x6E), QChar(0x95), QChar(0xD2), QChar(0xF9)}.join(QString()))
                   .toUtf8();
        QTest::newRow("DEL and non-ASCII")
            << QByteArray("\x7F"
                          "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
        QTest::newRow("empty") << QByteArray();
    }
    void valuesRoundTrip()
    {
        QFETCH(QByteArray, value);
        IniDocument doc;
        doc.setValue("", "Key", value.toStdString());
        const auto text = doc.serialize();
        const auto back = IniDocument::parse(text).value("", "key");
        QVERIFY(back.has_value());
        QCOMPARE(QByteArray::fromStdString(*back), value);
        // One entry line: line breaks in the value never break the file's structure.
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 2);
    }

    void handEditedFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("other letter case")
            << QByteArray("[General]\nquotefile=/q.txt\n") << "QuoteFile"
            << "/q.txt";
        QTest::newRow("group in other case") << QByteArray("[general]\nRegmax=12\n") << "regmax"
                                             << "12";
        QTest::newRow("no group at all") << QByteArray("Regmax=3\n") << "Regmax"
                                         << "3";
        QTest::newRow("unquoted comma is not a list")
            << QByteArray("[General]\nIntro1=Hello, world\n") << "Intro1"
            << "Hello, world";
        QTest::newRow("quoted blanks kept") << QByteArray("[General]\nA=\"  x  \"\n") << "a"
                                            << "  x  ";
        QTest::newRow("blanks around = trimmed") << QByteArray("[General]\n  A  =  x  \n") << "A"
                                                 << "x";
        QTest::newRow("CR LF file") << QByteArray("[General]\r\nA=x\r\nB=y\r\n") << "B"
                                    << "y";
        QTest::newRow("later line wins") << QByteArray("[General]\nA=1\na=2\n") << "A"
                                         << "2";
        QTest::newRow("comment lines skipped") << QByteArray("; A=1\n[General]\n#A=2\nA=3\n") << "A"
                                               << "3";
        QTest::newRow("other group not read")
            << QByteArray("[Other]\nA=1\n[General]\nB=2\n") << "A" << QString();
        QTest::newRow("escaped line break") << QByteArray("[General]\nA=one\\r\\ntwo\n") << "A"
                                            << "one\r\ntwo";
        QTest::newRow("continued line") << QByteArray("[General]\nA=one \\\n  two\n") << "A"
                                        << "one two";
    }
    void handEditedFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const auto v = IniDocument::parse(file.toStdString()).value("", key.toStdString());
        QCOMPARE(v ? QString::fromStdString(*v) : QString(), expected);
    }

    void rewriteKeepsWhatItDoesNotOwn()
    {
        auto doc =
            IniDocument::parse("; my settings\n[General]\nQuoteFile=/a.txt\n\n[Other]\nX=1\n");
        doc.setValue("", "quotefile", "/b.txt");
        doc.setValue("", "Regmax", "7");
        const auto text = doc.serialize();
        QCOMPARE(QString::fromStdString(text),
                 QStringLiteral(
                     "; my settings\n[General]\nQuoteFile=/b.txt\nRegmax=7\n\n[Other]\nX=1\n"));
    }

    // Files as hand edits and other programs leave them; each gets a write of a key it has,
    // one of a key it lacks and a deletion.
    void writesChangeOnlyTheirKey_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("backslash at the end, no final newline")
            << QByteArray("[General]\nA=1\nIntro1=Sent from C:\\Users\\me\\");
        QTest::newRow("continued into the end") << QByteArray("[General]\nB=2\nA=x\\\n");
        QTest::newRow("lines ending in CR CR LF")
            << QByteArray("[General]\r\r\nA=x\r\r\nB=y\r\r\n");
        QTest::newRow("continuation lines")
            << QByteArray("[General]\nA=one \\\n  two\\\r\n three\nB=y\\\\\n");
        QTest::newRow("lone CRs") << QByteArray("[General]\rA=x\rB=y");
        QTest::newRow("BOM, no section") << QByteArray("\xEF\xBB\xBF"
                                                       "A=x\r\nB=y");
        QTest::newRow("comment ending in a backslash") << QByteArray("[General]\n; note \\\nB=x\n");
        QTest::newRow("section line continued into the end") << QByteArray("B=1\n[General]\\\n");
        QTest::newRow("other section last, no newline")
            << QByteArray("[General]\nA=x\n[Other]\nB=y\\");
        QTest::newRow("junk ending in a backslash") << QByteArray("[General]\nA=x\njunk\\");
        QTest::newRow("continued onto a line ending in a backslash and a blank")
            << QByteArray("[General]\nA=C:\\me\\\n  more\\ ");
        QTest::newRow("the same with a line end") << QByteArray("[General]\nA=x\\\n more\\ \n");
        QTest::newRow("an open quote and keys in two cases")
            << QByteArray("[General]\nB=\"x\nA=2\na=3\n");
        QTest::newRow("only a BOM") << QByteArray("\xEF\xBB\xBF");
        QTest::newRow("a BOM's bytes starting the second line") << QByteArray("A=1\n\xEF\xBB\xBF"
                                                                              "B=2\n");
        QTest::newRow("empty") << QByteArray();
    }
    void writesChangeOnlyTheirKey()
    {
        QFETCH(QByteArray, file);
        for (const Changes& changes :
             {Changes{{"a", "new\\ \r\n"}}, Changes{{"New", "v\\"}}, Changes{{"A", std::nullopt}}})
            checkWrite(file.toStdString(), changes);
    }

    // The same for many files and batches made of the pieces that have broken rewrites.
    void randomFilesAndBatches()
    {
        const std::vector<std::string> lines{"[General]",  "[other]", "A=1", "b=x\\", " C = \"q\" ",
                                             "; c\\",      "junk\\",  "a=2", "",      "B=\\\\",
                                             "[general]\\"};
        const std::vector<std::string> ends{"\n", "\r\n", "\r", "\r\r\n", "", "\\\n"};
        const std::vector<std::string> keys{"A", "b", "C", "New", "junk"};
        const std::vector<std::optional<std::string>> values{"",
                                                             "x\\",
                                                             "\\",
                                                             "a\r\nb",
                                                             "\"",
                                                             " sp ",
                                                             "caf\xE9",
                                                             "\x01"
                                                             "1f",
                                                             std::nullopt};
        std::mt19937 rng(20240611);
        auto pick = [&](const auto& v) { return v[rng() % v.size()]; };
        for (int round = 0; round < 3000; ++round) {
            std::string file = rng() % 4 == 0 ? "\xEF\xBB\xBF" : "";
            for (int n = int(rng() % 7); n > 0; --n) {
                file += pick(lines);
                file += pick(ends);
            }
            Changes changes;
            for (int n = 1 + int(rng() % 4); n > 0; --n) {
                const std::string key = pick(keys);
                changes.push_back({key, pick(values)});
            }
            checkWrite(file, changes);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QByteArray::fromStdString(file).toPercentEncoding()));
        }
    }

    // QSettings reads what this store wrote, and hand-edited files, as the store does.
    void readsAsQSettings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("BOM, no section") << QByteArray("\xEF\xBB\xBFQuoteFile=/q.txt\r\nB=2");
        QTest::newRow("lone CRs") << QByteArray("[General]\rQuoteFile=/q.txt\rB=2\r");
        QTest::newRow("CR CR LF") << QByteArray("[general]\r\r\nQuoteFile=/q.txt\r\r\n");
        IniDocument doc;
        for (const char* v : {"\x01"
                              "abc",
                              "\x7f"
                              "9",
                              "a\\b\"c", " padded ", "a,b;c=d", "t\tn\n", "caf\xC3\xA9", "x\\"})
            doc.setValue("", "K" + std::to_string(doc.keys("").size()), v);
        QTest::newRow("written here") << QByteArray::fromStdString(doc.serialize());
    }
    void readsAsQSettings()
    {
        QFETCH(QByteArray, file);
        QTemporaryDir dir;
        QFile f(dir.filePath("s.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
        f.close();
        QSettings qt(f.fileName(), QSettings::IniFormat);
        const auto doc = IniDocument::parse(file.toStdString());
        QVERIFY(doc.keys("").size() >= 1);
        for (const std::string& key : doc.keys(""))
            QCOMPARE(qt.value(QString::fromStdString(key)).toString().toStdString(),
                     *doc.value("", key));
    }

    void bytesThatAreNotUtf8StayBytesInUtf8Text()
    {
        IniDocument doc;
        doc.setValue("", "QuoteFile",
                     "/home/me/caf\xE9.txt\xFF"
                     "1");
        const auto text = doc.serialize();
        QVERIFY(sentari::text::isValidUtf8(text));
        QCOMPARE(*IniDocument::parse(text).value("", "quotefile"), "/home/me/caf\xE9.txt\xFF"
                                                                   "1");
    }

    void writingRemovesCaseDuplicates()
    {
        auto doc = IniDocument::parse("[General]\nscrForegroundColor=1\nSCRFOREGROUNDCOLOR=2\n");
        doc.setValue("", "scrForeGroundColor", "3");
        QCOMPARE(QString::fromStdString(doc.serialize()),
                 QStringLiteral("[General]\nscrForegroundColor=3\n"));
        QVERIFY(doc.remove("", "SCRforegroundcolor"));
        QVERIFY(!doc.value("", "scrForegroundColor"));
        QVERIFY(!doc.remove("", "scrForegroundColor"));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"
