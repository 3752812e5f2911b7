#include "shaping.h"

#include "platform/colour.h"
#include "platform/qtstring.h"
#include "saver/glyphcache.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace sentari::saver {

namespace {

// Room on either side of a run of joining letters, as a cell has before its glyph.
constexpr double RunMargins = 2 * GlyphCache::Left;

QString toQString(const std::u32string& s)
{
    QString out = fromCodePoints(s);
    // A tab is a word gap of one place, not a jump to a tab stop.
    out.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return out;
}

// Letters that take their form from their neighbours and connect to them.
bool joins(const std::u32string& cluster)
{
    if (cluster.empty())
        return false;
    switch (QChar::joiningType(cluster.front())) {
    case QChar::Joining_Dual:
    case QChar::Joining_Right:
    case QChar::Joining_Left:
    case QChar::Joining_Causing:
        return true;
    default:
        return false;
    }
}

// One line of text laid out unwrapped, with the left and right edge of each cluster.
struct OneLine {
    QTextLayout layout;
    QTextLine line;
    std::vector<std::pair<double, double>> spans;
    std::vector<bool> rightToLeft;

    // bounds: where each cluster starts in text, and the end.
    OneLine(const QString& text, const QFont& font, Qt::LayoutDirection direction,
            const std::vector<qsizetype>& bounds)
        : layout(text, font)
    {
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        layout.setTextOption(option);
        layout.beginLayout();
        line = layout.createLine();
        line.setLineWidth(1e6);
        layout.endLayout();
        // The edges of each cluster's glyphs: unlike cursor positions, they are plain where a
        // right-to-left run meets a left-to-right one.
        for (std::size_t k = 0; k + 1 < bounds.size(); ++k) {
            double left = 0;
            double right = 0;
            bool found = false;
            bool reversed = direction == Qt::RightToLeft;
            const auto runs = layout.glyphRuns(int(bounds[k]), int(bounds[k + 1] - bounds[k]));
            for (const QGlyphRun& run : runs) {
                const auto positions = run.positions();
                const auto advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
                for (qsizetype g = 0; g < positions.size(); ++g) {
                    const double x = positions[g].x();
                    const double end = x + (g < advances.size() ? advances[g].x() : 0);
                    left = found ? std::min(left, x) : x;
                    right = found ? std::max(right, end) : end;
                    found = true;
                }
                reversed = run.isRightToLeft();
            }
            // A cluster without glyphs of its own (a part of a ligature) takes no room.
            if (!found || (!spans.empty() && spans.back() == std::pair{left, right}))
                left = right =
                    spans.empty() ? 0 : (reversed ? spans.back().first : spans.back().second);
            spans.emplace_back(left, right);
            rightToLeft.push_back(reversed);
        }
    }
};

} // namespace

TextShaper::Clusters TextShaper::split(const QString& text) const
{
    Clusters out;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        std::u32string cluster = codePoints(QStringView(text).mid(start, end - start));
        start = end;
        // A consonant with a virama joins the next one in a conjunct.
        if (!out.texts.empty() && !out.texts.back().empty() &&
            QChar::combiningClass(out.texts.back().back()) == 9 && !LineLayout::isGap(cluster))
            out.texts.back() += cluster;
        else
            out.texts.push_back(std::move(cluster));
    }

    const QFontMetricsF metrics(cache_.font());
    out.advances.resize(out.texts.size(), LineLayout::Pitch);
    for (std::size_t k = 0; k < out.texts.size();) {
        const auto& t = out.texts[k];
        if (!joins(t)) {
            if (t.size() == 1 && QChar::category(t.front()) == QChar::Other_Format)
                out.advances[k] = 0; // marks that steer the layout take no room
            else if (!(t.size() == 1 && t.front() < 128))
                out.advances[k] =
                    std::max(LineLayout::Pitch, std::ceil(metrics.horizontalAdvance(toQString(t))));
            ++k;
            continue;
        }
        // A run of joining letters takes its shaped width.
        std::size_t e = k;
        QString run;
        std::vector<qsizetype> bounds{0};
        for (; e < out.texts.size() && joins(out.texts[e]); ++e) {
            run += toQString(out.texts[e]);
            bounds.push_back(run.size());
        }
        const OneLine shaped(run, cache_.font(), Qt::LayoutDirectionAuto, bounds);
        for (std::size_t j = k; j < e; ++j)
            out.advances[j] = shaped.spans[j - k].second - shaped.spans[j - k].first;
        out.advances[k] += RunMargins;
        k = e;
    }
    return out;
}

ShapedLine TextShaper::shape(const LineLayout& layout, std::int32_t n, bool rightToLeft) const
{
    const LineLayout::Line& l = layout.line(n);
    ShapedLine out;
    out.length = l.length;
    double pen = l.visible > 0 ? placeVisible(out, layout, l, rightToLeft) : 0;
    out.visibleWidth = pen;
    if (l.length > l.visible && l.first + l.visible < std::int32_t(layout.clusters().size())) {
        out.places.push_back({Glyph{U' '}, pen, l.visible + 1}); // the gap after the line
        pen += LineLayout::Pitch;
    }
    out.end_ = pen;
    out.width = pen + double(out.length - std::int32_t(out.places.size())) * LineLayout::Pitch;
    out.readingToPlace_.resize(out.places.size());
    for (std::size_t p = 0; p < out.places.size(); ++p)
        out.readingToPlace_[std::size_t(out.places[p].reading - 1)] = std::int32_t(p) + 1;
    return out;
}

double TextShaper::placeVisible(ShapedLine& out, const LineLayout& layout,
                                const LineLayout::Line& l, bool rightToLeft) const
{
    const auto cluster = [&](std::int32_t k) -> const std::u32string& {
        const std::int32_t index = l.first + k;
        return layout.clusters()[std::size_t(index)];
    };
    QString text;
    std::vector<qsizetype> bounds{0};
    for (std::int32_t k = 0; k < l.visible; ++k) {
        text += toQString(cluster(k));
        bounds.push_back(text.size());
    }
    const OneLine whole(text, cache_.font(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight,
                        bounds);
    std::vector<std::int32_t> order(std::size_t(l.visible));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        return whole.spans[std::size_t(a)].first < whole.spans[std::size_t(b)].first;
    });

    double pen = 0;
    std::vector<bool> placed(order.size()); // the runs, by their first cluster
    for (const std::int32_t k : order) {
        const bool reversed = whole.rightToLeft[std::size_t(k)];
        if (!joins(cluster(k))) {
            pen = placeCluster(out, cluster(k), reversed, layout.advance(l.first + k), k + 1, pen);
            continue;
        }
        // Joining letters next to each other in the text form one shaped run, placed where
        // the eye meets the first of them; a ligature's parts may sort apart.
        std::int32_t lo = k;
        std::int32_t hi = k;
        while (lo > 0 && joins(cluster(lo - 1)))
            --lo;
        while (hi + 1 < l.visible && joins(cluster(hi + 1)))
            ++hi;
        if (!placed[std::size_t(lo)])
            pen = placeRun(out, layout, l.first, lo, hi, reversed, pen);
        placed[std::size_t(lo)] = true;
    }
    return pen;
}

double TextShaper::placeCluster(ShapedLine& out, std::u32string text, bool rightToLeft,
                                double advance, std::int32_t reading, double pen) const
{
    // Brackets and the like show mirrored in right-to-left text.
    if (text.size() == 1 && rightToLeft && QChar::hasMirrored(text[0]))
        text[0] = QChar::mirroredChar(text[0]);
    // Wider than a pitch, it needs more than a cell's columns.
    const int width = advance > LineLayout::Pitch ? int(std::ceil(advance)) + GlyphCache::Left : 0;
    // What takes no room draws nothing (the pace still counts it): its cell would wipe the
    // letter in the same place.
    const Glyph glyph = advance == 0              ? Glyph{}
                        : LineLayout::isGap(text) ? Glyph{U' '}
                                                  : cache_.cluster(text, width);
    out.places.push_back({glyph, pen, reading});
    return pen + advance;
}

double TextShaper::placeRun(ShapedLine& out, const LineLayout& layout, std::int32_t first,
                            std::int32_t lo, std::int32_t hi, bool rightToLeft, double pen) const
{
    QString text;
    std::vector<qsizetype> bounds{0};
    for (std::int32_t k = lo; k <= hi; ++k) {
        const std::int32_t index = first + k;
        text += toQString(layout.clusters()[std::size_t(index)]);
        bounds.push_back(text.size());
    }
    const OneLine run(text, cache_.font(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight, bounds);
    double origin = run.spans.front().first;
    double right = run.spans.front().second;
    for (const auto& [l, r] : run.spans) {
        origin = std::min(origin, l);
        right = std::max(right, r);
    }
    const QList<QGlyphRun> glyphs = run.layout.glyphRuns();
    const double baseline = cache_.baseline() - run.line.ascent();

    std::vector<std::int32_t> order(std::size_t(hi - lo + 1));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) {
        return run.spans[std::size_t(a)].first < run.spans[std::size_t(b)].first;
    });
    const long runEnd = std::lround(std::ceil(right - origin)) + GlyphCache::Left;
    for (std::size_t v = 0; v < order.size(); ++v) {
        const std::int32_t j = order[v];
        const std::int32_t index = first + lo + j;
        const auto& t = layout.clusters()[std::size_t(index)];
        long left = std::lround(run.spans[std::size_t(j)].first - origin);
        // One column more covers a neighbour rounded apart.
        long end = std::lround(run.spans[std::size_t(j)].second - origin) + 1;
        Glyph glyph;
        if (end - left > 1) {
            // The outer letters take the run's margins too: a moving run leaves no trail.
            if (v == 0)
                left = -GlyphCache::Left;
            if (v + 1 == order.size())
                end = runEnd;
            // The whole run drawn through a window onto this letter, so that the pieces join
            // up when they come to rest.
            const int width = int(end - left);
            auto picture =
                std::make_unique<QImage>(width, GlyphCache::CellSize, QImage::Format_RGB32);
            picture->fill(cache_.background());
            QPainter p(picture.get());
            p.setPen(platform::toQColor(cache_.colourOf(t.front())));
            for (const QGlyphRun& g : glyphs)
                p.drawGlyphRun(QPointF(-origin - double(left), baseline), g);
            p.end();
            glyph = Glyph{t.front(), picture.get(), width};
            out.pictures.push_back(std::move(picture));
        }
        out.places.push_back({glyph, pen + GlyphCache::Left + double(left), lo + j + 1});
    }
    return pen + std::ceil(right - origin) + RunMargins;
}

Glyph ShapedLine::glyph(std::int32_t i) const
{
    if (i < 1 || i > std::int32_t(places.size()))
        return {};
    return places[std::size_t(i - 1)].glyph;
}

double ShapedLine::x(std::int32_t i) const
{
    if (i >= 1 && i <= std::int32_t(places.size()))
        return places[std::size_t(i - 1)].x;
    return end_ + double(i - std::int32_t(places.size()) - 1) * LineLayout::Pitch;
}

std::int32_t ShapedLine::inReadingOrder(std::int32_t k) const
{
    if (k >= 1 && k <= std::int32_t(readingToPlace_.size()))
        return readingToPlace_[std::size_t(k - 1)];
    return k;
}

} // namespace sentari::saver
