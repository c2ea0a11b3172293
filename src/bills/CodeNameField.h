#pragma once

#include "BillKind.h"

#include <QStackedWidget>

class CodeCombo;
class QComboBox;
class QLineEdit;

// A header box with its hidden list: the box shows "code-name"; a double
// click shows the list instead; choosing an item, or leaving the list,
// puts the list's text back into the box. While the list's own drop-down is
// open nothing closes it; Escape there closes the drop-down only. The box
// holds the code of the item chosen or loaded (HeldCode) until the clerk
// types into it, so a code holding "-" survives and "S-1" shown for S stays
// S; text typed into the box or the list is read by codeOfText.
class CodeNameField : public QStackedWidget
{
    Q_OBJECT
public:
    CodeNameField(const QString &boxName, const QString &comboName, QWidget *parent = nullptr);

    QLineEdit *box() const { return m_box; }
    QComboBox *combo() const;

    void setItems(const QVector<CodeItem> &items, bool presetFirst);
    // A loaded value: the box and the list both show it.
    void setValue(const QString &code, const QString &text);
    QString text() const;
    QString code() const;

    // What a double click on the box does.
    void openList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeListText();

    QLineEdit *m_box;
    CodeCombo *m_combo;
    HeldCode m_held; // the value last chosen or loaded
};
