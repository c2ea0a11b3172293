#include "PrintForm.h"

#include "AppState.h"
#include "WindowRegistry.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "platform/ui/WaitCursor.h"

#include <QApplication>

#include <memory>

void registerPrintForms(WindowRegistry &registry, const QVector<PrintForm> &forms)
{
    for (const PrintForm &form : forms) {
        if (form.kind == PrintForm::List) {
            for (int code : form.codes)
                registry.addListPrint({code}, form.name, [form](AppState &st) { return makeListPrint(st, form); });
        } else {
            registry.addWindow(form.name,
                               [form](AppState &st, QWidget *parent) { return makeDetailPrint(st, form, parent); });
        }
    }
}

QWidget *makeListPrint(AppState &state, const PrintForm &form)
{
    // A list that could not be read has nothing to show: the preview says
    // why, as the list did.
    if (!state.listFailure.isEmpty()) {
        msg::error(QApplication::activeWindow(), QStringLiteral("无法预览%1：\n%2").arg(form.title, state.listFailure));
        return nullptr;
    }
    return ReportPreview::open(form.name, Report{form.title, state.listRs, false});
}

QWidget *makeDetailPrint(AppState &state, const PrintForm &form, QWidget *parent)
{
    try {
        WaitCursor wait;
        state.detailRs = state.db.query(form.lineSql, {state.printBillID.trimmed()});
    } catch (const DbError &e) {
        msg::error(parent, e.text());
        return nullptr;
    }
    return ReportPreview::open(form.name, Report{form.title + state.printBillID, state.detailRs, true}, parent);
}

void showDetailPrint(AppState &state, const QString &formName, QWidget *parent)
{
    const WindowRegistry::WindowFactory *make = WindowRegistry::standard().window(formName);
    if (!make)
        return;
    std::unique_ptr<QWidget> preview((*make)(state, parent));
    if (auto *dialog = qobject_cast<QDialog *>(preview.get()))
        modal::exec(dialog);
}
