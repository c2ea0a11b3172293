#pragma once

#include <QStyledItemDelegate>

// Paints the grid's cells as the style does, with less work for the common
// cell: one line of text that fits. Such a cell's text is laid out once,
// where the style lays it out three times (to measure it, to see whether it
// must be cut short, to draw it); every other cell is left to the style.
// The current cell is painted as the cells around it, on the grid's own
// background, with a dotted focus frame only. A cell whose text is cut
// short shows it whole as its tooltip.
class TextGridDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The room on either side of a cell's text, in pixels.
    static int textMargin(const QWidget *widget);
    // The width a line of text takes in a cell, as the cell lays it out
    // when it decides whether to cut it short.
    static qreal textWidth(const QString &text, const QFont &font);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
