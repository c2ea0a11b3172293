#pragma once

#include "RecordEditor.h"

#include <QStringList>
#include <QVector>

class CodeCombo;

// Customers or suppliers: the table and how the editor looks.
struct PartnerKind {
    int navCode;
    QString window;  // "FrmCustomer"
    QString caption; // "客户资料"
    QString table;   // "Customer": key <table>ID, name <table>Name, category table <table>Type
    QString who;     // "客户": the captions <who>编码, <who>名称 of the record as read
    QString logNoun; // "的客户资料"
    // The captions of the fourteen inputs, in tab order: code, category,
    // name, contact, contact's position, address, telephone, postal code,
    // fax, e-mail, account, tax number, bank, remark.
    QStringList labels;
    // Where everything stands (twips). Boxes are 300 high; the right
    // column's boxes stand at 4500, 2000 wide, like the left column's
    // narrow ones.
    struct Places {
        int widthTwips, heightTwips; // client area
        int captionLefts[2];         // left and right column ("联系人职位" stands at 3495)
        int boxLeft;                 // left column
        int wideWidth;               // boxes across both columns
        int tops[9];                 // the lines, from the code box's down
        int comboTop;                // the category, beside the code box
        int tickTop;                 // the tick box and the note
        int buttonsTop, buttonLefts[3];
    } places;
};

// Customer (502) and supplier (503).
const QVector<PartnerKind> &partnerKinds();

// The customer or supplier editor: fourteen texts, the category chosen from
// its table; code, name and category are required.
class PartnerEditor : public RecordEditor
{
    Q_OBJECT
public:
    PartnerEditor(const PartnerKind &kind, AppState &state, const QString &id, QWidget *parent = nullptr);

protected:
    const RecordTable &table() const override { return m_table; }
    QLineEdit *keyBox() const override;
    void fillCombos() override;
    bool loadRecord(const QString &key) override;
    bool requiredFilled() const override;
    bool validate() override;
    QVariantHash values() const override;
    QString logNoun() const override { return m_kind.logNoun; }

private:
    QLineEdit *box(const QString &column) const;

    const PartnerKind &m_kind;
    RecordTable m_table;
    CodeCombo *m_type;
    QList<QPair<QString, QLineEdit *>> m_boxes; // column -> box, every box but the category
    QString m_typeCode;                         // the category code, as checked
};
