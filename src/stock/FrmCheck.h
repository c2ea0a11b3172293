#pragma once

#include "bills/BillWindow.h"

// The stock count "盘点单": the bill window with the count's description,
// plus "修改库存", which sets each counted goods item's stock to its
// counted quantity. Saving a count moves no stock and closes the window.
class FrmCheck : public BillWindow
{
    Q_OBJECT
public:
    FrmCheck(AppState &state, int mode, const QString &id, QWidget *parent = nullptr);
    static const BillKind &billKind();

    // "修改库存": the lines as shown (the cell editor's text included), each
    // named line's count checked, then, answered Yes, every line and the log
    // entry written at once. False when nothing was written.
    bool modifyStorage();
};
