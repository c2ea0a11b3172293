#pragma once

#include "BillKind.h"
#include "platform/db/ResultTable.h"

#include <QDateTime>
#include <QHash>
#include <QVariant>

#include <functional>

class Database;

// The rows of a two-column query (code, name) as "code-name" items.
QVector<CodeItem> codeItems(const Database &db, const QString &sql);

// One saved line: its goods, its quantity (for the stock and order
// effects) and the values of the line table's columns, in the order of the
// bill's line columns.
struct BillLine {
    QString goodsId;
    double qty = 0;
    QVariantList values;
};

// Everything a save writes, read off the window and checked.
struct BillDraft {
    int mode = 1; // 1 add, 2 modify
    QString number;
    QVector<QPair<QString, QVariant>> head; // header columns and values
    double amount = 0;
    QVector<BillLine> lines;
    QString linkedOrder; // add mode: the order the bill was made from
    QString operatorId;  // who saves (the log)
    QDateTime when;
};

// The SQL of one kind of bill.
class BillStore
{
public:
    BillStore(Database &db, const BillKind &kind);

    bool numberExists(const QString &number) const;
    ResultPtr head(const QString &number) const;
    ResultPtr lines(const QString &number) const;
    ResultPtr lookupGoods(const QString &code) const;
    // The picked goods, in the order of codes (codes not found left out).
    ResultPtr pickedGoods(const QStringList &codes) const;
    // "code-name" items of a header field's master table, in table order.
    QVector<CodeItem> masterItems(const HeaderField &field) const;
    // The code as the master table stores it (the database compares codes
    // as codeKey does), or "" when there is none.
    QString masterCode(const HeaderField &field, const QString &code) const;
    QVector<CodeItem> storageItems() const;
    bool storageExists(const QString &code) const;
    ResultPtr openOrders() const;
    ResultPtr orderLines(const QString &order) const;

    // Writes the bill in one transaction: the header, the lines, in add mode
    // the stock and order effects, and the log entry. All or nothing; throws
    // DbError. Goods codes are written as the goods table spells them; a
    // kept column (ColRole::Extra) is written from the stored lines of the
    // bill as they stand (keptLines; 0 where none), not from the draft.
    // Gives the goods code of each line as written.
    QStringList save(const BillDraft &draft);

private:
    // Runs sql, whose "%1" is an in-list, over codes, at most 500 bound at a
    // time, handing each result to take.
    void forChunks(const QString &sql, const QStringList &codes,
                   const std::function<void(const ResultTable &)> &take) const;
    // The goods codes found, as the goods table spells them, by codeKey.
    QHash<QString, QString> goodsSpelling(const QStringList &codes) const;
    // The index of the line column of that role, or -1.
    int lineColumn(ColRole role) const;
    // The lines as written: each goods code as the goods table spells it
    // (as typed when the goods item is gone), and the kept column, if any,
    // from the stored lines (keptLines; 0 where none).
    QVector<BillLine> linesAsSaved(const QVector<BillLine> &lines, const ResultPtr &stored) const;

    Database &m_db;
    const BillKind &m_kind;
};
