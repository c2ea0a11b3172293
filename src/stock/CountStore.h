#pragma once

#include "bills/BillCheck.h"

#include <QDateTime>
#include <QString>
#include <QVector>

class BillGrid;
class BillStore;
class Database;

// One goods item of a stock count and the quantity counted.
struct CountedGoods {
    QString goodsId;
    double counted = 0;
};

// The lines of a count's grid that hold anything, in grid order, each with
// its goods code and counted quantity; or the first failure of the checks a
// save makes of them (checkLines), with the save's message.
std::optional<CheckFailure> countedLines(const BillKind &kind, const BillGrid &grid, const BillStore &store,
                                         QVector<CountedGoods> *out);

// The SQL of applying a stock count to the stock.
class CountStore
{
public:
    explicit CountStore(Database &db);

    // Sets each goods item's stock to its counted quantity and logs
    // "修改库存数量为盘点单<number>的数量", in one transaction. A goods item
    // that no longer exists undoes it all: throws DbError naming its code,
    // as for any other database failure.
    void apply(const QString &number, const QVector<CountedGoods> &lines, const QString &operatorId,
               const QDateTime &when);

private:
    Database &m_db;
};
