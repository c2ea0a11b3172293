#pragma once

#include "platform/db/ResultTable.h"

#include <QTableView>

class QLabel;
class TextGridModel;

// How a grid column's width follows what it shows. The width set is the
// least a column takes while the grid has room (without one, its caption's);
// a cell whose text is cut shows it whole as its tooltip.
enum class ColFit : quint8 {
    Set,      // the width set
    Whole,    // codes and numbers: as wide as the widest value, never cut
    Capped,   // free text in a list: as wide as the widest value, up to a
              // readable width; while the columns are wider than the grid,
              // back to the width set (or its caption), if all then show
    GivesWay, // free text in a grid of fixed size: as wide as the widest
              // value; while the columns are wider than the grid, first
              // down to what its values take, then down to its caption
};

// The grid of every list, bill and picker. It is addressed as a text matrix:
// row 0 holds the captions, column 0 is the fixed column (row numbers, tick
// marks, or hidden), data start at (1,1). Nothing is edited inside the grid:
// the bill windows lay their own editors over the current cell.
class TextGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TextGrid(QWidget *parent = nullptr);

    // Shows the result (row 0 its aliases, record k in row k); the current
    // cell becomes (1,1) when there are rows. Emits selChange.
    void bind(ResultPtr result);
    // Leaves only the caption row, with every cell empty.
    void clear();

    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);

    // The current cell; setting it emits nothing.
    int row() const { return m_row; }
    int col() const { return m_col; }
    void setRow(int row);
    void setCol(int col);
    QString text() const { return textMatrix(m_row, m_col); }
    void setText(const QString &text) { setTextMatrix(m_row, m_col, text); }

    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);
    // Column 0 shows "1", "2", ... in each row.
    void numberRows();

    // Width in twips; 0 hides the column (column 0 included). The widths
    // were drawn for a 9-point face whose digits are 6 pixels wide; with a
    // wider face every width grows in proportion, so nothing is cut off.
    void setColWidth(int col, int twips);
    int colWidth(int col) const; // in twips
    // How the column's width follows its values: as a list is bound or
    // its widths set, as cells are written (it narrows again when rows go or
    // the grid is bound anew) and as the grid is resized. Only the columns
    // of free text yield to the others, the widest first; a scroll bar
    // shows when they can yield no further.
    void setColFit(int col, ColFit fit);
    ColFit colFit(int col) const;
    int pixels(int twips) const;
    double widthScale() const { return m_widthScale; }
    // 1 = left, 4 = centre.
    void setColAlignment(int col, int alignment);
    void setFixedAlignment(int alignment);
    void setFixedAlignment(int col, int alignment);

    // The cells, the caption cells and the area beyond the last cell.
    void setBackgrounds(const QColor &cells, const QColor &fixed, const QColor &outside);
    void setSelectionColors(const QColor &background, const QColor &text);
    // The main list's way: a click selects the clicked cell's row, a drag
    // or Shift+click a range of rows, shown in the selection colours; the
    // current cell set in code selects its row. Off (the bill grids and the
    // pickers): nothing is selected, the current cell shows its focus mark.
    void setRowSelection(bool on);

    // The current cell's rectangle in the coordinates of ancestor.
    QRect cellRect(QWidget *ancestor) const;

    TextGridModel *gridModel() const { return m_model; }

    // What a click on the data cell (row, col) does, for tests.
    void clickCell(int row, int col);

signals:
    void selChange();
    void clicked();
    void doubleClicked();
    void rightButtonReleased(const QPoint &globalPos);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void syncCurrent();
    void placeCorner();
    int valueWidth(const QString &text) const; // pixels for the text of a data cell, whole
    int takenWidth(int col, const QString &text) const; // the same as col's fit takes it
    int captionWidth(int col) const;
    // The width a column asks for, and what it yields to when the grid is
    // too narrow: first down to need, then down to least.
    struct Fit {
        int wanted, need, least;
    };
    Fit fitOf(int col) const;
    // The columns first to last ask anew, and all are spread.
    void refit(int first, int last);
    void fitAll();
    void fitWritten(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles);
    // Sets every shown column to its wanted width, those of free text
    // narrower as far as the grid needs.
    void spread();

    TextGridModel *m_model;
    QLabel *m_corner = nullptr;
    int m_row = 0;
    int m_col = 0;
    int m_fixedColTwips = 600;
    QVector<int> m_colTwips;    // the width set for each column, 0 for none
    QVector<ColFit> m_colFit;
    QVector<Fit> m_fits;        // pixels, by column
    double m_widthScale = 1.0;
    bool m_silent = false;
};
