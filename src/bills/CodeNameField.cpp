#include "CodeNameField.h"

#include "masterdata/CodeCombo.h"
#include "platform/ui/Widgets.h"

#include <QEvent>
#include <QLineEdit>

CodeNameField::CodeNameField(const QString &boxName, const QString &comboName, QWidget *parent)
    : QStackedWidget(parent), m_box(new QLineEdit(this)), m_combo(new CodeCombo(comboName, this))
{
    m_box->setObjectName(boxName);
    // The field keeps its place whatever names are on the list.
    geometry::keepComboWidth(m_combo);
    addWidget(m_box);
    addWidget(m_combo);
    setCurrentWidget(m_box);
    setFocusProxy(m_box);
    m_box->installEventFilter(this);
    m_combo->installEventFilter(this);
    connect(m_combo, &QComboBox::activated, this, [this] { takeListText(); });
    connect(m_box, &QLineEdit::textEdited, this, [this] { m_held = HeldCode(); });
}

QComboBox *CodeNameField::combo() const
{
    return m_combo;
}

void CodeNameField::setItems(const QVector<CodeItem> &items, bool presetFirst)
{
    m_combo->setItems(items);
    if (presetFirst && !items.isEmpty())
        m_combo->setCurrentIndex(0);
}

void CodeNameField::setValue(const QString &code, const QString &text)
{
    m_held.hold(code, text);
    m_box->setText(text);
    m_combo->showHeld(code, text);
}

QString CodeNameField::text() const
{
    return m_box->text();
}

QString CodeNameField::code() const
{
    return m_held.codeOf(m_box->text(), m_combo->items());
}

void CodeNameField::openList()
{
    if (!m_box->isEnabled())
        return;
    setFocusProxy(m_combo);
    setCurrentWidget(m_combo);
    m_combo->setFocus(Qt::OtherFocusReason);
}

void CodeNameField::takeListText()
{
    m_held = m_combo->held();
    m_box->setText(m_combo->currentText());
    showStart(m_box);
    setFocusProxy(m_box);
    setCurrentWidget(m_box);
}

bool CodeNameField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::MouseButtonDblClick) {
        openList();
        return true;
    }
    if (watched == m_combo && currentWidget() == m_combo && focusLeaves(m_combo, event))
        takeListText();
    return QStackedWidget::eventFilter(watched, event);
}
