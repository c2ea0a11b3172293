#include "BillCellEditor.h"

#include "BillGrid.h"
#include "BillStore.h"
#include "masterdata/CodeCombo.h"
#include "platform/db/DbError.h"
#include "platform/grid/TextGrid.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool editedWithBox(ColRole role)
{
    return role == ColRole::Code || role == ColRole::Qty || role == ColRole::Price || role == ColRole::CountQty
           || role == ColRole::Reason;
}

} // namespace

BillCellEditor::BillCellEditor(QWidget *frame, TextGrid *grid, BillGrid &lines, const BillKind &kind, int mode,
                               const BillStore &store)
    : QObject(frame), m_frame(frame), m_grid(grid), m_lines(lines), m_kind(kind), m_mode(mode), m_store(store),
      m_txtF(new QLineEdit(frame))
{
    m_txtF->setObjectName(QStringLiteral("txtF"));
    m_txtF->hide();
    m_txtF->installEventFilter(this);
    connect(m_txtF, &QLineEdit::textEdited, this, &BillCellEditor::edited);
    if (m_kind.column(ColRole::Storage)) {
        m_storage = new CodeCombo(QStringLiteral("cmb_Storage"), frame);
        geometry::keepComboWidth(m_storage);
        m_storage->hide();
        m_storage->installEventFilter(this);
        // An item chosen is the line's storage at once.
        connect(m_storage, &QComboBox::activated, this,
                [this] { m_lines.setStorage(m_row, m_storage->currentText(), m_storage->held()); });
    }
    // The editors follow their cell as the columns widen for what is typed.
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        for (QWidget *editor : {static_cast<QWidget *>(m_txtF), static_cast<QWidget *>(m_storage)})
            if (editor && editor->isVisible())
                editor->setGeometry(m_grid->cellRect(m_frame));
    });
}

QComboBox *BillCellEditor::storageList() const
{
    return m_storage;
}

void BillCellEditor::setStorages(const QVector<CodeItem> &items)
{
    if (m_storage)
        m_storage->setItems(items);
}

ColRole BillCellEditor::role() const
{
    return m_kind.columns[m_col - 1].role;
}

void BillCellEditor::clickCell(int row, int col)
{
    if (row < 1 || col < 1 || row >= m_lines.rows() || col > m_kind.columns.size())
        return;
    commit();
    m_grid->setRow(row);
    m_grid->setCol(col);
    const ColRole clicked = m_kind.columns[col - 1].role;
    if (clicked == ColRole::Code) {
        if (m_kind.hasTotalRow) {
            if (m_lines.isTotalRow(row))
                m_lines.addLineAtTotal();
        } else {
            // Without a total row, lines are added (and codes typed) only
            // while the bill is new.
            if (m_mode != 1)
                return;
            if (row == m_lines.rows() - 1)
                m_lines.insertLineAtEnd();
        }
        openTextBox(row, col);
        return;
    }
    if (m_lines.isTotalRow(row))
        return;
    if (clicked == ColRole::Storage)
        openStorageList(row, col);
    else if (editedWithBox(clicked))
        openTextBox(row, col);
}

void BillCellEditor::place(QWidget *editor)
{
    m_grid->scrollTo(m_grid->model()->index(m_row - 1, m_col - 1));
    editor->setGeometry(m_grid->cellRect(m_frame));
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void BillCellEditor::openTextBox(int row, int col)
{
    m_row = row;
    m_col = col;
    m_txtF->setText(m_lines.cell(row, col)); // opening changes nothing
    place(m_txtF);
}

void BillCellEditor::openStorageList(int row, int col)
{
    m_row = row;
    m_col = col;
    m_storage->showAs(m_lines.cell(row, col), m_lines.storageHeld(row));
    place(m_storage);
}

void BillCellEditor::commit()
{
    if (m_committing)
        return;
    m_committing = true;
    if (m_txtF->isVisible()) {
        m_lines.setCell(m_row, m_col, m_txtF->text());
        m_txtF->hide();
    }
    if (m_storage && m_storage->isVisible()) {
        m_lines.setStorage(m_row, m_storage->currentText(), m_storage->held());
        m_storage->hide();
    }
    m_committing = false;
}

void BillCellEditor::edited(const QString &text)
{
    const int row = m_row;
    if (role() == ColRole::Code) {
        ResultPtr found;
        QString failure; // a lookup that fails finds nothing
        try {
            if (!text.trimmed().isEmpty())
                found = m_store.lookupGoods(text);
        } catch (const DbError &e) {
            failure = e.text();
        }
        m_lines.typeGoods(row, text, found.get());
        if (!failure.isEmpty())
            msg::error(m_frame->window(), failure);
        return;
    }
    m_lines.setCell(row, m_col, text);
    if (role() == ColRole::Qty || role() == ColRole::Price)
        m_lines.recomputeAmount(row);
    else if (role() == ColRole::CountQty)
        m_lines.recomputeCount(row);
    m_lines.rewriteTotal();
}

void BillCellEditor::moveOn()
{
    const int at = int(m_kind.enterOrder.indexOf(role()));
    int row = m_row;
    int col = m_col;
    if (at >= 0 && at + 1 < m_kind.enterOrder.size()) {
        col = m_kind.column(m_kind.enterOrder[at + 1]);
    } else if (at >= 0) {
        ++row;
        col = m_kind.column(ColRole::Code);
    }
    commit();
    if (row < m_lines.rows())
        clickCell(row, col);
}

bool BillCellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtF || watched == m_storage) {
        if (isEnter(event)) {
            moveOn();
            return true;
        }
        if (watched == m_txtF && event->type() == QEvent::MouseButtonDblClick && role() == ColRole::Code) {
            emit pickGoodsAsked();
            return true;
        }
        if (focusLeaves(static_cast<QWidget *>(watched), event))
            commit();
    }
    return QObject::eventFilter(watched, event);
}
