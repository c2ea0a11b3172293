#pragma once

#include "BillCheck.h"
#include "BillGrid.h"
#include "BillKind.h"
#include "BillStore.h"
#include "core/WindowRegistry.h"
#include "platform/ui/OnePress.h"

#include <QDialog>
#include <QHash>

#include <functional>

struct AppState;
class BillCellEditor;
class CodeNameField;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class TextGrid;
class TwipsLayout;

// A bill window: header boxes, the lines grid edited in place
// (BillCellEditor: the floating box txtF and, where the bill has a storage
// column, the floating storage list cmb_Storage); "保存", "打印", "退出", and
// the bill's voucher ("应付款", "应收款") where it has one. Built from a
// BillKind; each bill kind is a thin subclass that adds its own commands.
class BillWindow : public QDialog, public LoadableWindow
{
    Q_OBJECT
public:
    // mode 1 adds a bill, 2 opens the bill numbered id.
    BillWindow(AppState &state, const BillKind &kind, int mode, const QString &id, QWidget *parent = nullptr);

    bool load() override;

    // The commands, as the buttons run them.
    bool save();
    void print();
    void selectOrder();
    void pickGoods();
    // The voucher of the bill on screen: the one made for its number, or a
    // new one prefilled with the partner, the total and the number.
    void openVoucher();

    // What a click on a grid cell does.
    void clickCell(int row, int col);

    const BillKind &kind() const { return m_kind; }
    int mode() const { return m_mode; }
    BillGrid &lines() { return m_lines; }
    TextGrid *grid() const { return m_grid; }
    QLineEdit *cellEditor() const;
    QComboBox *storageEditor() const;
    QString linkedOrder() const { return m_linkedOrder; }
    // The text of a header box, by its objectName.
    QString fieldText(const QString &box) const;
    QString fieldCode(const QString &box) const;

protected:
    AppState &state() { return m_state; }
    BillStore &store() { return m_store; }
    // A further command button, at the place the kind gives its name.
    QPushButton *addCommand(const QString &name, const QString &caption);
    // Writes what the cell editor holds into its cell and hides it.
    void commitEditor();
    // Runs a command that writes as the one press of the window's buttons
    // (OnePress): the cell editor's text taken first, a database failure
    // shown as "错误". Gives what the work gives (false after a failure).
    bool runCommand(const std::function<bool()> &work);
    // The window's buttons that write are connected through it.
    OnePress &onePress() { return m_press; }
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    // Tab walks the header in the kind's focus order, then its tail.
    void chainTabOrder();
    QWidget *makeField(const HeaderField &f, QWidget *parent);
    void applyBillColor();
    void initGrid();
    void fillHeader(const ResultTable &head);
    // The stored lines of the bill of that number, into the grid. Throws DbError.
    void loadLines(const QString &number);
    // After a save, in an order window (which stays open): its lines as
    // stored, with what was booked against them meanwhile. The other
    // windows that stay open keep their lines (and the storages chosen),
    // their codes shown as saved.
    void showStoredLines();
    // The maker as "login-name", from its start, whole in its tooltip.
    void showOperator(const QString &text);
    QVector<FieldInput> headerInput() const;

    AppState &m_state;
    const BillKind &m_kind;
    const int m_mode;
    const QString m_id;
    BillStore m_store;
    QFrame *m_frame = nullptr;
    TextGrid *m_grid = nullptr;
    BillGrid m_lines;
    BillCellEditor *m_editor = nullptr;
    TwipsLayout *m_layout = nullptr;
    QVector<QWidget *> m_headerBoxes; // the boxes Enter walks, in order
    QPushButton *m_selectOrder = nullptr;
    QHash<QString, QWidget *> m_fields; // box name → QLineEdit or CodeNameField
    QVector<CodeItem> m_storages;
    QString m_operatorCode;
    QString m_linkedOrder;
    OnePress m_press{this};
};

// The window of one bill kind, built by the function that gives the kind:
// each bill window is one line, class FrmX : public KindWindow<xKind>.
template <const BillKind &(*Kind)()> class KindWindow : public BillWindow
{
public:
    KindWindow(AppState &state, int mode, const QString &id, QWidget *parent = nullptr)
        : BillWindow(state, Kind(), mode, id, parent)
    {
    }
    static const BillKind &billKind() { return Kind(); }
};
