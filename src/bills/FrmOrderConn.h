#pragma once

#include "platform/db/ResultTable.h"
#include "platform/grid/PickerDialog.h"

// The order picker "选择订单": the open orders its caller lists; a click
// marks one row; "确定" gives that order's number, "退出" or the close box
// none.
class FrmOrderConn : public PickerDialog
{
    Q_OBJECT
public:
    explicit FrmOrderConn(const ResultPtr &openOrders, QWidget *parent = nullptr);

    QString orderId() const { return m_orderId; }

protected:
    void rowClicked(int row) override;
    void confirmed() override;

private:
    QString m_orderId;
};
