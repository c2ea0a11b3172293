#include "PickerDialog.h"

#include "platform/ui/Widgets.h"

#include "TextGrid.h"
#include "platform/ui/Geometry.h"

#include <QHeaderView>
#include <QPushButton>

const QString PickerDialog::Mark = QStringLiteral("√");

PickerDialog::PickerDialog(const QString &name, const QString &caption, const QString &gridName,
                           const QSize &clientTwips, const QRect &gridTwips, const QVector<int> &widths,
                           const QVector<ColFit> &fits, QWidget *parent)
    : QDialog(parent), m_grid(new TextGrid(this)), m_widths(widths), m_fits(fits)
{
    setObjectName(name);
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_places = new TwipsLayout(this, clientTwips.width(), clientTwips.height());
    m_grid->setObjectName(gridName);
    m_places->place(m_grid, gridTwips);
    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setObjectName(QStringLiteral("cmd_OK"));
    m_exit = new QPushButton(QStringLiteral("退出"), this);
    m_exit->setObjectName(QStringLiteral("cmd_Exit"));
    const int top = gridTwips.bottom() + 1 + 45;
    const int right = gridTwips.right() + 1;
    m_places->place(m_ok, right - 1875, top, 915, 375);
    m_places->place(m_exit, right - 915, top, 915, 375);
    for (QPushButton *b : {m_ok, m_exit})
        pressOnlyWhenFocused(b);

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
    for (int c = 1; c <= m_fits.size() && c < m_grid->cols(); ++c)
        m_grid->setColFit(c, m_fits[c - 1]);
}
