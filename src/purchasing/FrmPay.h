#pragma once

#include "BillKind.h"
#include "core/WindowRegistry.h"

#include <QDialog>

struct AppState;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

// A payable "应付款": what the business owes a supplier, what it has paid,
// how, and the receipt it belongs to. Its number is generated.
class FrmPay : public QDialog, public LoadableWindow
{
    Q_OBJECT
public:
    // mode 1 adds a payable, 2 opens the payable numbered id.
    FrmPay(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);

    bool load() override;
    // A new payable for a receipt: its supplier, total and number; no "新增".
    void prefillFromReceipt(const QString &supplierText, const QString &supplierCode, const QString &total,
                            const QString &receipt);

    // "确认" and "新增".
    bool confirm();
    bool saveAndNew();
    QString number() const;

private:
    bool saveRecord();
    void showBalance();
    QString comboCode(QComboBox *combo, const QVector<CodeItem> &items, const QString &chosenCode,
                      const QString &chosenText) const;

    AppState &m_state;
    const int m_mode;
    const QString m_id;
    QString m_buyInId;
    QString m_prefillCode, m_prefillText;
    QVector<CodeItem> m_suppliers, m_payModes;
    QGroupBox *m_frame;
    QDateEdit *m_date;
    QComboBox *m_supplier, *m_payMode;
    QLineEdit *m_mustPay, *m_havePay, *m_leftPay, *m_remark;
    QPushButton *m_add;
    bool m_saving = false;
};
