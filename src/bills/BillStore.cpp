#include "BillStore.h"

#include "platform/ui/Msg.h"
#include "core/GenFunc.h"
#include "platform/db/CodeKey.h"
#include "platform/db/Database.h"
#include "platform/db/DecimalSql.h"

#include <QHash>

BillStore::BillStore(Database &db, const BillKind &kind) : m_db(db), m_kind(kind) {}

bool BillStore::numberExists(const QString &number) const
{
    return m_db.exists(QStringLiteral("select %2 from %1 where %2=?").arg(m_kind.headTable, m_kind.numberColumn),
                       {number.trimmed()});
}

ResultPtr BillStore::head(const QString &number) const
{
    return m_db.query(m_kind.headQuery(), {number.trimmed()});
}

ResultPtr BillStore::lines(const QString &number) const
{
    return m_db.query(m_kind.lineSql, {number.trimmed()});
}

ResultPtr BillStore::lookupGoods(const QString &code) const
{
    return m_db.query(m_kind.lookupSql, {code.trimmed()});
}

void BillStore::forChunks(const QString &sql, const QStringList &codes,
                          const std::function<void(const ResultTable &)> &take) const
{
    // In chunks, so that "全部选定" on a long list or a long bill stays within
    // the parameter limits of every database.
    const int chunk = 500;
    for (int start = 0; start < codes.size(); start += chunk) {
        const QStringList part = codes.mid(start, chunk);
        QVariantList params;
        for (const QString &c : part)
            params << c;
        take(*m_db.query(sql.arg(Database::placeholders(int(part.size()))), params));
    }
}

ResultPtr BillStore::pickedGoods(const QStringList &codes) const
{
    QHash<QString, int> wanted;
    for (const QString &c : codes)
        wanted.insert(codeKey(c), int(wanted.size()));
    QVector<QVector<QVariant>> found(codes.size());
    QStringList columns;
    forChunks(m_kind.pickSql, codes, [&](const ResultTable &rs) {
        columns = rs.columns();
        for (int r = 0; r < rs.rowCount(); ++r) {
            const int at = wanted.value(codeKey(rs.text(r, 0)), -1);
            if (at < 0 || !found[at].isEmpty())
                continue;
            for (int c = 0; c < rs.columnCount(); ++c)
                found[at] << rs.value(r, c);
        }
    });
    QVector<QVariant> cells;
    for (const auto &row : found)
        cells += row;
    return std::make_shared<const ResultTable>(columns, cells);
}

QHash<QString, QString> BillStore::goodsSpelling(const QStringList &codes) const
{
    QHash<QString, QString> spelt;
    forChunks(QStringLiteral("select GoodsID from Product where GoodsID in (%1)"), codes, [&](const ResultTable &rs) {
        for (int r = 0; r < rs.rowCount(); ++r)
            spelt.insert(codeKey(rs.text(r, 0)), rs.text(r, 0));
    });
    return spelt;
}

QVector<CodeItem> codeItems(const Database &db, const QString &sql)
{
    return codeItems(db.query(sql));
}

QVector<CodeItem> BillStore::masterItems(const HeaderField &f) const
{
    return codeItems(m_db, QStringLiteral("select %1,%2 from %3 Order By %1").arg(f.masterId, f.masterName, f.masterTable));
}

QString BillStore::masterCode(const HeaderField &f, const QString &code) const
{
    if (code.isEmpty())
        return QString();
    return m_db.scalar(QStringLiteral("select %1 from %2 where %1=?").arg(f.masterId, f.masterTable), {code}).toString();
}

QVector<CodeItem> BillStore::storageItems() const
{
    return codeItems(m_db, QStringLiteral("select StorageID,StorageName from Storage Order By StorageID"));
}

bool BillStore::storageExists(const QString &code) const
{
    return m_db.exists(QStringLiteral("select StorageID from Storage where StorageID=?"), {code});
}

ResultPtr BillStore::openOrders() const
{
    return m_db.query(m_kind.order.openOrdersSql, {m_kind.order.openStatus});
}

ResultPtr BillStore::orderLines(const QString &order) const
{
    return m_db.query(m_kind.order.copySql, {order.trimmed()});
}

int BillStore::lineColumn(ColRole role) const
{
    for (int i = 0; i < m_kind.lineColumns.size(); ++i)
        if (m_kind.lineColumns[i].role == role)
            return i;
    return -1;
}

QVector<BillLine> BillStore::linesAsSaved(const QVector<BillLine> &lines, const ResultPtr &stored) const
{
    QStringList codes, storedCodes;
    for (const BillLine &line : lines)
        codes << line.goodsId;
    for (int r = 0; stored && r < stored->rowCount(); ++r)
        storedCodes << stored->text(r, 0);
    const QHash<QString, QString> spelt = goodsSpelling(codes);
    const QVector<int> kept = keptLines(storedCodes, codes);
    const int codeAt = lineColumn(ColRole::Code), keptAt = lineColumn(ColRole::Extra);
    QVector<BillLine> saved = lines;
    for (int i = 0; i < saved.size(); ++i) {
        BillLine &line = saved[i];
        line.goodsId = spelt.value(codeKey(line.goodsId), line.goodsId);
        if (codeAt >= 0)
            line.values[codeAt] = line.goodsId;
        if (keptAt >= 0)
            line.values[keptAt] = kept[i] >= 0 ? stored->value(kept[i], 1) : QVariant(0.0);
    }
    return saved;
}

QStringList BillStore::save(const BillDraft &d)
{
    // A modified bill's lines as they stand, read inside the transaction
    // (begun as a writer, so nobody books meanwhile) for its kept column.
    ResultPtr stored;
    Transaction t(m_db);
    QStringList cols;
    QVariantList values;
    for (const auto &[column, value] : d.head) {
        cols << column;
        values << value;
    }
    if (!m_kind.amountColumn.isEmpty()) {
        cols << m_kind.amountColumn;
        values << d.amount;
    }
    if (d.mode == 1) {
        m_db.exec(QStringLiteral("insert into %1(%2,%3) values(%4)")
                      .arg(m_kind.headTable, m_kind.numberColumn, cols.join(QLatin1Char(',')),
                           Database::placeholders(int(cols.size()) + 1)),
                  QVariantList{d.number} + values);
    } else {
        QStringList sets;
        for (const QString &c : cols)
            sets << c + QStringLiteral("=?");
        const qint64 n = m_db.exec(QStringLiteral("update %1 set %2 where %3=?")
                                       .arg(m_kind.headTable, sets.join(QLatin1Char(',')), m_kind.numberColumn),
                                   values + QVariantList{d.number});
        if (n != 1)
            throw DbError(QStringLiteral("单据号为%1的单据已不存在，未能保存。").arg(d.number));
        if (const int keptAt = lineColumn(ColRole::Extra); keptAt >= 0)
            stored = m_db.query(QStringLiteral("select GoodsID,%1 from %2 where %3=? Order By LineID")
                                    .arg(m_kind.lineColumns[keptAt].column, m_kind.lineTable, m_kind.lineNumberColumn),
                                {d.number});
        m_db.exec(QStringLiteral("delete from %1 where %2=?").arg(m_kind.lineTable, m_kind.lineNumberColumn),
                  {d.number});
    }

    QStringList lineCols{m_kind.lineNumberColumn};
    for (const LineColumn &c : m_kind.lineColumns)
        lineCols << c.column;
    const QString insertLine = QStringLiteral("insert into %1(%2) values(%3)")
                                   .arg(m_kind.lineTable, lineCols.join(QLatin1Char(',')),
                                        Database::placeholders(int(lineCols.size())));
    QStringList codes;
    for (const BillLine &line : linesAsSaved(d.lines, stored)) {
        codes << line.goodsId;
        m_db.exec(insertLine, QVariantList{d.number} + line.values);
        if (d.mode != 1)
            continue;
        if (m_kind.stockSign != 0) {
            const qint64 n = m_db.exec(QStringLiteral("update Product set %1 where GoodsID=?")
                                           .arg(decimalsql::addTo(QStringLiteral("NowStorage"))),
                                       {decimalsql::millionths(m_kind.stockSign * line.qty), line.goodsId});
            if (n != 1)
                throw DbError(QStringLiteral("商品编码为%1的商品已不存在，未能保存。").arg(msg::quoted(line.goodsId)));
        }
        // A line whose goods is not on the order leaves the order alone.
        if (m_kind.hasOrderLink && !d.linkedOrder.isEmpty())
            m_db.execOnFirstMatch(m_kind.order.detailTable,
                                  SqlText(decimalsql::addTo(m_kind.order.qtyColumn), {decimalsql::millionths(line.qty)}),
                                  SqlText(QStringLiteral("%1=? and GoodsID=?").arg(m_kind.order.orderColumn),
                                          {d.linkedOrder, line.goodsId}));
    }
    if (d.mode == 1 && m_kind.hasOrderLink && !d.linkedOrder.isEmpty())
        m_db.exec(QStringLiteral("update %1 set %2=? where %3=?")
                      .arg(m_kind.order.headTable, m_kind.order.statusColumn, m_kind.order.headKey),
                  {m_kind.order.doneStatus, d.linkedOrder});

    writeOperatorLog(m_db, d.operatorId, d.when,
                     (d.mode == 1 ? QStringLiteral("添加单据号为") : QStringLiteral("修改单据号为")) + d.number
                         + m_kind.logNoun);
    t.commit();
    return codes;
}
