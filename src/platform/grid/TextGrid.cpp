#include "TextGrid.h"

#include "TextGridDelegate.h"
#include "TextGridModel.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Widgets.h"

#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {
// The widest a column of free text grows for its values.
constexpr int CappedTwips = 3000;

// Narrows the columns wider than one level to it, none below its least:
// the highest level that frees excess pixels, or each at its least.
// Returns the pixels freed.
int narrowToLevel(QVector<int> &width, const QVector<int> &least, int excess)
{
    const auto freed = [&](int level) {
        int sum = 0;
        for (int col = 0; col < width.size(); ++col)
            sum += width[col] - std::max(least[col], std::min(width[col], level));
        return sum;
    };
    int low = 0, high = width.isEmpty() ? 0 : *std::max_element(width.cbegin(), width.cend());
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (freed(mid) >= excess)
            low = mid;
        else
            high = mid - 1;
    }
    const int total = freed(low);
    for (int col = 0; col < width.size(); ++col)
        width[col] = std::max(least[col], std::min(width[col], low));
    return total;
}
} // namespace

TextGrid::TextGrid(QWidget *parent) : QTableView(parent), m_model(new TextGridModel(this))
{
    setModel(m_model);
    setItemDelegate(new TextGridDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control, as it leaves every box;
    // the arrow keys move the current cell.
    setTabKeyNavigation(false);
    // The current cell shows as the cells around it, apart from the focus
    // mark; only a grid that selects rows shows a selection.
    setRowSelection(false);
    setCornerButtonEnabled(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setHighlightSections(false);
    m_widthScale = geometry::scale(font());
    verticalHeader()->setFixedWidth(pixels(m_fixedColTwips));
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    m_corner = new QLabel(this);
    m_corner->setObjectName(QStringLiteral("corner"));
    m_corner->setAlignment(Qt::AlignCenter);
    m_corner->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TextGrid::fitWritten);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TextGrid::fitAll);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &TextGrid::fitAll);
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation o, int first, int last) {
        if (o == Qt::Horizontal)
            refit(first + 1, last + 1);
    });
}

void TextGrid::bind(ResultPtr result)
{
    // Widths and fits are set for the list shown, never left from another.
    m_colTwips.clear();
    m_colFit.clear();
    m_model->bind(std::move(result));
    for (int col = 1; col < m_model->cols(); ++col)
        setColumnHidden(col - 1, false);
    fitAll();
    m_corner->clear();
    m_row = m_model->rows() > 1 ? 1 : 0;
    m_col = m_model->cols() > 1 ? 1 : 0;
    syncCurrent();
    emit selChange();
}

void TextGrid::clear()
{
    m_model->clear();
    m_corner->clear();
    m_row = 0;
    m_col = std::min(m_col, m_model->cols() - 1);
    syncCurrent();
}

int TextGrid::rows() const
{
    return m_model->rows();
}

void TextGrid::setRows(int rows)
{
    m_model->setRows(rows);
    if (m_row >= m_model->rows())
        m_row = m_model->rows() - 1;
    syncCurrent();
}

int TextGrid::cols() const
{
    return m_model->cols();
}

void TextGrid::setCols(int cols)
{
    m_model->setCols(cols);
    if (m_col >= m_model->cols())
        m_col = m_model->cols() - 1;
    syncCurrent();
}

void TextGrid::setRow(int row)
{
    m_row = std::clamp(row, 0, m_model->rows() - 1);
    syncCurrent();
}

void TextGrid::setCol(int col)
{
    m_col = std::clamp(col, 0, m_model->cols() - 1);
    syncCurrent();
}

QString TextGrid::textMatrix(int row, int col) const
{
    return m_model->textMatrix(row, col);
}

void TextGrid::setTextMatrix(int row, int col, const QString &text)
{
    m_model->setTextMatrix(row, col, text);
    if (row == 0 && col == 0)
        m_corner->setText(text);
}

void TextGrid::numberRows()
{
    m_model->setRowNumbers(true);
}

void TextGrid::setColWidth(int col, int tw)
{
    if (col == 0) {
        m_fixedColTwips = tw;
        verticalHeader()->setVisible(tw > 0);
        verticalHeader()->setFixedWidth(pixels(tw));
        placeCorner();
        spread();
        return;
    }
    if (col < 1 || col >= m_model->cols())
        return;
    if (m_colTwips.size() <= col)
        m_colTwips.resize(col + 1);
    m_colTwips[col] = tw;
    setColumnHidden(col - 1, tw <= 0);
    refit(col, col);
}

void TextGrid::setColFit(int col, ColFit fit)
{
    if (col < 1)
        return;
    if (m_colFit.size() <= col)
        m_colFit.resize(col + 1, ColFit::Set);
    m_colFit[col] = fit;
    refit(col, col);
}

ColFit TextGrid::colFit(int col) const
{
    return col >= 1 && col < m_colFit.size() ? m_colFit[col] : ColFit::Set;
}

int TextGrid::valueWidth(const QString &text) const
{
    const qreal advance = TextGridDelegate::textWidth(text.left(256), font());
    return int(std::ceil(advance)) + 2 * TextGridDelegate::textMargin(this) + 2;
}

int TextGrid::takenWidth(int col, const QString &text) const
{
    const int width = valueWidth(text);
    return colFit(col) == ColFit::Capped ? std::min(width, pixels(CappedTwips)) : width;
}

int TextGrid::captionWidth(int col) const
{
    return std::max(0, horizontalHeader()->sectionSizeHint(col - 1));
}

TextGrid::Fit TextGrid::fitOf(int col) const
{
    const ColFit fit = colFit(col);
    const int tw = col < m_colTwips.size() ? m_colTwips[col] : 0;
    const int base = tw > 0 ? pixels(tw) : captionWidth(col);
    int values = 0;
    if (fit != ColFit::Set) {
        for (const QString &text : m_model->widestTexts(col))
            values = std::max(values, takenWidth(col, text));
    }
    const int wanted = std::max(base, values);
    switch (fit) {
    case ColFit::Capped:
        return {wanted, base, base};
    case ColFit::GivesWay: {
        const int need = std::min(wanted, std::max(captionWidth(col), values));
        return {wanted, need, std::min(need, captionWidth(col))};
    }
    default:
        return {wanted, wanted, wanted};
    }
}

void TextGrid::refit(int first, int last)
{
    m_fits.resize(m_model->cols());
    for (int col = std::max(first, 1); col <= last && col < m_model->cols(); ++col)
        m_fits[col] = fitOf(col);
    spread();
}

void TextGrid::fitAll()
{
    refit(1, m_model->cols() - 1);
}

void TextGrid::fitWritten(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole))
        return;
    for (int col = topLeft.column() + 1; col <= bottomRight.column() + 1 && col < m_fits.size(); ++col) {
        const ColFit fit = colFit(col);
        if (fit == ColFit::Set)
            continue;
        if (topLeft.row() != bottomRight.row()) {
            refit(col, col);
            continue;
        }
        // A text wider than any before widens the column, and what it needs.
        const int width = takenWidth(col, m_model->textMatrix(topLeft.row() + 1, col));
        Fit &f = m_fits[col];
        if (width > f.wanted || (fit == ColFit::GivesWay && width > f.need)) {
            f.wanted = std::max(f.wanted, width);
            if (fit == ColFit::GivesWay)
                f.need = std::max(f.need, width);
            else if (fit == ColFit::Whole)
                f.need = f.least = f.wanted;
            spread();
        }
    }
}

void TextGrid::spread()
{
    const int cols = m_model->cols();
    m_fits.resize(cols);
    QVector<int> width(cols, 0), need(cols, 0), least(cols, 0);
    int total = 0;
    for (int col = 1; col < cols; ++col) {
        if (isColumnHidden(col - 1))
            continue;
        width[col] = m_fits[col].wanted;
        need[col] = std::min(m_fits[col].need, width[col]);
        least[col] = std::min(m_fits[col].least, need[col]);
        total += width[col];
    }
    // The room beside the fixed column and a vertical scroll bar, shown or not.
    const int room = contentsRect().width() - (verticalHeader()->isHidden() ? 0 : verticalHeader()->width())
                     - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    // A list narrows its free text only when that brings every column into
    // view: one that must scroll anyway shows its texts as wide as they are.
    int atLeast = 0;
    for (int col = 1; col < cols; ++col)
        atLeast += least[col];
    if (atLeast > room) {
        for (int col = 1; col < cols; ++col)
            if (colFit(col) == ColFit::Capped)
                need[col] = least[col] = width[col];
    }
    // The columns of free text give up first what they were given beyond
    // their need, then narrow towards their least; the widest first.
    if (total > room)
        total -= narrowToLevel(width, need, total - room);
    if (total > room)
        narrowToLevel(width, least, total - room);
    for (int col = 1; col < cols; ++col)
        if (!isColumnHidden(col - 1) && columnWidth(col - 1) != width[col])
            setColumnWidth(col - 1, width[col]);
}

int TextGrid::pixels(int tw) const
{
    return geometry::px(tw, m_widthScale);
}

int TextGrid::colWidth(int col) const
{
    if (col == 0)
        return verticalHeader()->isHidden() ? 0 : m_fixedColTwips;
    if (col < 1 || col >= m_model->cols() || isColumnHidden(col - 1))
        return 0;
    return qRound(columnWidth(col - 1) * 15 / m_widthScale);
}

void TextGrid::setColAlignment(int col, int alignment)
{
    m_model->setColAlignment(col, alignment);
}

void TextGrid::setFixedAlignment(int alignment)
{
    m_model->setFixedAlignment(alignment);
}

void TextGrid::setFixedAlignment(int col, int alignment)
{
    m_model->setFixedAlignment(col, alignment);
}

void TextGrid::setBackgrounds(const QColor &cells, const QColor &fixed, const QColor &outside)
{
    m_model->setCellBackground(cells);
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Base, outside);
    viewport()->setPalette(p);
    // The header's own background is the strip beyond its last section.
    const QString header = QStringLiteral("QHeaderView { background-color: %2; } "
                                          "QHeaderView::section { background-color: %1; border: 1px solid #a0a0a0; padding: 1px; }")
                               .arg(fixed.name(), outside.name());
    horizontalHeader()->setStyleSheet(header);
    verticalHeader()->setStyleSheet(header);
    m_corner->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #a0a0a0;").arg(fixed.name()));
}

void TextGrid::setRowSelection(bool on)
{
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::NoSelection);
    setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    clearSelection();
    if (on && currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TextGrid::setSelectionColors(const QColor &background, const QColor &text)
{
    QPalette p = palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Highlight, background);
        p.setColor(g, QPalette::HighlightedText, text);
    }
    setPalette(p);
}

QRect TextGrid::cellRect(QWidget *ancestor) const
{
    if (m_row < 1 || m_col < 1)
        return QRect();
    const QRect r = visualRect(m_model->index(m_row - 1, m_col - 1));
    if (!ancestor)
        return r;
    return QRect(viewport()->mapTo(ancestor, r.topLeft()), r.size());
}

void TextGrid::clickCell(int row, int col)
{
    if (row < 1 || col < 1 || row >= rows() || col >= cols())
        return;
    const bool moved = row != m_row || col != m_col;
    m_row = row;
    m_col = col;
    syncCurrent();
    if (moved)
        emit selChange();
    emit clicked();
}

void TextGrid::syncCurrent()
{
    const bool inside = m_row >= 1 && m_col >= 1 && m_row < m_model->rows() && m_col < m_model->cols();
    const QModelIndex current = inside ? m_model->index(m_row - 1, m_col - 1) : QModelIndex();
    // A click has set the cell already and a drag or Shift+click its range
    // of rows: both stand. A cell set in code selects its row alone.
    if (current == currentIndex())
        return;
    const auto how = selectionMode() == QAbstractItemView::NoSelection
                         ? QItemSelectionModel::NoUpdate
                         : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    m_silent = true;
    selectionModel()->setCurrentIndex(current, how);
    m_silent = false;
}

void TextGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_silent || !current.isValid())
        return;
    const int r = current.row() + 1;
    const int c = current.column() + 1;
    if (r == m_row && c == m_col)
        return;
    m_row = r;
    m_col = c;
    emit selChange();
}

void TextGrid::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    const QModelIndex i = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && i.isValid()) {
        clickCell(i.row() + 1, i.column() + 1);
    } else if (event->button() == Qt::RightButton) {
        emit rightButtonReleased(event->globalPosition().toPoint());
    }
}

void TextGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit doubleClicked();
}

void TextGrid::updateGeometries()
{
    QTableView::updateGeometries();
    placeCorner();
}

void TextGrid::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    spread();
}

void TextGrid::placeCorner()
{
    if (!m_corner)
        return;
    const int w = verticalHeader()->isHidden() ? 0 : verticalHeader()->width();
    const int h = horizontalHeader()->isHidden() ? 0 : horizontalHeader()->height();
    m_corner->setGeometry(frameWidth(), frameWidth(), w, h);
    m_corner->setVisible(w > 0 && h > 0);
    m_corner->raise();
}
