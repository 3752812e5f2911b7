#include "tray/popups.h"

#include "tray/popupposition.h"

#include <QEvent>
#include <QFontInfo>
#include <cmath>

namespace sentari::tray {

namespace {
// Design sizes in twips.
constexpr int BorderWidth = 2650;
constexpr int PopupLabelWidth = 2500;
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

FrmPopup::FrmPopup(const QString& quote, QPointF twipsPerPixel)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      quoteBorder_(new QLabel(this)), quotePopup_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmPopup"));
    // The quote is the window's name too, for screen readers and pagers.
    setWindowTitle(quote);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);

    const double tx = twipsPerPixel.x();
    const double ty = twipsPerPixel.y();

    quoteBorder_->setObjectName(QStringLiteral("QuoteBorder"));
    quoteBorder_->setFrameStyle(QFrame::Box | QFrame::Plain);
    quoteBorder_->setLineWidth(1);
    quoteBorder_->setFont(quoteFont(8.25));
    useTooltipColours(quoteBorder_, QPalette::ToolTipText);

    quotePopup_->setObjectName(QStringLiteral("QuotePopup"));
    quotePopup_->setText(quote);
    quotePopup_->setTextFormat(Qt::PlainText);
    quotePopup_->setWordWrap(true);
    quotePopup_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    quotePopup_->setFont(quoteFont(8.25));
    useTooltipColours(quotePopup_, QPalette::ToolTipText);

    const int labelWidth = twipsToPixels(PopupLabelWidth, tx);
    const int labelHeight = quotePopup_->heightForWidth(labelWidth);
    quotePopup_->setGeometry(twipsToPixels(FrameMargin, tx), twipsToPixels(FrameMargin, ty),
                             labelWidth, labelHeight);

    // The label grows with its text; the frame and the window follow it.
    const double borderHeight = labelHeight * ty + 2 * FrameMargin;
    quoteBorder_->setGeometry(0, 0, twipsToPixels(BorderWidth, tx),
                              twipsToPixels(borderHeight, ty));
    sizeTwips_ = QSize(BorderWidth, static_cast<int>(std::lround(borderHeight)));
    resize(quoteBorder_->size());
    quotePopup_->raise();
}

void FrmPopup::showAt(QPoint topLeft)
{
    move(topLeft);
    show();
    raise();
}

FrmQuoteOnce::FrmQuoteOnce(const QString& quote, QRect screen)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      quote_(new QLabel(this))
{
    setObjectName(QStringLiteral("frmQuoteOnce"));
    setWindowTitle(QStringLiteral("Sentari"));
    useTooltipColours(this, QPalette::WindowText);

    quote_->setObjectName(QStringLiteral("Quote"));
    quote_->setText(quote);
    quote_->setTextFormat(Qt::PlainText);
    quote_->setWordWrap(true);
    quote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    quote_->setFrameStyle(QFrame::Box | QFrame::Plain);
    quote_->setFont(quoteFont(24));
    useTooltipColours(quote_, QPalette::WindowText);
    quote_->setMouseTracking(true);
    quote_->installEventFilter(this);

    const int width = screen.width() / 2;
    quote_->setGeometry(0, 0, width, quote_->heightForWidth(width));
    setGeometry(QRect(screen.topLeft(), quote_->size()));
}

bool FrmQuoteOnce::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == quote_ && event->type() == QEvent::MouseMove && !done_) {
        done_ = true;
        hide();
        if (mouseMoved)
            mouseMoved();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sentari::tray
