#pragma once

#include "ResultColumn.h"

#include <QStringList>
#include <QVariant>
#include <QVector>
#include <memory>
#include <vector>

// A fully read query result: the column names are the query's aliases, the
// rows are kept in the order the database returned them. Immutable once
// built, so a list grid, a report and a preview can share one snapshot. The
// values are kept column by column in compact form (see ResultColumn); a
// value or text is made when it is asked for.
class ResultTable
{
public:
    ResultTable() = default;
    // The cells row by row, rows * columns.size() of them.
    ResultTable(QStringList columns, const QVector<QVariant> &cells);
    // The values column by column, every column of the same length.
    ResultTable(QStringList columns, std::vector<ResultColumn> data);

    int rowCount() const { return m_rows; }
    int columnCount() const { return int(m_columns.size()); }
    bool isEmpty() const { return m_rows == 0; }

    const QStringList &columns() const { return m_columns; }
    // Position of the column with this alias (exact match first, then
    // without regard to case), or -1.
    int columnIndex(const QString &alias) const;

    QVariant value(int row, int col) const;
    QVariant value(int row, const QString &alias) const;
    bool isNull(int row, int col) const;

    // The value as shown in grids and reports (see valueText()).
    QString text(int row, int col) const;
    QString text(int row, const QString &alias) const;

    // What the column knows of its values without reading them again (see
    // ResultColumn): whether they are numbers, and the texts of its widest.
    bool holdsNumbers(int col) const;
    QStringList widestTexts(int col) const;

private:
    bool contains(int row, int col) const;

    QStringList m_columns;
    std::vector<ResultColumn> m_data; // one per column
    int m_rows = 0;
};

using ResultPtr = std::shared_ptr<const ResultTable>;
