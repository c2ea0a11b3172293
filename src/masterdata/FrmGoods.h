#pragma once

#include "RecordEditor.h"

class CodeCombo;

// The goods editor "商品属性": code, name, origin, unit, model, category and
// default storage (chosen from their tables), minimum stock and the two unit
// prices. It never writes the stock quantity NowStorage: a new item starts
// with the database's 0, a modified one keeps what it has.
class FrmGoods : public RecordEditor
{
    Q_OBJECT
public:
    FrmGoods(AppState &state, const QString &id, QWidget *parent = nullptr);

protected:
    const RecordTable &table() const override;
    QLineEdit *keyBox() const override { return m_code; }
    void fillCombos() override;
    bool loadRecord(const QString &key) override;
    bool requiredFilled() const override;
    bool validate() override;
    QVariantHash values() const override;
    QString logNoun() const override { return QStringLiteral("的商品资料"); }

private:
    bool checkNumber(QLineEdit *box, const QString &field, bool emptyIsZero, double *value);

    QLineEdit *m_code, *m_name, *m_home, *m_unit, *m_model, *m_minStorage, *m_buyPrice, *m_salePrice, *m_remark;
    CodeCombo *m_type, *m_storage;
    // What validate() accepted, written by the save.
    QString m_typeCode, m_storageCode;
    double m_min = 0, m_buy = 0, m_sale = 0;
};
