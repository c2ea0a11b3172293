#pragma once

#include "bills/BillWindow.h"

// The three purchasing bills. Each is the bill window with its own
// description; the goods receipt opens its payable ("应付款").

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
};

class FrmBuyReturn : public BillWindow
{
    Q_OBJECT
public:
    FrmBuyReturn(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);
    static const BillKind &billKind();
};
