#pragma once

#include "RecordStore.h"
#include "core/WindowRegistry.h"

#include <QDialog>
#include <QList>

struct AppState;
class Database;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// The record-editor pattern shared by every master-data editor and the
// operator editor: a modal window made fresh for each use, in add mode
// (the shared edit mode 1) or modify mode (2, on the record whose key it is
// given). load() fills the combos and, when modifying, the record. "新增"
// checks, saves and clears for the next record; the OK button checks, saves
// and closes; "取消" and the close box close without saving. A save writes
// the record and its operation-log entry in one transaction; when it fails
// the window shows why and keeps the input. No button is the default and
// Escape presses none.
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
    RecordEditor(AppState &state, const QString &id, const QString &okCaption, QWidget *parent);

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
    // The note "注：* 为必填项" (blue).
    QLabel *requiredNote(const QString &objectName = QString());
    // The three buttons in a row on the right.
    QHBoxLayout *buttonRow();
    enum class Place { Left, Right, Wide };
    struct Field {
        QWidget *input;
        QString caption;
        QString labelName; // objectName of the caption, may be empty
        int row;
        Place place;
        bool required = false; // a blue "*" stands before its caption
        QString starName;      // objectName of that "*", may be empty
    };
    // Lays fields out in two columns (a wide field takes both), each with its
    // caption and, for required ones, a blue "*" before it.
    static void layOutFields(QWidget *owner, QGridLayout *grid, const QList<Field> &fields);
    // The tab order; on opening, the focus goes to the first control in it
    // that is visible and enabled.
    void setFocusOrder(const QList<QWidget *> &order);
    // A fixed client area of about this many twips, never smaller than the
    // layout needs.
    void fixClientSize(int widthTwips, int heightTwips);
    // "错误" with the critical icon; the focus goes to focus when given.
    void refuse(const QString &text, QWidget *focus = nullptr);
    // The stored code of table (key column <table>ID) that the combo names,
    // into *code; refuses the input naming the field when there is none.
    // Throws DbError.
    bool checkComboCode(QComboBox *combo, const QString &table, const QString &field, QString *code);

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
    QCheckBox *m_carryOver = nullptr;
    QList<QWidget *> m_focusOrder;
};
