#include "DefiningQueries.h"

#include <map>

// Each list's defining query, by navigation code, as the list is defined
// (a select list that reuses its own alias, 数量*单价, repeats the column
// expression instead, as SQL requires).
QByteArray definingQuery(int code)
{
    static const std::map<int, const char *> queries{
        {101,
         "select A.PurchaseOrderID as 采购订单号,A.OperateDate as 制单日期,B.SupplierName as "
         "供应商,A.Amount as 金额合计,C.BuyerName as 采购人,D.OperatorName as 制单人,"
         "A.Status as 订单状态,A.Remark as 备注 from PurchaseOrder as A,Supplier as B,Buyer as C,"
         "Operator as D where B.SupplierID=A.SupplierID and C.BuyerID=A.BuyerID and "
         "D.OperatorID=A.OperatorID Order By A.PurchaseOrderID"},
        {102,
         "select A.ReceiveReceiptID as 入库单据号,A.OperateDate as 制单日期,B.SupplierName as "
         "供应商,A.Amount as 金额合计,C.AccepterName as 验收人,D.OperatorName as 制单人,"
         "A.Remark as 备注 from ReceiveReceipt as A,Supplier as B,Accepter as C,Operator as D where "
         "B.SupplierID=A.SupplierID and C.AccepterID=A.AccepterID and D.OperatorID=A.OperatorID"},
        {103,
         "select A.PayID as 应付款单据号,A.OperateDate as 制单日期,B.SupplierName as 供应商,"
         "A.MustPay as 应付款,A.HavePay as 已付款,C.PayModeName as 付款方式,A.Remark as 备注 "
         "from Pay as A,Supplier as B,PayMode as C where B.SupplierID=A.SupplierID and "
         "C.PayModeID=A.PayModeID"},
        {104,
         "select A.PurchaseReturnID as 采购退货单号,A.OperateDate as 制单日期,B.SupplierName "
         "as 供应商,C.BuyerName as 采购人,D.ReturnerName as 退货人,A.ReturnDate as 退货日期,"
         "A.Remark as 备注 from PurchaseReturn as A,Supplier as B,Buyer as C,Returner as D where "
         "B.SupplierID=A.SupplierID and C.BuyerID=A.BuyerID and D.ReturnerID=A.ReturnerID"},
        {201,
         "select A.SaleOrderID as 销售订单号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
         "A.Amount as 金额合计,C.SalerName as 业务员,D.OperatorName as 制单人,A.Status as "
         "订单状态,A.Remark as 备注 from SaleOrder as A,Customer as B,Saler as C,Operator as D "
         "where B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.OperatorID=A.OperatorID"},
        {202,
         "select A.SaleOutID as 出库单据号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
         "A.Amount as 金额合计,C.SalerName as 业务员,D.OperatorName as 制单人,A.Remark as "
         "备注 from SaleOut as A,Customer as B,Saler as C,Operator as D where "
         "B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.OperatorID=A.OperatorID"},
        {203,
         "select A.IncomeID as 应收款单据号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
         "A.MustIncome as 应收款,A.HaveIncome as 已收款,C.PayModeName as 付款方式,A.Remark as "
         "备注 from Income as A,Customer as B,PayMode as C where B.CustomerID=A.CustomerID and "
         "C.PayModeID=A.PayModeID"},
        {204,
         "select A.SaleReturnID as 销售退货单号,A.OperateDate as 制单日期,B.CustomerName as "
         "客户,C.SalerName as 业务员,D.AccepterName as 验收人,A.ReturnDate as 退货日期,"
         "A.Remark as 备注 from SaleReturn as A,Customer as B,Saler as C,Accepter as D where "
         "B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.AccepterID=A.AccepterID"},
        {301,
         "select A.ReceiveReceiptID as 入库单据号,A.OperateDate as 制单日期,B.SupplierName as "
         "供应商,A.Amount as 金额合计,C.AccepterName as 验收人,D.OperatorName as 制单人,"
         "A.Remark as 备注 from ReceiveReceipt as A,Supplier as B,Accepter as C,Operator as D where "
         "B.SupplierID=A.SupplierID and C.AccepterID=A.AccepterID and D.OperatorID=A.OperatorID"},
        {302,
         "select A.SaleOutID as 出库单据号,A.OperateDate as 制单日期,B.CustomerName as 客户,"
         "A.Amount as 金额合计,C.SalerName as 业务员,D.OperatorName as 制单人,A.Remark as "
         "备注 from SaleOut as A,Customer as B,Saler as C,Operator as D where "
         "B.CustomerID=A.CustomerID and C.SalerID=A.SalerID and D.OperatorID=A.OperatorID"},
        {303,
         "select A.GoodsID as 商品编码,A.GoodsName as 商品名称,B.ProductTypeName as 商品类别,"
         "A.Unit as 单位,A.Model as 规格型号,A.Home as 产地,A.BuyUnitPrice as 采购单价,"
         "A.SaleUnitPrice as 销售单价,A.NowStorage as 当前库存,A.MinStorage as 最小库存, "
         "C.StorageName as 仓库,A.Remark as 备注 from Product as A,ProductType as B,Storage as C "
         "where B.ProductTypeID=A.ProductTypeID and C.StorageID=A.StorageID"},
        {304,
         "select A.CheckID as 盘点单据号,A.OperateDate as 制单日期,B.CheckerName as 盘点人,"
         "C.OperatorName as 制单人,A.Remark as 备注 from CheckNumber as A,Checker as B,Operator as "
         "C where B.CheckerID=A.CheckerID and C.OperatorID=A.OperatorID"},
        {401,
         "select A.GoodsID as 商品编码,A.GoodsName as 商品名称,A.Unit as 单位,A.Model as "
         "规格型号,A.Home as 产地,A.NowStorage as 当前库存,A.MinStorage as 最小库存, "
         "B.StorageName as 库位 from Product as A,Storage as B where A.NowStorage < A.MinStorage and "
         "B.StorageID=A.StorageID"},
        {402,
         "select A.GoodsID as 商品编码,A.GoodsName as 商品名称,B.ProductTypeName as 商品类别,"
         "A.NowStorage as 当前库存, C.StorageName as 库位 from Product as A,ProductType as B,"
         "Storage as C where B.ProductTypeID=A.ProductTypeID and C.StorageID=A.StorageID"},
        {403,
         "select A.ReceiveReceiptID as 采购入库单号,A.GoodsID as 商品编码,B.GoodsName as "
         "商品名称,B.Unit as 单位,B.Model as 规格型号,B.Home as 产地,C.StorageName as 库位,"
         "A.ReceiveNumber as 数量,A.UnitPrice as 单价,A.ReceiveNumber*A.UnitPrice as 金额 from "
         "ReceiveReceiptDetail as A,Product as B,Storage as C where B.GoodsID=A.GoodsID and "
         "C.StorageID=A.StorageID Order by A.GoodsID"},
        {404,
         "select A.SaleOutID as 销售出库单号,A.GoodsID as 商品编码,B.GoodsName as 商品名称,"
         "B.Unit as 单位,B.Model as 规格型号,B.Home as 产地,C.StorageName as 库位,"
         "A.GoodsNumber as 数量,A.UnitPrice as 单价,A.GoodsNumber*A.UnitPrice as 金额 from "
         "SaleOutDetail as A,Product as B,Storage as C where B.GoodsID=A.GoodsID and "
         "C.StorageID=A.StorageID Order by A.GoodsID"},
        {405,
         "select B.CustomerName as 客户,Sum(A.MustIncome) as 应收金额,Sum(A.HaveIncome) as "
         "已收金额,Sum(A.MustIncome)-Sum(A.HaveIncome) as 未收金额,C.PayModeName as 付款方式 "
         "from Income as A,Customer as B,PayMode as C where B.CustomerID=A.CustomerID and "
         "C.PayModeID=A.PayModeID Group By B.CustomerName,C.PayModeName Order By B.CustomerName"},
        {406,
         "select B.SupplierName as 供应商,Sum(A.MustPay) as 应付金额,Sum(A.HavePay) as "
         "已付金额,Sum(A.MustPay)-Sum(A.HavePay) as 未付金额,C.PayModeName as 付款方式 from "
         "Pay as A,Supplier as B,PayMode as C where B.SupplierID=A.SupplierID and "
         "C.PayModeID=A.PayModeID Group By B.SupplierName,C.PayModeName Order By B.SupplierName"},
        {407,
         "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,C.ProductTypeName as 商品类别,"
         " Sum(A.ReturnNumber) as 退货数量 from PurchaseReturnDetail as A,Product as B,ProductType "
         "as C where B.GoodsID=A.GoodsID and C.ProductTypeID=B.ProductTypeID Group By A.GoodsID,"
         "B.GoodsName,C.ProductTypeName Order By A.GoodsID"},
        {408,
         "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,C.ProductTypeName as 商品类别,"
         " Sum(A.ReturnNumber) as 退货数量 from SaleReturnDetail as A,Product as B,ProductType as C "
         "where B.GoodsID=A.GoodsID and C.ProductTypeID=B.ProductTypeID Group By A.GoodsID,B.GoodsName,"
         "C.ProductTypeName Order By A.GoodsID"},
        {501,
         "select A.GoodsID as 商品编码,A.GoodsName as 商品名称,B.ProductTypeName as 商品类别,"
         "A.Unit as 单位,A.Model as 规格型号,A.Home as 产地,A.BuyUnitPrice as 采购单价,"
         "A.SaleUnitPrice as 销售单价,A.NowStorage as 当前库存,A.MinStorage as 最小库存, "
         "C.StorageName as 仓库,A.Remark as 备注 from Product as A,ProductType as B,Storage as C "
         "where B.ProductTypeID=A.ProductTypeID and C.StorageID=A.StorageID"},
        {502,
         "select A.CustomerID as 客户编码,A.CustomerName as 客户名称,B.CustomerTypeName as "
         "类别,A.LinkMan as 联系人,A.LinkManJob as 联系人职位,A.Address as 地址,A.PostalCode "
         "as 邮编,A.Tel as 电话,A.Fax as 传真,A.Email as 电子邮件,A.TaxCode as 税号,"
         "A.Account as 帐号,A.Bank as 开户银行,A.Remark as 备注 from Customer as A,CustomerType "
         "as B where B.CustomerTypeID=A.TypeID"},
        {503,
         "select A.SupplierID as 供应商编码,A.SupplierName as 供应商名称,B.SupplierTypeName as "
         "类别,A.LinkMan as 联系人,A.LinkManJob as 联系人职位,A.Address as 地址,A.PostalCode "
         "as 邮编,A.Tel as 电话,A.Fax as 传真,A.Email as 电子邮件,A.TaxCode as 税号,"
         "A.Account as 帐号,A.Bank as 开户银行,A.Remark as 备注 from Supplier as A,SupplierType "
         "as B where B.SupplierTypeID=A.TypeID"},
        {504,
         "select StorageID as 库位编码,StorageName as 库位名称 from Storage"},
        {505,
         "select ProductTypeID as 商品类别编码,ProductTypeName as 商品类别名称 from "
         "ProductType"},
        {506,
         "select CustomerTypeID as 客户类别编码,CustomerTypeName as 客户类别名称 from "
         "CustomerType"},
        {507,
         "select SupplierTypeID as 供应商类别编码,SupplierTypeName as 供应商类别名称 from "
         "SupplierType"},
        {508,
         "select PayModeID as 支付方式编码,PayModeName as 支付方式名称 from PayMode"},
        {509,
         "select BuyerID as 采购员编码,BuyerName as 采购员名称 from Buyer"},
        {510,
         "select SalerID as 销售业务员编码,SalerName as 销售业务员名称 from Saler"},
        {511,
         "select AccepterID as 验货人编码,AccepterName as 验货人名称 from Accepter"},
        {512,
         "select ReturnerID as 退货人编码,ReturnerName as 退货人名称 from Returner"},
        {513,
         "select CheckerID as 盘点人编码,CheckerName as 盘点人名称 from Checker"},
        {602,
         "select OperatorID as 用户登录名,OperatorName as 用户真实名, Flage as 是否停用 "
         "from Operator"},
        {605,
         "select A.OperatorLogID as 编号,A.OperatorID as 用户登录名,B.OperatorName as "
         "用户真实名,A.OperateDate as 时间,A.Operation as 操作记录 from OperatorLog as A,"
         "Operator as B where B.OperatorID=A.OperatorID Order By A.OperatorLogID"},
    };
    const auto q = queries.find(code);
    return q == queries.end() ? QByteArray() : QByteArray(q->second);
}
