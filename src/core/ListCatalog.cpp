#include "ListCatalog.h"

#include <QHash>

namespace {

const QVector<int> W_Order{600, 1200, 1000, 1600, 1000, 1000, 1000, 1000, 1600};
const QVector<int> W_Bill{600, 1200, 1000, 1600, 1000, 1000, 1000, 1600};
const QVector<int> W_Goods{600, 1200, 1000, 1000, 600, 1000, 1000, 800, 800, 800, 800, 1000, 1600};
const QVector<int> W_Partner{600, 1000, 1600, 1000, 800, 1200, 2000, 800, 1200, 1200, 1600, 1500, 1500, 1500, 1600};
const QVector<int> W_CodeName{600, 1600, 1600};

const QString Q_PurchaseOrders = QStringLiteral(
    "select A.PurchaseOrderID as 采购订单号,A.OperateDate as 制单日期,B.SupplierName as 供应商,A.Amount as 金额合计,"
    "C.BuyerName as 采购人,D.OperatorName as 制单人,A.Status as 订单状态,A.Remark as 备注 "
    "from PurchaseOrder as A,Supplier as B,Buyer as C,Operator as D "
    "where B.SupplierID=A.SupplierID and C.BuyerID=A.BuyerID and D.OperatorID=A.OperatorID "
    "Order By A.PurchaseOrderID");
const QString Q_Receipts = QStringLiteral(
    "select A.ReceiveReceiptID as 入库单据号,A.OperateDate as 制单日期,B.SupplierName as 供应商,A.Amount as 金额合计,"
    "C.AccepterName as 验收人,D.OperatorName as 制单人,A.Remark as 备注 "
    "from ReceiveReceipt as A,Supplier as B,Accepter as C,Operator as D "
    "where B.SupplierID=A.SupplierID and C.AccepterID=A.AccepterID and D.OperatorID=A.OperatorID "
    "Order By A.ReceiveReceiptID");
const QString Q_Deliveries = QStringLiteral(
    "select A.SaleOutID as 出库单据号,A.OperateDate as 制单日期,B.CustomerName as 客户,A.Amount as 金额合计,"
    "C.SalerName as 业务员,D.OperatorName as 制单人,A.Remark as 备注 "
    "from SaleOut as A,Customer as B,Saler as C,Operator as D "
    "where B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.OperatorID=A.OperatorID "
    "Order By A.SaleOutID");
const QString Q_Goods = QStringLiteral(
    "select A.GoodsID as 商品编码,A.GoodsName as 商品名称,B.ProductTypeName as 商品类别,A.Unit as 单位,"
    "A.Model as 规格型号,A.Home as 产地,A.BuyUnitPrice as 采购单价,A.SaleUnitPrice as 销售单价,"
    "A.NowStorage as 当前库存,A.MinStorage as 最小库存, C.StorageName as 仓库,A.Remark as 备注 "
    "from Product as A,ProductType as B,Storage as C "
    "where B.ProductTypeID=A.ProductTypeID and C.StorageID=A.StorageID Order By A.GoodsID");

QString partnerList(const QString &table, const QString &who)
{
    return QStringLiteral(
               "select A.%1ID as %2编码,A.%1Name as %2名称,B.%1TypeName as 类别,A.LinkMan as 联系人,"
               "A.LinkManJob as 联系人职位,A.Address as 地址,A.PostalCode as 邮编,A.Tel as 电话,A.Fax as 传真,"
               "A.Email as 电子邮件,A.TaxCode as 税号,A.Account as 帐号,A.Bank as 开户银行,A.Remark as 备注 "
               "from %1 as A,%1Type as B where B.%1TypeID=A.TypeID Order By A.%1ID")
        .arg(table, who);
}

// The goods summaries 403 and 404: every line of a bill kind, by goods,
// with its amount, the decimal product of quantity and price, computed as
// the line is read.
Select goodsSummary(const char *number, const char *numberAlias, const char *lineTable, const char *qty)
{
    return Select(QStringLiteral("select A.%1 as %2,A.GoodsID as 商品编码,B.GoodsName as 商品名称,"
                                 "B.Unit as 单位,B.Model as 规格型号,B.Home as 产地,C.StorageName as 库位,"
                                 "A.%4 as 数量,A.UnitPrice as 单价,A.%4*A.UnitPrice as 金额 "
                                 "from %3 as A,Product as B,Storage as C "
                                 "where B.GoodsID=A.GoodsID and C.StorageID=A.StorageID Order by A.GoodsID,A.LineID")
                      .arg(QString::fromUtf8(number), QString::fromUtf8(numberAlias), QString::fromUtf8(lineTable),
                           QString::fromUtf8(qty)),
                  {DerivedColumn{QStringLiteral("金额"), QStringLiteral("数量"), QStringLiteral("单价")}});
}

// The sums due and paid per partner and payment method (405, 406): every
// voucher listed by partner name and payment method, and the reader sums
// each group's decimal values exactly, the balance rounded once, so a
// partner paid in full owes 0 at any size the windows accept.
Select dueSummary(const QString &partner, const QString &who, const QString &table, const QString &due,
                  const QString &paid, const QString &verb)
{
    const QString dueAlias = QStringLiteral("应") + verb + QStringLiteral("金额"),
                  paidAlias = QStringLiteral("已") + verb + QStringLiteral("金额"),
                  leftAlias = QStringLiteral("未") + verb + QStringLiteral("金额");
    return Select(QStringLiteral("select B.%1Name as %2,A.%4 as %6,A.%5 as %7,A.%4-A.%5 as %8,"
                                 "C.PayModeName as 付款方式 from %3 as A,%1 as B,PayMode as C "
                                 "where B.%1ID=A.%1ID and C.PayModeID=A.PayModeID "
                                 "Order By B.%1Name,C.PayModeName")
                      .arg(partner, who, table, due, paid, dueAlias, paidAlias, leftAlias),
                  {},
                  Grouping{{who, QStringLiteral("付款方式")},
                           {SumColumn{dueAlias}, SumColumn{paidAlias}, SumColumn{leftAlias, dueAlias, paidAlias}}});
}

// The quantities returned per goods item (407, 408): every line by goods,
// summed exactly by the reader.
Select returnSummary(const QString &lineTable)
{
    return Select(QStringLiteral("select B.GoodsID as 商品编码,B.GoodsName as 商品名称,C.ProductTypeName as 商品类别, "
                                 "A.ReturnNumber as 退货数量 from %1 as A,Product as B,ProductType as C "
                                 "where B.GoodsID=A.GoodsID and C.ProductTypeID=B.ProductTypeID Order By A.GoodsID")
                      .arg(lineTable),
                  {}, Grouping{{QStringLiteral("商品编码")}, {SumColumn{QStringLiteral("退货数量")}}});
}

// The ten code-and-name lists: their tables and the noun of their headers.
const struct {
    int code;
    const char *caption, *title, *table, *id, *name, *noun;
} codeName[] = {
    {504, "库房信息", "库房信息列表", "Storage", "StorageID", "StorageName", "库位"},
    {505, "商品类别", "商品类别列表", "ProductType", "ProductTypeID", "ProductTypeName", "商品类别"},
    {506, "客户类别", "客户类别列表", "CustomerType", "CustomerTypeID", "CustomerTypeName", "客户类别"},
    {507, "供应商类别", "供应商类别列表", "SupplierType", "SupplierTypeID", "SupplierTypeName", "供应商类别"},
    {508, "支付方式", "支付方式列表", "PayMode", "PayModeID", "PayModeName", "支付方式"},
    {509, "采购员", "采购员列表", "Buyer", "BuyerID", "BuyerName", "采购员"},
    {510, "销售业务员", "销售业务员列表", "Saler", "SalerID", "SalerName", "销售业务员"},
    {511, "验货人", "验货人列表", "Accepter", "AccepterID", "AccepterName", "验货人"},
    {512, "退货人", "退货人列表", "Returner", "ReturnerID", "ReturnerName", "退货人"},
    {513, "盘点人", "盘点人列表", "Checker", "CheckerID", "CheckerName", "盘点人"},
};

QString codeNameList(const QString &table, const QString &idColumn, const QString &nameColumn, const QString &noun)
{
    return QStringLiteral("select %2 as %4编码,%3 as %4名称 from %1 Order By %2").arg(table, idColumn, nameColumn, noun);
}

QVector<ListSpec> buildSpecs()
{
    using K = ListSpec::Kind;
    QVector<ListSpec> s;
    auto add = [&s](int code, K kind, const char *caption, const char *title, Select sql, QVector<int> widths) {
        s.append(ListSpec{code, kind, QString::fromUtf8(caption), QString::fromUtf8(title), std::move(sql),
                          std::move(widths)});
    };

    add(101, K::List, "采购订单", "采购订单列表", Q_PurchaseOrders, W_Order);
    add(102, K::List, "采购入库单", "采购入库单列表", Q_Receipts, W_Bill);
    add(103, K::List, "应付款", "应付款列表",
        QStringLiteral("select A.PayID as 应付款单据号,A.OperateDate as 制单日期,B.SupplierName as 供应商,"
                       "A.MustPay as 应付款,A.HavePay as 已付款,C.PayModeName as 付款方式,A.Remark as 备注 "
                       "from Pay as A,Supplier as B,PayMode as C "
                       "where B.SupplierID=A.SupplierID and C.PayModeID=A.PayModeID Order By A.PayID"),
        W_Bill);
    add(104, K::List, "采购退货", "采购退货列表",
        QStringLiteral("select A.PurchaseReturnID as 采购退货单号,A.OperateDate as 制单日期,B.SupplierName as 供应商,"
                       "C.BuyerName as 采购人,D.ReturnerName as 退货人,A.ReturnDate as 退货日期,A.Remark as 备注 "
                       "from PurchaseReturn as A,Supplier as B,Buyer as C,Returner as D "
                       "where B.SupplierID=A.SupplierID and C.BuyerID=A.BuyerID and D.ReturnerID=A.ReturnerID "
                       "Order By A.PurchaseReturnID"),
        W_Bill);

    add(201, K::List, "销售订单", "销售订单列表",
        QStringLiteral("select A.SaleOrderID as 销售订单号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
                       "A.Amount as 金额合计,C.SalerName as 业务员,D.OperatorName as 制单人,A.Status as 订单状态,"
                       "A.Remark as 备注 from SaleOrder as A,Customer as B,Saler as C,Operator as D "
                       "where B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.OperatorID=A.OperatorID "
                       "Order By A.SaleOrderID"),
        W_Order);
    add(202, K::List, "销售出库单", "销售出库单列表", Q_Deliveries, W_Bill);
    add(203, K::List, "应收款", "应收款列表",
        QStringLiteral("select A.IncomeID as 应收款单据号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
                       "A.MustIncome as 应收款,A.HaveIncome as 已收款,C.PayModeName as 付款方式,A.Remark as 备注 "
                       "from Income as A,Customer as B,PayMode as C "
                       "where B.CustomerID=A.CustomerID and C.PayModeID=A.PayModeID Order By A.IncomeID"),
        W_Bill);
    add(204, K::List, "销售退货", "销售退货列表",
        QStringLiteral("select A.SaleReturnID as 销售退货单号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
                       "C.SalerName as 业务员,D.AccepterName as 验收人,A.ReturnDate as 退货日期,A.Remark as 备注 "
                       "from SaleReturn as A,Customer as B,Saler as C,Accepter as D "
                       "where B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.AccepterID=A.AccepterID "
                       "Order By A.SaleReturnID"),
        W_Bill);

    add(301, K::List, "入库单", "采购入库单列表", Q_Receipts, W_Bill);
    add(302, K::List, "出库单", "销售出库单列表", Q_Deliveries, W_Bill);
    add(303, K::List, "库位调整", "商品编码列表", Q_Goods, W_Goods);
    add(304, K::List, "盘点", "盘点单列表",
        QStringLiteral("select A.CheckID as 盘点单据号,A.OperateDate as 制单日期,B.CheckerName as 盘点人,"
                       "C.OperatorName as 制单人,A.Remark as 备注 from CheckNumber as A,Checker as B,Operator as C "
                       "where B.CheckerID=A.CheckerID and C.OperatorID=A.OperatorID Order By A.CheckID"),
        {600, 1200, 1000, 800, 800, 1600});

    add(401, K::Report, "库存警报", "库存警报列表",
        QStringLiteral("select A.GoodsID as 商品编码,A.GoodsName as 商品名称,A.Unit as 单位,A.Model as 规格型号,"
                       "A.Home as 产地,A.NowStorage as 当前库存,A.MinStorage as 最小库存, B.StorageName as 库位 "
                       "from Product as A,Storage as B where A.NowStorage < A.MinStorage and B.StorageID=A.StorageID "
                       "Order By A.GoodsID"),
        {600, 1200, 1000, 600, 1000, 1000, 800, 800, 1000});
    add(402, K::Report, "库存商品汇总表", "库存商品汇总表",
        QStringLiteral("select A.GoodsID as 商品编码,A.GoodsName as 商品名称,B.ProductTypeName as 商品类别,"
                       "A.NowStorage as 当前库存, C.StorageName as 库位 from Product as A,ProductType as B,Storage as C "
                       "where B.ProductTypeID=A.ProductTypeID and C.StorageID=A.StorageID Order By A.GoodsID"),
        {600, 1200, 1000, 1000, 800, 1000});
    add(403, K::Report, "商品采购汇总表", "商品采购汇总表",
        goodsSummary("ReceiveReceiptID", "采购入库单号", "ReceiveReceiptDetail", "ReceiveNumber"), {});
    add(404, K::Report, "商品销售汇总表", "商品销售汇总表",
        goodsSummary("SaleOutID", "销售出库单号", "SaleOutDetail", "GoodsNumber"), {});
    add(405, K::Report, "应收款统计表", "应收金额汇总表",
        dueSummary(QStringLiteral("Customer"), QStringLiteral("客户"), QStringLiteral("Income"),
                   QStringLiteral("MustIncome"), QStringLiteral("HaveIncome"), QStringLiteral("收")),
        {600, 1200, 1000, 1000, 1000, 1000});
    add(406, K::Report, "应付款统计表", "应付金额汇总表",
        dueSummary(QStringLiteral("Supplier"), QStringLiteral("供应商"), QStringLiteral("Pay"),
                   QStringLiteral("MustPay"), QStringLiteral("HavePay"), QStringLiteral("付")),
        {600, 1200, 1000, 1000, 1000, 1000});
    add(407, K::Report, "采购退货汇总表", "采购退货汇总表", returnSummary(QStringLiteral("PurchaseReturnDetail")),
        {600, 1200, 1000, 1000, 1000});
    add(408, K::Report, "销售退货汇总表", "销售退货汇总表", returnSummary(QStringLiteral("SaleReturnDetail")),
        {600, 1200, 1000, 1000, 1000});

    add(501, K::List, "商品信息", "商品编码列表", Q_Goods, W_Goods);
    add(502, K::List, "客户资料", "客户资料列表", partnerList(QStringLiteral("Customer"), QStringLiteral("客户")), W_Partner);
    add(503, K::List, "供应商资料", "供应商资料列表", partnerList(QStringLiteral("Supplier"), QStringLiteral("供应商")),
        W_Partner);
    for (const auto &c : codeName) {
        add(c.code, K::List, c.caption, c.title,
            codeNameList(QString::fromUtf8(c.table), QString::fromUtf8(c.id), QString::fromUtf8(c.name),
                         QString::fromUtf8(c.noun)),
            W_CodeName);
    }

    add(601, K::Action, "注销", "", QString(), {});
    add(602, K::List, "用户管理", "用户列表",
        QStringLiteral("select OperatorID as 用户登录名,OperatorName as 用户真实名, Flage as 是否停用 from Operator "
                       "Order By OperatorID"),
        {600, 1600, 1600, 800});
    add(603, K::Action, "数据备份", "", QString(), {});
    add(604, K::Action, "数据恢复", "", QString(), {});
    add(605, K::List, "上机日志", "用户日志列表",
        QStringLiteral("select A.OperatorLogID as 编号,A.OperatorID as 用户登录名,B.OperatorName as 用户真实名,"
                       "A.OperateDate as 时间,A.Operation as 操作记录 from OperatorLog as A,Operator as B "
                       "where B.OperatorID=A.OperatorID Order By A.OperatorLogID"),
        {600, 1000, 1000, 1000, 2100, 4200});
    add(606, K::Action, "系统帮助", "", QString(), {});
    // The goods summaries' goods code and the log's login name beside the
    // key; the partners' numbers; the payment summaries start with a name.
    const QVector<int> partnerCodes{1, 7, 8, 9, 11, 12};
    const QHash<int, QVector<int>> codeColumns{{403, {1, 2}}, {404, {1, 2}}, {605, {1, 2}}, {405, {}},
                                               {406, {}}, {502, partnerCodes}, {503, partnerCodes}};
    for (ListSpec &l : s)
        l.codeColumns = codeColumns.value(l.code, l.codeColumns);
    return s;
}

} // namespace

QStringList codeNameHeaders(int code)
{
    for (const auto &c : codeName) {
        if (c.code == code) {
            const QString noun = QString::fromUtf8(c.noun);
            return {noun + QStringLiteral("编码"), noun + QStringLiteral("名称")};
        }
    }
    return {};
}

const QVector<ListSpec> &allListSpecs()
{
    static const QVector<ListSpec> specs = buildSpecs();
    return specs;
}

const ListSpec *listSpec(int code)
{
    for (const ListSpec &s : allListSpecs())
        if (s.code == code)
            return &s;
    return nullptr;
}

const QVector<NavGroup> &navigationGroups()
{
    static const QVector<NavGroup> groups{
        {QStringLiteral("采购管理"), {101, 102, 103, 104}},
        {QStringLiteral("销售管理"), {201, 202, 203, 204}},
        {QStringLiteral("库存管理"), {301, 302, 303, 304}},
        {QStringLiteral("统计报表"), {401, 402, 403, 404, 405, 406, 407, 408}},
        {QStringLiteral("基本资料"), {501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513}},
        {QStringLiteral("系统维护"), {601, 602, 603, 604, 605, 606}},
    };
    return groups;
}

QVector<int> hiddenOperatorWidths()
{
    return {0, 0, 0, 0};
}
