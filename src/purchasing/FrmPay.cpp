#include "FrmPay.h"

#include "BillNumbers.h"
#include "PayStore.h"
#include "core/AppState.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

QComboBox *codeCombo(const char *name, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    makeCodeCombo(c);
    return c;
}

QLineEdit *box(const char *name, QWidget *parent)
{
    auto *b = new QLineEdit(parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

FrmPay::FrmPay(AppState &state, int mode, const QString &id, QWidget *parent)
    : QDialog(parent), m_state(state), m_mode(mode), m_id(id)
{
    setObjectName(QStringLiteral("FrmPay"));
    setWindowTitle(QStringLiteral("应付款"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *title = new QLabel(QStringLiteral("应  付  款"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont tf(QStringLiteral("SimSun"), 15);
    tf.setBold(true);
    title->setFont(tf);

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_date = new QDateEdit(m_frame);
    m_date->setObjectName(QStringLiteral("DTP_OperateDate"));
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_date->setCalendarPopup(true);
    m_supplier = codeCombo("cmb_Supplier", m_frame);
    m_mustPay = box("txt_MustPay", m_frame);
    m_havePay = box("txt_HavePay", m_frame);
    m_payMode = codeCombo("cmb_PayMode", m_frame);
    m_leftPay = box("txt_LeftPay", m_frame);
    m_remark = box("txt_Remark", m_frame);

    auto *grid = new QGridLayout(m_frame);
    const struct {
        const char *name, *text;
        int row, col;
        QWidget *field;
    } rows[] = {
        {"Label2", "制单日期", 0, 0, m_date},   {"Label3", "供 应 商", 0, 2, m_supplier},
        {"Label4", "应付金额", 1, 0, m_mustPay}, {"Label5", "已付金额", 1, 2, m_havePay},
        {"Label6", "付款方式", 2, 0, m_payMode}, {"Label7", "余    额", 2, 2, m_leftPay},
        {"Label8", "备    注", 3, 0, m_remark},
    };
    for (const auto &r : rows) {
        auto *l = new QLabel(QString::fromUtf8(r.text), m_frame);
        l->setObjectName(QString::fromLatin1(r.name));
        grid->addWidget(l, r.row, r.col);
        grid->addWidget(r.field, r.row, r.col + 1, 1, r.field == m_remark ? 3 : 1);
        if (r.field != m_remark)
            r.field->setMinimumWidth(twips(1600));
    }

    m_add = new QPushButton(QStringLiteral("新增"), this);
    m_add->setObjectName(QStringLiteral("cmd_Add"));
    auto *ok = new QPushButton(QStringLiteral("确认"), this);
    ok->setObjectName(QStringLiteral("cmd_OK"));
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("cmd_Exit"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {m_add, ok, exit}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(twips(800));
        buttons->addWidget(b);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_mustPay, &QLineEdit::textChanged, this, &FrmPay::showBalance);
    connect(m_havePay, &QLineEdit::textChanged, this, &FrmPay::showBalance);
    connect(ok, &QPushButton::clicked, this, &FrmPay::confirm);
    connect(m_add, &QPushButton::clicked, this, &FrmPay::saveAndNew);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
}

bool FrmPay::load()
{
    PayStore store(m_state.db);
    try {
        m_suppliers = store.suppliers();
        m_payModes = store.payModes();
        fillCodeCombo(m_supplier, m_suppliers);
        fillCodeCombo(m_payMode, m_payModes);
        if (m_mode != 2) {
            m_frame->setTitle(store.nextNumber(m_state.idByte));
            m_date->setDate(QDate::currentDate());
            return true;
        }
        const ResultPtr rs = store.load(m_id);
        if (rs->isEmpty()) {
            msg::error(this, QStringLiteral("单号为%1的应付款已不存在！").arg(m_id.trimmed()));
            return false;
        }
        m_frame->setTitle(rs->text(0, QStringLiteral("应付款单号")));
        QDate date = QDate::fromString(rs->text(0, QStringLiteral("制单日期")).left(10), QStringLiteral("yyyy-MM-dd"));
        m_date->setDate(date.isValid() ? date : QDate::currentDate());
        m_supplier->setEditText(rs->text(0, QStringLiteral("供应商编码")) + QLatin1Char('-')
                                + rs->text(0, QStringLiteral("供应商名称")));
        m_payMode->setEditText(rs->text(0, QStringLiteral("支付方式代号")) + QLatin1Char('-')
                               + rs->text(0, QStringLiteral("支付方式名称")));
        m_prefillCode = rs->text(0, QStringLiteral("供应商编码"));
        m_prefillText = m_supplier->currentText();
        m_mustPay->setText(rs->text(0, QStringLiteral("应付金额")));
        m_havePay->setText(rs->text(0, QStringLiteral("已付金额")));
        m_remark->setText(rs->text(0, QStringLiteral("备注")));
        m_add->hide();
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    return true;
}

void FrmPay::prefillFromReceipt(const QString &supplierText, const QString &supplierCode, const QString &total,
                                const QString &receipt)
{
    m_supplier->setEditText(supplierText);
    m_prefillText = supplierText;
    m_prefillCode = supplierCode;
    m_mustPay->setText(total);
    m_add->hide();
    m_buyInId = receipt;
}

QString FrmPay::number() const
{
    return m_frame->title();
}

void FrmPay::showBalance()
{
    m_leftPay->setText(billnum::balanceText(billnum::val(m_mustPay->text()) - billnum::val(m_havePay->text())));
}

QString FrmPay::comboCode(QComboBox *combo, const QVector<CodeItem> &items, const QString &chosenCode,
                          const QString &chosenText) const
{
    const QString text = combo->currentText().trimmed();
    if (!chosenText.isEmpty() && text == chosenText.trimmed())
        return chosenCode;
    const int i = combo->currentIndex();
    if (i >= 0 && combo->itemText(i) == text)
        return combo->itemData(i).toString();
    return codeOfText(text, items);
}

bool FrmPay::saveRecord()
{
    if (m_saving)
        return false;
    m_saving = true;
    const auto done = qScopeGuard([this] { m_saving = false; });
    const QString supplierText = m_supplier->currentText().trimmed();
    const QString payModeText = m_payMode->currentText().trimmed();
    if (supplierText.isEmpty() || payModeText.isEmpty() || m_mustPay->text().trimmed().isEmpty()) {
        msg::critical(this, QStringLiteral("错误"), QStringLiteral("请将数据填写完整！"));
        return false;
    }
    PayDraft d;
    d.mode = m_mode;
    d.number = number();
    d.date = m_date->date();
    d.supplierId = comboCode(m_supplier, m_suppliers, m_prefillCode, m_prefillText);
    d.payModeId = comboCode(m_payMode, m_payModes, QString(), QString());
    d.remark = m_remark->text().trimmed();
    d.buyInId = m_buyInId;
    d.operatorId = m_state.currentOperatorID;
    d.when = QDateTime::currentDateTime();
    const QString have = m_havePay->text().trimmed();
    if (!billnum::strictNumber(m_mustPay->text(), &d.mustPay) || (!have.isEmpty() && !billnum::strictNumber(have, &d.havePay))) {
        msg::critical(this, QStringLiteral("错误"), QStringLiteral("请输入正确的应付金额和已付金额！"));
        return false;
    }
    PayStore store(m_state.db);
    try {
        if (d.supplierId.isEmpty() || !store.supplierExists(d.supplierId)) {
            msg::critical(this, QStringLiteral("错误"), QStringLiteral("供应商“%1”不存在，请从列表中选择！").arg(supplierText));
            return false;
        }
        if (d.payModeId.isEmpty() || !store.payModeExists(d.payModeId)) {
            msg::critical(this, QStringLiteral("错误"), QStringLiteral("付款方式“%1”不存在，请从列表中选择！").arg(payModeText));
            return false;
        }
        m_frame->setTitle(store.save(d, m_state.idByte));
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    return true;
}

bool FrmPay::confirm()
{
    if (!saveRecord())
        return false;
    accept();
    return true;
}

bool FrmPay::saveAndNew()
{
    if (!saveRecord())
        return false;
    try {
        m_frame->setTitle(PayStore(m_state.db).nextNumber(m_state.idByte));
    } catch (const DbError &e) {
        msg::error(this, e.text());
    }
    return true;
}
