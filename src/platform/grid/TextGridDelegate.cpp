#include "TextGridDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>

void TextGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const bool plain = !(opt.state & QStyle::State_HasFocus) && !(opt.features & QStyleOptionViewItem::HasCheckIndicator)
                       && !(opt.features & QStyleOptionViewItem::HasDecoration) && !(opt.features & QStyleOptionViewItem::WrapText)
                       && !opt.text.contains(QChar::LineSeparator);
    if (!plain) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);

    QTextLayout layout(opt.text, opt.font);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(opt.direction);
    textOption.setAlignment(QStyle::visualAlignment(opt.direction, opt.displayAlignment));
    layout.setTextOption(textOption);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setLineWidth(textRect.width());
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    if (line.isValid() && line.naturalTextWidth() > textRect.width()) {
        QStyledItemDelegate::paint(painter, option, index); // cut short with "…" by the style
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
