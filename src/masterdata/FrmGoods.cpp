#include "FrmGoods.h"

#include "EditorTexts.h"
#include "FieldInput.h"
#include "platform/db/Database.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QComboBox *codeCombo(QWidget *owner, const char *name)
{
    auto *c = new QComboBox(owner);
    c->setObjectName(QString::fromLatin1(name));
    makeCodeCombo(c);
    return c;
}
} // namespace

FrmGoods::FrmGoods(AppState &state, const QString &id, QWidget *parent)
    : RecordEditor(state, id, QStringLiteral("确认"), parent)
{
    setObjectName(QStringLiteral("FrmGoods"));
    setWindowTitle(QStringLiteral("商品属性"));
    m_code = lineEdit(QStringLiteral("txt_GoodsID"));
    m_type = codeCombo(this, "cmb_ProductType");
    m_name = lineEdit(QStringLiteral("txt_GoodsName"));
    m_home = lineEdit(QStringLiteral("txt_Home"));
    m_unit = lineEdit(QStringLiteral("txt_Unit"));
    m_model = lineEdit(QStringLiteral("txt_Model"));
    m_storage = codeCombo(this, "cmb_Storage");
    m_minStorage = lineEdit(QStringLiteral("txt_MinStorage"));
    m_buyPrice = lineEdit(QStringLiteral("txt_BuyUnitPrice"));
    m_salePrice = lineEdit(QStringLiteral("txt_SaleUnitPrice"));
    m_remark = lineEdit(QStringLiteral("txt_Remark"));

    using P = Place;
    auto *grid = new QGridLayout;
    layOutFields(this, grid,
                 {
                     {m_code, QStringLiteral("商品编码"), QStringLiteral("Label1"), 0, P::Left, true, QStringLiteral("Label11")},
                     {m_type, QStringLiteral("商品类别"), QStringLiteral("Label2"), 0, P::Right, true, QStringLiteral("Label12")},
                     {m_name, QStringLiteral("商品名称"), QStringLiteral("Label3"), 1, P::Wide, true, QStringLiteral("Label14")},
                     {m_home, QStringLiteral("产    地"), QStringLiteral("Label4"), 2, P::Wide, false, {}},
                     {m_unit, QStringLiteral("单    位"), QStringLiteral("Label5"), 3, P::Left, false, {}},
                     {m_model, QStringLiteral("规格型号"), QStringLiteral("Label6"), 3, P::Right, false, {}},
                     {m_storage, QStringLiteral("仓库库位"), QStringLiteral("Label7"), 4, P::Left, true, QStringLiteral("Label15")},
                     {m_minStorage, QStringLiteral("最小库存"), QStringLiteral("Label8"), 4, P::Right, true, QStringLiteral("Label16")},
                     {m_buyPrice, QStringLiteral("采购单价"), QStringLiteral("Label9"), 5, P::Left, false, {}},
                     {m_salePrice, QStringLiteral("销售单价"), QStringLiteral("Label10"), 5, P::Right, false, {}},
                     {m_remark, QStringLiteral("备    注"), QStringLiteral("Label13"), 6, P::Wide, false, {}},
                 });
    auto *note = new QHBoxLayout;
    note->addWidget(carryOverBox());
    note->addStretch();
    note->addWidget(requiredNote(QStringLiteral("Label17")));
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(note);
    outer->addLayout(buttonRow());

    // The combos come after the buttons; Enter moves on from every box and
    // combo (and so walks from the storage combo round to the code).
    setFocusOrder({m_code, m_name, m_home, m_unit, m_model, m_minStorage, m_buyPrice, m_salePrice, m_remark,
                   carryOverBox(), addButton(), okButton(), cancelButton(), m_type, m_storage});
    EnterToTab::install(this, {m_code, m_name, m_home, m_unit, m_model, m_minStorage, m_buyPrice, m_salePrice,
                               m_remark, m_type, m_type->lineEdit(), m_storage, m_storage->lineEdit()});
    fixClientSize(6885, 4125);
}

const RecordTable &FrmGoods::table() const
{
    static const RecordTable t{
        QStringLiteral("Product"),
        QStringLiteral("GoodsID"),
        {"GoodsName", "Unit", "Model", "Home", "ProductTypeID", "BuyUnitPrice", "SaleUnitPrice", "MinStorage",
         "StorageID", "Remark"},
        {"GoodsName", "Unit", "Model", "Home", "ProductTypeID", "BuyUnitPrice", "SaleUnitPrice", "MinStorage",
         "StorageID", "Remark"},
    };
    return t;
}

void FrmGoods::fillCombos()
{
    fillCodeCombo(m_type, db().query(QStringLiteral("select ProductTypeID,ProductTypeName from ProductType "
                                                    "order by ProductTypeID")));
    fillCodeCombo(m_storage, db().query(QStringLiteral("select StorageID,StorageName from Storage order by StorageID")));
}

bool FrmGoods::loadRecord(const QString &key)
{
    // An item whose category or storage has gone is still opened, so it can
    // be mended.
    const ResultPtr rs = db().query(
        QStringLiteral("select A.GoodsID as 商品编码,A.GoodsName as 商品名称,A.ProductTypeID as 类别编号,"
                       "B.ProductTypeName as 类别名称,A.Unit as 单位,A.Model as 规格型号,A.Home as 产地,"
                       "A.BuyUnitPrice as 采购单价,A.SaleUnitPrice as 销售单价,A.MinStorage as 最小库存,"
                       "A.StorageID as 仓库编号,C.StorageName as 仓库名称,A.Remark as 备注 "
                       "from Product as A left join ProductType as B on B.ProductTypeID=A.ProductTypeID "
                       "left join Storage as C on C.StorageID=A.StorageID where A.GoodsID=?"),
        {key});
    if (rs->isEmpty())
        return false;
    auto text = [&rs](const char *caption) { return rs->text(0, QString::fromUtf8(caption)); };
    m_code->setText(text("商品编码"));
    showCode(m_type, text("类别编号"), rs->value(0, QStringLiteral("类别名称")));
    m_name->setText(text("商品名称"));
    m_home->setText(text("产地"));
    m_unit->setText(text("单位"));
    m_model->setText(text("规格型号"));
    showCode(m_storage, text("仓库编号"), rs->value(0, QStringLiteral("仓库名称")));
    m_minStorage->setText(text("最小库存"));
    m_buyPrice->setText(text("采购单价"));
    m_salePrice->setText(text("销售单价"));
    m_remark->setText(text("备注"));
    return true;
}

bool FrmGoods::requiredFilled() const
{
    for (const QString &t : {m_code->text(), m_name->text(), m_type->currentText(), m_storage->currentText(),
                             m_minStorage->text()}) {
        if (t.trimmed().isEmpty())
            return false;
    }
    return true;
}

bool FrmGoods::checkNumber(QLineEdit *box, const QString &field, bool emptyIsZero, double *value)
{
    if (emptyIsZero && box->text().trimmed().isEmpty()) {
        *value = 0;
        return true;
    }
    switch (readPlainNumber(box->text(), value)) {
    case NumberInput::Ok: return true;
    case NumberInput::NotANumber: refuse(editortext::notANumber(field), box); break;
    case NumberInput::OutOfRange: refuse(editortext::numberTooLarge(field), box); break;
    }
    return false;
}

bool FrmGoods::validate()
{
    return checkComboCode(m_type, QStringLiteral("ProductType"), QStringLiteral("商品类别"), &m_typeCode)
        && checkComboCode(m_storage, QStringLiteral("Storage"), QStringLiteral("仓库库位"), &m_storageCode)
        && checkNumber(m_minStorage, QStringLiteral("最小库存"), false, &m_min)
        && checkNumber(m_buyPrice, QStringLiteral("采购单价"), true, &m_buy)
        && checkNumber(m_salePrice, QStringLiteral("销售单价"), true, &m_sale);
}

QVariantHash FrmGoods::values() const
{
    return {
        {QStringLiteral("GoodsName"), m_name->text().trimmed()},
        {QStringLiteral("Unit"), m_unit->text().trimmed()},
        {QStringLiteral("Model"), m_model->text().trimmed()},
        {QStringLiteral("Home"), m_home->text().trimmed()},
        {QStringLiteral("ProductTypeID"), m_typeCode},
        {QStringLiteral("BuyUnitPrice"), m_buy},
        {QStringLiteral("SaleUnitPrice"), m_sale},
        {QStringLiteral("MinStorage"), m_min},
        {QStringLiteral("StorageID"), m_storageCode},
        {QStringLiteral("Remark"), m_remark->text().trimmed()},
    };
}
