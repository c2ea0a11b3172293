#include "PurchaseBills.h"

#include "FrmPay.h"
#include "bills/BillFields.h"

namespace {

using namespace billfields;

BillKind purchaseOrder()
{
    BillKind s;
    s.windowName = QStringLiteral("FrmBuyOrder");
    s.caption = QStringLiteral("采购订单");
    s.title = QStringLiteral("采 购 订 单");
    s.gridName = QStringLiteral("BuyOrderGrd");
    s.logNoun = QStringLiteral("的采购订单");
    s.printForm = QStringLiteral("FrmBuyOrderDetailPrint");
    s.fields = {
        billDate(0, 0),
        number("txt_PurchaseOrderID", 0, 1, "采购单号"),
        codeName("供 应 商：", "Label4", "Supplier", "SupplierID", "供应商", 1, 0, "供应商编码", "供应商名称", "Supplier"),
        codeName("采购人：", "Label5", "Buyer", "BuyerID", "采购人", 1, 1, "采购人代号", "采购人名称", "Buyer"),
        remark(),
        maker(),
    };
    s.columns = goodsColumns(800) + QVector<GridColumn>{{QStringLiteral("采购数量"), 1000, ColRole::Qty},
                                                        {QStringLiteral("单价"), 800, ColRole::Price},
                                                        {QStringLiteral("金额"), 800, ColRole::Amount},
                                                        {QStringLiteral("入库数量"), 1000, ColRole::Extra}};
    s.enterOrder = {ColRole::Code, ColRole::Qty, ColRole::Price};
    priceGoods(s, QStringLiteral("BuyUnitPrice"), QStringLiteral("采购单价"), false);
    s.headTable = QStringLiteral("PurchaseOrder");
    s.numberColumn = QStringLiteral("PurchaseOrderID");
    s.amountColumn = QStringLiteral("Amount");
    s.headSql = QStringLiteral(
        "select A.PurchaseOrderID as 采购单号,A.OperateDate as 制单日期,A.SupplierID as 供应商编码,"
        "B.SupplierName as 供应商名称,A.OperatorID as 操作员代号,C.OperatorName as 操作员名称,A.BuyerID as 采购人代号,"
        "D.BuyerName as 采购人名称,A.Status as 订单状态,A.Remark as 备注 from PurchaseOrder as A "
        "left join Supplier as B on B.SupplierID=A.SupplierID left join Operator as C on C.OperatorID=A.OperatorID "
        "left join Buyer as D on D.BuyerID=A.BuyerID where A.PurchaseOrderID=?");
    s.lineTable = QStringLiteral("PurchaseOrderDetail");
    s.lineNumberColumn = QStringLiteral("PurchaseOrderID");
    // The received quantity is written back as loaded, so a modified order
    // keeps what was received against it.
    s.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {QStringLiteral("GoodsNum"), ColRole::Qty},
                     {QStringLiteral("UnitPrice"), ColRole::Price},
                     {QStringLiteral("InNum"), ColRole::Extra}};
    s.lineSql = lineSql(s.lineTable, s.lineNumberColumn,
                        QStringLiteral("A.GoodsNum as 数量,A.UnitPrice as 单价,A.GoodsNum*A.UnitPrice as 金额,"
                                       "A.InNum as 入库数量"));
    return s;
}

BillKind goodsReceipt()
{
    BillKind s;
    s.windowName = QStringLiteral("FrmBuyIn");
    s.caption = QStringLiteral("采购入库单");
    s.title = QStringLiteral("采 购 入 库 单");
    s.gridName = QStringLiteral("BuyInGrd");
    s.logNoun = QStringLiteral("的采购入库单");
    s.printForm = QStringLiteral("FrmBuyInDetailPrint");
    s.fields = {
        billDate(0, 0),
        number("txt_ReceiveReceiptID", 0, 1, "入库单号"),
        codeName("供 应 商：", "Label4", "Supplier", "SupplierID", "供应商", 1, 0, "供应商编码", "供应商名称", "Supplier"),
        codeName("验收人：", "Label5", "Accepter", "AccepterID", "验收人", 1, 1, "验收人代号", "验收人名称", "Accepter"),
        remark(),
        maker(),
    };
    s.requiredTail = QStringLiteral("制单日期、单据号、供应商、验收人均为必填项。");
    s.noContentTail = QStringLiteral("请输入商品编码、库位及其数量、单价！");
    s.columns = goodsColumns(800) + QVector<GridColumn>{{QStringLiteral("库位"), 1000, ColRole::Storage},
                                                        {QStringLiteral("入库数量"), 1000, ColRole::Qty},
                                                        {QStringLiteral("单价"), 800, ColRole::Price},
                                                        {QStringLiteral("金额"), 800, ColRole::Amount}};
    s.enterOrder = {ColRole::Code, ColRole::Storage, ColRole::Qty, ColRole::Price};
    priceGoods(s, QStringLiteral("BuyUnitPrice"), QStringLiteral("采购单价"), true);
    s.headTable = QStringLiteral("ReceiveReceipt");
    s.numberColumn = QStringLiteral("ReceiveReceiptID");
    s.amountColumn = QStringLiteral("Amount");
    s.headSql = QStringLiteral(
        "select A.ReceiveReceiptID as 入库单号,A.OperateDate as 制单日期,A.SupplierID as 供应商编码,"
        "B.SupplierName as 供应商名称,A.OperatorID as 操作员代号,C.OperatorName as 操作员名称,"
        "A.AccepterID as 验收人代号,D.AccepterName as 验收人名称,A.Remark as 备注 from ReceiveReceipt as A "
        "left join Supplier as B on B.SupplierID=A.SupplierID left join Operator as C on C.OperatorID=A.OperatorID "
        "left join Accepter as D on D.AccepterID=A.AccepterID where A.ReceiveReceiptID=?");
    s.lineTable = QStringLiteral("ReceiveReceiptDetail");
    s.lineNumberColumn = QStringLiteral("ReceiveReceiptID");
    s.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {QStringLiteral("StorageID"), ColRole::Storage},
                     {QStringLiteral("ReceiveNumber"), ColRole::Qty},
                     {QStringLiteral("UnitPrice"), ColRole::Price}};
    s.lineSql = lineSql(s.lineTable, s.lineNumberColumn,
                        QStringLiteral("C.StorageName as 库位名称,A.ReceiveNumber as 数量,A.UnitPrice as 单价,"
                                       "A.ReceiveNumber*A.UnitPrice as 金额"),
                        true);
    s.stockSign = 1;
    s.hasOrderLink = true;
    s.order.openOrdersSql = QStringLiteral(
        "select A.PurchaseOrderID as 采购订单号,A.OperateDate as 制单日期,B.SupplierName as 供应商,A.Amount as 金额合计,"
        "C.BuyerName as 采购人,D.OperatorName as 制单人,A.Status as 订单状态,A.Remark as 备注 "
        "from PurchaseOrder as A,Supplier as B,Buyer as C,Operator as D where A.Status=? and B.SupplierID=A.SupplierID "
        "and C.BuyerID=A.BuyerID and D.OperatorID=A.OperatorID Order By A.PurchaseOrderID");
    // The copied lines take their storage from Temp: a name, not a code, so
    // each must have its storage chosen before the receipt can be saved.
    s.order.copySql = QStringLiteral(
        "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,B.Model as 规格型号,C.StorageName as 库房,"
        "A.GoodsNum as 数量,A.UnitPrice as 单价,A.GoodsNum*A.UnitPrice as 金额 "
        "from PurchaseOrderDetail as A,Product as B,Temp as C where A.PurchaseOrderID=? and B.GoodsID=A.GoodsID "
        "Order By A.LineID");
    s.order.detailTable = QStringLiteral("PurchaseOrderDetail");
    s.order.orderColumn = QStringLiteral("PurchaseOrderID");
    s.order.qtyColumn = QStringLiteral("InNum");
    s.order.headTable = QStringLiteral("PurchaseOrder");
    s.order.headKey = QStringLiteral("PurchaseOrderID");
    s.order.statusColumn = QStringLiteral("Status");
    s.order.openStatus = QStringLiteral("未入库");
    s.order.doneStatus = QStringLiteral("已入库");
    s.clearRefusedCells = true;
    s.voucher = {QStringLiteral("cmd_Pay"), QStringLiteral("应付款"), QStringLiteral("txt_Supplier"), &FrmPay::voucherKind,
                 &FrmPay::make};
    return s;
}

BillKind purchaseReturn()
{
    BillKind s;
    s.windowName = QStringLiteral("FrmBuyReturn");
    s.caption = QStringLiteral("采购退货单");
    s.title = QStringLiteral("采 购 退 货 单");
    s.gridName = QStringLiteral("BuyReturnGrd");
    s.logNoun = QStringLiteral("的采购退货单");
    s.printForm = QStringLiteral("FrmBuyReturnDetailPrint");
    HeaderField returnDate =
        field(FieldKind::Date, "退货日期：", "Label8", "txt_ReturnDate", "ReturnDate", "退货日期", 2, 0, "退货日期");
    returnDate.copiesBillDate = true;
    s.fields = {
        billDate(0, 0),
        number("txt_PurchaseReturnID", 0, 1, "退货单号"),
        codeName("供 应 商：", "Label4", "Supplier", "SupplierID", "供应商", 1, 0, "供应商编码", "供应商名称", "Supplier",
                 true),
        codeName("采购人：", "Label5", "Buyer", "BuyerID", "采购人", 1, 1, "采购人代号", "采购人名称", "Buyer", true),
        returnDate,
        codeName("退货人：", "Label3", "Returner", "ReturnerID", "退货人", 2, 1, "退货人代号", "退货人名称", "Returner",
                 true),
        remark(),
        maker(),
    };
    s.requiredTail = QStringLiteral("制单日期、单据号、供应商、采购人、退货日期、退货人均为必填项。");
    s.columns = goodsColumns(1000) + QVector<GridColumn>{{QStringLiteral("退货数量"), 1200, ColRole::Qty},
                                                         {QStringLiteral("单价"), 1000, ColRole::Price},
                                                         {QStringLiteral("金额"), 1190, ColRole::Amount}};
    s.enterOrder = {ColRole::Code, ColRole::Qty, ColRole::Price};
    priceGoods(s, QStringLiteral("BuyUnitPrice"), QStringLiteral("采购单价"), false);
    s.headTable = QStringLiteral("PurchaseReturn");
    s.numberColumn = QStringLiteral("PurchaseReturnID");
    s.amountColumn = QStringLiteral("Amount");
    s.headSql = QStringLiteral(
        "select A.PurchaseReturnID as 退货单号,A.OperateDate as 制单日期,A.SupplierID as 供应商编码,"
        "B.SupplierName as 供应商名称,A.OperatorID as 操作员代号,C.OperatorName as 操作员名称,A.BuyerID as 采购人代号,"
        "D.BuyerName as 采购人名称,A.ReturnerID as 退货人代号,E.ReturnerName as 退货人名称,A.ReturnDate as 退货日期,"
        "A.Remark as 备注 from PurchaseReturn as A left join Supplier as B on B.SupplierID=A.SupplierID "
        "left join Operator as C on C.OperatorID=A.OperatorID left join Buyer as D on D.BuyerID=A.BuyerID "
        "left join Returner as E on E.ReturnerID=A.ReturnerID where A.PurchaseReturnID=?");
    s.lineTable = QStringLiteral("PurchaseReturnDetail");
    s.lineNumberColumn = QStringLiteral("PurchaseReturnID");
    s.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {QStringLiteral("ReturnNumber"), ColRole::Qty},
                     {QStringLiteral("UnitPrice"), ColRole::Price}};
    s.lineSql = lineSql(s.lineTable, s.lineNumberColumn,
                        QStringLiteral("A.ReturnNumber as 退货数量,A.UnitPrice as 单价,A.ReturnNumber*A.UnitPrice as 金额"));
    s.stockSign = -1;
    return s;
}

} // namespace

const BillKind &FrmBuyOrder::billKind()
{
    static const BillKind kind = purchaseOrder();
    return kind;
}

FrmBuyOrder::FrmBuyOrder(AppState &state, int mode, const QString &id, QWidget *parent)
    : BillWindow(state, billKind(), mode, id, parent)
{
}

const BillKind &FrmBuyIn::billKind()
{
    static const BillKind kind = goodsReceipt();
    return kind;
}

FrmBuyIn::FrmBuyIn(AppState &state, int mode, const QString &id, QWidget *parent)
    : BillWindow(state, billKind(), mode, id, parent)
{
}

const BillKind &FrmBuyReturn::billKind()
{
    static const BillKind kind = purchaseReturn();
    return kind;
}

FrmBuyReturn::FrmBuyReturn(AppState &state, int mode, const QString &id, QWidget *parent)
    : BillWindow(state, billKind(), mode, id, parent)
{
}
