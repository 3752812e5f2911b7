#include "tray/quotewindows.h"

#include "platform/twips.h"

#include <QEvent>
#include <QFontInfo>
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

void showQuote(QLabel* label, const QString& quote, double pointSize, QPalette::ColorRole textRole)
{
    label->setText(quote);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(quoteFont(pointSize));
    useTooltipColours(label, textRole);
}
} // namespace

QString quoteFontFamily()
{
    static const QString family = [] {
        const QString arial = QStringLiteral("Arial");
        // fontconfig substitutes silently; QFontInfo tells what would really be used.
        if (QFontInfo(QFont(arial)).family().compare(arial, Qt::CaseInsensitive) == 0)
            return arial;
        return QStringLiteral("Liberation Sans");
    }();
    return family;
}

QuotePopupWindow::QuotePopupWindow(const QString& quote, QPointF twipsPerPixel)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      frame_(new QLabel(this)), quote_(new QLabel(this))
{
    setObjectName(QStringLiteral("quotePopup"));
    // The quote is the window's name too, for screen readers and pagers.
    setWindowTitle(quote);
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
    showQuote(quote_, quote, 8.25, QPalette::ToolTipText);
    const int quoteWidth = twips.x(QuoteWidth);
    const int quoteHeight = quote_->heightForWidth(quoteWidth);
    quote_->setGeometry(twips.x(FrameMargin), twips.y(FrameMargin), quoteWidth, quoteHeight);

    // The quote grows in height with its text; the frame and the window follow it.
    const double frameHeight = twips.yTwips(quoteHeight) + 2 * FrameMargin;
    frame_->setGeometry(0, 0, twips.x(FrameWidth), twips.y(frameHeight));
    sizeTwips_ = QSize(FrameWidth, static_cast<int>(std::lround(frameHeight)));
    resize(frame_->size());
    quote_->raise();
}

void QuotePopupWindow::showAt(QPoint topLeft)
{
    move(topLeft);
    show();
    raise();
}

QuickShowWindow::QuickShowWindow(const QString& quote, QRect screen)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      quote_(new QLabel(this))
{
    setObjectName(QStringLiteral("quickShow"));
    setWindowTitle(QStringLiteral("Sentari"));
    useTooltipColours(this, QPalette::WindowText);

    quote_->setObjectName(QStringLiteral("quote"));
    showQuote(quote_, quote, 24, QPalette::WindowText);
    quote_->setFrameStyle(QFrame::Box | QFrame::Plain);
    quote_->setMouseTracking(true);
    quote_->installEventFilter(this);

    const int width = screen.width() / 2;
    quote_->setGeometry(0, 0, width, quote_->heightForWidth(width));
    setGeometry(QRect(screen.topLeft(), quote_->size()));
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
