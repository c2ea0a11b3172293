#include "CodeCombo.h"

#include "platform/ui/Widgets.h"

CodeCombo::CodeCombo(const QString &objectName, QWidget *parent) : QComboBox(parent)
{
    setObjectName(objectName);
    makeCodeCombo(this);
    connect(this, &QComboBox::activated, this, [this](int i) { m_held.hold(itemData(i).toString(), itemText(i)); });
}

void CodeCombo::setItems(const QVector<CodeItem> &items)
{
    m_items = items;
    m_held = HeldCode();
    fillCodeCombo(this, items);
}

void CodeCombo::showHeld(const QString &code, const QString &text)
{
    m_held.hold(code, text);
    setEditText(text);
    showStart(this);
}

void CodeCombo::showCode(const QString &code, const QVariant &name)
{
    showHeld(code, name.isNull() ? code : code + QLatin1Char('-') + name.toString());
}

QString CodeCombo::code() const
{
    const QString text = currentText();
    CodeItem chosen;
    if (!m_held.holds(text) && shownItem(this, &chosen))
        return chosen.code;
    return m_held.codeOf(text, m_items);
}
