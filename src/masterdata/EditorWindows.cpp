#include "EditorWindows.h"

#include "CodeNameEditor.h"
#include "FrmGoods.h"
#include "FrmOperator.h"
#include "PartnerEditor.h"
#include "core/FrmChangePassword.h"
#include "core/WindowRegistry.h"

void registerEditorWindows(WindowRegistry &registry)
{
    registry.addEditor({303, 501}, QStringLiteral("FrmGoods"), [](AppState &s, const QString &id, QWidget *p) {
        return new FrmGoods(s, id, p);
    });
    for (const PartnerKind &kind : partnerKinds()) {
        registry.addEditor({kind.navCode}, kind.window, [&kind](AppState &s, const QString &id, QWidget *p) {
            return new PartnerEditor(kind, s, id, p);
        });
    }
    for (const CodeNameKind &kind : codeNameKinds()) {
        registry.addEditor({kind.navCode}, kind.window, [&kind](AppState &s, const QString &id, QWidget *p) {
            return new CodeNameEditor(kind, s, id, p);
        });
    }
    registry.addEditor({602}, QStringLiteral("FrmOperator"), [](AppState &s, const QString &id, QWidget *p) {
        return new FrmOperator(s, id, p);
    });
    registry.addWindow(QStringLiteral("FrmChangePassword"), [](AppState &s, QWidget *p) {
        return new FrmChangePassword(s, p);
    });
}
