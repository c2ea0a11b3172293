#include "BillFamilies.h"

#include "BillFields.h"

namespace billfamily {

namespace {

using namespace billfields;

// "销售订单" → "销 售 订 单".
QString spaced(const QString &caption)
{
    QStringList chars;
    for (QChar c : caption)
        chars << QString(c);
    return chars.join(QLatin1Char(' '));
}

// Where a trading bill's parts stand (twips). Both twins of a family share
// one design: 8790 × 6000, the frame over all but the commands at 5700,
// "打印" on the left, "保存" and "退出" on the right; the header's left
// boxes at 1125, its right boxes at 6900.
BillPlaces tradePlaces(const QRect &title, const QRect &grid, int printLeft)
{
    BillPlaces p;
    p.client = QSize(8790, 6000);
    p.frame = QRect(0, 0, 8790, 5640);
    p.title = title;
    p.grid = grid;
    p.commands = {{QStringLiteral("cmd_Print"), QRect(printLeft, 5700, 800, 300)},
                  {QStringLiteral("cmd_Save"), QRect(7175, 5700, 800, 300)},
                  {QStringLiteral("cmd_Exit"), QRect(8000, 5700, 800, 300)}};
    return p;
}

QRect leftBox(int top)
{
    return QRect(1125, top, 1695, 180);
}

QRect rightBox(int top)
{
    return QRect(6900, top, 1665, 180);
}

// What every bill of a family shares: its names and places, the number and
// date, the partner and the staff member (on the line at partyTop), the
// goods columns and their prices, the tables.
BillKind common(const TradeSide &side, const BillNames &n, const BillPlaces &places, int partyTop, int modelWidth,
                bool presetFirst, const QString &staffLabel)
{
    BillKind k;
    k.windowName = n.window;
    k.caption = n.caption;
    k.title = spaced(n.caption);
    k.gridName = n.window.mid(3) + QStringLiteral("Grd");
    k.logNoun = QStringLiteral("的") + n.caption;
    k.printForm = n.window + QStringLiteral("DetailPrint");
    k.places = places;
    k.headTable = n.headTable;
    k.numberColumn = n.headTable + QStringLiteral("ID");
    k.amountColumn = QStringLiteral("Amount");
    k.lineTable = n.headTable + QStringLiteral("Detail");
    k.lineNumberColumn = k.numberColumn;
    const QByteArray box = (QStringLiteral("txt_") + k.numberColumn).toLatin1();
    k.fields = {billDate(leftBox(960)),
                number(box.constData(), rightBox(960), n.numberAlias.toUtf8().constData()),
                party(side.partner, "Label4", leftBox(partyTop), presetFirst),
                party(n.staff, "Label5", rightBox(partyTop), presetFirst, staffLabel),
                remark(),
                maker()};
    k.requiredTail = n.requiredTail;
    k.columns = goodsColumns(modelWidth);
    k.closeAfterSave = side.closeAfterSave;
    return k;
}

QVector<GridColumn> priced(const QString &qtyCaption, int qtyWidth, int priceWidth, int amountWidth)
{
    return {{qtyCaption, qtyWidth, ColRole::Qty},
            {QStringLiteral("单价"), priceWidth, ColRole::Price},
            {QStringLiteral("金额"), amountWidth, ColRole::Amount}};
}

QString amountOf(const QString &qtyColumn)
{
    return QStringLiteral("A.%1*A.UnitPrice as 金额").arg(qtyColumn);
}

// Lines with amountOf(): the reader computes each amount as the decimal
// product of the quantity (under qtyAlias) and the price, as the window does.
Select withAmount(const QString &sql, const QString &qtyAlias = QStringLiteral("数量"))
{
    return Select(sql, {DerivedColumn{QStringLiteral("金额"), qtyAlias, QStringLiteral("单价")}});
}

} // namespace

BillKind order(const TradeSide &side, const BillNames &n, const QString &extraColumn, const QString &extraCaption)
{
    const BillPlaces places = tradePlaces(QRect(3548, 300, 1695, 285), QRect(180, 1860, 8535, 3375), 60);
    BillKind k = common(side, n, places, 1380, 800, false, QString());
    k.columns += priced(n.qtyCaption, 1000, 800, 800);
    k.columns.append({extraCaption, 1000, ColRole::Extra});
    k.enterOrder = {ColRole::Code, ColRole::Qty, ColRole::Price};
    priceGoods(k, side.priceColumn, side.priceAlias, false);
    // What was received or delivered (the kept column) is written by the
    // save from the order's stored lines as they stand, so a modified order
    // keeps it, also what another desk booked while it was open.
    k.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {n.qtyColumn, ColRole::Qty},
                     {QStringLiteral("UnitPrice"), ColRole::Price},
                     {extraColumn, ColRole::Extra}};
    k.lineSql = withAmount(lineSql(k.lineTable, k.lineNumberColumn,
                                   QStringLiteral("A.%1 as 数量,A.UnitPrice as 单价,%2,A.%3 as %4")
                                       .arg(n.qtyColumn, amountOf(n.qtyColumn), extraColumn, extraCaption)));
    return k;
}

BillKind storeBill(const TradeSide &side, const BillNames &n, int stockSign, const OrderSource &source,
                   const VoucherLink &voucher)
{
    BillPlaces places = tradePlaces(QRect(3323, 300, 2160, 285), QRect(180, 1920, 8535, 3255), 60);
    places.commands.insert(voucher.button, QRect(900, 5700, 800, 300));
    places.commands.insert(QStringLiteral("cmd_SelOrder"), QRect(6350, 5700, 800, 300));
    BillKind k = common(side, n, places, 1380, 800, false, QString());
    k.noContentTail = QStringLiteral("请输入商品编码、库位及其数量、单价！");
    k.columns.append({QStringLiteral("库位"), 1000, ColRole::Storage});
    k.columns += priced(n.qtyCaption, 1000, 800, 800);
    k.enterOrder = {ColRole::Code, ColRole::Storage, ColRole::Qty, ColRole::Price};
    priceGoods(k, side.priceColumn, side.priceAlias, true);
    k.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {QStringLiteral("StorageID"), ColRole::Storage},
                     {n.qtyColumn, ColRole::Qty},
                     {QStringLiteral("UnitPrice"), ColRole::Price}};
    k.lineSql = withAmount(lineSql(k.lineTable, k.lineNumberColumn,
                                   QStringLiteral("C.StorageName as 库位名称,A.%1 as 数量,A.UnitPrice as 单价,%2")
                                       .arg(n.qtyColumn, amountOf(n.qtyColumn)),
                                   true));
    k.stockSign = stockSign;
    k.clearRefusedCells = true;
    k.voucher = voucher;

    const BillKind &o = *source.order;
    QVector<const HeaderField *> parties; // the order's partner, then its staff member
    for (const HeaderField &f : o.fields)
        if (f.kind == FieldKind::CodeName)
            parties << &f;
    const HeaderField &partner = *parties.at(0);
    const HeaderField &staff = *parties.at(1);
    QString orderQty;
    for (const LineColumn &c : o.lineColumns) {
        if (c.role == ColRole::Qty)
            orderQty = c.column;
        if (c.role == ColRole::Extra)
            k.order.qtyColumn = c.column;
    }
    k.hasOrderLink = true;
    k.order.openOrdersSql =
        QStringLiteral("select A.%1 as %2号,A.OperateDate as 制单日期,B.%3 as %4,A.Amount as 金额合计,C.%5 as %6,"
                       "D.OperatorName as 制单人,A.Status as 订单状态,A.Remark as 备注 from %7 as A,%8 as B,%9 as C,"
                       "Operator as D where A.Status=? and B.%10=A.%11 and C.%12=A.%13 and D.OperatorID=A.OperatorID "
                       "Order By A.%1")
            .arg(o.numberColumn, o.caption, partner.masterName, partner.what, staff.masterName, source.staffAlias,
                 o.headTable, partner.masterTable, staff.masterTable)
            .arg(partner.masterId, partner.column, staff.masterId, staff.column);
    // The copied lines take their storage from Temp: a name, not a code, so
    // each must have its storage chosen before the bill can be saved.
    k.order.copySql = withAmount(QStringLiteral("select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,"
                                                "B.Model as 规格型号,C.StorageName as 库房,A.%1 as 数量,A.UnitPrice as 单价,"
                                                "%2 from %3 as A,Product as B,Temp as C where A.%4=? and B.GoodsID=A.GoodsID "
                                                "Order By A.LineID")
                                     .arg(orderQty, amountOf(orderQty), o.lineTable, o.lineNumberColumn));
    k.order.detailTable = o.lineTable;
    k.order.orderColumn = o.lineNumberColumn;
    k.order.headTable = o.headTable;
    k.order.headKey = o.numberColumn;
    k.order.statusColumn = QStringLiteral("Status");
    k.order.openStatus = QStringLiteral("未") + source.movement;
    k.order.doneStatus = QStringLiteral("已") + source.movement;
    return k;
}

BillKind returnBill(const TradeSide &side, const BillNames &n, const QString &handler, int stockSign,
                    const QString &staffLabel)
{
    const BillPlaces places = tradePlaces(QRect(3330, 300, 2160, 285), QRect(60, 1980, 8535, 3255), 0);
    BillKind k = common(side, n, places, 1305, 1000, true, staffLabel);
    HeaderField returnDate = field(FieldKind::Date, "退货日期：", "Label8", "txt_ReturnDate", "ReturnDate", "退货日期",
                                   leftBox(1650), "退货日期");
    returnDate.copiesBillDate = true;
    k.fields.insert(4, returnDate);
    k.fields.insert(5, party(handler, "Label3", rightBox(1650), true));
    k.columns += priced(n.qtyCaption, 1200, 1000, 1190);
    k.enterOrder = {ColRole::Code, ColRole::Qty, ColRole::Price};
    priceGoods(k, side.priceColumn, side.priceAlias, false);
    k.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {n.qtyColumn, ColRole::Qty},
                     {QStringLiteral("UnitPrice"), ColRole::Price}};
    k.lineSql = withAmount(lineSql(k.lineTable, k.lineNumberColumn,
                                   QStringLiteral("A.%1 as %2,A.UnitPrice as 单价,%3")
                                       .arg(n.qtyColumn, n.qtyCaption, amountOf(n.qtyColumn))),
                           n.qtyCaption);
    k.stockSign = stockSign;
    return k;
}

} // namespace billfamily
