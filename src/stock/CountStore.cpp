#include "CountStore.h"

#include "platform/ui/Msg.h"
#include "bills/BillGrid.h"
#include "core/GenFunc.h"
#include "platform/db/Database.h"

std::optional<CheckFailure> countedLines(const BillKind &kind, const BillGrid &grid, const BillStore &store,
                                         QVector<CountedGoods> *out)
{
    out->clear();
    if (auto fail = checkLines(kind, grid, store, {}))
        return fail;
    for (int r = 1; r <= grid.lastLine(); ++r) {
        if (!grid.hasContent(r))
            continue;
        CountedGoods line{grid.cell(r, ColRole::Code).trimmed()};
        checkCountedQty(grid, r, &line.counted);
        out->append(line);
    }
    return std::nullopt;
}

CountStore::CountStore(Database &db) : m_db(db) {}

void CountStore::apply(const QString &number, const QVector<CountedGoods> &lines, const QString &operatorId,
                       const QDateTime &when)
{
    Transaction t(m_db);
    for (const CountedGoods &line : lines) {
        const qint64 n = m_db.exec(QStringLiteral("update Product set NowStorage=? where GoodsID=?"),
                                   {line.counted, line.goodsId});
        if (n != 1)
            throw DbError(QStringLiteral("商品编码为%1的商品已不存在，未能修改库存。").arg(msg::quoted(line.goodsId)));
    }
    writeOperatorLog(m_db, operatorId, when, QStringLiteral("修改库存数量为盘点单") + number + QStringLiteral("的数量"));
    t.commit();
}
