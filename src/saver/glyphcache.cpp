#include "glyphcache.h"

#include "platform/colour.h"
#include "platform/qtstring.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace sentari::saver {

GlyphCache::GlyphCache(const QString& family, std::uint32_t background,
                       std::optional<std::uint32_t> foreground, std::uint32_t seed)
    : background_(background), foreground_(foreground), rng_(seed)
{
    font_.setFamily(family);
    font_.setWeight(QFont::Normal);
    font_.setStyleStrategy(QFont::PreferQuality);
    // 23 pixels is the height of the whole character cell, ascent plus descent.
    font_.setPixelSize(FontHeight);
    const int height = QFontMetrics(font_).height();
    if (height > 0 && height != FontHeight)
        font_.setPixelSize(std::max(8, FontHeight * FontHeight / height));
    ascent_ = QFontMetrics(font_).ascent();

    for (char32_t ch = 32; ch < 128; ++ch) {
        asciiColour_[ch] = pickColour();
        ascii_[ch] = render(QString(QChar(char16_t(ch))), asciiColour_[ch]);
    }
}

std::uint32_t GlyphCache::pickColour()
{
    if (foreground_)
        return *foreground_;
    // A light grey or lighter, as a packed number drawn anew for each character.
    constexpr std::uint32_t Low = colour::fromRgb({170, 170, 170});
    constexpr std::uint32_t High = colour::White;
    const auto r = std::generate_canonical<double, 53>(rng_);
    return static_cast<std::uint32_t>(r * double(High - Low + 1) + Low);
}

QImage GlyphCache::render(const QString& text, std::uint32_t colour, int width) const
{
    QImage cell(width, CellSize, QImage::Format_RGB32);
    cell.fill(background());
    QPainter p(&cell);
    p.setFont(font_);
    p.setPen(platform::toQColor(colour));
    p.drawText(QPoint(Left, baseline()), text);
    return cell;
}

QColor GlyphCache::background() const
{
    return platform::toQColor(background_);
}

Glyph GlyphCache::cluster(const std::u32string& text, int width)
{
    if (text.empty())
        return {};
    const char32_t first = text.front();
    if (text.size() == 1 && width == 0)
        return Glyph{first};
    auto it = clusters_.find(text);
    if (it == clusters_.end()) {
        it = clusters_
                 .emplace(text,
                          render(fromCodePoints(text), colourOf(first), std::max(CellSize, width)))
                 .first;
    }
    return Glyph{first, &it->second, width};
}

const QImage& GlyphCache::cell(char32_t ch)
{
    if (ch < 128)
        return ascii_[ch < 32 ? 32 : ch];
    auto it = other_.find(ch);
    if (it == other_.end()) {
        const auto colour = pickColour();
        it = other_.emplace(ch, std::make_pair(render(QString::fromUcs4(&ch, 1), colour), colour))
                 .first;
    }
    return it->second.first;
}

std::uint32_t GlyphCache::colourOf(char32_t ch)
{
    if (ch < 128)
        return asciiColour_[ch < 32 ? 32 : ch];
    cell(ch);
    return other_.at(ch).second;
}

std::size_t GlyphCache::size() const
{
    return 96 + other_.size() + clusters_.size();
}

ImageCanvas::ImageCanvas(QImage& image, GlyphCache& cache, QSize cellRect, QRgb background,
                         std::optional<QRect> area)
    : image_(image), area_(area), cache_(cache),
      cellRect_(cellRect.boundedTo(QSize(GlyphCache::CellSize, GlyphCache::CellSize))),
      background_(background)
{
}

void ImageCanvas::drawCell(const Glyph& glyph, std::int32_t x, std::int32_t y)
{
    const QImage& cell = glyph.picture ? *glyph.picture : cache_.cell(glyph.ch);
    const QSize size(std::min(glyph.width > 0 ? glyph.width : cellRect_.width(), cell.width()),
                     cellRect_.height());
    const QRect owned = area().intersected(image_.rect());
    const QPoint at = QPoint(x, y) + owned.topLeft();
    const QRect target = QRect(at, size).intersected(owned);
    if (target.isEmpty())
        return;
    const int sx = target.x() - at.x();
    const int sy = target.y() - at.y();
    const auto bytes = static_cast<std::size_t>(target.width()) * 4;
    for (int row = 0; row < target.height(); ++row) {
        const auto* src = reinterpret_cast<const QRgb*>(cell.constScanLine(sy + row)) + sx;
        auto* dst = reinterpret_cast<QRgb*>(image_.scanLine(target.y() + row)) + target.x();
        std::memcpy(dst, src, bytes);
    }
    dirty_ |= target;
    ++drawn_;
}

void ImageCanvas::clear()
{
    const QRect owned = area().intersected(image_.rect());
    if (owned == image_.rect()) {
        image_.fill(background_);
    } else {
        for (int row = owned.top(); row <= owned.bottom(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row)) + owned.x();
            std::fill(line, line + owned.width(), background_);
        }
    }
    dirty_ |= owned;
}

QRect ImageCanvas::takeDirty()
{
    return std::exchange(dirty_, QRect());
}

} // namespace sentari::saver
