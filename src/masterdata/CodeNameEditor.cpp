#include "CodeNameEditor.h"

#include "core/ListCatalog.h"
#include "platform/db/Database.h"
#include "platform/ui/Widgets.h"

#include <QLineEdit>
#include <QPushButton>

const QVector<CodeNameKind> &codeNameKinds()
{
    using F = CodeNameKind::FocusOrder;
    static const QVector<CodeNameKind> kinds{
        {504, "FrmStorage", "库房信息", "Storage", "StorageID", "StorageName", "库位编号", "库位名称", "的库房信息",
         false, F::BoxesThenAddOkCancel, 2910, 1350},
        {505, "FrmGoodsType", "商品类别", "ProductType", "ProductTypeID", "ProductTypeName", "类别编号", "类别名称",
         "的商品类别", false, F::CancelOkAddThenNameCode, 2865, 1335},
        {506, "FrmCustomerType", "客户类别", "CustomerType", "CustomerTypeID", "CustomerTypeName", "类别编号",
         "类别名称", "的客户类别", false, F::BoxesThenCancelOkAdd, 3030, 1350},
        {507, "FrmSupplierType", "供应商类别", "SupplierType", "SupplierTypeID", "SupplierTypeName", "类别编号",
         "类别名称", "的供应商类别", false, F::BoxesThenAddOkCancel, 2880, 1350},
        {508, "FrmPayMode", "支付方式", "PayMode", "PayModeID", "PayModeName", "编号", "名称", "的支付方式", false,
         F::BoxesThenCancelOkAdd, 3060, 1350},
        {509, "FrmBuyer", "采购员", "Buyer", "BuyerID", "BuyerName", "编号", "名称", "的采购员", true,
         F::ButtonsThenNameCode, 2940, 1320},
        {510, "FrmSaler", "销售业务员", "Saler", "SalerID", "SalerName", "编号", "名称", "的销售业务员", false,
         F::ButtonsThenNameCode, 2940, 1320},
        {511, "FrmAccepter", "验货人", "Accepter", "AccepterID", "AccepterName", "编号", "名称", "的验货人", true,
         F::ButtonsThenNameCode, 2940, 1320},
        {512, "FrmReturner", "退货人", "Returner", "ReturnerID", "ReturnerName", "编号", "名称", "的退货人", false,
         F::ButtonsThenNameCode, 2940, 1320},
        {513, "FrmChecker", "盘点人", "Checker", "CheckerID", "CheckerName", "编号", "名称", "的盘点人", false,
         F::BoxesThenCancelOkAdd, 2940, 1320},
    };
    return kinds;
}

CodeNameEditor::CodeNameEditor(const CodeNameKind &kind, AppState &state, const QString &id, QWidget *parent)
    : RecordEditor(state, id, QStringLiteral("确定"), QSize(kind.widthTwips, kind.heightTwips), parent), m_kind(kind),
      m_table{kind.table, kind.codeColumn, {kind.nameColumn}, {kind.nameColumn}}
{
    setObjectName(kind.window);
    setWindowTitle(kind.caption);
    m_code = lineEdit(QStringLiteral("txt_") + kind.codeColumn);
    m_name = lineEdit(QStringLiteral("txt_") + kind.nameColumn);

    // The ten stand alike; only their client areas differ.
    placeField({m_code, QRect(885, 120, 1740, 315), kind.codeLabel, 180, QStringLiteral("Label1")});
    placeField({m_name, QRect(885, 570, 1740, 315), kind.nameLabel, 180, QStringLiteral("Label2")});
    placeButtons(1020, 735, 1485, 2235);

    QWidget *add = addButton(), *ok = okButton(), *cancel = cancelButton();
    using F = CodeNameKind::FocusOrder;
    switch (kind.focus) {
    case F::ButtonsThenNameCode: setFocusOrder({add, ok, cancel, m_name, m_code}); break;
    case F::BoxesThenCancelOkAdd: setFocusOrder({m_code, m_name, cancel, ok, add}); break;
    case F::CancelOkAddThenNameCode: setFocusOrder({cancel, ok, add, m_name, m_code}); break;
    case F::BoxesThenAddOkCancel: setFocusOrder({m_code, m_name, add, ok, cancel}); break;
    }
    if (kind.enterMovesOn)
        EnterToTab::install(this, {m_code, m_name});
}

bool CodeNameEditor::loadRecord(const QString &key)
{
    const QStringList captions = codeNameHeaders(m_kind.navCode);
    const ResultPtr rs = recordOf(db(), m_kind.table, m_kind.codeColumn,
                                  {{m_kind.codeColumn, captions.value(0)}, {m_kind.nameColumn, captions.value(1)}}, key);
    if (rs->isEmpty())
        return false;
    m_code->setText(rs->text(0, captions.value(0)));
    m_name->setText(rs->text(0, captions.value(1)));
    return true;
}

bool CodeNameEditor::requiredFilled() const
{
    return !m_code->text().trimmed().isEmpty() && !m_name->text().trimmed().isEmpty();
}

QVariantHash CodeNameEditor::values() const
{
    return {{m_kind.nameColumn, m_name->text().trimmed()}};
}
