// A delete killed at any moment leaves the data file as it was or as it should become.

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

class KillDeleteTest : public QObject {
    Q_OBJECT
private slots:
    void killedDeleteNeverTearsTheFile()
    {
        const QString program = qEnvironmentVariable("SENTARI_DELETE_ONCE");
        QVERIFY2(QFile::exists(program), "SENTARI_DELETE_ONCE names the delete program");
        QTemporaryDir dir;
        const QString path = dir.filePath("quotes.txt");

        QByteArray before;
        for (int i = 1; i <= 300000; ++i)
            before += "Quote number " + QByteArray::number(i) + ", kept safe on disk.\r\n";
        const int victim = 150001;
        const QByteArray victimLine =
            "Quote number " + QByteArray::number(victim) + ", kept safe on disk.";
        QByteArray after = before;
        after.remove(after.indexOf(victimLine), victimLine.size() + 2);
        const QByteArray hashBefore = QCryptographicHash::hash(before, QCryptographicHash::Sha1);
        const QByteArray hashAfter = QCryptographicHash::hash(after, QCryptographicHash::Sha1);

        auto reset = [&] {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(before), before.size());
        };
        auto run = [&](QProcess& p) {
            p.start(program, {path, QString::number(victim), QString::fromLatin1(victimLine),
                              dir.filePath("store")});
            QVERIFY(p.waitForStarted());
        };

        // How long one undisturbed delete takes sets the range of kill moments.
        reset();
        QElapsedTimer clock;
        clock.start();
        {
            QProcess p;
            run(p);
            QVERIFY(p.waitForFinished(60000));
            QCOMPARE(p.exitCode(), 0);
        }
        const qint64 full = std::max<qint64>(clock.elapsed(), 5);
        QFile check(path);
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(QCryptographicHash::hash(check.readAll(), QCryptographicHash::Sha1), hashAfter);
        check.close();

        int untouched = 0, done = 0;
        for (int round = 0; round < 50; ++round) {
            reset();
            QProcess p;
            run(p);
            const int delayUs = int(QRandomGenerator::global()->bounded(full * 1200));
            QTest::qSleep(delayUs / 1000);
            ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished(60000));
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray hash = QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
            QVERIFY2(hash == hashBefore || hash == hashAfter,
                     qPrintable(QString("torn file after a kill at %1 us").arg(delayUs)));
            (hash == hashBefore ? untouched : done)++;
        }
        qInfo("50 kills: %d found the file as before, %d as after (one delete takes %lld ms)",
              untouched, done, full);

        // The next start cleans up what the killed ones left, however young.
        QProcess next;
        next.start(program, {path, "1", "not there", dir.filePath("store")});
        QVERIFY(next.waitForFinished(60000));
        QCOMPARE(QDir(dir.path()).entryList({".quotes.txt.*"}, QDir::Files | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(KillDeleteTest)
#include "tst_killdelete.moc"
