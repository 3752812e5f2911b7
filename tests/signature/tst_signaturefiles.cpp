// Signature files read into the editor, the quote tag at the caret, and the style an entry
// is shown in.

#include "sentaristore/settingsstore.h"
#include "signature/signaturefiles.h"
#include "tempstore.h"

#include <QPlainTextEdit>
#include <QTest>

using namespace sentari::signature;

namespace {
const QString Tag = QStringLiteral("<Quote will be inserted here>");
const QString Long(40000, QLatin1Char('x')); // beyond any 16-bit position
} // namespace

class SignatureFilesTest : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("leading empty lines go") << QByteArray("\r\n\r\nPim") << "Pim";
        QTest::newRow("one of two final breaks stays") << QByteArray("Pim\r\n\r\n") << "Pim\r\n";
        QTest::newRow("empty lines inside stay") << QByteArray("a\r\n\r\nb\r\n") << "a\r\n\r\nb";
        QTest::newRow("LF and CR line ends") << QByteArray("\na\nb\rc\n") << "a\r\nb\r\nc";
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC") << "\u20AC";
        QTest::newRow("UTF-8 with BOM and a bad byte")
            << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC \xE9") << "\u20AC \uFFFD";
        QTest::newRow("UTF-8") << QByteArray("\xE2\x82\xAC 5") << "\u20AC 5";
        QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80") << "Caf\u00E9 \u20AC";
        QTest::newRow("long line") << (Long + "\r\n").toLatin1() << Long;
    }
    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        sentari::testing::TempStore t;
        QCOMPARE(readSignatureFile(*t.store, t.writeFile("sig.txt", bytes).toStdString()), text);
    }

    void tagAtTheCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("selected");
        QTest::newRow("empty editor") << "" << 0 << 0 << Tag + "\n"
                                      << "";
        QTest::newRow("end of a line") << "Pim" << 3 << 3 << "Pim" + Tag + "\n"
                                       << "";
        QTest::newRow("second line") << "a\nbc" << 3 << 3 << "a\nb" + Tag + "\nc"
                                     << "";
        QTest::newRow("selection stays") << "abc" << 2 << 1 << "a" + Tag + "\nbc"
                                         << "b";
        QTest::newRow("beyond 32,767") << Long + "yz" << 40001 << 40001 << Long + "y" + Tag + "\nz"
                                       << "";
    }
    void tagAtTheCaret()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, result);
        QFETCH(QString, selected);
        QPlainTextEdit editor;
        editor.setPlainText(text);
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        insertQuoteTag(editor);
        QCOMPARE(editor.toPlainText(), result);
        QCOMPARE(editor.textCursor().selectedText(), selected);
    }

    void style_data()
    {
        QTest::addColumn<QString>("stored"); // path|font|size|colour
        QTest::addColumn<QString>("shown");  // family size colour
        QTest::newRow("plain file") << "s.txt|Verdana|14|255"
                                    << "Arial 10 0";
        QTest::newRow("rich text") << "s.rtf|Verdana|14|255"
                                   << "Verdana 14 255";
        QTest::newRow("half to even, down") << "s.RTF|Verdana|10.5|0"
                                            << "Verdana 10 0";
        QTest::newRow("half to even, up") << "myrtf|Verdana|11.5|0"
                                          << "Verdana 12 0";
        QTest::newRow("decimal comma") << "s.rtf|Verdana|9,75|16711680"
                                       << "Verdana 10 16711680";
        QTest::newRow("no font name") << "s.rtf||8|0"
                                      << "Arial 8 0";
        QTest::newRow("size not a number") << "s.rtf|Verdana|big|255"
                                           << "Arial 10 0";
        QTest::newRow("colour not a number") << "s.rtf|Verdana|12|red"
                                             << "Arial 10 0";
    }
    void style()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const QStringList f = stored.split(QLatin1Char('|'));
        const TextStyle s = styleOf({f[0].toStdString(), "x", f[1], f[2], f[3]});
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(s.family).arg(s.pointSize).arg(s.colour), shown);
    }
};

QTEST_MAIN(SignatureFilesTest)
#include "tst_signaturefiles.moc"
