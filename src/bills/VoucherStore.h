#pragma once

#include "VoucherKind.h"
#include "masterdata/FieldInput.h"
#include "platform/db/ResultTable.h"

#include <QDate>
#include <QDateTime>

class Database;

// The number after the highest of ids taken as numbers (ids that are not
// numbers do not count): its digits behind ten zeros, cut to the rightmost
// idByte characters (at least one); digits longer than idByte are kept
// whole ("0099" → "0100" with 4, "00000000001" with 12, "10000" after
// "9999" with 4).
QString nextVoucherNumber(const QStringList &ids, int idByte);

// A voucher as the window holds it.
struct VoucherDraft {
    int mode = 1;
    QString number;
    QDate date;
    QString partnerId, payModeId;
    double must = 0, have = 0;
    QString remark;
    QString billId;     // the bill it belongs to ("" from the main window)
    QString operatorId; // who saves
    QDateTime when;
};

// The SQL of one kind of voucher.
class VoucherStore
{
public:
    VoucherStore(Database &db, const VoucherKind &kind);

    QString nextNumber(int idByte) const;
    // The voucher made for a bill, or "".
    QString voucherOfBill(const QString &bill) const;
    ResultPtr load(const QString &id) const;
    QVector<CodeItem> partners() const;
    QVector<CodeItem> payModes() const;
    // The code as the partner or payment-method table spells it ("c01" →
    // "C01"), or "" when there is none.
    QString partnerCode(const QString &code) const;
    QString payModeCode(const QString &code) const;

    // Saves in one transaction with the log entry; a new voucher whose
    // number was taken meanwhile gets the next free one. Returns the number
    // saved. Throws DbError.
    QString save(const VoucherDraft &draft, int idByte);

private:
    Database &m_db;
    const VoucherKind &m_kind;
};
