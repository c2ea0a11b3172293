#pragma once

#include "platform/db/ResultTable.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QVector>

// The text matrix behind a TextGrid. Addressed as the grid is: row 0 holds
// the captions, column 0 the fixed column, data from (1,1). A bound result
// is shared, not copied cell by cell, and shown through valueText(); cells
// written afterwards are kept beside it. The Qt model shows rows 1.. and
// columns 1.. as data and row 0 / column 0 as its header data.
class TextGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TextGridModel(QObject *parent = nullptr);

    // Shows the result: row 0 its aliases, record k in row k.
    void bind(ResultPtr result);
    // Empties every cell and leaves only row 0; the column count stays.
    void clear();

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    void setRows(int rows);
    void setCols(int cols);

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    // Texts of the data cells of col, the widest of which is as wide as its
    // widest cell: what the bound result knows of its widest values, and the
    // cells written.
    QStringList widestTexts(int col) const;

    // Column 0 shows each row's number ("1", "2", ...) unless written.
    void setRowNumbers(bool on);

    // 1 = left, 4 = centre; both vertically centred.
    void setColAlignment(int col, int alignment);
    void setFixedAlignment(int alignment);
    void setFixedAlignment(int col, int alignment);
    Qt::Alignment colAlignment(int col) const;
    void setCellBackground(const QColor &color);

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    static qint64 key(int row, int col) { return (qint64(row) << 32) | quint32(col); }
    static Qt::Alignment toQt(int alignment);
    int baseRows() const;
    int baseCols() const;

    ResultPtr m_base;
    int m_baseRowLimit = 0; // rows of m_base still shown (rows dropped stay dropped)
    int m_baseColLimit = 0;
    QHash<qint64, QString> m_cells;
    int m_rows = 1;
    int m_cols = 1;
    bool m_rowNumbers = false;
    QVector<Qt::Alignment> m_colAlign;
    QVector<Qt::Alignment> m_fixedAlign;
    Qt::Alignment m_fixedDefault = Qt::AlignCenter;
    QColor m_cellBackground;
};
