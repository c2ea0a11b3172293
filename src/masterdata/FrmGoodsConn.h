#pragma once

#include "platform/grid/PickerDialog.h"

#include <QStringList>

struct AppState;
class QCheckBox;

// The goods picker "选择商品": every goods item with its storage location,
// rows ticked by a click, "全部选定" ticks them all. "确定" gives the ticked
// codes in list order; "退出" or the close box give none.
class FrmGoodsConn : public PickerDialog
{
    Q_OBJECT
public:
    explicit FrmGoodsConn(AppState &state, QWidget *parent = nullptr);

    // The chosen goods codes, trimmed, in the order of the list; empty
    // unless "确定" was pressed.
    QStringList goodsIds() const { return m_goodsIds; }

protected:
    void rowClicked(int row) override;
    void confirmed() override;

private:
    void setAll(bool ticked);

    QCheckBox *m_all;
    QStringList m_goodsIds;
};
