// Draws text in the saver's font, white on black, as Qt lays out a whole line: what the
// end-to-end cases hold the saver's screen against. Usage: saver_textref FAMILY TEXT OUT.png
#include "saver/glyphcache.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const sentari::saver::GlyphCache cache(QString::fromUtf8(argv[1]), 0, 0xFFFFFF, 1);
    const QString text = QString::fromUtf8(argv[2]);
    QTextLayout layout(text, cache.font());
    QTextOption option;
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    QImage image(int(line.naturalTextWidth()) + 40, sentari::saver::GlyphCache::CellSize,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setPen(Qt::white);
    layout.draw(&p, QPointF(20, cache.baseline() - line.ascent()));
    p.end();
    return image.save(QString::fromUtf8(argv[3])) ? 0 : 1;
}
