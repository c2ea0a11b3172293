#pragma once

#include "BillKind.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

class BillGrid;
class BillStore;
struct BillDraft;

// A header field as the operator left it: its text and the code it names
// ("" when it names none).
struct FieldInput {
    const HeaderField *field = nullptr;
    QString text;
    QString code;
};

// Why a bill cannot be saved: the message, the box to put the focus in and
// a grid cell to empty (row 0: none).
struct CheckFailure {
    QString message;
    QString focusBox;
    int clearRow = 0;
    int clearCol = 0;
};

// A typed date ("2026-12-8", "2026/12/08") as a date; invalid when it is none.
QDate parseBillDate(const QString &text);

// Checks a bill before it is saved, in this order: a new bill's number must
// be new; the required header fields filled (a code-name field must name an
// existing code, a date must be a date); the grid must hold lines; each line
// with content needs a known goods code, an existing storage (where the bill
// has one) and plain-number quantity and price with a non-zero amount, or
// (stock counts) a plain-number count, 0 included. A code-name field's code
// becomes the code as its master table stores it, ready to be saved.
std::optional<CheckFailure> checkBill(const BillKind &kind, int mode, QVector<FieldInput> &header,
                                      const BillGrid &grid, const BillStore &store,
                                      const QVector<CodeItem> &storageItems);

// A new bill whose number is on file: "该编号已经存在！", the focus to the
// number box.
CheckFailure numberTaken(const BillKind &kind);

// Saves a checked bill (BillStore::save), giving the goods codes as saved
// in savedCodes. When another desk saved a new bill of the same number
// since the check, the save writes nothing and gives numberTaken; any other
// failure throws DbError.
std::optional<CheckFailure> saveChecked(const BillKind &kind, BillStore &store, const BillDraft &draft,
                                        QStringList *savedCodes = nullptr);

// The checks of the lines alone, as checkBill makes them last: every line
// with content, in grid order.
std::optional<CheckFailure> checkLines(const BillKind &kind, const BillGrid &grid, const BillStore &store,
                                       const QVector<CodeItem> &storageItems);

// The counted quantity of a stock-count line: a plain number (0 and
// negatives pass), given in value; otherwise the failure naming the line.
std::optional<CheckFailure> checkCountedQty(const BillGrid &grid, int row, double *value = nullptr);
