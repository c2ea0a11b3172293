#include "PartnerEditor.h"

#include "CodeCombo.h"
#include "platform/db/Database.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The fourteen inputs in tab order; %1 is the table ("Customer"), %2 the
// caption prefix of the record as read ("客户").
struct PartnerField {
    const char *column, *input, *caption;
    int line; // index into the kind's line tops
    int side; // 0 left column, 1 right column, 2 across both
};
const PartnerField Fields[] = {
    {"%1ID", "txt_%1ID", "%2编码", 0, 0},
    {"TypeID", "cmb_%1Type", "类别编码", 0, 1},
    {"%1Name", "txt_%1Name", "%2名称", 1, 2},
    {"LinkMan", "txt_LinkMan", "联系人", 2, 0},
    {"LinkManJob", "txt_LinkManJob", "联系人职位", 2, 1},
    {"Address", "txt_Address", "地址", 3, 2},
    {"Tel", "txt_Tel", "电话", 4, 0},
    {"PostalCode", "txt_PostalCode", "邮编", 4, 1},
    {"Fax", "txt_Fax", "传真", 5, 0},
    {"Email", "txt_Email", "电子邮件", 5, 1},
    {"Account", "txt_Account", "账号", 6, 0},
    {"TaxCode", "txt_TaxCode", "税号", 6, 1},
    {"Bank", "txt_Bank", "开户银行", 7, 2},
    {"Remark", "txt_Remark", "备注", 8, 2},
};
const int CodeField = 0, TypeField = 1, NameField = 2;

QString fill(const char *pattern, const PartnerKind &kind)
{
    return QString::fromUtf8(pattern)
        .replace(QLatin1String("%1"), kind.table)
        .replace(QLatin1String("%2"), kind.who);
}

} // namespace

const QVector<PartnerKind> &partnerKinds()
{
    static const QVector<PartnerKind> kinds{
        {502, "FrmCustomer", "客户资料", "Customer", "客户", "的客户资料",
         {"客户编码", "客户类别", "客户名称", "联 系 人", "联系人职位", "地    址", "电    话", "邮    编", "传    真",
          "电子邮件", "帐    号", "税    号", "开户银行", "备    注"},
         {6810, 4875, {225, 3675}, 1050, 5445, {165, 600, 1050, 1485, 1920, 2355, 2790, 3225, 3675}, 150, 4200,
          4575, {4575, 5325, 6075}}},
        {503, "FrmSupplier", "供应商资料", "Supplier", "供应商", "的供应商资料",
         {"供应商编码", "供应商类别", "供应商名称", "联  系  人", "联系人职位", "地      址", "电      话",
          "邮      编", "传      真", "电 子邮 件", "帐      号", "税      号", "开 户银 行", "备      注"},
         {6840, 4890, {225, 3525}, 1200, 5295, {150, 615, 1065, 1500, 1935, 2370, 2805, 3240, 3690}, 165, 4215,
          4590, {4650, 5400, 6135}}},
    };
    return kinds;
}

PartnerEditor::PartnerEditor(const PartnerKind &kind, AppState &state, const QString &id, QWidget *parent)
    : RecordEditor(state, id, QStringLiteral("确认"), QSize(kind.places.widthTwips, kind.places.heightTwips), parent),
      m_kind(kind)
{
    setObjectName(kind.window);
    setWindowTitle(kind.caption);
    m_table.table = kind.table;
    m_table.key = fill(Fields[CodeField].column, kind);

    m_type = new CodeCombo(fill(Fields[TypeField].input, kind), this);

    const PartnerKind::Places &at = kind.places;
    QList<QWidget *> order;
    int i = 0;
    for (const PartnerField &f : Fields) {
        const QString column = fill(f.column, kind);
        QWidget *input = m_type;
        if (i != TypeField) {
            QLineEdit *e = lineEdit(fill(f.input, kind));
            m_boxes.append({column, e});
            input = e;
        }
        if (i != CodeField)
            m_table.columns << column;
        const bool right = f.side == 1;
        QRect box(right ? 4500 : at.boxLeft, i == TypeField ? at.comboTop : at.tops[f.line],
                  f.side == 2 ? at.wideWidth : 2000, 300);
        const int captionLeft = column == QLatin1String("LinkManJob") ? 3495 : at.captionLefts[right ? 1 : 0];
        const bool required = i == CodeField || i == TypeField || i == NameField;
        placeField({input, box, kind.labels.value(i), captionLeft, QString(), required});
        order << input;
        ++i;
    }
    m_table.updated = m_table.columns;

    placeCarryOverAndNote(225, 5250, at.tickTop);
    placeButtons(at.buttonsTop, at.buttonLefts[0], at.buttonLefts[1], at.buttonLefts[2]);

    order << carryOverBox() << addButton() << okButton() << cancelButton();
    setFocusOrder(order);
}

QLineEdit *PartnerEditor::box(const QString &column) const
{
    for (const auto &b : m_boxes) {
        if (b.first == column)
            return b.second;
    }
    return nullptr;
}

QLineEdit *PartnerEditor::keyBox() const
{
    return m_boxes.first().second;
}

void PartnerEditor::fillCombos()
{
    m_type->setItems(masterItems(db(), m_kind.table + QStringLiteral("Type")));
}

bool PartnerEditor::loadRecord(const QString &key)
{
    // A partner whose category has gone is still opened, so it can be mended.
    QVector<QPair<QString, QString>> columns;
    for (const PartnerField &f : Fields)
        columns.append({fill(f.column, m_kind), fill(f.caption, m_kind)});
    const ResultPtr rs = partnerRecord(db(), m_kind.table, columns, key);
    if (rs->isEmpty())
        return false;
    int i = 0;
    for (const PartnerField &f : Fields) {
        const QString caption = fill(f.caption, m_kind);
        if (i++ == TypeField)
            m_type->showCode(rs->text(0, caption), rs->value(0, QStringLiteral("类别名称")));
        else
            box(fill(f.column, m_kind))->setText(rs->text(0, caption));
    }
    return true;
}

bool PartnerEditor::requiredFilled() const
{
    return !keyBox()->text().trimmed().isEmpty() && !box(fill(Fields[NameField].column, m_kind))->text().trimmed().isEmpty()
        && !m_type->currentText().trimmed().isEmpty();
}

bool PartnerEditor::validate()
{
    return checkComboCode(m_type, m_kind.table + QStringLiteral("Type"), m_kind.who + QStringLiteral("类别"), &m_typeCode);
}

QVariantHash PartnerEditor::values() const
{
    QVariantHash v;
    for (const auto &b : m_boxes)
        v.insert(b.first, b.second->text().trimmed());
    v.insert(QStringLiteral("TypeID"), m_typeCode);
    return v;
}
