#pragma once

#include "platform/db/Select.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What each navigation code of the main window shows.
struct ListSpec {
    enum Kind {
        List,     // a list of records or bills, with add and modify
        Report,   // a summary (401-408): no add, modify or delete
        Action,   // no query: a window or a message (601, 603, 604, 606)
    };
    int code = 0;
    Kind kind = List;
    QString caption; // the navigation item
    QString title;   // the list title
    Select sql;      // the list query; its aliases are the column headers
    QVector<int> widths; // twips from column 0; empty: the grid's defaults
    // The columns of codes, login names, phones, faxes, postcodes, tax
    // numbers and accounts, shown whole like numbers (the key, column 1, of
    // most lists). Every other column that holds text is free text, as wide
    // as its values up to a readable width.
    QVector<int> codeColumns{1};
};

// The six groups of the navigation bar and the items of each, in order.
struct NavGroup {
    QString caption;
    QVector<int> codes;
};

const QVector<NavGroup> &navigationGroups();

// The list of a navigation code, or nullptr for an unknown code.
const ListSpec *listSpec(int code);
const QVector<ListSpec> &allListSpecs();

// The two column headers of a code-and-name list (504-513), such as
// "验货人编码" and "验货人名称"; their editors read a record under the same
// captions. Empty for any other code.
QStringList codeNameHeaders(int code);

// The widths of list 602 for anyone but the administrator: every column hidden.
QVector<int> hiddenOperatorWidths();
