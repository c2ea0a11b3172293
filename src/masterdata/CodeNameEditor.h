#pragma once

#include "RecordEditor.h"

#include <QVector>

// One of the ten code-and-name tables (staff rosters, categories, payment
// methods, storage locations) and how its editor looks.
struct CodeNameKind {
    // The orders of the code box, the name box and the three buttons.
    enum class FocusOrder {
        ButtonsThenNameCode,     // 新增, 确定, 取消, name, code
        BoxesThenCancelOkAdd,    // code, name, 取消, 确定, 新增
        CancelOkAddThenNameCode, // 取消, 确定, 新增, name, code
        BoxesThenAddOkCancel,    // code, name, 新增, 确定, 取消
    };

    int navCode;        // the list it opens from; its headers are the load captions
    QString window;     // objectName, e.g. "FrmAccepter"
    QString caption;
    QString table;      // "Accepter"; the boxes are txt_<code column>, txt_<name column>
    QString codeColumn; // "AccepterID"
    QString nameColumn; // "AccepterName"
    QString codeLabel, nameLabel;
    QString logNoun;    // "的验货人"
    bool enterMovesOn;  // Enter in a box moves the focus to the next control
    FocusOrder focus;
    int widthTwips, heightTwips;
};

// The ten, in navigation order (504-513).
const QVector<CodeNameKind> &codeNameKinds();

// The editor of a code-and-name table: code and name boxes; an update
// changes the name only.
class CodeNameEditor : public RecordEditor
{
    Q_OBJECT
public:
    CodeNameEditor(const CodeNameKind &kind, AppState &state, const QString &id, QWidget *parent = nullptr);

protected:
    const RecordTable &table() const override { return m_table; }
    QLineEdit *keyBox() const override { return m_code; }
    bool loadRecord(const QString &key) override;
    bool requiredFilled() const override;
    QVariantHash values() const override;
    QString logNoun() const override { return m_kind.logNoun; }

private:
    const CodeNameKind &m_kind;
    RecordTable m_table;
    QLineEdit *m_code;
    QLineEdit *m_name;
};
