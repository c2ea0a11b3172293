#include "FrmGoodsConn.h"

#include "RecordStore.h"

#include "core/AppState.h"
#include "platform/grid/TextGrid.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Msg.h"

#include <QCheckBox>
#include <QPushButton>

FrmGoodsConn::FrmGoodsConn(AppState &state, QWidget *parent)
    : PickerDialog(QStringLiteral("FrmGoodsConn"), QStringLiteral("选择商品"), QStringLiteral("GoodsConnGrd"),
                   QSize(7935, 4215), QRect(0, 0, 7935, 3795), {600, 1200, 1000, 1600, 1000, 1000, 1000},
                   // code, name, unit, model, storage, price
                   {ColFit::Whole, ColFit::GivesWay, ColFit::GivesWay, ColFit::GivesWay, ColFit::GivesWay, ColFit::Whole},
                   parent)
{
    setCornerText(QStringLiteral("选择"));
    m_all = new QCheckBox(QStringLiteral("全部选定"), this);
    m_all->setObjectName(QStringLiteral("Chk_All"));
    places()->place(m_all, 0, 3900, 1035, 255);
    setTabOrder(grid(), exitButton());
    setTabOrder(exitButton(), okButton());
    setTabOrder(okButton(), m_all);
    connect(m_all, &QCheckBox::clicked, this, &FrmGoodsConn::setAll);
    try {
        grid()->bind(goodsPickList(state.db));
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
    formatGrid();
}

void FrmGoodsConn::rowClicked(int row)
{
    setMarked(row, !isMarked(row));
}

void FrmGoodsConn::setAll(bool ticked)
{
    for (int r = 1; r < grid()->rows(); ++r)
        setMarked(r, ticked);
}

void FrmGoodsConn::confirmed()
{
    m_goodsIds = markedCodes();
}
