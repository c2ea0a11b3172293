#include "Geometry.h"

#include <QApplication>
#include <QComboBox>
#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>
#include <QWidget>
#include <QWidgetItem>

#include <algorithm>
#include <cmath>

namespace geometry {

double scale(const QFont &font)
{
    return std::max(1.0, QFontMetrics(font).horizontalAdvance(QLatin1Char('0')) / 6.0);
}

double scale()
{
    return scale(QApplication::font());
}

int px(int twips, double factor)
{
    return int(std::lround(twips / 15.0 * factor));
}

int px(int twips)
{
    return px(twips, scale());
}

QSize size(int width, int height)
{
    const double f = scale();
    return QSize(px(width, f), px(height, f));
}

void keepComboWidth(QComboBox *combo)
{
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(4);
    // The drop-down shows whole items: its width is taken once after a fill
    // (the items arrive one by one), not at every item.
    auto widen = [combo] {
        if (combo->property("hyWidthPending").toBool())
            return;
        combo->setProperty("hyWidthPending", true);
        QMetaObject::invokeMethod(
            combo,
            [combo] {
                combo->setProperty("hyWidthPending", false);
                combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + 24);
            },
            Qt::QueuedConnection);
    };
    QObject::connect(combo->model(), &QAbstractItemModel::rowsInserted, combo, widen);
    QObject::connect(combo->model(), &QAbstractItemModel::modelReset, combo, widen);
}

} // namespace geometry

namespace {

// What a button's caption needs: its text and the style's margins and frame,
// without the least width some styles give every button.
int captionWidth(const QPushButton *b)
{
    const QStyle *s = b->style();
    return b->fontMetrics().horizontalAdvance(b->text()) + s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b)
           + 2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
}

} // namespace

TwipsLayout::TwipsLayout(QWidget *parent, int widthTwips, int heightTwips)
    : QLayout(parent), m_client(widthTwips, heightTwips)
{
    setContentsMargins(0, 0, 0, 0);
    setSizeConstraint(QLayout::SetFixedSize);
}

TwipsLayout::~TwipsLayout()
{
    for (const Entry &e : std::as_const(m_entries))
        delete e.item;
}

void TwipsLayout::place(QWidget *w, int left, int top, int width, int height, Qt::Alignment anchor)
{
    addChildWidget(w);
    m_entries.append(Entry{new QWidgetItem(w), QRect(left, top, width, height), anchor});
    invalidate();
}

void TwipsLayout::placeLabel(QWidget *label, int boxLeft, int boxTop, int boxHeight, int gapTwips)
{
    addChildWidget(label);
    Entry e{new QWidgetItem(label), QRect(boxLeft, boxTop, 0, boxHeight), Qt::AlignRight, true, gapTwips};
    m_entries.append(e);
    invalidate();
}

void TwipsLayout::placeLabel(QWidget *label, const QWidget *box, int gapTwips)
{
    const QRect at = placeOf(box);
    placeLabel(label, at.left(), at.top(), at.height(), gapTwips);
    m_entries.last().box = box;
}

void TwipsLayout::placeText(QWidget *label, int left, int top, int widthTwips, int heightTwips)
{
    addChildWidget(label);
    Entry e{new QWidgetItem(label), QRect(left, top, widthTwips, heightTwips), Qt::AlignLeft};
    e.text = true;
    m_entries.append(e);
    invalidate();
}

void TwipsLayout::makeRoomBelow(const QWidget *w)
{
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [w](const Entry &e) { return e.item->widget() == w; });
    if (it == m_entries.end())
        return;
    const double f = geometry::scale();
    const int extraPx = pixelRect(*it).height() - geometry::px(it->twips.height(), f);
    if (extraPx <= 0)
        return;
    const int extra = int(std::ceil(extraPx * 15.0 / f));
    const int bottom = it->twips.top() + it->twips.height();
    for (Entry &e : m_entries)
        if (e.twips.top() >= bottom)
            e.twips.translate(0, extra);
    it->twips.setHeight(it->twips.height() + extra);
    m_client.rheight() += extra;
    invalidate();
}

QRect TwipsLayout::placeOf(const QWidget *w) const
{
    for (const Entry &e : m_entries)
        if (e.item->widget() == w)
            return e.twips;
    return QRect();
}

void TwipsLayout::addItem(QLayoutItem *item)
{
    // Items added without a place sit at the top left, as large as they ask.
    m_entries.append(Entry{item, QRect(), Qt::AlignLeft});
    invalidate();
}

QLayoutItem *TwipsLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem *TwipsLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    invalidate();
    return item;
}

int TwipsLayout::count() const
{
    return int(m_entries.size());
}

QRect TwipsLayout::pixelRect(const Entry &e) const
{
    const double f = geometry::scale();
    QWidget *w = e.item->widget();
    QSize need = e.item->isEmpty() ? QSize(0, 0) : e.item->minimumSize().expandedTo(w ? w->minimumSizeHint() : QSize());
    // A list never widens its place for its longest item: only its drop-down
    // may be wider.
    if (qobject_cast<QComboBox *>(w))
        need.setWidth(0);
    if (e.text) {
        const int width = e.twips.width() > 0 ? std::max(geometry::px(e.twips.width(), f), need.width())
                                              : std::max(need.width(), w ? w->sizeHint().width() : 0);
        int height = std::max(geometry::px(e.twips.height(), f), need.height());
        if (w && w->hasHeightForWidth())
            height = std::max(height, w->heightForWidth(width));
        else if (w)
            height = std::max(height, w->sizeHint().height());
        return QRect(geometry::px(e.twips.left(), f), geometry::px(e.twips.top(), f), width, height);
    }
    // A button keeps the width of its place while its caption fits.
    if (auto *b = qobject_cast<QPushButton *>(w))
        need.setWidth(std::max(captionWidth(b), b->minimumWidth()));
    const int centreY = geometry::px(2 * e.twips.top() + e.twips.height(), f) / 2;
    const int height = std::max(geometry::px(e.twips.height(), f), need.height());
    const int top = std::max(0, centreY - height / 2);
    if (e.label) {
        const int width = std::max(need.width(), w ? w->sizeHint().width() : 0);
        int right = geometry::px(e.twips.left() - e.gap, f);
        for (const Entry &box : m_entries) {
            if (e.box && box.item->widget() == e.box)
                right = pixelRect(box).left() - geometry::px(e.gap, f);
        }
        return QRect(std::max(0, right - width), top, width, height);
    }
    if (e.twips.isNull())
        return QRect(QPoint(0, 0), e.item->sizeHint());
    const int placed = geometry::px(e.twips.width(), f);
    const int width = std::max(placed, need.width());
    int left = geometry::px(e.twips.left(), f);
    if (e.anchor & Qt::AlignRight)
        left = std::max(0, left + placed - width);
    else if (e.anchor & Qt::AlignHCenter)
        left = std::max(0, left + (placed - width) / 2);
    return QRect(left, top, width, height);
}

QSize TwipsLayout::contentSize() const
{
    QSize s = geometry::size(m_client.width(), m_client.height());
    for (const Entry &e : m_entries) {
        if (e.item->isEmpty())
            continue;
        const QRect r = pixelRect(e);
        s = s.expandedTo(QSize(r.right() + 1, r.bottom() + 1));
    }
    return s;
}

bool TwipsLayout::placesInWidget() const
{
    return parentWidget() && parentWidget()->layout() == this;
}

QSize TwipsLayout::sizeHint() const
{
    QSize s = contentSize();
    // The widget adds its own margins (a frame's border, a group box's
    // caption) around what its layout asks for: places already count them.
    if (placesInWidget()) {
        const QMargins m = parentWidget()->contentsMargins();
        s = (s - QSize(m.left() + m.right(), m.top() + m.bottom())).expandedTo(QSize(0, 0));
    }
    return s;
}

QSize TwipsLayout::minimumSize() const
{
    return sizeHint();
}

void TwipsLayout::setGeometry(const QRect &r)
{
    QLayout::setGeometry(r);
    const QPoint origin = placesInWidget() ? QPoint(0, 0) : r.topLeft();
    for (const Entry &e : std::as_const(m_entries))
        e.item->setGeometry(pixelRect(e).translated(origin));
}
