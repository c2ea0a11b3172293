#pragma once

#include "BillWindow.h"

// The three purchasing bills. Each is the bill window with its own
// description; the goods receipt adds "应付款".

class FrmBuyOrder : public BillWindow
{
    Q_OBJECT
public:
    FrmBuyOrder(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);
    static const BillKind &billKind();
};

class FrmBuyIn : public BillWindow
{
    Q_OBJECT
public:
    FrmBuyIn(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);
    static const BillKind &billKind();

    // "应付款": the payable of the receipt on screen, new or saved.
    void openPay();
};

class FrmBuyReturn : public BillWindow
{
    Q_OBJECT
public:
    FrmBuyReturn(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);
    static const BillKind &billKind();
};
