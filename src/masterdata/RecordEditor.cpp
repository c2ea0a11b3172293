#include "RecordEditor.h"

#include "CodeCombo.h"
#include "EditorTexts.h"
#include "core/AppState.h"
#include "platform/ui/Msg.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QColor Blue(0, 0, 255);

void paintBlue(QLabel *l)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Blue);
    l->setPalette(p);
}
} // namespace

RecordEditor::RecordEditor(AppState &state, const QString &id, const QString &okCaption, QSize clientTwips,
                           QWidget *parent)
    : QDialog(parent), m_state(state), m_id(id), m_adding(state.editMode != 2)
{
    m_places = new TwipsLayout(this, clientTwips.width(), clientTwips.height());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_add = new QPushButton(QStringLiteral("新增"), this);
    m_add->setObjectName(QStringLiteral("cmd_Add"));
    m_ok = new QPushButton(okCaption, this);
    m_ok->setObjectName(QStringLiteral("cmd_OK"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("cmd_Cancel"));
    for (QPushButton *b : {m_add, m_ok, m_cancel}) {
        pressOnlyWhenFocused(b);
    }
    m_press.connect(m_add, [this] { addClicked(); });
    m_press.connect(m_ok, [this] { okClicked(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

Database &RecordEditor::db() const
{
    return m_state.db;
}

bool RecordEditor::load()
{
    showStartOnEntry(this);
    try {
        fillCombos();
        if (!m_adding) {
            if (!loadRecord(m_id.trimmed())) {
                refuse(editortext::recordGone());
                return false;
            }
            showStart(this);
            showModifyLayout();
        }
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
    return true;
}

QLineEdit *RecordEditor::lineEdit(const QString &objectName)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(objectName);
    return e;
}

QLabel *RecordEditor::label(const QString &text, const QString &objectName)
{
    auto *l = new QLabel(text, this);
    l->setObjectName(objectName);
    return l;
}

QCheckBox *RecordEditor::carryOverBox()
{
    if (!m_carryOver) {
        m_carryOver = new QCheckBox(QStringLiteral("自动将上述信息带到下一项"), this);
        m_carryOver->setObjectName(QStringLiteral("Check1"));
    }
    return m_carryOver;
}

void RecordEditor::placeCarryOverAndNote(int tickLeft, int noteLeft, int top, const QString &noteName)
{
    m_places->place(carryOverBox(), tickLeft, top, 2640, 180);
    QLabel *note = label(QStringLiteral("注：* 为必填项"), noteName);
    paintBlue(note);
    m_places->place(note, noteLeft, top, 0, 180);
}

void RecordEditor::placeField(const FieldPlace &f)
{
    m_places->place(f.input, f.box);
    if (auto *combo = qobject_cast<QComboBox *>(f.input))
        geometry::keepComboWidth(combo);
    // Captions are as wide as their text and as high as the box's line, so
    // their text stands on it.
    QLabel *caption = label(f.caption, f.captionName);
    m_places->place(caption, f.captionLeft, f.box.top(), 0, f.box.height());
    if (f.required) {
        QLabel *star = label(QStringLiteral("*"), f.starName);
        paintBlue(star);
        m_places->place(star, f.captionLeft - 150, f.box.top(), 0, f.box.height());
    }
}

void RecordEditor::placeButtons(int top, int addLeft, int okLeft, int cancelLeft)
{
    m_places->place(m_add, addLeft, top, 700, 300);
    m_places->place(m_ok, okLeft, top, 700, 300);
    m_places->place(m_cancel, cancelLeft, top, 700, 300);
}

void RecordEditor::setFocusOrder(const QList<QWidget *> &order)
{
    m_focusOrder = order;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void RecordEditor::refuse(const QString &text, QWidget *focus)
{
    msg::critical(this, QStringLiteral("错误"), text);
    if (focus)
        focus->setFocus();
}

bool RecordEditor::checkComboCode(CodeCombo *combo, const QString &table, const QString &field, QString *code)
{
    *code = storedCode(db(), table, table + QStringLiteral("ID"), combo->code());
    if (code->isNull()) {
        refuse(editortext::unknownCode(field), combo);
        return false;
    }
    return true;
}

void RecordEditor::showModifyLayout()
{
    keyBox()->setEnabled(false);
    m_add->hide();
    if (m_carryOver) {
        m_carryOver->setChecked(false);
        m_carryOver->hide();
    }
}

QString RecordEditor::logText(const QString &key) const
{
    return (m_adding ? QStringLiteral("添加编号为") : QStringLiteral("修改编号为")) + key + logNoun();
}

void RecordEditor::clearAfterAdd()
{
    for (QLineEdit *e : findChildren<QLineEdit *>())
        e->clear();
    for (QComboBox *c : findChildren<QComboBox *>())
        c->setEditText(QString());
}

bool RecordEditor::checkInput()
{
    try {
        if (m_adding && recordExists(db(), table(), keyBox()->text().trimmed())) {
            refuse(editortext::duplicate(), keyBox());
            return false;
        }
        if (!requiredFilled()) {
            refuse(editortext::incomplete());
            return false;
        }
        return validate();
    } catch (const DbError &e) {
        msg::error(this, e.text());
        return false;
    }
}

bool RecordEditor::save()
{
    const QString key = keyBox()->text().trimmed();
    try {
        if (saveRecord(db(), table(), m_adding, key, values(), m_state.currentOperatorID, logText(key)))
            return true;
        refuse(editortext::recordGone());
    } catch (const DbError &e) {
        // Someone else may have added the same code since the check.
        if (m_adding && dbfault::keyTakenMeanwhile([&] { return recordExists(db(), table(), key); }))
            refuse(editortext::duplicate(), keyBox());
        else
            msg::error(this, e.text());
    }
    return false;
}

void RecordEditor::addClicked()
{
    m_press.run([this] {
        if (!checkInput() || !save())
            return false;
        if (!m_carryOver || !m_carryOver->isChecked())
            clearAfterAdd();
        return true;
    });
}

void RecordEditor::okClicked()
{
    m_press.run([this] {
        if (!checkInput() || !save())
            return false;
        accept();
        return true;
    });
}

void RecordEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RecordEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    for (QWidget *w : m_focusOrder) {
        if (!w->isHidden() && w->isEnabled()) {
            w->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}
