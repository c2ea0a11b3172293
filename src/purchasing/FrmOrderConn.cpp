#include "FrmOrderConn.h"

#include "platform/grid/TextGrid.h"
#include "platform/ui/Widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Mark = QStringLiteral("√");
}

FrmOrderConn::FrmOrderConn(const ResultPtr &openOrders, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmOrderConn"));
    setWindowTitle(QStringLiteral("选择订单"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_grid = new TextGrid(this);
    m_grid->setObjectName(QStringLiteral("OrderConnGrd"));
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("cmd_Exit"));
    for (QPushButton *b : {ok, exit}) {
        b->setAutoDefault(false);
        b->setFixedSize(twips(915), twips(375));
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(twips(10170), twips(3795));
    setTabOrder(m_grid, ok);
    setTabOrder(ok, exit);

    connect(m_grid, &TextGrid::selChange, this, &FrmOrderConn::formatGrid);
    connect(m_grid, &TextGrid::clicked, this, [this] { mark(m_grid->row()); });
    connect(m_grid->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int s) { mark(s + 1); });
    connect(ok, &QPushButton::clicked, this, &FrmOrderConn::confirm);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    m_grid->bind(openOrders ? openOrders : std::make_shared<const ResultTable>());
    formatGrid();
}

void FrmOrderConn::formatGrid()
{
    for (int c = 1; c < m_grid->cols(); ++c)
        m_grid->setColAlignment(c, 4);
    m_grid->setFixedAlignment(4);
    const int widths[] = {600, 1200, 1000, 1600, 1000, 1000, 1000, 1000, 1600};
    for (int c = 0; c < 9 && c < m_grid->cols(); ++c)
        m_grid->setColWidth(c, widths[c]);
}

void FrmOrderConn::mark(int row)
{
    if (row < 1 || row >= m_grid->rows())
        return;
    for (int r = 1; r < m_grid->rows(); ++r)
        m_grid->setTextMatrix(r, 0, QString());
    m_grid->setTextMatrix(row, 0, Mark);
}

void FrmOrderConn::confirm()
{
    for (int r = 1; r < m_grid->rows(); ++r) {
        if (m_grid->textMatrix(r, 0) == Mark)
            m_orderId = m_grid->textMatrix(r, 1).trimmed();
    }
    accept();
}
