#pragma once

#include "BillKind.h"
#include "platform/db/ResultTable.h"

#include <QDate>
#include <QDateTime>

class Database;

// The number after the highest of ids taken as numbers (ids that are not
// numbers do not count), written with at least idByte digits: zeros in
// front, never cut ("0099" → "0100" with 4 digits).
QString nextVoucherNumber(const QStringList &ids, int idByte);

// A payable as the window holds it.
struct PayDraft {
    int mode = 1;
    QString number;
    QDate date;
    QString supplierId, payModeId;
    double mustPay = 0, havePay = 0;
    QString remark;
    QString buyInId;    // the receipt it belongs to ("" from the main window)
    QString operatorId; // who saves
    QDateTime when;
};

// The SQL of the payables.
class PayStore
{
public:
    explicit PayStore(Database &db);

    QString nextNumber(int idByte) const;
    // The payable made for a receipt, or "".
    QString payableOfReceipt(const QString &receipt) const;
    ResultPtr load(const QString &payId) const;
    QVector<CodeItem> suppliers() const;
    QVector<CodeItem> payModes() const;
    bool supplierExists(const QString &code) const;
    bool payModeExists(const QString &code) const;

    // Saves in one transaction with the log entry; a new payable whose
    // number was taken meanwhile gets the next free one. Returns the number
    // saved. Throws DbError.
    QString save(const PayDraft &draft, int idByte);

private:
    Database &m_db;
};
