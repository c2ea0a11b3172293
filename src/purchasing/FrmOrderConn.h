#pragma once

#include "platform/db/ResultTable.h"

#include <QDialog>

class TextGrid;

// The order picker "选择订单": the open orders its caller lists; a click
// marks one row; "确定" gives that order's number, "退出" or the close box
// none.
class FrmOrderConn : public QDialog
{
    Q_OBJECT
public:
    explicit FrmOrderConn(const ResultPtr &openOrders, QWidget *parent = nullptr);

    QString orderId() const { return m_orderId; }
    TextGrid *grid() const { return m_grid; }

private:
    void formatGrid();
    void mark(int row);
    void confirm();

    TextGrid *m_grid;
    QString m_orderId;
};
