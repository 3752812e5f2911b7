#include "recordingcanvas.h"

#include <QTest>

using namespace sentari::saver;

namespace {
// The characters of the line's places, left to right.
QString shown(const ShapedLine& line)
{
    QString out;
    for (const auto& p : line.places)
        if (p.glyph.ch != 0) // a ligature's second part shows in the first
            out += QString::fromUcs4(&p.glyph.ch, 1);
    return out;
}
} // namespace

class TestShaping : public QObject {
    Q_OBJECT
private slots:
    void visualOrder_data()
    {
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("leftToRight"); // the places' characters as the eye meets them
        QTest::addColumn<bool>(
            "evenPitch"); // every place a pitch from the last, or else touching it
        QTest::newRow("Latin") << "ab cd"
                               << "ab cd" << true;
        // The first letter in memory stands at the right end.
        QTest::newRow("Hebrew") << QString::fromUtf8("\u05e9\u05dc\u05d5\u05dd")
                                << QString::fromUtf8("\u05dd\u05d5\u05dc\u05e9") << true;
        QTest::newRow("Hebrew in a Latin line") << QString::fromUtf8("ab \u05d0\u05d1 cd")
                                                << QString::fromUtf8("ab \u05d1\u05d0 cd") << true;
        // Brackets show mirrored, so they still open towards the words they hold.
        QTest::newRow("brackets in Hebrew") << QString::fromUtf8("(\u05d0\u05d1) \u05d2")
                                            << QString::fromUtf8("\u05d2 (\u05d1\u05d0)") << true;
        QTest::newRow("a tab is one place") << "a\tb"
                                            << "a b" << true;
        // Arabic letters keep their joined forms: close together, not a pitch apart.
        QTest::newRow("Arabic") << QString::fromUtf8("\u0633\u0644\u0645")
                                << QString::fromUtf8("\u0645\u0644\u0633") << false;
        // Lam and alef make one glyph, yet the word stays one run.
        QTest::newRow("Arabic with a ligature")
            << QString::fromUtf8("\u0627\u0644\u0633\u0644\u0627\u0645")
            << QString::fromUtf8("\u0645\u0644\u0633\u0644\u0627") << false;
        // A soft hyphen and a direction mark take no room and draw nothing: a cell of theirs
        // would wipe the letter in the same place.
        QTest::newRow("format characters")
            << QString::fromUtf8("ab\u00adcd\u200e") << "abcd" << false;
    }
    void visualOrder()
    {
        QFETCH(QString, quote);
        QFETCH(QString, leftToRight);
        QFETCH(bool, evenPitch);
        Bench b;
        b.scene.setQuote(quote);
        QCOMPARE(b.scene.layout.lineCount(), 1);
        const ShapedLine& line = b.scene.line(1);
        QCOMPARE(shown(line), leftToRight);
        double end = 0;
        for (std::size_t i = 0; i < line.places.size(); ++i) {
            const auto& p = line.places[i];
            if (evenPitch)
                QCOMPARE(p.x, 30.0 * double(i));
            else if (p.glyph.picture) // touching the letter before
                QVERIFY2(p.x <= end && p.glyph.width < 25, qPrintable(QString::number(p.x)));
            if (p.glyph.ch != 0)
                end = p.x + p.glyph.width;
        }
    }

    void arabicLettersAreShapedByTheirNeighbours()
    {
        Bench b;
        const QString word = QString::fromUtf8("\u0628\u0628\u0628"); // beh, three times
        b.scene.setQuote(word);
        const ShapedLine& line = b.scene.line(1);
        QCOMPARE(line.places.size(), std::size_t(3));
        // Final, medial, initial: three forms, none of them the letter standing alone.
        const QImage& alone = b.cache.cell(U'\u0628');
        QSet<QByteArray> forms;
        for (const auto& p : line.places) {
            QVERIFY(p.glyph.picture);
            const QImage form = p.glyph.picture->copy(0, 0, p.glyph.width - 1, 40);
            QVERIFY(form != alone.copy(0, 0, form.width(), 40));
            forms.insert(QByteArray(reinterpret_cast<const char*>(form.constBits()),
                                    qsizetype(form.sizeInBytes())));
        }
        QCOMPARE(forms.size(), 3);
        QVERIFY(line.visibleWidth < 3 * 30);
    }

    void clustersTakeOnePlace()
    {
        Bench b;
        // e with a combining acute, and a consonant joined to the next by a virama.
        b.scene.setQuote(QString::fromUtf8("e\u0301 \u0915\u094d\u0937"));
        const ShapedLine& line = b.scene.line(1);
        QCOMPARE(line.places.size(), std::size_t(3));
        QVERIFY(line.places[0].glyph.picture);
        QVERIFY(line.places[2].glyph.picture);
    }

    void typingFollowsTheText()
    {
        Bench b;
        b.setText(U"\u05d0\u05d1\u05d2");
        b.run(runEffect(b.scene, std::int32_t(Effect::Typing), 1));
        const auto& d = b.canvas.draws;
        QCOMPARE(d.size(), std::size_t(3));
        QCOMPARE(d[0].ch, U'\u05d0');
        QVERIFY(d[0].x > d[1].x && d[1].x > d[2].x);
    }

    void wideWordsFitTheScreen()
    {
        Bench b(1920, 1080);
        b.scene.setQuote(QString(100, QLatin1Char('x')) + QString::fromUtf8(" \u0633") +
                         QString::fromUtf8("\u0644").repeated(300));
        QVERIFY(b.scene.layout.lineCount() >= 3);
        for (std::int32_t n = 1; n <= b.scene.layout.lineCount(); ++n) {
            QVERIFY(b.scene.line(n).visibleWidth <= 1920);
            QVERIFY(b.scene.centredStart(n) >= 0);
        }
    }
};

QTEST_MAIN(TestShaping)
#include "tst_shaping.moc"
