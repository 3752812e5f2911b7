#include "tray/popup/quotewindows.h"

#include "platform/twips.h"

#include <QEvent>
#include <QFontInfo>
#include <algorithm>
#include <cmath>

namespace sentari::tray {

namespace {
// The pop-up's layout in twips: a framed box around the word-wrapped quote.
constexpr int FrameWidth = 2650;
constexpr int QuoteWidth = 2500;
constexpr int FrameMargin = 75;

QFont quoteFont(double pointSize)
{
    QFont font(quoteFontFamily());
    font.setPointSizeF(pointSize);
    return font;
}

void useTooltipColours(QWidget* w, QPalette::ColorRole textRole)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(textRole));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// Longest title given to the window manager: a title is copied into X properties whole.
constexpr qsizetype TitleLimit = 65536;
const QString Ellipsis = QStringLiteral("\u2026");

// The first n characters of the text ended by "…", never splitting a surrogate pair.
QString cutText(const QString& text, qsizetype n)
{
    if (n > 0 && n < text.size() && text.at(n - 1).isHighSurrogate())
        --n;
    QString cut = text.left(n);
    while (!cut.isEmpty() && cut.back().isSpace())
        cut.chop(1);
    return cut + Ellipsis;
}

// More characters than could ever show in an area of that size, so cutting there is safe.
qsizetype visibleCharacterBound(const QFontMetrics& metrics, int width, int height)
{
    const int narrowest = std::max(1, metrics.horizontalAdvance(QLatin1Char('.')) / 2);
    const qsizetype perLine = width / narrowest + 1;
    const qsizetype lines = height / std::max(1, metrics.lineSpacing()) + 1;
    return perLine * lines;
}

void setUpQuoteLabel(QLabel* label, double pointSize, QPalette::ColorRole textRole)
{
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(quoteFont(pointSize));
    useTooltipColours(label, textRole);
}
} // namespace

QSize fitQuote(QLabel* label, const QString& quote, int width, int maxWidth, int maxHeight)
{
    maxWidth = std::max(width, maxWidth);
    const auto fits = [&](int w) { return label->heightForWidth(w) <= maxHeight; };
    const qsizetype bound = visibleCharacterBound(label->fontMetrics(), maxWidth, maxHeight);
    const QString text = quote.size() > bound ? cutText(quote, bound) : quote;
    label->setText(text);
    if (fits(width))
        return {width, label->heightForWidth(width)};
    if (fits(maxWidth)) {
        // The least width that fits: heights only shrink as the width grows.
        int low = width;
        int high = maxWidth;
        while (high - low > 1) {
            const int mid = low + (high - low) / 2;
            (fits(mid) ? high : low) = mid;
        }
        return {high, label->heightForWidth(high)};
    }
    // The most characters that fit with "…" after them.
    qsizetype low = 0;
    qsizetype high = std::min(text.size(), bound);
    while (high - low > 1) {
        const qsizetype mid = low + (high - low) / 2;
        label->setText(cutText(quote, mid));
        (fits(maxWidth) ? low : high) = mid;
    }
    label->setText(cutText(quote, low));
    return {maxWidth, std::min(label->heightForWidth(maxWidth), maxHeight)};
}

QString quoteTitle(const QString& quote)
{
    return quote.size() > TitleLimit ? cutText(quote, TitleLimit) : quote;
}

QString quoteFontFamily()
{
    static const QString Family = [] {
        QString arial = QStringLiteral("Arial");
        // fontconfig substitutes silently; QFontInfo tells what would really be used.
        if (QFontInfo(QFont(arial)).family().compare(arial, Qt::CaseInsensitive) == 0)
            return arial;
        return QStringLiteral("Liberation Sans");
    }();
    return Family;
}

QuotePopupWindow::QuotePopupWindow(const QString& quote, QPointF twipsPerPixel, QRect workArea)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      frame_(new QLabel(this)), quote_(new QLabel(this))
{
    setObjectName(QStringLiteral("quotePopup"));
    // The quote is the window's name too, for screen readers and pagers.
    setWindowTitle(quoteTitle(quote));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);

    const platform::TwipsScale twips(twipsPerPixel);
    frame_->setObjectName(QStringLiteral("frame"));
    frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame_->setLineWidth(1);
    frame_->setFont(quoteFont(8.25));
    useTooltipColours(frame_, QPalette::ToolTipText);

    quote_->setObjectName(QStringLiteral("quote"));
    setUpQuoteLabel(quote_, 8.25, QPalette::ToolTipText);
    // The quote grows in height with its text, and in width only when it would not fit the
    // work area's height otherwise; the frame and the window follow it.
    const int margin = twips.x(FrameMargin);
    const int designedWidth = twips.x(QuoteWidth);
    const QSize area =
        workArea.isEmpty() ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : workArea.size();
    const int frameExtra = twips.x(FrameWidth) - designedWidth;
    const QSize fitted = fitQuote(quote_, quote, designedWidth, area.width() / 2 - frameExtra,
                                  area.height() - 2 * twips.y(FrameMargin));
    quote_->setGeometry(margin, twips.y(FrameMargin), fitted.width(), fitted.height());
    const double frameHeight = twips.yTwips(fitted.height()) + 2 * FrameMargin;
    frame_->setGeometry(0, 0, fitted.width() + frameExtra, twips.y(frameHeight));
    resize(frame_->size());
    quote_->raise();
}

void QuotePopupWindow::showAt(QPoint topLeft)
{
    move(topLeft);
    show();
    raise();
}

QuickShowWindow::QuickShowWindow(const QString& quote, QRect screen, QRect workArea)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      quote_(new QLabel(this))
{
    setObjectName(QStringLiteral("quickShow"));
    setWindowTitle(quoteTitle(quote));
    useTooltipColours(this, QPalette::WindowText);

    quote_->setObjectName(QStringLiteral("quote"));
    setUpQuoteLabel(quote_, 24, QPalette::WindowText);
    quote_->setFrameStyle(QFrame::Box | QFrame::Plain);
    quote_->setMouseTracking(true);
    quote_->installEventFilter(this);

    // Half the screen wide at its top-left corner, moved into the work area when a panel is
    // there, and never taller than the work area.
    const QRect area = workArea.isEmpty() ? screen : workArea;
    const int width = std::min(screen.width() / 2, area.width());
    const QSize fitted = fitQuote(quote_, quote, width, width, area.height());
    quote_->setGeometry(QRect(QPoint(), fitted));
    QRect frame(screen.topLeft(), fitted);
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    setGeometry(frame);
}

bool QuickShowWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == quote_ && event->type() == QEvent::MouseMove && !done_) {
        done_ = true;
        hide();
        emit mouseMoved();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sentari::tray
