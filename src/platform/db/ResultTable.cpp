#include "ResultTable.h"

#include "ValueText.h"

ResultTable::ResultTable(QStringList columns, QVector<QVariant> cells)
    : m_columns(std::move(columns)), m_cells(std::move(cells))
{
    m_rows = m_columns.isEmpty() ? 0 : int(m_cells.size() / m_columns.size());
}

int ResultTable::columnIndex(const QString &alias) const
{
    int i = int(m_columns.indexOf(alias));
    if (i >= 0)
        return i;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].compare(alias, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

QVariant ResultTable::value(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_columns.size())
        return {};
    return m_cells[row * m_columns.size() + col];
}

QVariant ResultTable::value(int row, const QString &alias) const
{
    return value(row, columnIndex(alias));
}

bool ResultTable::isNull(int row, int col) const
{
    const QVariant v = value(row, col);
    return !v.isValid() || v.isNull();
}

QString ResultTable::text(int row, int col) const
{
    return valueText(value(row, col));
}

QString ResultTable::text(int row, const QString &alias) const
{
    return valueText(value(row, alias));
}
