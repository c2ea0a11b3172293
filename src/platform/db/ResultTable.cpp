#include "ResultTable.h"

#include "ValueText.h"

ResultTable::ResultTable(QStringList columns, const QVector<QVariant> &cells)
    : m_columns(std::move(columns)), m_data(m_columns.size())
{
    const qsizetype cols = m_columns.size();
    m_rows = cols == 0 ? 0 : int(cells.size() / cols);
    for (qsizetype i = 0; i < qsizetype(m_rows) * cols; ++i)
        m_data[i % cols].append(cells[i]);
    for (ResultColumn &c : m_data)
        c.squeeze();
}

ResultTable::ResultTable(QStringList columns, std::vector<ResultColumn> data)
    : m_columns(std::move(columns)), m_data(std::move(data))
{
    m_data.resize(m_columns.size());
    m_rows = m_data.empty() ? 0 : int(m_data.front().size());
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

bool ResultTable::contains(int row, int col) const
{
    return row >= 0 && row < m_rows && col >= 0 && col < columnCount();
}

QVariant ResultTable::value(int row, int col) const
{
    return contains(row, col) ? m_data[col].value(row) : QVariant();
}

QVariant ResultTable::value(int row, const QString &alias) const
{
    return value(row, columnIndex(alias));
}

bool ResultTable::isNull(int row, int col) const
{
    return !contains(row, col) || m_data[col].isNull(row);
}

QString ResultTable::text(int row, int col) const
{
    return valueText(value(row, col));
}

QString ResultTable::text(int row, const QString &alias) const
{
    return valueText(value(row, alias));
}

bool ResultTable::holdsNumbers(int col) const
{
    return col >= 0 && col < columnCount() && m_data[col].holdsNumbers();
}

QStringList ResultTable::widestTexts(int col) const
{
    return col >= 0 && col < columnCount() ? m_data[col].widestTexts() : QStringList();
}
