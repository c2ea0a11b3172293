#include "BillGrid.h"

#include "BillNumbers.h"
#include "platform/db/Decimal.h"
#include "platform/grid/TextGridModel.h"

BillGrid::BillGrid(TextGridModel &model, const BillKind &kind) : m_model(model), m_kind(kind) {}

void BillGrid::startNew()
{
    m_loadedCodes.clear();
    m_loadedKept.clear();
    m_storages.clear();
    m_model.clear();
    m_model.setCols(int(m_kind.columns.size()) + 1);
    m_model.setRows(2);
    writeCaptions();
}

void BillGrid::writeCaptions()
{
    m_model.setCols(int(m_kind.columns.size()) + 1);
    for (int c = 1; c <= m_kind.columns.size(); ++c)
        m_model.setTextMatrix(0, c, m_kind.columns[c - 1].caption);
}

void BillGrid::load(const ResultPtr &lines)
{
    m_loadedCodes.clear();
    m_loadedKept.clear();
    m_storages.clear();
    m_model.bind(lines);
    writeCaptions();
    if (const int storage = m_kind.column(ColRole::Storage)) {
        for (int r = 1; r < m_model.rows(); ++r)
            m_storages[r].hold(QString(), cell(r, storage));
    }
    if (const int extra = m_kind.column(ColRole::Extra)) {
        const int code = m_kind.column(ColRole::Code);
        for (int r = 1; r < m_model.rows(); ++r) {
            m_loadedCodes << cell(r, code);
            m_loadedKept << cell(r, extra);
        }
    }
    if (m_kind.hasTotalRow) {
        m_model.setRows(m_model.rows() + 1);
        rewriteTotal();
    } else if (m_model.rows() < 2) {
        m_model.setRows(2);
    }
}

int BillGrid::rows() const
{
    return m_model.rows();
}

int BillGrid::lastLine() const
{
    return m_kind.hasTotalRow ? rows() - 2 : rows() - 1;
}

bool BillGrid::isTotalRow(int row) const
{
    return m_kind.hasTotalRow && row == rows() - 1;
}

QString BillGrid::cell(int row, int col) const
{
    return m_model.textMatrix(row, col);
}

void BillGrid::setCell(int row, int col, const QString &text)
{
    m_model.setTextMatrix(row, col, text);
}

QString BillGrid::cell(int row, ColRole role) const
{
    const int c = m_kind.column(role);
    return c ? cell(row, c) : QString();
}

void BillGrid::setCell(int row, ColRole role, const QString &text)
{
    if (const int c = m_kind.column(role))
        setCell(row, c, text);
}

void BillGrid::addLineAtTotal()
{
    const int old = rows() - 1;
    const int code = m_kind.column(ColRole::Code);
    const int amount = m_kind.column(ColRole::Amount);
    m_model.setRows(rows() + 1);
    setCell(old + 1, code, QStringLiteral("金额合计"));
    if (amount)
        setCell(old + 1, amount, cell(old, amount));
    for (int c = 1; c < m_model.cols(); ++c)
        setCell(old, c, QString());
}

int BillGrid::insertLineAtEnd()
{
    if (!m_kind.hasTotalRow) {
        m_model.setRows(rows() + 1);
        return rows() - 1;
    }
    const int row = rows() - 1;
    addLineAtTotal();
    return row;
}

int BillGrid::goodsStorageColumn() const
{
    if (!m_kind.lookupFillsStorage)
        return 0;
    const int chosen = m_kind.column(ColRole::Storage);
    return chosen ? chosen : m_kind.column(ColRole::GoodsStorage);
}

void BillGrid::setStorage(int row, const QString &text, const HeldCode &held)
{
    setCell(row, ColRole::Storage, text);
    m_storages[row] = held.holds(text) ? held : HeldCode();
}

QString BillGrid::storageCode(int row, const QVector<CodeItem> &items) const
{
    return m_storages.value(row).codeOf(cell(row, ColRole::Storage), items);
}

void BillGrid::enterGoods(int row, const QString &code, const ResultTable *goods, int goodsRow, bool fromPicker)
{
    setCell(row, ColRole::Code, code);
    if (goods && goodsRow < goods->rowCount())
        fillGoods(row, *goods, goodsRow, fromPicker);
    else
        clearGoods(row);
    recomputeAmountIfQty(row);
    recomputeCountIfCounted(row);
}

void BillGrid::typeGoods(int row, const QString &code, const ResultTable *found)
{
    enterGoods(row, code, found, 0, false);
    codeChanged();
    rewriteTotal();
}

void BillGrid::pickGoods(int row, const ResultTable &picked)
{
    for (int r = 0; r < picked.rowCount(); ++r, ++row) {
        if (isTotalRow(row) || row >= rows())
            row = insertLineAtEnd();
        enterGoods(row, picked.text(r, 0), &picked, r, true);
    }
    if (!m_kind.hasTotalRow && picked.rowCount() > 0 && row >= rows())
        insertLineAtEnd();
    codeChanged();
    rewriteTotal();
}

void BillGrid::fillGoods(int row, const ResultTable &goods, int r, bool fromPicker)
{
    setCell(row, ColRole::Name, goods.text(r, QStringLiteral("商品名称")));
    setCell(row, ColRole::Unit, goods.text(r, QStringLiteral("单位")));
    setCell(row, ColRole::Model, goods.text(r, QStringLiteral("规格型号")));
    const QString priceAlias = fromPicker ? m_kind.pickPriceAlias : m_kind.priceAlias;
    if (!priceAlias.isEmpty())
        setCell(row, ColRole::Price, goods.text(r, priceAlias));
    if (const int storage = goodsStorageColumn()) {
        const QString code = goods.text(r, fromPicker ? QStringLiteral("库位编号") : QStringLiteral("库房编码"));
        const QString name = goods.text(r, fromPicker ? QStringLiteral("库位名称") : QStringLiteral("库房名称"));
        const QString text = code + QLatin1Char('-') + name;
        setCell(row, storage, text);
        m_storages[row].hold(code, text);
    }
    if (!m_kind.bookQtyAlias.isEmpty())
        setCell(row, ColRole::BookQty, goods.text(r, m_kind.bookQtyAlias));
}

void BillGrid::clearGoods(int row)
{
    for (ColRole role : {ColRole::Name, ColRole::Unit, ColRole::Model}) {
        setCell(row, role, QString());
    }
    if (!m_kind.priceAlias.isEmpty())
        setCell(row, ColRole::Price, QString());
    if (const int storage = goodsStorageColumn())
        setCell(row, storage, QString());
    if (!m_kind.bookQtyAlias.isEmpty())
        setCell(row, ColRole::BookQty, QString());
}

void BillGrid::codeChanged()
{
    if (!m_kind.column(ColRole::Extra))
        return;
    QStringList codes; // "" for a line that names no goods: it keeps nothing
    for (int r = 1; r <= lastLine(); ++r)
        codes << (namesGoods(r) ? cell(r, ColRole::Code) : QString());
    const QVector<int> kept = keptLines(m_loadedCodes, codes);
    for (int r = 1; r <= lastLine(); ++r)
        setCell(r, ColRole::Extra, kept[r - 1] >= 0 ? m_loadedKept[kept[r - 1]] : QString());
}

void BillGrid::recomputeAmount(int row)
{
    if (!m_kind.column(ColRole::Amount) || isTotalRow(row))
        return;
    const double amount =
        billnum::lineAmount(billnum::val(cell(row, ColRole::Qty)), billnum::val(cell(row, ColRole::Price)));
    setCell(row, ColRole::Amount, billnum::amountText(amount));
}

void BillGrid::recomputeAmountIfQty(int row)
{
    if (!cell(row, ColRole::Qty).trimmed().isEmpty())
        recomputeAmount(row);
}

void BillGrid::recomputeCount(int row)
{
    if (!m_kind.column(ColRole::CountQty))
        return;
    const double d =
        decimal::difference(billnum::val(cell(row, ColRole::CountQty)), billnum::val(cell(row, ColRole::BookQty)));
    const QString diff = billnum::amountText(d);
    setCell(row, ColRole::Diff, diff);
    const double shown = billnum::val(diff);
    setCell(row, ColRole::ProfitLoss,
            shown > 0 ? QStringLiteral("盘赢") : shown < 0 ? QStringLiteral("盘亏") : QStringLiteral("盘平"));
}

void BillGrid::recomputeCountIfCounted(int row)
{
    if (!cell(row, ColRole::CountQty).trimmed().isEmpty())
        recomputeCount(row);
}

void BillGrid::recomputeLines()
{
    for (int r = 1; r <= lastLine(); ++r) {
        if (!hasContent(r))
            continue;
        recomputeAmount(r);
        recomputeCountIfCounted(r);
    }
    rewriteTotal();
}

double BillGrid::linesTotal() const
{
    decimal::Sum sum;
    for (int r = 1; r <= lastLine(); ++r)
        sum.add(billnum::lineAmount(billnum::val(cell(r, ColRole::Qty)), billnum::val(cell(r, ColRole::Price))));
    return decimal::figure(sum.value());
}

void BillGrid::rewriteTotal()
{
    if (!m_kind.hasTotalRow || rows() < 2)
        return;
    const int total = rows() - 1;
    setCell(total, ColRole::Code, QStringLiteral("金额合计"));
    setCell(total, ColRole::Amount, billnum::amountText(linesTotal()));
}

bool BillGrid::namesGoods(int row) const
{
    return !cell(row, ColRole::Name).trimmed().isEmpty();
}

void BillGrid::showSavedCodes(const QStringList &codes)
{
    qsizetype i = 0;
    for (int r = 1; r <= lastLine() && i < codes.size(); ++r) {
        if (namesGoods(r))
            setCell(r, ColRole::Code, codes[i++]);
    }
}

bool BillGrid::hasContent(int row) const
{
    for (ColRole role : {ColRole::Code, ColRole::Storage, ColRole::Qty, ColRole::Price, ColRole::CountQty, ColRole::Reason}) {
        if (m_kind.column(role) && !cell(row, role).trimmed().isEmpty())
            return true;
    }
    return false;
}
