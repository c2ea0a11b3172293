#pragma once

#include "BillKind.h"
#include "platform/db/ResultTable.h"

#include <QDateTime>
#include <QVariant>

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
    // without regard to case), or "" when there is none.
    QString masterCode(const HeaderField &field, const QString &code) const;
    QVector<CodeItem> storageItems() const;
    bool storageExists(const QString &code) const;
    ResultPtr openOrders() const;
    ResultPtr orderLines(const QString &order) const;

    // Writes the bill in one transaction: the header, the lines, in add mode
    // the stock and order effects, and the log entry. All or nothing; throws
    // DbError.
    void save(const BillDraft &draft);

private:
    Database &m_db;
    const BillKind &m_kind;
};
