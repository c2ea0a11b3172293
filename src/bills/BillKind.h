#pragma once

#include "masterdata/FieldInput.h"
#include "platform/db/Select.h"

#include <QHash>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// What one kind of bill is: its header fields, its grid, its tables and what
// saving it does. The bill window, its checks and its store are built from
// this description; each bill kind is one value of it.

// What a grid column holds.
enum class ColRole {
    None,
    Code,       // goods code: typed, looked up, picked
    Name,
    Unit,
    Model,
    Storage,    // storage location, chosen in the storage combo
    GoodsStorage, // the goods item's own storage, shown only
    Qty,
    Price,
    Amount,     // quantity × price
    Extra,      // a stored value shown and kept (received or delivered quantity)
    BookQty,    // stock count: the stock on the books
    CountQty,   // stock count: the counted quantity
    ProfitLoss, // stock count: 盘赢 / 盘亏 / 盘平
    Diff,       // stock count: counted − booked
    Reason,     // stock count: free text
};

// Which stored line of a bill each of its lines keeps the received or
// delivered quantity of (ColRole::Extra): per goods code (compared as the
// tables compare codes, codeKey), the lines of one goods item take the
// stored lines of that item in turn; a line beyond them, or of goods the
// stored bill did not have, keeps none (-1). storedCodes and codes are in
// line order.
QVector<int> keptLines(const QStringList &storedCodes, const QStringList &codes);

struct GridColumn {
    QString caption;
    int width = 0; // twips
    ColRole role = ColRole::None;
};

enum class FieldKind {
    Date,     // a date box, today for a new bill
    Number,   // the bill number, typed; disabled once saved
    CodeName, // a box over a hidden combo of "code-name" items
    Text,     // a free text box (the remark)
    Operator, // the maker, "login-name", never edited
};

struct HeaderField {
    FieldKind kind = FieldKind::Text;
    QString label;     // caption shown beside the box
    QString labelName; // objectName of the label
    QString box;       // objectName of the box
    QString column;    // header-table column saved from it ("" = not saved)
    QString what;      // how messages name it ("供应商")
    bool required = false;
    QRect place;       // the box in the frame, twips; its label stands left of it
    // Code-name fields:
    QString combo;       // objectName of the hidden combo
    QString masterTable; // rows offered, and where a code must exist
    QString masterId, masterName;
    bool presetFirstItem = false; // the hidden combo starts on its first item
    // Date fields that start as a copy of the bill date (the return date).
    bool copiesBillDate = false;
    // Aliases of the header query that load the field (code and name for a
    // code-name or operator field).
    QString loadAlias, loadNameAlias;
};

// A line-table column and the grid column it is saved from.
struct LineColumn {
    QString column;
    ColRole role;
};

// A link to an open order whose lines a bill copies ("关联").
struct OrderLink {
    QString openOrdersSql; // the picker's list; one bound value: the open status
    Select copySql;        // the order's lines, laid out as the grid; bound: the order number
    QString detailTable, orderColumn, qtyColumn; // raised per saved line
    QString headTable, headKey, statusColumn;
    QString openStatus, doneStatus;
};

struct VoucherKind;

// The voucher a bill opens for its own number ("应付款" on a receipt,
// "应收款" on a delivery): new and prefilled when the bill has none yet,
// otherwise the one it has.
struct VoucherLink {
    QString button;     // cmd_Pay
    QString caption;    // 应付款
    QString partnerBox; // the header box whose partner the voucher takes
    const VoucherKind &(*kind)() = nullptr;
};

// Where a bill window's parts stand, in twips (left, top, width, height):
// the frame holds the title, the header and footer boxes (their places are
// the fields') and the grid; the commands stand below it.
struct BillPlaces {
    QSize client;
    QRect frame;
    QRect title;                     // its double rule lies under it
    QRect grid;
    QHash<QString, QRect> commands; // by objectName
};

struct BillKind {
    QString windowName;   // FrmBuyIn
    QString caption;      // 采购入库单
    QString title;        // 采 购 入 库 单
    QString gridName;     // BuyInGrd
    QString logNoun;      // 的采购入库单
    QString printForm;    // FrmBuyInDetailPrint
    BillPlaces places;

    QVector<HeaderField> fields; // in tab order, unless focusOrder gives it
    // The boxes Enter walks, when not the fields in their order; a kind whose
    // header hands on to the grid ends it with the grid's name. A box's list
    // may stand among them: Tab from the open list goes on from there.
    QStringList focusOrder;
    // Where Tab goes after them: the commands, and the cell editor while it
    // is shown; none: "保存", then "退出".
    QStringList tabTail;
    QString requiredTail;        // second line of the required-field message
    QString fewRowsTail = QStringLiteral("请输入商品编码及其数量、单价！");
    QString noContentTail = QStringLiteral("请输入商品编码及其数量、单价！");

    QVector<GridColumn> columns; // grid columns 1..n (column 0 is hidden)
    QVector<ColRole> enterOrder; // along one line; after the last, the next line's code
    bool hasTotalRow = true;

    // Goods lookup by code (one bound value) and the picked goods (the codes
    // bound as an in-list): the aliases fill the line.
    QString lookupSql;
    QString pickSql; // contains "%1" for the placeholders
    QString priceAlias;      // 采购单价 / 销售单价 / "" for none
    QString pickPriceAlias;  // 单价
    bool lookupFillsStorage = false; // the goods item's own storage, as "code-name"
    QString bookQtyAlias;            // stock count: the stock on the books

    QString headTable, numberColumn;
    QString amountColumn;  // "" when the bill has no amount
    QString lineTable, lineNumberColumn;
    QVector<LineColumn> lineColumns;
    Select lineSql;        // the saved lines, laid out as the grid; bound: the number

    int stockSign = 0;     // add mode: each line's quantity × this goes to stock
    bool hasOrderLink = false;
    OrderLink order;
    bool closeAfterSave = false;
    bool clearRefusedCells = false; // a refused goods code or storage cell is emptied
    VoucherLink voucher;            // none when kind is null

    int column(ColRole role) const
    {
        for (int i = 0; i < columns.size(); ++i)
            if (columns[i].role == role)
                return i + 1;
        return 0;
    }
    // The saved header: every field's column under its load alias, and the
    // name of each code from its master table (left joins, so a header
    // whose partner, staff or maker row is gone still loads).
    QString headQuery() const;
    const HeaderField *field(FieldKind kind) const
    {
        for (const HeaderField &f : fields)
            if (f.kind == kind)
                return &f;
        return nullptr;
    }
};
