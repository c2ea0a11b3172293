#pragma once

#include "BillKind.h"

#include <QObject>

class BillGrid;
class BillStore;
class CodeCombo;
class QComboBox;
class QLineEdit;
class QWidget;
class TextGrid;

// The bill grid's editing in place: the floating box txtF over the cell
// being edited and, where the bill has a storage column, the floating
// storage list cmb_Storage. A click on a cell opens the editor that cell
// takes (adding a line at the total row's code, or at the end of a new
// count); each change is carried into the grid's rules (BillGrid) at once;
// Enter walks the kind's Enter order on to the next line; leaving the
// editor writes its text into its cell. Made once per bill window, over the
// frame that holds its grid.
class BillCellEditor : public QObject
{
    Q_OBJECT
public:
    // mode 1: a new bill (a count adds lines and takes codes only then).
    BillCellEditor(QWidget *frame, TextGrid *grid, BillGrid &lines, const BillKind &kind, int mode,
                   const BillStore &store);

    QLineEdit *textBox() const { return m_txtF; }
    QComboBox *storageList() const;
    // The storage list's items.
    void setStorages(const QVector<CodeItem> &items);
    // The row the editor was last opened on.
    int row() const { return m_row; }

    // What a click on a grid cell does.
    void clickCell(int row, int col);
    // Writes what the open editor holds into its cell and hides it.
    void commit();

signals:
    // A double click in a code cell: the goods picker, from this line down.
    void pickGoodsAsked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openTextBox(int row, int col);
    void openStorageList(int row, int col);
    void place(QWidget *editor);
    void edited(const QString &text);
    void moveOn();
    ColRole role() const;

    QWidget *m_frame;
    TextGrid *m_grid;
    BillGrid &m_lines;
    const BillKind &m_kind;
    const int m_mode;
    const BillStore &m_store;
    QLineEdit *m_txtF;
    CodeCombo *m_storage = nullptr;
    int m_row = 0, m_col = 0;
    bool m_committing = false;
};
