#include "PickerDialog.h"

#include "TextGrid.h"
#include "platform/ui/Widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

const QString PickerDialog::Mark = QStringLiteral("√");

PickerDialog::PickerDialog(const QString &name, const QString &caption, const QString &gridName, int widthTwips,
                           int heightTwips, const QVector<int> &widths, QWidget *parent)
    : QDialog(parent), m_grid(new TextGrid(this)), m_widths(widths)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_grid->setObjectName(gridName);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("cmd_OK"));
    m_exit = new QPushButton(QStringLiteral("退出"), this);
    m_exit->setObjectName(QStringLiteral("cmd_Exit"));
    m_buttons = new QHBoxLayout;
    m_buttons->addStretch();
    for (QPushButton *b : {m_ok, m_exit}) {
        b->setAutoDefault(false);
        b->setFixedSize(twips(915), twips(375));
        m_buttons->addWidget(b);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->addWidget(m_grid, 1);
    layout->addLayout(m_buttons);
    resize(twips(widthTwips), twips(heightTwips));

    connect(m_grid, &TextGrid::selChange, this, &PickerDialog::formatGrid);
    connect(m_grid, &TextGrid::clicked, this, [this] { rowClicked(m_grid->row()); });
    connect(m_grid->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int s) { rowClicked(s + 1); });
    connect(m_ok, &QPushButton::clicked, this, [this] {
        confirmed();
        accept();
    });
    connect(m_exit, &QPushButton::clicked, this, &QDialog::reject);
}

bool PickerDialog::isMarked(int row) const
{
    return !m_grid->textMatrix(row, 0).isEmpty();
}

void PickerDialog::setMarked(int row, bool marked)
{
    if (row >= 1 && row < m_grid->rows())
        m_grid->setTextMatrix(row, 0, marked ? Mark : QString());
}

QStringList PickerDialog::markedCodes() const
{
    QStringList codes;
    for (int r = 1; r < m_grid->rows(); ++r)
        if (isMarked(r))
            codes << m_grid->textMatrix(r, 1).trimmed();
    return codes;
}

void PickerDialog::formatGrid()
{
    for (int c = 1; c < m_grid->cols(); ++c)
        m_grid->setColAlignment(c, 4);
    m_grid->setFixedAlignment(4);
    m_grid->setTextMatrix(0, 0, m_corner);
    for (int c = 0; c < m_widths.size() && c < m_grid->cols(); ++c)
        m_grid->setColWidth(c, m_widths[c]);
}
