#include "fitlayout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace sentari::platform {

namespace {

// The widgets placed by hand in the window, and in the plain containers among them.
std::vector<QWidget*> placedIn(QWidget* window)
{
    std::vector<QWidget*> out;
    std::vector<QWidget*> containers{window};
    while (!containers.empty()) {
        QWidget* parent = containers.back();
        containers.pop_back();
        for (QObject* object : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (!widget || widget->isWindow() ||
                (parent->layout() && parent->layout()->indexOf(widget) >= 0))
                continue;
            out.push_back(widget);
            const QMetaObject* type = widget->metaObject();
            if (qobject_cast<QGroupBox*>(widget) || type == &QWidget::staticMetaObject ||
                type == &QFrame::staticMetaObject)
                containers.push_back(widget);
        }
    }
    return out;
}

// The size a control's text needs; containers and anything else keep theirs. Framed
// controls count their text and a thin frame, not the style's preferred (roomier) size, so
// the designed sizes hold at an ordinary font.
QSize needed(const QWidget* w)
{
    // A caption's last letter keeps a pixel or two from its edge.
    constexpr QSize Spare(2, 0);
    const QFontMetrics metrics = w->fontMetrics();
    const int framedHeight = metrics.height() + 6;
    // A list's or field's hint is as wide as its longest item; only its height counts.
    if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w))
        return {w->width(), framedHeight};
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->wordWrap())
            return {w->width(), label->heightForWidth(w->width())};
        return label->sizeHint() + Spare;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        return {metrics.horizontalAdvance(text) + metrics.height(), framedHeight};
    }
    if (qobject_cast<const QAbstractButton*>(w))
        return w->sizeHint() + Spare;
    return w->size();
}

// How far `w` may widen before it meets a sibling on its rows or its parent's edge.
int freeRoomRight(const QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    constexpr int Gap = 4;
    const QRect g = w->geometry();
    int limit = parent->contentsRect().right() + 1 - Gap;
    for (const QObject* object : parent->children()) {
        const auto* s = qobject_cast<const QWidget*>(object);
        if (!s || s == w || s->isWindow())
            continue;
        const QRect o = s->geometry();
        if (o.left() >= g.right() + 1 && o.top() <= g.bottom() && o.bottom() >= g.top())
            limit = std::min(limit, o.left() - Gap);
    }
    return std::max(0, limit - g.right() - 1);
}

QRect scaled(const QRect& r, double fx, double fy)
{
    const int left = int(std::lround(r.left() * fx));
    const int top = int(std::lround(r.top() * fy));
    return {left, top, int(std::lround((r.left() + r.width()) * fx)) - left,
            int(std::lround((r.top() + r.height()) * fy)) - top};
}

} // namespace

void growToFit(QWidget* window)
{
    const std::vector<QWidget*> placed = placedIn(window);

    double fx = 1.0;
    double fy = 1.0;
    for (QWidget* w : placed) {
        const QSize need = needed(w);
        if (need.width() > w->width())
            w->resize(w->width() + std::min(need.width() - w->width(), freeRoomRight(w)),
                      w->height());
        if (w->width() > 0)
            fx = std::max(fx, double(need.width()) / w->width());
        if (w->height() > 0)
            fy = std::max(fy, double(need.height()) / w->height());
    }
    if (fx <= 1.0 && fy <= 1.0)
        return;

    for (QWidget* w : placed)
        w->setGeometry(scaled(w->geometry(), fx, fy));
    const QSize size = scaled(QRect(QPoint(), window->size()), fx, fy).size();
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(size);
    else
        window->resize(size);
}

} // namespace sentari::platform
