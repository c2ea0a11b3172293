#include "BillWindow.h"

#include "BillCellEditor.h"
#include "BillCheck.h"
#include "BillDraft.h"
#include "BillNumbers.h"
#include "CodeNameField.h"
#include "FrmOrderConn.h"
#include "VoucherStore.h"
#include "VoucherWindow.h"
#include "core/AppState.h"
#include "core/PrintForm.h"
#include "masterdata/FrmGoodsConn.h"
#include "platform/grid/TextGrid.h"
#include "platform/grid/TextGridModel.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QDateTime>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {

// Codes and numbers are shown whole, however long; the goods' name and
// model and a count's reason give way to them.
ColFit fitOf(ColRole role)
{
    switch (role) {
    case ColRole::Code:
    case ColRole::Qty:
    case ColRole::Price:
    case ColRole::Amount:
    case ColRole::Extra:
    case ColRole::BookQty:
    case ColRole::CountQty:
    case ColRole::Diff: return ColFit::Whole;
    case ColRole::Name:
    case ColRole::Model:
    case ColRole::Reason: return ColFit::GivesWay;
    default: return ColFit::Set;
    }
}

// The header's focus order: the kind's, or its fields but the maker's.
QStringList headerOrder(const BillKind &kind)
{
    QStringList order = kind.focusOrder;
    if (order.isEmpty()) {
        for (const HeaderField &f : kind.fields)
            if (f.kind != FieldKind::Operator)
                order << f.box;
    }
    return order;
}

} // namespace

BillWindow::BillWindow(AppState &state, const BillKind &kind, int mode, const QString &id, QWidget *parent)
    : QDialog(parent), m_state(state), m_kind(kind), m_mode(mode), m_id(id), m_store(state.db, kind),
      m_grid(new TextGrid(this)), m_lines(*m_grid->gridModel(), kind)
{
    buildWindow();
}

void BillWindow::buildWindow()
{
    setObjectName(m_kind.windowName);
    setWindowTitle(m_kind.caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    // Every part stands at the kind's place; the window keeps its size.
    const BillPlaces &at = m_kind.places;
    m_layout = new TwipsLayout(this, at.client.width(), at.client.height());
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_layout->place(m_frame, at.frame);
    auto *inFrame = new TwipsLayout(m_frame, at.frame.width(), at.frame.height());

    auto *title = new QLabel(m_kind.title, m_frame);
    title->setObjectName(QStringLiteral("Label9"));
    title->setAlignment(Qt::AlignCenter);
    QFont tf(QStringLiteral("SimSun"), 14);
    tf.setBold(true);
    title->setFont(tf);
    inFrame->place(title, at.title, Qt::AlignHCenter);
    // The title's double rule, as wide as the title.
    const std::pair<const char *, int> rules[] = {{"Line1", 600}, {"Line2", 650}};
    for (const auto &[name, y] : rules) {
        auto *rule = new QFrame(m_frame);
        rule->setObjectName(QString::fromLatin1(name));
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Plain);
        inFrame->place(rule, at.title.left(), y, at.title.width(), 15, Qt::AlignHCenter);
    }

    // Every box is as high as the highest (a box over a list), so their
    // lines are drawn alike.
    int boxHeight = 0;
    for (const HeaderField &f : m_kind.fields) {
        auto *label = new QLabel(f.label, m_frame);
        label->setObjectName(f.labelName);
        QWidget *box = makeField(f, m_frame);
        inFrame->place(box, f.place, f.kind == FieldKind::Operator ? Qt::AlignRight : Qt::AlignLeft);
        inFrame->placeLabel(label, box);
        boxHeight = std::max(boxHeight, box->minimumSizeHint().height());
    }
    for (QWidget *box : std::as_const(m_fields))
        box->setMinimumHeight(boxHeight);

    // The bill rules work on the grid's own text matrix.
    m_grid->setParent(m_frame);
    m_grid->setObjectName(m_kind.gridName);
    inFrame->place(m_grid, at.grid);

    m_editor = new BillCellEditor(m_frame, m_grid, m_lines, m_kind, m_mode, m_store);
    connect(m_editor, &BillCellEditor::pickGoodsAsked, this, &BillWindow::pickGoods);

    QPushButton *printButton = addCommand(QStringLiteral("cmd_Print"), QStringLiteral("打印"));
    if (m_kind.voucher.kind) {
        QPushButton *voucher = addCommand(m_kind.voucher.button, m_kind.voucher.caption);
        connect(voucher, &QPushButton::clicked, this, &BillWindow::openVoucher);
    }
    if (m_kind.hasOrderLink) {
        m_selectOrder = addCommand(QStringLiteral("cmd_SelOrder"), QStringLiteral("关联"));
        connect(m_selectOrder, &QPushButton::clicked, this, &BillWindow::selectOrder);
    }
    QPushButton *saveButton = addCommand(QStringLiteral("cmd_Save"), QStringLiteral("保存"));
    QPushButton *exitButton = addCommand(QStringLiteral("cmd_Exit"), QStringLiteral("退出"));
    connect(printButton, &QPushButton::clicked, this, &BillWindow::print);
    m_press.connect(saveButton, [this] { save(); });
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);

    // Enter walks the header boxes in the kind's order, then "保存", or the
    // grid where the kind hands on to it; Tab goes on to the commands.
    for (const QString &name : headerOrder(m_kind)) {
        auto *w = m_fields.value(name);
        if (!w)
            continue; // the grid, or a header box's list
        auto *field = qobject_cast<CodeNameField *>(w);
        QWidget *focus = field ? field->box() : w;
        EnterToTab::install(this, {focus});
        m_headerBoxes << focus;
    }
    chainTabOrder();

    connect(m_grid, &TextGrid::clicked, this, [this] { clickCell(m_grid->row(), m_grid->col()); });
}

QWidget *BillWindow::makeField(const HeaderField &f, QWidget *parent)
{
    QWidget *w = nullptr;
    if (f.kind == FieldKind::CodeName) {
        auto *field = new CodeNameField(f.box, f.combo, parent);
        w = field;
    } else {
        auto *box = new QLineEdit(parent);
        box->setObjectName(f.box);
        box->setEnabled(f.kind != FieldKind::Operator);
        // The maker's box keeps its right edge at its place and one width
        // whoever made the bill: room for the administrator's name.
        if (f.kind == FieldKind::Operator)
            box->setMinimumWidth(boxWidth(box, QStringLiteral("Administrator-系统管理员")));
        w = box;
    }
    m_fields.insert(f.box, w);
    return w;
}

QPushButton *BillWindow::addCommand(const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    pressOnlyWhenFocused(b);
    m_layout->place(b, m_kind.places.commands.value(name));
    // A command a bill window adds of its own takes its place in the chain.
    if (!m_headerBoxes.isEmpty())
        chainTabOrder();
    return b;
}

void BillWindow::chainTabOrder()
{
    const QStringList tail = m_kind.tabTail.isEmpty() ? QStringList{QStringLiteral("cmd_Save"), QStringLiteral("cmd_Exit")}
                                                      : m_kind.tabTail;
    QWidget *previous = nullptr;
    for (const QString &name : headerOrder(m_kind) + tail) {
        auto *w = findChild<QWidget *>(name);
        if (!w)
            continue; // a command not added yet
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
}

void BillWindow::applyBillColor()
{
    const QColor c = colorFromNumber(m_state.billBColor, palette());
    QPalette p = m_frame->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    m_frame->setPalette(p);
    m_frame->setAutoFillBackground(true);
    const QString underline = QStringLiteral("QLineEdit { border: none; border-bottom: 1px solid black; background: %1; }")
                                  .arg(c.name());
    for (QWidget *w : std::as_const(m_fields)) {
        QLineEdit *box = qobject_cast<QLineEdit *>(w);
        if (auto *field = qobject_cast<CodeNameField *>(w)) {
            box = field->box();
            field->combo()->setPalette(p);
        }
        box->setStyleSheet(underline);
    }
    cellEditor()->setPalette(p);
    if (storageEditor())
        storageEditor()->setPalette(p);
    m_grid->setBackgrounds(c, c, c);
}

bool BillWindow::load()
{
    applyBillColor();
    showStartOnEntry(this);
    try {
        for (const HeaderField &f : m_kind.fields) {
            if (f.kind == FieldKind::CodeName)
                static_cast<CodeNameField *>(m_fields.value(f.box))->setItems(m_store.masterItems(f), f.presetFirstItem);
        }
        if (storageEditor()) {
            m_storages = m_store.storageItems();
            m_editor->setStorages(m_storages);
        }
        m_linkedOrder.clear();
        if (m_mode != 2) {
            const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
            for (const HeaderField &f : m_kind.fields) {
                if (f.kind == FieldKind::Date)
                    static_cast<QLineEdit *>(m_fields.value(f.box))->setText(today);
                if (f.kind == FieldKind::Operator)
                    showOperator(m_state.currentOperatorID + QLatin1Char('-') + m_state.currentOperatorName);
            }
            m_operatorCode = m_state.currentOperatorID;
            m_lines.startNew();
        } else {
            const ResultPtr head = m_store.head(m_id);
            if (head->isEmpty()) {
                msg::error(this, QStringLiteral("单据号为%1的单据已不存在！").arg(m_id.trimmed()));
                return false;
            }
            fillHeader(*head);
            loadLines(m_id);
            if (m_selectOrder)
                m_selectOrder->hide();
        }
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    initGrid();
    showStart(m_frame);
    // The bill starts in its first header box that takes input.
    for (QWidget *box : std::as_const(m_headerBoxes)) {
        if (box->isEnabled()) {
            box->setFocus();
            break;
        }
    }
    return true;
}

void BillWindow::loadLines(const QString &number)
{
    const ResultPtr lines = m_store.lines(number);
    m_state.detailRs = lines;
    m_lines.load(lines);
}

void BillWindow::showStoredLines()
{
    // Another desk may have received or delivered against an order
    // meanwhile: its window shows the quantities as they were stored.
    try {
        loadLines(fieldText(m_kind.field(FieldKind::Number)->box));
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
    initGrid();
}

void BillWindow::fillHeader(const ResultTable &head)
{
    for (const HeaderField &f : m_kind.fields) {
        QWidget *w = m_fields.value(f.box);
        const QString value = head.text(0, f.loadAlias);
        switch (f.kind) {
        case FieldKind::CodeName:
            static_cast<CodeNameField *>(w)->setValue(value, value + QLatin1Char('-') + head.text(0, f.loadNameAlias));
            break;
        case FieldKind::Operator:
            m_operatorCode = value;
            showOperator(value + QLatin1Char('-') + head.text(0, f.loadNameAlias));
            break;
        case FieldKind::Number:
            static_cast<QLineEdit *>(w)->setText(value);
            w->setEnabled(false);
            break;
        default:
            static_cast<QLineEdit *>(w)->setText(value);
        }
    }
}

void BillWindow::showOperator(const QString &text)
{
    const HeaderField &maker = *m_kind.field(FieldKind::Operator);
    auto *box = static_cast<QLineEdit *>(m_fields.value(maker.box));
    box->setText(text);
    box->setToolTip(text);
}

void BillWindow::initGrid()
{
    m_grid->setColWidth(0, 0);
    m_lines.writeCaptions();
    for (int c = 1; c <= m_kind.columns.size(); ++c) {
        m_grid->setColAlignment(c, 4);
        m_grid->setFixedAlignment(c, 4);
        m_grid->setColWidth(c, m_kind.columns[c - 1].width);
        m_grid->setColFit(c, fitOf(m_kind.columns[c - 1].role));
    }
}

QLineEdit *BillWindow::cellEditor() const
{
    return m_editor->textBox();
}

QComboBox *BillWindow::storageEditor() const
{
    return m_editor->storageList();
}

void BillWindow::clickCell(int row, int col)
{
    m_editor->clickCell(row, col);
}

void BillWindow::commitEditor()
{
    m_editor->commit();
}

void BillWindow::pickGoods()
{
    const int row = m_editor->row();
    commitEditor();
    if (row < 1)
        return;
    FrmGoodsConn picker(m_state, this);
    modal::exec(&picker);
    const QStringList codes = picker.goodsIds();
    if (codes.isEmpty())
        return;
    try {
        m_lines.pickGoods(row, *m_store.pickedGoods(codes));
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
}

void BillWindow::keyPressEvent(QKeyEvent *event)
{
    // No button answers Escape or Enter here: a slip of the finger must not
    // close the bill or save it.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString BillWindow::fieldText(const QString &box) const
{
    QWidget *w = m_fields.value(box);
    if (auto *field = qobject_cast<CodeNameField *>(w))
        return field->text();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    return QString();
}

QString BillWindow::fieldCode(const QString &box) const
{
    if (auto *field = qobject_cast<CodeNameField *>(m_fields.value(box)))
        return field->code();
    return QString();
}

QVector<FieldInput> BillWindow::headerInput() const
{
    QVector<FieldInput> in;
    for (const HeaderField &f : m_kind.fields) {
        const QString code = f.kind == FieldKind::Operator ? m_operatorCode : fieldCode(f.box);
        in.append(FieldInput{&f, fieldText(f.box), code});
    }
    return in;
}

bool BillWindow::runCommand(const std::function<bool()> &work)
{
    return m_press.run([this, &work] {
        commitEditor();
        try {
            return work();
        } catch (const DbError &e) {
            msg::error(this, e.text());
            return false;
        }
    });
}

bool BillWindow::save()
{
    return runCommand([this] {
        QVector<FieldInput> header = headerInput();
        QStringList savedCodes;
        auto fail = checkBill(m_kind, m_mode, header, m_lines, m_store, m_storages);
        if (!fail) {
            // Every amount and count is computed again from its line, so
            // what is saved agrees with the lines saved (a refused bill is
            // left as it stands).
            m_lines.recomputeLines();
            fail = saveChecked(m_kind, m_store,
                               billDraft({.kind = m_kind,
                                          .mode = m_mode,
                                          .header = header,
                                          .lines = m_lines,
                                          .storages = m_storages,
                                          .linkedOrder = m_linkedOrder,
                                          .operatorId = m_state.currentOperatorID,
                                          .when = QDateTime::currentDateTime()}),
                               &savedCodes);
        }
        if (fail) {
            if (fail->clearRow && m_kind.clearRefusedCells)
                m_lines.setCell(fail->clearRow, fail->clearCol, QString());
            msg::critical(this, QStringLiteral("错误"), fail->message);
            if (QWidget *w = m_fields.value(fail->focusBox))
                w->setFocus();
            return false;
        }
        if (m_kind.closeAfterSave)
            accept();
        else if (m_kind.column(ColRole::Extra))
            showStoredLines();
        else
            m_lines.showSavedCodes(savedCodes);
        return true;
    });
}

void BillWindow::print()
{
    commitEditor();
    m_state.printBillID = fieldText(m_kind.field(FieldKind::Number)->box);
    showDetailPrint(m_state, m_kind.printForm, this);
}

void BillWindow::selectOrder()
{
    commitEditor();
    try {
        FrmOrderConn picker(m_store.openOrders(), this);
        modal::exec(&picker);
        m_linkedOrder = picker.orderId();
        if (m_linkedOrder.isEmpty())
            return;
        m_lines.load(m_store.orderLines(m_linkedOrder));
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
    initGrid();
}

void BillWindow::openVoucher()
{
    commitEditor();
    const HeaderField *numberField = m_kind.field(FieldKind::Number);
    const QString number = fieldText(numberField->box).trimmed();
    if (number.isEmpty()) {
        msg::critical(this, QStringLiteral("错误"), QStringLiteral("请先输入单据号！"));
        return;
    }
    QString voucherId;
    try {
        voucherId = VoucherStore(m_state.db, m_kind.voucher.kind()).voucherOfBill(number);
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return;
    }
    const int kept = m_state.editMode;
    m_state.editMode = voucherId.isEmpty() ? 1 : 2;
    auto voucher = std::make_unique<VoucherWindow>(m_state, m_kind.voucher.kind(), m_state.editMode, voucherId, this);
    if (voucher->load()) {
        if (voucherId.isEmpty()) {
            const QString partner = m_kind.voucher.partnerBox;
            voucher->prefillFromBill(fieldText(partner).trimmed(), fieldCode(partner),
                                     m_lines.cell(m_lines.rows() - 1, ColRole::Amount).trimmed(), number);
        }
        modal::exec(voucher.get());
    }
    m_state.editMode = kept;
}
