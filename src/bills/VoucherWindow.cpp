#include "VoucherWindow.h"

#include "BillNumbers.h"
#include "BillStore.h"
#include "VoucherStore.h"
#include "core/AppState.h"
#include "masterdata/CodeCombo.h"
#include "platform/db/Decimal.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

CodeCombo *codeCombo(const QString &name, QWidget *parent)
{
    auto *c = new CodeCombo(name, parent);
    geometry::keepComboWidth(c);
    return c;
}

QLineEdit *box(const QString &name, QWidget *parent)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(name);
    return b;
}

} // namespace

VoucherWindow::VoucherWindow(AppState &state, const VoucherKind &kind, int mode, const QString &id, QWidget *parent)
    : QDialog(parent), m_state(state), m_kind(kind), m_mode(mode), m_id(id)
{
    setObjectName(m_kind.windowName);
    setWindowTitle(m_kind.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    // One design for every voucher, in twips: the title above the frame,
    // two columns of fields in it, the commands below; a fixed size,
    // whatever names the lists hold.
    auto *layout = new TwipsLayout(this, 6090, 2670);
    auto *title = new QLabel(m_kind.title, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setAlignment(Qt::AlignCenter);
    QFont tf(QStringLiteral("SimSun"), 15);
    tf.setBold(true);
    title->setFont(tf);
    layout->place(title, 2400, 0, 1605, 300, Qt::AlignHCenter);

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    // The number stands a little inside the frame's corner, not on the window's edge.
    m_frame->setStyleSheet(QStringLiteral("QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                          " left: 8px; padding: 0 2px; }"));
    layout->place(m_frame, 0, 300, 6090, 2040);
    m_date = new QDateEdit(m_frame);
    m_date->setObjectName(QStringLiteral("DTP_OperateDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_partner = codeCombo(m_kind.partnerCombo, m_frame);
    m_must = box(m_kind.mustBox, m_frame);
    m_have = box(m_kind.haveBox, m_frame);
    m_payMode = codeCombo(QStringLiteral("cmb_PayMode"), m_frame);
    m_left = box(m_kind.leftBox, m_frame);
    m_remark = box(QStringLiteral("txt_Remark"), m_frame);

    auto *inFrame = new TwipsLayout(m_frame, 6090, 2040);
    // The amount labels read "应付金额" and "已付金额" on every voucher. Each
    // label stands at its left edge on its field's line.
    const struct {
        const char *name;
        QString text;
        int labelLeft;
        QWidget *field;
        int left, top, width;
    } rows[] = {
        {"Label2", QStringLiteral("制单日期"), 150, m_date, 1050, 218, 1600},
        {"Label3", m_kind.partnerLabel, 3375, m_partner, 4275, 225, 1600},
        {"Label4", QStringLiteral("应付金额"), 150, m_must, 1050, 675, 1600},
        {"Label5", QStringLiteral("已付金额"), 3375, m_have, 4275, 675, 1600},
        {"Label6", QStringLiteral("付款方式"), 150, m_payMode, 1050, 1110, 1600},
        {"Label7", QStringLiteral("余    额"), 3375, m_left, 4275, 1125, 1600},
        {"Label8", QStringLiteral("备    注"), 150, m_remark, 1050, 1575, 4830},
    };
    for (const auto &r : rows) {
        auto *l = new QLabel(r.text, m_frame);
        l->setObjectName(QString::fromLatin1(r.name));
        inFrame->place(l, r.labelLeft, r.top, 0, 300);
        inFrame->place(r.field, r.left, r.top, r.width, 300);
    }

    m_add = new QPushButton(QStringLiteral("新增"), this);
    m_add->setObjectName(QStringLiteral("cmd_Add"));
    auto *ok = new QPushButton(QStringLiteral("确认"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("cmd_Exit"));
    int left = 3675;
    for (QPushButton *b : {m_add, ok, exit}) {
        pressOnlyWhenFocused(b);
        layout->place(b, left, 2370, 800, 300);
        left += 810;
    }

    connect(m_must, &QLineEdit::textChanged, this, &VoucherWindow::showBalance);
    connect(m_have, &QLineEdit::textChanged, this, &VoucherWindow::showBalance);
    m_press.connect(ok, [this] { confirm(); });
    m_press.connect(m_add, [this] { saveAndNew(); });
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

bool VoucherWindow::load()
{
    showStartOnEntry(this);
    VoucherStore store(m_state.db, m_kind);
    try {
        m_partner->setItems(store.partners());
        m_payMode->setItems(store.payModes());
        if (m_mode != 2) {
            m_frame->setTitle(store.nextNumber(m_state.idByte));
            m_date->setDate(QDate::currentDate());
            return true;
        }
        const ResultPtr rs = store.load(m_id);
        if (rs->isEmpty()) {
            msg::error(this, QStringLiteral("单号为%1的%2已不存在！").arg(m_id.trimmed(), m_kind.noun));
            return false;
        }
        // Columns by position: number, date, partner code and name, payment
        // method code and name, amount due, amount settled, remark.
        m_frame->setTitle(rs->text(0, 0));
        QDate date = QDate::fromString(rs->text(0, 1).left(10), QStringLiteral("yyyy-MM-dd"));
        m_date->setDate(date.isValid() ? date : QDate::currentDate());
        m_partner->showHeld(rs->text(0, 2), rs->text(0, 2) + QLatin1Char('-') + rs->text(0, 3));
        m_payMode->showHeld(rs->text(0, 4), rs->text(0, 4) + QLatin1Char('-') + rs->text(0, 5));
        m_must->setText(rs->text(0, 6));
        m_have->setText(rs->text(0, 7));
        m_remark->setText(rs->text(0, 8));
        showStart(m_frame);
        m_add->hide();
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    return true;
}

void VoucherWindow::prefillFromBill(const QString &partnerText, const QString &partnerCode, const QString &total,
                                    const QString &bill)
{
    m_partner->showHeld(partnerCode, partnerText);
    m_must->setText(total);
    m_add->hide();
    m_billId = bill;
}

void VoucherWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape does not close a voucher: what was typed stays.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString VoucherWindow::number() const
{
    return m_frame->title();
}

void VoucherWindow::showBalance()
{
    const double left = decimal::difference(billnum::val(m_must->text()), billnum::val(m_have->text()));
    m_left->setText(billnum::balanceText(left));
}

bool VoucherWindow::saveRecord()
{
    const QString partnerText = m_partner->currentText().trimmed();
    const QString payModeText = m_payMode->currentText().trimmed();
    if (partnerText.isEmpty() || payModeText.isEmpty() || m_must->text().trimmed().isEmpty()) {
        msg::critical(this, QStringLiteral("错误"), QStringLiteral("请将数据填写完整！"));
        return false;
    }
    VoucherDraft d;
    d.mode = m_mode;
    d.number = number();
    d.date = m_date->date();
    d.partnerId = m_partner->code();
    d.payModeId = m_payMode->code();
    d.remark = m_remark->text().trimmed();
    d.billId = m_billId;
    d.operatorId = m_state.currentOperatorID;
    d.when = QDateTime::currentDateTime();
    const QString have = m_have->text().trimmed();
    if (!billnum::strictNumber(m_must->text(), &d.must) || (!have.isEmpty() && !billnum::strictNumber(have, &d.have))) {
        msg::critical(this, QStringLiteral("错误"),
                      QStringLiteral("请输入正确的%1和%2！").arg(m_kind.mustWord, m_kind.haveWord));
        return false;
    }
    VoucherStore store(m_state.db, m_kind);
    try {
        if ((d.partnerId = store.partnerCode(d.partnerId)).isEmpty()) {
            msg::critical(this, QStringLiteral("错误"),
                          QStringLiteral("%1“%2”不存在，请从列表中选择！").arg(m_kind.partnerWord, msg::quoted(partnerText)));
            return false;
        }
        if ((d.payModeId = store.payModeCode(d.payModeId)).isEmpty()) {
            msg::critical(this, QStringLiteral("错误"), QStringLiteral("付款方式“%1”不存在，请从列表中选择！").arg(msg::quoted(payModeText)));
            return false;
        }
        m_frame->setTitle(store.save(d, m_state.idByte));
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    return true;
}

bool VoucherWindow::confirm()
{
    return m_press.run([this] {
        if (!saveRecord())
            return false;
        accept();
        return true;
    });
}

bool VoucherWindow::saveAndNew()
{
    return m_press.run([this] {
        if (!saveRecord())
            return false;
        try {
            m_frame->setTitle(VoucherStore(m_state.db, m_kind).nextNumber(m_state.idByte));
        } catch (const DbError &e) {
            msg::error(this, e.text());
        }
        return true;
    });
}
