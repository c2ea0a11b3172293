#include "FrmGoods.h"

#include "CodeCombo.h"
#include "EditorTexts.h"
#include "platform/db/Database.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FrmGoods::FrmGoods(AppState &state, const QString &id, QWidget *parent)
    : RecordEditor(state, id, QStringLiteral("确认"), QSize(6885, 4125), parent)
{
    setObjectName(QStringLiteral("FrmGoods"));
    setWindowTitle(QStringLiteral("商品属性"));
    m_code = lineEdit(QStringLiteral("txt_GoodsID"));
    m_type = new CodeCombo(QStringLiteral("cmb_ProductType"), this);
    m_name = lineEdit(QStringLiteral("txt_GoodsName"));
    m_home = lineEdit(QStringLiteral("txt_Home"));
    m_unit = lineEdit(QStringLiteral("txt_Unit"));
    m_model = lineEdit(QStringLiteral("txt_Model"));
    m_storage = new CodeCombo(QStringLiteral("cmb_Storage"), this);
    m_minStorage = lineEdit(QStringLiteral("txt_MinStorage"));
    m_buyPrice = lineEdit(QStringLiteral("txt_BuyUnitPrice"));
    m_salePrice = lineEdit(QStringLiteral("txt_SaleUnitPrice"));
    m_remark = lineEdit(QStringLiteral("txt_Remark"));

    // Boxes in two columns (captions at 300 and 3750), the wide ones across
    // both; a required field has a "*" (its name given here).
    const struct {
        QWidget *input;
        QRect box;
        const char *caption;
        int captionLeft;
        const char *captionName, *starName;
    } fields[] = {
        {m_code, {1125, 315, 2000, 300}, "商品编码", 300, "Label1", "Label11"},
        {m_type, {4575, 300, 2000, 300}, "商品类别", 3750, "Label2", "Label12"},
        {m_name, {1125, 750, 5445, 300}, "商品名称", 300, "Label3", "Label14"},
        {m_home, {1125, 1185, 5445, 300}, "产    地", 300, "Label4", nullptr},
        {m_unit, {1125, 1620, 2000, 300}, "单    位", 300, "Label5", nullptr},
        {m_model, {4575, 1620, 2000, 300}, "规格型号", 3750, "Label6", nullptr},
        {m_storage, {1125, 2055, 2000, 300}, "仓库库位", 300, "Label7", "Label15"},
        {m_minStorage, {4575, 2055, 2000, 300}, "最小库存", 3750, "Label8", "Label16"},
        {m_buyPrice, {1125, 2490, 2000, 300}, "采购单价", 300, "Label9", nullptr},
        {m_salePrice, {4575, 2490, 2000, 300}, "销售单价", 3750, "Label10", nullptr},
        {m_remark, {1125, 2925, 5445, 300}, "备    注", 300, "Label13", nullptr},
    };
    for (const auto &f : fields)
        placeField({f.input, f.box, QString::fromUtf8(f.caption), f.captionLeft, QString::fromLatin1(f.captionName),
                    f.starName != nullptr, QString::fromLatin1(f.starName)});
    placeCarryOverAndNote(300, 5325, 3450, QStringLiteral("Label17"));
    placeButtons(3825, 4680, 5407, 6135);

    // The combos come after the buttons; Enter moves on from every box and
    // combo (and so walks from the storage combo round to the code).
    setFocusOrder({m_code, m_name, m_home, m_unit, m_model, m_minStorage, m_buyPrice, m_salePrice, m_remark,
                   carryOverBox(), addButton(), okButton(), cancelButton(), m_type, m_storage});
    EnterToTab::install(this, {m_code, m_name, m_home, m_unit, m_model, m_minStorage, m_buyPrice, m_salePrice,
                               m_remark, m_type, m_type->lineEdit(), m_storage, m_storage->lineEdit()});
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
    m_type->setItems(masterItems(db(), QStringLiteral("ProductType")));
    m_storage->setItems(masterItems(db(), QStringLiteral("Storage")));
}

bool FrmGoods::loadRecord(const QString &key)
{
    // An item whose category or storage has gone is still opened, so it can
    // be mended.
    const ResultPtr rs = goodsRecord(db(), key);
    if (rs->isEmpty())
        return false;
    auto text = [&rs](const char *caption) { return rs->text(0, QString::fromUtf8(caption)); };
    m_code->setText(text("商品编码"));
    m_type->showCode(text("类别编号"), rs->value(0, QStringLiteral("类别名称")));
    m_name->setText(text("商品名称"));
    m_home->setText(text("产地"));
    m_unit->setText(text("单位"));
    m_model->setText(text("规格型号"));
    m_storage->showCode(text("仓库编号"), rs->value(0, QStringLiteral("仓库名称")));
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
