#pragma once

#include "VoucherKind.h"
#include "core/WindowRegistry.h"
#include "masterdata/FieldInput.h"
#include "platform/ui/OnePress.h"

#include <QDialog>

struct AppState;
class CodeCombo;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;

// A voucher window: its number (the frame's caption, generated), the date,
// the partner, the amount due and the amount settled with the balance, the
// payment method and a remark; "新增" saves and starts the next, "确认"
// saves and closes, "退出" closes. Built from a VoucherKind; the payable
// and the receivable are two kinds of it.
class VoucherWindow : public QDialog, public LoadableWindow
{
    Q_OBJECT
public:
    // mode 1 adds a voucher, 2 opens the voucher numbered id.
    VoucherWindow(AppState &state, const VoucherKind &kind, int mode, const QString &id, QWidget *parent = nullptr);

    bool load() override;
    // A new voucher for a bill: its partner, total and number; no "新增".
    void prefillFromBill(const QString &partnerText, const QString &partnerCode, const QString &total,
                         const QString &bill);

    // "确认" and "新增".
    bool confirm();
    bool saveAndNew();
    QString number() const;
    const VoucherKind &kind() const { return m_kind; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool saveRecord();
    void showBalance();

    AppState &m_state;
    const VoucherKind &m_kind;
    const int m_mode;
    const QString m_id;
    QString m_billId;
    QGroupBox *m_frame;
    QDateEdit *m_date;
    CodeCombo *m_partner, *m_payMode;
    QLineEdit *m_must, *m_have, *m_left, *m_remark;
    QPushButton *m_add;
    OnePress m_press{this};
};

// The window of one voucher kind, built by the function that gives the
// kind: each voucher window is one line, class FrmX : public
// KindVoucherWindow<xKind>.
template <const VoucherKind &(*Kind)()> class KindVoucherWindow : public VoucherWindow
{
public:
    KindVoucherWindow(AppState &state, int mode, const QString &id, QWidget *parent = nullptr)
        : VoucherWindow(state, Kind(), mode, id, parent)
    {
    }
};
