#pragma once

#include <QStyledItemDelegate>

// Paints the grid's cells as the style does, with less work for the common
// cell: one line of text that fits, not the current cell. Such a cell's text
// is laid out once, where the style lays it out three times (to measure it,
// to see whether it must be cut short, to draw it); every other cell is left
// to the style.
class TextGridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
