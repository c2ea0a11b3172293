#include "FrmPay.h"

namespace {

VoucherKind payable()
{
    VoucherKind k;
    k.windowName = QStringLiteral("FrmPay");
    k.caption = QStringLiteral("应付款");
    k.title = QStringLiteral("应  付  款");
    k.noun = QStringLiteral("应付款");
    k.partnerLabel = QStringLiteral("供 应 商");
    k.partnerCombo = QStringLiteral("cmb_Supplier");
    k.partnerTable = QStringLiteral("Supplier");
    k.partnerWord = QStringLiteral("供应商");
    k.partnerListSql = QStringLiteral("select SupplierID as 供应商编号,SupplierName as 供应商名称 from Supplier");
    k.mustBox = QStringLiteral("txt_MustPay");
    k.haveBox = QStringLiteral("txt_HavePay");
    k.leftBox = QStringLiteral("txt_LeftPay");
    k.mustWord = QStringLiteral("应付金额");
    k.haveWord = QStringLiteral("已付金额");
    k.table = QStringLiteral("Pay");
    k.idColumn = QStringLiteral("PayID");
    k.partnerColumn = QStringLiteral("SupplierID");
    k.mustColumn = QStringLiteral("MustPay");
    k.haveColumn = QStringLiteral("HavePay");
    k.billColumn = QStringLiteral("BuyInID");
    k.loadSql = QStringLiteral("select A.PayID as 应付款单号,A.OperateDate as 制单日期,A.SupplierID as 供应商编码,"
                               "B.SupplierName as 供应商名称,A.PayModeID as 支付方式代号,C.PayModeName as 支付方式名称,"
                               "A.MustPay as 应付金额,A.HavePay as 已付金额,A.Remark as 备注 from Pay as A "
                               "left join Supplier as B on B.SupplierID=A.SupplierID "
                               "left join PayMode as C on C.PayModeID=A.PayModeID where A.PayID=?");
    return k;
}

} // namespace

const VoucherKind &FrmPay::voucherKind()
{
    static const VoucherKind kind = payable();
    return kind;
}

FrmPay::FrmPay(AppState &state, int mode, const QString &id, QWidget *parent)
    : VoucherWindow(state, voucherKind(), mode, id, parent)
{
}

VoucherWindow *FrmPay::make(AppState &state, int mode, const QString &id, QWidget *parent)
{
    return new FrmPay(state, mode, id, parent);
}
