#pragma once

#include "FieldInput.h"

#include <QComboBox>

// An editable combo of "code-name" items, each item's data its code: the one
// kind of code list in every window. It holds the code of the item it shows
// because that was loaded or given, or chosen from its list (a click, the
// arrow keys), until the clerk types; what is typed stays as typed (Qt never
// picks the item of the same text) and is read by codeOfText.
class CodeCombo : public QComboBox
{
public:
    CodeCombo(const QString &objectName, QWidget *parent);

    // The items; nothing is shown or held afterwards.
    void setItems(const QVector<CodeItem> &items);
    const QVector<CodeItem> &items() const { return m_items; }
    // A loaded code, shown as text.
    void showHeld(const QString &code, const QString &text);
    // A loaded code with its name ("T1-五金"), or alone when it has no name
    // (it names no row any more, so a save refuses it).
    void showCode(const QString &code, const QVariant &name);
    // text, holding what held holds for that very text (nothing else); the
    // list opens on the item held.
    void showAs(const QString &text, const HeldCode &held);
    // What the combo holds for the text it shows.
    HeldCode held() const { return m_held; }
    // The code of what the combo shows: the code held while its text
    // stands, else codeOfText over the items.
    QString code() const;

private:
    void holdItem(int index);

    QVector<CodeItem> m_items;
    HeldCode m_held;
};
