#include "FrmOrderConn.h"

#include "platform/grid/TextGrid.h"

#include <QPushButton>

FrmOrderConn::FrmOrderConn(const ResultPtr &openOrders, QWidget *parent)
    : PickerDialog(QStringLiteral("FrmOrderConn"), QStringLiteral("选择订单"), QStringLiteral("OrderConnGrd"),
                   QSize(10170, 3795), QRect(0, 0, 10155, 3375), {600, 1200, 1000, 1600, 1000, 1000, 1000, 1000, 1600},
                   // number, date, partner, amount, staff, maker, status, remark
                   {ColFit::Whole, ColFit::Whole, ColFit::GivesWay, ColFit::Whole, ColFit::GivesWay, ColFit::GivesWay,
                    ColFit::Set, ColFit::GivesWay},
                   parent)
{
    setTabOrder(grid(), okButton());
    setTabOrder(okButton(), exitButton());
    grid()->bind(openOrders ? openOrders : std::make_shared<const ResultTable>());
    formatGrid();
}

void FrmOrderConn::rowClicked(int row)
{
    if (row < 1 || row >= grid()->rows())
        return;
    for (int r = 1; r < grid()->rows(); ++r)
        setMarked(r, false);
    setMarked(row, true);
}

void FrmOrderConn::confirmed()
{
    const QStringList marked = markedCodes();
    m_orderId = marked.isEmpty() ? QString() : marked.last();
}
