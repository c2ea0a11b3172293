#pragma once

#include <QDialog>
#include <QStringList>

struct AppState;
class QCheckBox;
class TextGrid;

// The goods picker "选择商品": every goods item with its storage location,
// rows ticked by a click, "全部选定" ticks them all. "确定" gives the ticked
// codes in list order; "退出" or the close box give none.
class FrmGoodsConn : public QDialog
{
    Q_OBJECT
public:
    explicit FrmGoodsConn(AppState &state, QWidget *parent = nullptr);

    // The chosen goods codes, trimmed, in the order of the list; empty
    // unless "确定" was pressed.
    QStringList goodsIds() const { return m_goodsIds; }
    TextGrid *grid() const { return m_grid; }

    // The list the picker shows (also what a bill window picks from).
    static QString listSql();

private:
    void formatGrid();
    void toggleRow(int row);
    void setAll(bool ticked);
    void confirm();

    TextGrid *m_grid;
    QCheckBox *m_all;
    QStringList m_goodsIds;
};
