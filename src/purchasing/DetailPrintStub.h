#pragma once

#include <QString>

struct AppState;
class QWidget;

// Shows the named bill print form for state.printBillID, modally.
void showDetailPrint(AppState &state, const QString &formName, QWidget *parent);
