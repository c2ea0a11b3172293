#pragma once

#include <QString>

// What one kind of voucher is: a generated number, a date, a partner, the
// amount due and the amount settled, a payment method, a remark and the
// bill it was made for. The payable and the receivable are two values of it.
struct VoucherKind {
    QString windowName; // FrmPay
    QString caption;    // 应付款
    QString title;      // 应  付  款
    QString noun;       // 应付款: log entries and messages

    // The partner: its label, combo, table and how messages name it.
    QString partnerLabel; // 供 应 商
    QString partnerCombo; // cmb_Supplier
    QString partnerTable; // Supplier (code and name columns <table>ID, <table>Name)
    QString partnerWord;  // 供应商
    QString partnerListSql; // "code-name" items of the partner combo

    // The amount boxes and how messages name them.
    QString mustBox, haveBox, leftBox; // txt_MustPay, txt_HavePay, txt_LeftPay
    QString mustWord, haveWord;        // 应付金额, 已付金额

    // The table and its columns.
    QString table;          // Pay
    QString idColumn;       // PayID
    QString partnerColumn;  // SupplierID
    QString mustColumn;     // MustPay
    QString haveColumn;     // HavePay
    QString billColumn;     // BuyInID: the bill the voucher was made for

    // One saved voucher, bound: its number. Its columns by position: number,
    // date, partner code, partner name, payment method code and name, amount
    // due, amount settled, remark.
    QString loadSql;
};

// A voucher kind from its few names: the window, the noun (应付款 or 应收款:
// the caption, the title with blanks between its characters, and with its
// middle character the words 应付金额/已付金额), the stem of its table and
// amount columns and boxes (Pay: table Pay, PayID, MustPay, HavePay,
// txt_MustPay...), the partner table with its label and how messages name
// it, and the column of the bill it was made for.
VoucherKind voucherKind(const QString &window, const QString &noun, const QString &stem, const QString &partnerTable,
                        const QString &partnerLabel, const QString &partnerWord, const QString &billColumn);
