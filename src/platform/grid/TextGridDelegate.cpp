#include "TextGridDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>

namespace {

QStyle *styleOf(const QWidget *widget)
{
    return widget ? widget->style() : QApplication::style();
}

// One line of the text, laid out as a cell shows it, without wrapping.
void layOutLine(QTextLayout &layout, QTextLine &line, Qt::LayoutDirection direction, Qt::Alignment alignment,
                qreal width)
{
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(direction);
    textOption.setAlignment(alignment);
    layout.setTextOption(textOption);
    layout.beginLayout();
    line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
}

void paintText(QPainter *painter, const QStyleOptionViewItem &opt, const QModelIndex &index,
               const QStyledItemDelegate &styled)
{
    const bool plain = !(opt.features & QStyleOptionViewItem::HasCheckIndicator)
                       && !(opt.features & QStyleOptionViewItem::HasDecoration)
                       && !(opt.features & QStyleOptionViewItem::WrapText) && !opt.text.contains(QChar::LineSeparator);
    if (!plain) {
        styled.QStyledItemDelegate::paint(painter, opt, index);
        return;
    }
    const QWidget *widget = opt.widget;
    QStyle *style = styleOf(widget);
    const int margin = TextGridDelegate::textMargin(widget);
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);

    QTextLayout layout(opt.text, opt.font);
    QTextLine line;
    layOutLine(layout, line, opt.direction, QStyle::visualAlignment(opt.direction, opt.displayAlignment),
               textRect.width());
    if (line.isValid() && line.naturalTextWidth() > textRect.width()) {
        styled.QStyledItemDelegate::paint(painter, opt, index); // cut short with "…" by the style
        return;
    }

    painter->save();
    painter->setClipRect(opt.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    if (line.isValid()) {
        QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
        if (group == QPalette::Normal && !(opt.state & QStyle::State_Active))
            group = QPalette::Inactive;
        painter->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                       : QPalette::Text));
        const QSize size(textRect.width(), int(line.height()));
        layout.draw(painter, QStyle::alignedRect(opt.direction, opt.displayAlignment, size, textRect).topLeft());
    }
    painter->restore();
}

} // namespace

int TextGridDelegate::textMargin(const QWidget *widget)
{
    return styleOf(widget)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

qreal TextGridDelegate::textWidth(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    QTextLine line;
    layOutLine(layout, line, Qt::LeftToRight, Qt::AlignLeft, 1e6);
    return line.isValid() ? line.naturalTextWidth() : 0;
}

void TextGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool current = opt.state & QStyle::State_HasFocus;
    opt.state &= ~QStyle::State_HasFocus;
    paintText(painter, opt, index, *this);
    if (!current)
        return;
    painter->save();
    // The mark stands out on a selected row's colours too.
    QPen pen(opt.palette.color((opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(opt.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

bool TextGridDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                 const QModelIndex &index)
{
    if (!event || !view || event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    const qreal room = option.rect.width() - 2 * textMargin(view);
    if (text.isEmpty() || textWidth(text, option.font) <= room)
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
    return true;
}
