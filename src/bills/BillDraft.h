#pragma once

#include "BillCheck.h"
#include "BillStore.h"

#include <QDateTime>

class BillGrid;

// What a bill window holds when it saves, without its widgets.
struct DraftInput {
    const BillKind &kind;
    int mode = 1; // 1 add, 2 modify
    QVector<FieldInput> header; // as the checks left it
    const BillGrid &lines;
    QVector<CodeItem> storages;
    QString linkedOrder; // the order the bill was made from ("" for none)
    QString operatorId;
    QDateTime when;
};

// What a save writes: the header columns, every line that names goods with
// its values in the order of the kind's line columns, and the amount, the
// bill's one total (BillGrid::linesTotal()).
BillDraft billDraft(const DraftInput &in);
