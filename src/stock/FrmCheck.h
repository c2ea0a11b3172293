#pragma once

#include "bills/BillWindow.h"

// The stock count "盘点单": no partner, no prices, no total row; book and
// counted quantities with the gain or loss between them. Saving a count
// moves no stock and closes the window.
const BillKind &stockCountKind();

// The count's window adds "修改库存", which sets each counted goods item's
// stock to its counted quantity.
class FrmCheck : public KindWindow<stockCountKind>
{
    Q_OBJECT
public:
    FrmCheck(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);

    // "修改库存": the lines as shown (the cell editor's text included),
    // checked as a save checks them, then, answered Yes, every line and the
    // log entry written at once. False when nothing was written.
    bool modifyStorage();
};
