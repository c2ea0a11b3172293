#include "TextGridModel.h"

TextGridModel::TextGridModel(QObject *parent) : QAbstractTableModel(parent) {}

int TextGridModel::baseRows() const
{
    return m_base ? std::min(m_base->rowCount(), m_baseRowLimit) : 0;
}

int TextGridModel::baseCols() const
{
    return m_base ? std::min(m_base->columnCount(), m_baseColLimit) : 0;
}

void TextGridModel::bind(ResultPtr result)
{
    beginResetModel();
    m_base = std::move(result);
    m_cells.clear();
    m_rowNumbers = false;
    if (m_base) {
        m_baseRowLimit = m_base->rowCount();
        m_baseColLimit = m_base->columnCount();
        m_rows = m_base->rowCount() + 1;
        m_cols = m_base->columnCount() + 1;
    } else {
        m_rows = 1;
    }
    endResetModel();
}

void TextGridModel::clear()
{
    beginResetModel();
    m_base.reset();
    m_cells.clear();
    m_rowNumbers = false;
    m_rows = 1;
    endResetModel();
}

void TextGridModel::setRows(int rows)
{
    rows = std::max(rows, 1);
    if (rows == m_rows)
        return;
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows - 1, rows - 2);
        m_rows = rows;
        endInsertRows();
        return;
    }
    beginRemoveRows(QModelIndex(), rows - 1, m_rows - 2);
    for (auto it = m_cells.begin(); it != m_cells.end();) {
        if ((it.key() >> 32) >= rows)
            it = m_cells.erase(it);
        else
            ++it;
    }
    m_baseRowLimit = std::min(m_baseRowLimit, rows - 1);
    m_rows = rows;
    endRemoveRows();
}

void TextGridModel::setCols(int cols)
{
    cols = std::max(cols, 1);
    if (cols == m_cols)
        return;
    beginResetModel();
    if (cols < m_cols) {
        for (auto it = m_cells.begin(); it != m_cells.end();) {
            if (int(it.key() & 0xFFFFFFFF) >= cols)
                it = m_cells.erase(it);
            else
                ++it;
        }
        m_baseColLimit = std::min(m_baseColLimit, cols - 1);
    }
    m_cols = cols;
    endResetModel();
}

QString TextGridModel::textMatrix(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return QString();
    const auto it = m_cells.constFind(key(row, col));
    if (it != m_cells.constEnd())
        return it.value();
    if (row == 0)
        return (col >= 1 && col <= baseCols()) ? m_base->columns().at(col - 1) : QString();
    if (col == 0)
        return m_rowNumbers ? QString::number(row) : QString();
    if (row <= baseRows() && col <= baseCols())
        return m_base->text(row - 1, col - 1);
    return QString();
}

void TextGridModel::setTextMatrix(int row, int col, const QString &text)
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return;
    m_cells.insert(key(row, col), text);
    if (row == 0 && col >= 1)
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    else if (col == 0 && row >= 1)
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    else if (row >= 1 && col >= 1) {
        const QModelIndex i = index(row - 1, col - 1);
        emit dataChanged(i, i, {Qt::DisplayRole});
    }
}

QStringList TextGridModel::widestTexts(int col) const
{
    QStringList texts;
    if (col >= 1 && col <= baseCols() && baseRows() > 0)
        texts = m_base->widestTexts(col - 1);
    for (auto it = m_cells.constBegin(); it != m_cells.constEnd(); ++it) {
        if (int(it.key() & 0xFFFFFFFF) == col && (it.key() >> 32) >= 1)
            texts << it.value();
    }
    return texts;
}

void TextGridModel::setRowNumbers(bool on)
{
    m_rowNumbers = on;
    if (m_rows > 1)
        emit headerDataChanged(Qt::Vertical, 0, m_rows - 2);
}

Qt::Alignment TextGridModel::toQt(int alignment)
{
    return alignment == 4 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter);
}

void TextGridModel::setColAlignment(int col, int alignment)
{
    if (col < 0)
        return;
    if (m_colAlign.size() <= col)
        m_colAlign.resize(col + 1, Qt::AlignLeft | Qt::AlignVCenter);
    m_colAlign[col] = toQt(alignment);
    if (col >= 1 && col < m_cols && m_rows > 1)
        emit dataChanged(index(0, col - 1), index(m_rows - 2, col - 1), {Qt::TextAlignmentRole});
}

Qt::Alignment TextGridModel::colAlignment(int col) const
{
    return col < m_colAlign.size() ? m_colAlign[col] : (Qt::AlignLeft | Qt::AlignVCenter);
}

void TextGridModel::setFixedAlignment(int alignment)
{
    m_fixedDefault = toQt(alignment);
    m_fixedAlign.clear();
    if (m_cols > 1)
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 2);
}

void TextGridModel::setFixedAlignment(int col, int alignment)
{
    if (col < 0)
        return;
    if (m_fixedAlign.size() <= col)
        m_fixedAlign.resize(col + 1, Qt::Alignment());
    m_fixedAlign[col] = toQt(alignment);
    if (col >= 1 && col < m_cols)
        emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
}

void TextGridModel::setCellBackground(const QColor &color)
{
    m_cellBackground = color;
    if (m_rows > 1 && m_cols > 1)
        emit dataChanged(index(0, 0), index(m_rows - 2, m_cols - 2), {Qt::BackgroundRole});
}

int TextGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows - 1;
}

int TextGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols - 1;
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows - 1 || index.column() >= m_cols - 1)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return textMatrix(index.row() + 1, index.column() + 1);
    case Qt::TextAlignmentRole:
        return int(colAlignment(index.column() + 1));
    case Qt::BackgroundRole:
        return m_cellBackground.isValid() ? QVariant(m_cellBackground) : QVariant();
    default:
        return QVariant();
    }
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_cols - 1)
            return QVariant();
        if (role == Qt::DisplayRole)
            return textMatrix(0, section + 1);
        if (role == Qt::TextAlignmentRole) {
            const int col = section + 1;
            const Qt::Alignment a = col < m_fixedAlign.size() && m_fixedAlign[col] ? m_fixedAlign[col] : m_fixedDefault;
            return int(a);
        }
        return QVariant();
    }
    if (section < 0 || section >= m_rows - 1)
        return QVariant();
    if (role == Qt::DisplayRole)
        return textMatrix(section + 1, 0);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}
