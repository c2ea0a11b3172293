#pragma once

#include "FieldInput.h"

#include <QComboBox>

// An editable combo of "code-name" items (makeCodeCombo) that holds the
// code of the item it shows when that was loaded or chosen from its list.
class CodeCombo : public QComboBox
{
public:
    CodeCombo(const QString &objectName, QWidget *parent);

    // The items; nothing is shown or held afterwards.
    void setItems(const QVector<CodeItem> &items);
    // A loaded code, shown as text.
    void showHeld(const QString &code, const QString &text);
    // A loaded code with its name ("T1-五金"), or alone when it has no name
    // (it names no row any more, so a save refuses it).
    void showCode(const QString &code, const QVariant &name);
    // The code of what the combo shows: the code held while its text
    // stands, else the chosen item's own code, else codeOfText over the
    // items.
    QString code() const;

private:
    QVector<CodeItem> m_items;
    HeldCode m_held;
};
