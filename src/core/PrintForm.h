#pragma once

#include "platform/db/ResultTable.h"
#include "platform/db/Select.h"

#include <QString>
#include <QVector>

struct AppState;
class QWidget;
class WindowRegistry;

// One print form: a row of data, not a class. A list form shows the main
// window's current list under its title; a detail form shows the stored
// lines of the bill numbered AppState::printBillID under its title prefix
// and that number, with the sum of 金额 under the lines.
struct PrintForm {
    enum Kind { List, Detail };

    QString name;             // the window's objectName, e.g. FrmBuyInPrint
    Kind kind = List;
    QString title;            // a list's title, or a bill's title prefix
    QVector<int> codes = {};  // list: the navigation codes whose preview shows it
    Select lineSql = {};      // detail: the bill window's own line query; bound: the number
};

// Registers list forms for their navigation codes (the main window keeps one
// open at a time per name) and detail forms by name, for showDetailPrint().
void registerPrintForms(WindowRegistry &registry, const QVector<PrintForm> &forms);

// The preview of a list form, built from a snapshot of the current list
// (none for a list that could not be read); a detail form's preview after
// loading its bill's lines into state.detailRs. Both give nullptr after
// showing "错误" with the reason.
QWidget *makeListPrint(AppState &state, const PrintForm &form);
QWidget *makeDetailPrint(AppState &state, const PrintForm &form, QWidget *parent);

// What a bill window's "打印" runs once it has put its number box's text
// into state.printBillID: the named detail form, fresh and modal.
void showDetailPrint(AppState &state, const QString &formName, QWidget *parent);
