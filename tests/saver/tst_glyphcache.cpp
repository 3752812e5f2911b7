#include "saver/chardrawer.h"
#include "saver/glyphcache.h"
#include "saver/saverengine.h"

#include <QTest>

using namespace sentari::saver;

namespace {
// Pixels of the cell that differ from the background.
int inked(const QImage& cell, QRgb background)
{
    int n = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            n += cell.pixel(x, y) != background;
    return n;
}
} // namespace

class TestGlyphCache : public QObject {
    Q_OBJECT
private slots:
    void cellRectangleKeepsWholePixels_data()
    {
        QTest::addColumn<QPointF>("twipsPerPixel");
        QTest::addColumn<QSize>("cell");
        QTest::newRow("96 dpi") << QPointF(15, 15) << QSize(32, 34);
        QTest::newRow("120 dpi") << QPointF(12, 12) << QSize(40, 43);
        QTest::newRow("192 dpi") << QPointF(7.5, 7.5) << QSize(64, 69);
    }
    void cellRectangleKeepsWholePixels()
    {
        QFETCH(QPointF, twipsPerPixel);
        QFETCH(QSize, cell);
        QCOMPARE(cellRect(sentari::platform::TwipsScale(twipsPerPixel)), cell);
    }

    void fixedColours()
    {
        const std::uint32_t fg = 0x00FFFF; // yellow, as 0x00BBGGRR
        const std::uint32_t bg = 0x400000; // dark blue
        GlyphCache cache(QString(), bg, fg, 1);
        const QImage& a = cache.cell(U'A');
        QCOMPARE(a.size(), QSize(40, 40));
        QCOMPARE(QColor(a.pixel(0, 0)), QColor(0, 0, 0x40));
        QVERIFY(inked(a, a.pixel(0, 0)) > 20);
        bool yellow = false;
        for (int y = 0; y < 40 && !yellow; ++y)
            for (int x = 0; x < 40; ++x)
                yellow |= QColor(a.pixel(x, y)) == QColor(255, 255, 0);
        QVERIFY(yellow);
        // The character stands at (2, 5): nothing above row 5 or left of column 2.
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 5; ++y)
                QCOMPARE(a.pixel(x, y), a.pixel(0, 0));
        QCOMPARE(inked(cache.cell(U' '), a.pixel(0, 0)), 0);
    }

    void randomColoursStayPerCharacter()
    {
        GlyphCache cache(QString(), 0, std::nullopt, 7);
        QSet<std::uint32_t> seen;
        for (char32_t c = 33; c < 127; ++c) {
            const auto colour = cache.colourOf(c);
            QVERIFY(colour >= 0xAAAAAA && colour <= 0xFFFFFF);
            QCOMPARE(cache.colourOf(c), colour);
            seen.insert(colour);
        }
        QVERIFY(seen.size() > 80); // drawn anew for each character
    }

    void otherScriptsRenderedOnFirstUse()
    {
        GlyphCache cache(QString(), 0, 0xFFFFFF, 1);
        QCOMPARE(cache.size(), std::size_t(96));
        const QRgb black = qRgb(0, 0, 0);
        QVERIFY(inked(cache.cell(U'\u00e9'), black) > 10);
        QCOMPARE(cache.size(), std::size_t(97));
        cache.cell(U'\u00e9');
        QCOMPARE(cache.size(), std::size_t(97));
        QVERIFY(CharDrawer::drawable(U'\u00e9'));
        QVERIFY(CharDrawer::drawable(U'\u4e2d'));
        QVERIFY(!CharDrawer::drawable(U'\t'));
        QVERIFY(!CharDrawer::drawable(U'\u0085'));
    }

    void canvasCopiesOnlyTheCellRectangle()
    {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 0));
        GlyphCache cache(QString(), 0x0000FF, 0xFFFFFF, 1); // red background cells
        ImageCanvas canvas(image, cache, QSize(32, 34), qRgb(0, 0, 0));
        canvas.drawCell(Glyph{U' '}, 10, 20);
        QCOMPARE(canvas.takeDirty(), QRect(10, 20, 32, 34));
        QCOMPARE(QColor(image.pixel(10, 20)), QColor(255, 0, 0));
        QCOMPARE(QColor(image.pixel(41, 53)), QColor(255, 0, 0));
        QCOMPARE(QColor(image.pixel(42, 20)), QColor(0, 0, 0));
        QCOMPARE(QColor(image.pixel(10, 54)), QColor(0, 0, 0));
        // Partly off the picture: clipped, not refused.
        canvas.drawCell(Glyph{U' '}, -20, 80);
        QCOMPARE(canvas.takeDirty(), QRect(0, 80, 12, 20));
        canvas.clear();
        QCOMPARE(canvas.takeDirty(), image.rect());
        QCOMPARE(QColor(image.pixel(10, 20)), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestGlyphCache)
#include "tst_glyphcache.moc"
