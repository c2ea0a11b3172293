#include "CodeCombo.h"

#include "platform/ui/Widgets.h"

#include <QLineEdit>

CodeCombo::CodeCombo(const QString &objectName, QWidget *parent) : QComboBox(parent)
{
    setObjectName(objectName);
    // Editable, no item added by typing, no completion, and no item chosen
    // for the clerk: Qt would choose the item whose text equals the typed
    // text when the focus leaves ("S-1" typed, storage S named "1" chosen).
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // A chosen item shows its start (its code). One chosen again after
    // typing changes no index, but is activated.
    connect(this, &QComboBox::activated, this, [this] { showStart(this); });
    connect(this, &QComboBox::activated, this, &CodeCombo::holdItem);
    connect(this, &QComboBox::currentIndexChanged, this, &CodeCombo::holdItem);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { m_held = HeldCode(); });
}

void CodeCombo::holdItem(int index)
{
    m_held = HeldCode();
    if (index >= 0)
        m_held.hold(itemData(index).toString(), itemText(index));
}

void CodeCombo::setItems(const QVector<CodeItem> &items)
{
    m_items = items;
    clear();
    for (const CodeItem &i : items)
        addItem(i.text, i.code);
    setCurrentIndex(-1);
    setEditText(QString());
    m_held = HeldCode();
}

void CodeCombo::showAs(const QString &text, const HeldCode &held)
{
    const bool holding = held.holds(text);
    const int at = holding ? findData(held.code()) : -1;
    setCurrentIndex(at >= 0 && itemText(at) == text ? at : -1);
    setEditText(text);
    m_held = holding ? held : HeldCode();
    showStart(this);
}

void CodeCombo::showHeld(const QString &code, const QString &text)
{
    HeldCode held;
    held.hold(code, text);
    showAs(text, held);
}

void CodeCombo::showCode(const QString &code, const QVariant &name)
{
    showHeld(code, name.isNull() ? code : code + QLatin1Char('-') + name.toString());
}

QString CodeCombo::code() const
{
    return m_held.codeOf(currentText(), m_items);
}
