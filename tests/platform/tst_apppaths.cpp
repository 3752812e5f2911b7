// The quote file proposed to a user without one: a copy of their own, never the installed one.

#include "platform/apppaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using sentari::platform::dataFile;
using sentari::platform::userQuoteFile;

class AppPathsTest : public QObject {
    Q_OBJECT

    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
    }

private slots:
    void proposedQuoteFile_data()
    {
        QTest::addColumn<QString>("dataHome"); // below the temporary folder
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<bool>("ownCopy");
        QTest::newRow("first use copies the sample") << "data" << QByteArray() << true;
        QTest::newRow("the user's copy is kept as it is")
            << "data" << QByteArray("mine\r\n") << true;
        QTest::newRow("no data folder to be had: the sample")
            << "file/data" << QByteArray() << false;
    }
    void proposedQuoteFile()
    {
        QFETCH(QString, dataHome);
        QFETCH(QByteArray, existing);
        QFETCH(bool, ownCopy);
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file")); // a file where a folder would have to be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString own = dir.filePath(dataHome + "/sentari/wisdom.txt");
        if (!existing.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(own).path()));
            QFile f(own);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(existing) == existing.size());
        }
        qputenv("XDG_DATA_HOME", dir.filePath(dataHome).toUtf8());
        const QString sample = dataFile("wisdom.txt");
        const QByteArray sampleBytes = read(sample);
        QVERIFY(sampleBytes.size() > 1000);

        const QString proposed = userQuoteFile();

        QCOMPARE(proposed, ownCopy ? own : sample);
        QCOMPARE(read(proposed), existing.isEmpty() ? sampleBytes : existing);
        QCOMPARE(read(sample), sampleBytes);
        if (ownCopy)
            QVERIFY(QFileInfo(own).permissions() & QFile::WriteOwner);
        QCOMPARE(userQuoteFile(), proposed); // asked again: the same, nothing copied over
        QCOMPARE(read(proposed), existing.isEmpty() ? sampleBytes : existing);
    }
};

QTEST_GUILESS_MAIN(AppPathsTest)
#include "tst_apppaths.moc"
