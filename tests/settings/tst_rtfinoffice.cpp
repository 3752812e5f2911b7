// The RTF documents of signatures and clipboard copies, as a word processor reads them.

#include "sentaristore/signaturefill/rtf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

class RtfInOfficeTest : public QObject {
    Q_OBJECT
private slots:
    void libreOfficeShowsFontSizeColourAndText()
    {
        const QString soffice = QStandardPaths::findExecutable("soffice");
        QVERIFY2(!soffice.isEmpty(), "LibreOffice (soffice) is installed by scripts/install-deps");
        QTemporaryDir dir;
        const std::string rtf = sentari::textToRtf(
            "Caf\xC3\xA9 {braces} \\ \xE2\x82\xAC\r\nsecond line \xF0\x9F\x98\x80",
            "Liberation Serif", 0x000080FF, 14);
        QFile f(dir.filePath("sig.rtf"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(rtf.data(), qint64(rtf.size()));
        f.close();

        QProcess office;
        office.start(soffice,
                     {"-env:UserInstallation=file://" + dir.filePath("profile"), "--headless",
                      "--convert-to", "html", "--outdir", dir.path(), f.fileName()});
        QVERIFY(office.waitForFinished(180000));
        QFile html(dir.filePath("sig.html"));
        QVERIFY2(html.open(QIODevice::ReadOnly), office.readAllStandardError().constData());
        const QString page = QString::fromUtf8(html.readAll());

        QVERIFY2(page.contains(QRegularExpression("face=\"Liberation Serif")), qPrintable(page));
        QVERIFY(page.contains(QRegularExpression("font-size: 14pt")));
        QVERIFY(page.contains(QStringLiteral("color=\"#ff8000\""), Qt::CaseInsensitive));
        QTextDocument doc;
        doc.setHtml(page);
        const QString text = doc.toPlainText().simplified();
        QCOMPARE(text, QString::fromUtf8(
                           "Caf\xC3\xA9 {braces} \\ \xE2\x82\xAC second line \xF0\x9F\x98\x80"));
        // Two paragraphs, as the CR LF asked.
        QCOMPARE(page.count(QRegularExpression("<p[ >]")), 2);
    }
};

QTEST_MAIN(RtfInOfficeTest)
#include "tst_rtfinoffice.moc"
