#pragma once

#include "RecordStore.h"
#include "core/WindowRegistry.h"
#include "platform/ui/OnePress.h"

#include <QDialog>
#include <QList>
#include <QRect>
#include <QSize>

struct AppState;
class Database;
class QCheckBox;
class CodeCombo;
class QLabel;
class QLineEdit;
class QPushButton;
class TwipsLayout;

// The record-editor pattern shared by every master-data editor and the
// operator editor: a modal window made fresh for each use, in add mode
// (the shared edit mode 1) or modify mode (2, on the record whose key it is
// given). load() fills the combos and, when modifying, the record. "新增"
// checks, saves and clears for the next record; the OK button checks, saves
// and closes; "取消" and the close box close without saving. A save writes
// the record and its operation-log entry in one transaction; when it fails
// the window shows why and keeps the input. No button is the default and
// Escape presses none.
//
// Every box, caption and button stands at its place in twips (TwipsLayout):
// hiding "新增" in modify mode moves nothing, and the client area is the
// window's own, larger only where the font needs it.
class RecordEditor : public QDialog, public LoadableWindow
{
    Q_OBJECT
public:
    // False (after saying why) when the record to modify is gone or the
    // database failed; the window is then not shown.
    bool load() override;

    bool isAdding() const { return m_adding; }
    const QString &id() const { return m_id; }

protected:
    // clientTwips: the client area.
    RecordEditor(AppState &state, const QString &id, const QString &okCaption, QSize clientTwips, QWidget *parent);

    AppState &state() const { return m_state; }
    Database &db() const;
    QPushButton *addButton() const { return m_add; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }

    // Building blocks for the windows' layouts.
    QLineEdit *lineEdit(const QString &objectName);
    QLabel *label(const QString &text, const QString &objectName = QString());
    // "自动将上述信息带到下一项": ticked, "新增" keeps every input.
    QCheckBox *carryOverBox();
    // The tick box (180 twips high) at tickLeft and the blue note
    // "注：* 为必填项" at noteLeft, both on the line at top.
    void placeCarryOverAndNote(int tickLeft, int noteLeft, int top, const QString &noteName = QString());
    // Where a box stands and how it is captioned (twips): the caption sizes
    // itself to its text, its left edge at captionLeft, on the box's line; a
    // required field has a blue "*" 150 twips left of its caption. A combo
    // keeps the width of its place whatever its items.
    struct FieldPlace {
        QWidget *input;
        QRect box; // left, top, width, height
        QString caption;
        int captionLeft;
        QString captionName = {}; // objectName of the caption, may be empty
        bool required = false;
        QString starName = {}; // objectName of the "*", may be empty
    };
    void placeField(const FieldPlace &f);
    // The three buttons, each 700 x 300 twips, on one line.
    void placeButtons(int top, int addLeft, int okLeft, int cancelLeft);
    // The window's places, for what else it shows (tick boxes, the note).
    TwipsLayout *places() const { return m_places; }
    // The tab order; on opening, the focus goes to the first control in it
    // that is visible and enabled.
    void setFocusOrder(const QList<QWidget *> &order);
    // "错误" with the critical icon; the focus goes to focus when given.
    void refuse(const QString &text, QWidget *focus = nullptr);
    // The stored code of table (key column <table>ID) that the combo names,
    // into *code; refuses the input naming the field when there is none.
    // Throws DbError.
    bool checkComboCode(CodeCombo *combo, const QString &table, const QString &field, QString *code);

    // What each editor supplies.
    virtual const RecordTable &table() const = 0;
    virtual QLineEdit *keyBox() const = 0;
    virtual void fillCombos() {}                        // throws DbError
    virtual bool loadRecord(const QString &key) = 0;    // false: no such record; throws DbError
    virtual void showModifyLayout();                    // key box disabled, "新增" and the tick box hidden
    virtual bool requiredFilled() const = 0;            // every required input non-blank
    virtual bool validate() { return true; }            // further checks; refuse() and false on a fault; may throw DbError
    virtual QVariantHash values() const = 0;            // column -> value to write
    virtual QString logNoun() const = 0;                // "的验货人"
    virtual QString logText(const QString &key) const;  // "添加编号为" / "修改编号为" + key + noun
    virtual void clearAfterAdd();                       // empties every box and combo text

    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool checkInput();
    bool save();
    void addClicked();
    void okClicked();

    AppState &m_state;
    const QString m_id;
    const bool m_adding;
    QPushButton *m_add;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    TwipsLayout *m_places;
    QCheckBox *m_carryOver = nullptr;
    QList<QWidget *> m_focusOrder;
    OnePress m_press{this};
};
