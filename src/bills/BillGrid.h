#pragma once

#include "BillKind.h"
#include "platform/db/ResultTable.h"

class TextGridModel;

// The rules of a bill's grid, on its text matrix: row 0 the captions, lines
// from row 1, and (for bills with totals) the last row the total row
// "金额合计" with the sum of the line amounts. No widgets, so the rules can
// be tested on their own.
class BillGrid
{
public:
    BillGrid(TextGridModel &model, const BillKind &kind);

    // A new bill: the caption row and one empty row standing in for the
    // total row.
    void startNew();
    // The captions, in row 0.
    void writeCaptions();
    // Shows saved lines (their columns in grid order) and appends the total
    // row. Each line's code and kept value (the quantity received or
    // delivered against an order line) are remembered for codeChanged().
    // A loaded storage cell holds a name without its code: the line's
    // storage must be chosen again before a save.
    void load(const ResultPtr &lines);

    int rows() const;
    int lastLine() const;
    bool isTotalRow(int row) const;
    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString &text);
    QString cell(int row, ColRole role) const;
    void setCell(int row, ColRole role, const QString &text);

    // A click on the total row's code cell: a new empty line above it.
    void addLineAtTotal();
    // Inserts an empty line above the total row; returns its row.
    int insertLineAtEnd();

    // A line's storage cell as its editor leaves it: text, holding the code
    // that held holds for that very text (chosen from the list, or as the
    // editor was given it), else nothing (typed).
    void setStorage(int row, const QString &text, const HeldCode &held);
    // What a line's storage cell holds, as setStorage and fillGoods left it.
    HeldCode storageHeld(int row) const { return m_storages.value(row); }
    // The storage code of a line, the one reading of a storage cell: the
    // code the cell holds while its text stands (chosen from the list or
    // filled from the goods item; none for a loaded name), else the code
    // the typed text names on items (codeOfText). "" when it names none.
    QString storageCode(int row, const QVector<CodeItem> &items) const;

    // Goods entered on lines, the one way a code brings its goods: the code
    // typed into a line's code cell with what its lookup found (nothing: the
    // goods cells emptied), or the goods chosen in the picker, one a line
    // from row down, lines added as needed (a grid without a total row keeps
    // an empty line at its end). Each line's goods cells are filled, its
    // amount or count computed again where it has a quantity or a count;
    // then the kept values follow the codes and the total is rewritten.
    void typeGoods(int row, const QString &code, const ResultTable *found);
    void pickGoods(int row, const ResultTable &picked);

    // Fills the goods cells of a line from a lookup or picker row (name,
    // unit, model, price, the goods item's storage as "code-name" holding
    // its code, book quantity), or empties them.
    void fillGoods(int row, const ResultTable &goods, int goodsRow, bool fromPicker);
    void clearGoods(int row);
    // After goods codes changed: each line that names goods shows the kept
    // value of the loaded line it keeps by keptLines (as saving keeps it),
    // any other line nothing.
    void codeChanged();
    // The line's amount from its quantity and price.
    void recomputeAmount(int row);
    // The same, only when the line has a quantity (a looked-up price alone
    // leaves the amount empty).
    void recomputeAmountIfQty(int row);
    // Stock counts: the difference counted − booked (" 2", "-2") and
    // 盘赢 / 盘亏 / 盘平 from it; the IfCounted form only when a count is there.
    void recomputeCount(int row);
    void recomputeCountIfCounted(int row);
    // Before a save: every line with content computed again from its own
    // cells (gain and loss only where a count is given), and the total row.
    void recomputeLines();
    // The total row: "金额合计" and the sum of the line amounts.
    void rewriteTotal();
    // The bill's one total, shown, saved and handed to its voucher: the
    // decimal sum of the line amounts (each the product of quantity and
    // price, not the text that shows it), cut to 15 significant digits on
    // its decimal value (decimal::figure).
    double linesTotal() const;

    // Whether the line names goods (a save writes it; one without is skipped).
    bool namesGoods(int row) const;
    // After a save: each line that names goods shows its code as saved.
    void showSavedCodes(const QStringList &codes);

    // Whether the line holds anything in its code, storage, quantity, price,
    // counted or reason cells (blanks do not count).
    bool hasContent(int row) const;

private:
    // One line of typeGoods or pickGoods, before the kept values and total.
    void enterGoods(int row, const QString &code, const ResultTable *goods, int goodsRow, bool fromPicker);
    // The column a goods item's own storage goes to (chosen or shown), or 0.
    int goodsStorageColumn() const;

    TextGridModel &m_model;
    const BillKind &m_kind;
    QStringList m_loadedCodes, m_loadedKept; // the loaded lines' codes and kept values
    QHash<int, HeldCode> m_storages;         // by row: the storage each line's cell holds
};
