// Adding quotes to the data file and deleting them: the file's own encoding and line ends
// kept, the right line found, failures named, and the index kept after a delete the same
// as one built from the new file.

#include "sentaristore/quotes/quoteindex.h"
#include "sentaristore/settingsstore.h"
#include "tempstore.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <sys/stat.h>

using namespace sentari;
using sentari::testing::TempStore;

namespace {

// Lines of 11 to 16 bytes, so that the 4 MiB windows of a search end inside a line.
QByteArray manyLines(int count)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "quote " + QByteArray::number(i) + "\r\n";
    return bytes;
}

// The line holding byte `offset`, 1-based, and its text.
std::pair<qint64, QByteArray> lineAt(const QByteArray& bytes, qsizetype offset)
{
    const qsizetype start = bytes.lastIndexOf('\n', offset) + 1;
    const qsizetype end = bytes.indexOf('\r', offset);
    return {bytes.left(start).count('\n') + 1, bytes.mid(start, end - start)};
}

void compareIndexes(const QuoteIndex& kept, const QuoteIndex& built)
{
    QCOMPARE(kept.lineCount(), built.lineCount());
    QCOMPARE(kept.quoteCount(), built.quoteCount());
    QCOMPARE(kept.format().encoding, built.format().encoding);
    QCOMPARE(kept.format().lineEnd, built.format().lineEnd);
    QCOMPARE(kept.format().endsWithNewline, built.format().endsWithNewline);
    for (std::int64_t e = 0; e < built.quoteCount(); ++e) {
        const auto a = kept.line(e);
        const auto b = built.line(e);
        QVERIFY(a && b);
        QCOMPARE(a->number, b->number);
        QCOMPARE(a->text, b->text);
    }
}

} // namespace

class QuoteFileTest : public QObject {
    Q_OBJECT
private slots:
    void add_data()
    {
        QTest::addColumn<QByteArray>("before"); // "missing": no file yet
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file: UTF-8 with CR LF")
            << QByteArray("missing") << "first quote" << QByteArray("first quote\r\n");
        QTest::newRow("empty file") << QByteArray() << "x" << QByteArray("x\r\n");
        QTest::newRow("last line without a break gets one")
            << QByteArray("a\r\nb") << "new" << QByteArray("a\r\nb\r\nnew\r\n");
        QTest::newRow("LF file stays LF")
            << QByteArray("a\nb\n") << "new" << QByteArray("a\nb\nnew\n");
        QTest::newRow("LF without a final break, beyond ASCII")
            << QByteArray("a\nb") << QString::fromUtf8("\xC3\xA9")
            << QByteArray("a\nb\n\xC3\xA9\n");
        QTest::newRow("Windows-1252 file stays Windows-1252")
            << QByteArray("caf\xE9\r\n")
            << QString::fromUtf8("\xE2\x80\x9Cna\xC3\xAFve\xE2\x80\x9D")
            << QByteArray("caf\xE9\r\n\x93na\xEFve\x94\r\n");
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBFx\r\n") << QString::fromUtf8("\xE2\x98\xBA")
            << QByteArray("\xEF\xBB\xBFx\r\n\xE2\x98\xBA\r\n");
    }
    void add()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, quote);
        QFETCH(QByteArray, after);
        TempStore t;
        const QString path = t.path("quotes.txt");
        if (before != "missing")
            t.writeFile("quotes.txt", before);
        t.store->writeSetting("QuoteFile", path.toStdString());
        t.store->addQuote({}, quote.toStdString()); // the active file
        QCOMPARE(t.readFile(path), after);
    }

    void remove_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<qint64>("line");
        QTest::addColumn<QString>("quote");
        QTest::addColumn<qint64>("deletedLine"); // 0: nothing deleted
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<qint64>("remaining");
        const QByteArray five("1\r\n2\r\nthree\r\n4\r\n5\r\n");
        QTest::newRow("line 3 of 5") << five << qint64(3) << "three" << qint64(3)
                                     << QByteArray("1\r\n2\r\n4\r\n5\r\n") << qint64(4);
        QTest::newRow("last line without a break")
            << QByteArray("1\r\n\r\nthree") << qint64(3) << "three" << qint64(3)
            << QByteArray("1\r\n\r\n") << qint64(2);
        QTest::newRow("last line ending in a lone CR")
            << QByteArray("a\r\nb\r") << qint64(2) << "b" << qint64(2) << QByteArray("a\r\n")
            << qint64(1);
        QTest::newRow("first line: LF and BOM kept")
            << QByteArray("\xEF\xBB\xBFthree\nx\n") << qint64(1) << "three" << qint64(1)
            << QByteArray("\xEF\xBB\xBFx\n") << qint64(1);
        QTest::newRow("Windows-1252") << QByteArray("caf\xE9\r\nthree \xE9t\xE9\r\n") << qint64(2)
                                      << QString::fromUtf8("three \xC3\xA9t\xC3\xA9") << qint64(2)
                                      << QByteArray("caf\xE9\r\n") << qint64(1);
        QTest::newRow("edited since: the first line holding it")
            << QByteArray("new 1\r\nnew 2\r\nx\r\nx\r\n") << qint64(1) << "x" << qint64(3)
            << QByteArray("new 1\r\nnew 2\r\nx\r\n") << qint64(3);
        QTest::newRow("number beyond the end") << QByteArray("a\r\nb\r\n") << qint64(7) << "b"
                                               << qint64(2) << QByteArray("a\r\n") << qint64(1);
        QTest::newRow("a line that only starts with the quote is not it")
            << QByteArray("ab\r\na \r\na\r\n") << qint64(1) << "a" << qint64(3)
            << QByteArray("ab\r\na \r\n") << qint64(2);
        QTest::newRow("gone: nothing deleted")
            << QByteArray("y\r\nz\r\n") << qint64(1) << "x" << qint64(0) << QByteArray("y\r\nz\r\n")
            << qint64(2);
        QTest::newRow("a blank quote is never one")
            << QByteArray("\r\n \r\nx\r\n") << qint64(2) << " " << qint64(0)
            << QByteArray("\r\n \r\nx\r\n") << qint64(3);
        QTest::newRow("a quote with a control character is never one")
            << QByteArray("a\r\n\x01\r\n") << qint64(2) << "\x01" << qint64(0)
            << QByteArray("a\r\n\x01\r\n") << qint64(2);
        // Taking the line and its break would join the CR before to the LF after and lose the
        // empty line there: the LF stays and completes the CR.
        QTest::newRow("between a lone CR and an LF")
            << QByteArray("a\r\rx\n\nb\n") << qint64(3) << "x" << qint64(3)
            << QByteArray("a\r\r\n\nb\n") << qint64(4);
        QTest::newRow("CR LF between a lone CR and an LF, line 2")
            << QByteArray("a\rx\r\n\nb") << qint64(2) << "x" << qint64(2) << QByteArray("a\r\n\nb")
            << qint64(3);
        const QByteArray many = manyLines(600000);
        const auto [straddling, text] = lineAt(many, 4 << 20);
        QTest::newRow("edited since, found across the read windows")
            << many << qint64(1) << QString::fromLatin1(text) << straddling
            << QByteArray(many).remove(many.indexOf(text + "\r\n"), text.size() + 2)
            << qint64(599999);
    }
    void remove()
    {
        QFETCH(QByteArray, before);
        QFETCH(qint64, line);
        QFETCH(QString, quote);
        QFETCH(qint64, deletedLine);
        QFETCH(QByteArray, after);
        QFETCH(qint64, remaining);
        TempStore t;
        const QString path = t.useDataFile(before);
        const auto done = t.store->deleteQuote(path.toStdString(), line, quote.toStdString());
        QCOMPARE(done.deleted, deletedLine != 0);
        QCOMPARE(done.line, deletedLine);
        QCOMPARE(done.remainingLines, remaining);
        QCOMPARE(t.readFile(path), after);
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        // What the store keeps for the next pick (its cache, when it could keep the index)
        // is what a fresh read of the new file gives.
        const auto kept = QuoteIndex::open(path.toStdString(), t.locations.cacheDir);
        const auto built = QuoteIndex::open(path.toStdString(), {});
        QVERIFY(kept && built);
        compareIndexes(*kept, *built);
        QCOMPARE(t.store->readSetting("Regmax"), std::to_string(remaining));
    }

    // Nothing is written, nothing waits, and the message names the file and the reason.
    void failuresChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("reason");
        const QString smile = QString::fromUtf8("\xE2\x98\xBA smile");
        QTest::newRow("Windows-1252 cannot hold it") << "cp1252" << smile << "Windows-1252";
        QTest::newRow("a line break in the quote") << "cp1252"
                                                   << "one\ntwo"
                                                   << "one line";
        QTest::newRow("a folder") << "folder"
                                  << "q"
                                  << "folder";
        QTest::newRow("a FIFO, ASCII quote") << "fifo"
                                             << "q"
                                             << "not a regular file";
        QTest::newRow("a FIFO, other quote") << "fifo" << smile << "not a regular file";
    }
    void failuresChangeNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, quote);
        QFETCH(QString, reason);
        TempStore t;
        const QString path = t.path("quotes.txt");
        if (kind == "cp1252")
            t.writeFile("quotes.txt", "caf\xE9\r\n");
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path));
        else
            QCOMPARE(::mkfifo(qPrintable(path), 0600), 0);
        const std::string file = path.toStdString();
        auto failure = [](auto&& operation) {
            try {
                operation();
            } catch (const StoreError& e) {
                return QString::fromStdString(e.what());
            }
            return QString();
        };
        const QString added = failure([&] { t.store->addQuote(file, quote.toStdString()); });
        QVERIFY2(added.contains(path) && added.contains(reason), qPrintable(added));
        bool deleted = false;
        const QString deleting =
            failure([&] { deleted = t.store->deleteQuote(file, 1, quote.toStdString()).deleted; });
        QVERIFY(!deleted);
        if (kind == "cp1252") // no line can hold such a quote: nothing to say
            QCOMPARE(t.readFile(path), QByteArray("caf\xE9\r\n"));
        else
            QVERIFY2(deleting.contains(path) && deleting.contains(reason), qPrintable(deleting));
    }

    // Another program deletes quotes while this one adds: writers take turns, none fails
    // for the other's change, no add is lost, nothing is left beside the file.
    void concurrentAddsAndDeletesLoseNothing()
    {
        TempStore t;
        const QString path = t.useDataFile(manyLines(200000));
        const QString worker = qEnvironmentVariable("SENTARI_QUOTE_WORKER");
        QProcess deleter, adder;
        deleter.start(worker, {"delete", path, "20", t.path("deleter")});
        adder.start(worker, {"add", path, "100", t.path("adder")});
        for (QProcess* p : {&deleter, &adder}) {
            QVERIFY(p->waitForFinished(120000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        const QByteArray after = t.readFile(path);
        QCOMPARE(after.count('\n'), 200000 - 20 + 100);
        for (int i = 0; i < 100; ++i)
            QVERIFY(after.contains("\nadded " + QByteArray::number(i) + "\r\n"));
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_GUILESS_MAIN(QuoteFileTest)
#include "tst_quotefile.moc"
