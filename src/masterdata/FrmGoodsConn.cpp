#include "FrmGoodsConn.h"

#include "core/AppState.h"
#include "platform/grid/TextGrid.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Tick = QStringLiteral("√");
}

QString FrmGoodsConn::listSql()
{
    return QStringLiteral(
        "select A.GoodsID as 商品编号,A.GoodsName as 商品名称,A.Unit as 单位,A.Model as 规格型号,"
        "B.StorageName as 库位,A.BuyUnitPrice as 单价 from Product as A,Storage as B "
        "where B.StorageID=A.StorageID Order by A.GoodsID");
}

FrmGoodsConn::FrmGoodsConn(AppState &state, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmGoodsConn"));
    setWindowTitle(QStringLiteral("选择商品"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_grid = new TextGrid(this);
    m_grid->setObjectName(QStringLiteral("GoodsConnGrd"));
    m_all = new QCheckBox(QStringLiteral("全部选定"), this);
    m_all->setObjectName(QStringLiteral("Chk_All"));
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("cmd_Exit"));
    for (QPushButton *b : {ok, exit}) {
        b->setAutoDefault(false);
        b->setFixedSize(twips(915), twips(375));
    }

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_all);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(twips(7935), twips(4215));
    setTabOrder(m_grid, exit);
    setTabOrder(exit, ok);
    setTabOrder(ok, m_all);

    connect(m_grid, &TextGrid::selChange, this, &FrmGoodsConn::formatGrid);
    connect(m_grid, &TextGrid::clicked, this, [this] { toggleRow(m_grid->row()); });
    connect(m_grid->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int section) { toggleRow(section + 1); });
    connect(m_all, &QCheckBox::clicked, this, &FrmGoodsConn::setAll);
    connect(ok, &QPushButton::clicked, this, &FrmGoodsConn::confirm);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    try {
        m_grid->bind(state.db.query(listSql()));
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
    formatGrid();
}

void FrmGoodsConn::formatGrid()
{
    for (int c = 1; c < m_grid->cols(); ++c)
        m_grid->setColAlignment(c, 4);
    m_grid->setFixedAlignment(4);
    m_grid->setTextMatrix(0, 0, QStringLiteral("选择"));
    const int widths[] = {600, 1200, 1000, 1600, 1000, 1000, 1000};
    for (int c = 0; c < 7 && c < m_grid->cols(); ++c)
        m_grid->setColWidth(c, widths[c]);
}

void FrmGoodsConn::toggleRow(int row)
{
    if (row < 1 || row >= m_grid->rows())
        return;
    m_grid->setTextMatrix(row, 0, m_grid->textMatrix(row, 0).isEmpty() ? Tick : QString());
}

void FrmGoodsConn::setAll(bool ticked)
{
    for (int r = 1; r < m_grid->rows(); ++r)
        m_grid->setTextMatrix(r, 0, ticked ? Tick : QString());
}

void FrmGoodsConn::confirm()
{
    m_goodsIds.clear();
    for (int r = 1; r < m_grid->rows(); ++r) {
        if (!m_grid->textMatrix(r, 0).isEmpty())
            m_goodsIds << m_grid->textMatrix(r, 1).trimmed();
    }
    accept();
}
