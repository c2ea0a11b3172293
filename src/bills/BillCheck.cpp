#include "BillCheck.h"

#include "platform/ui/Msg.h"
#include "BillGrid.h"
#include "BillNumbers.h"
#include "BillStore.h"
#include "platform/db/DbError.h"

QDate parseBillDate(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char('/'), QLatin1Char('-'));
    t.replace(QLatin1Char('.'), QLatin1Char('-'));
    const QDate d = QDate::fromString(t, QStringLiteral("yyyy-M-d"));
    return d.isValid() && d.year() >= 1900 ? d : QDate();
}

std::optional<CheckFailure> checkCountedQty(const BillGrid &grid, int row, double *value)
{
    double counted = 0;
    if (!billnum::strictNumber(grid.cell(row, ColRole::CountQty), &counted))
        return CheckFailure{QStringLiteral("请在第%1行输入正确的盘点数量！").arg(row), QString()};
    if (value)
        *value = counted;
    return std::nullopt;
}

CheckFailure numberTaken(const BillKind &kind)
{
    return CheckFailure{QStringLiteral("该编号已经存在！"), kind.field(FieldKind::Number)->box};
}

std::optional<CheckFailure> saveChecked(const BillKind &kind, BillStore &store, const BillDraft &draft,
                                        QStringList *savedCodes)
{
    try {
        const QStringList codes = store.save(draft);
        if (savedCodes)
            *savedCodes = codes;
    } catch (const DbError &) {
        if (draft.mode != 1 || !dbfault::keyTakenMeanwhile([&] { return store.numberExists(draft.number); }))
            throw;
        return numberTaken(kind);
    }
    return std::nullopt;
}

std::optional<CheckFailure> checkBill(const BillKind &kind, int mode, QVector<FieldInput> &header,
                                      const BillGrid &grid, const BillStore &store,
                                      const QVector<CodeItem> &storageItems)
{
    const QString required = kind.requiredTail.isEmpty()
                                 ? QStringLiteral("请将数据填写完整！")
                                 : QStringLiteral("请将数据填写完整！\n") + kind.requiredTail;
    for (const FieldInput &in : header) {
        if (in.field->kind == FieldKind::Number && mode == 1 && store.numberExists(in.text))
            return numberTaken(kind);
    }
    for (const FieldInput &in : header) {
        if (in.field->required && in.text.trimmed().isEmpty())
            return CheckFailure{required, QString()};
    }
    for (FieldInput &in : header) {
        const HeaderField &f = *in.field;
        if (in.text.trimmed().isEmpty())
            continue;
        if (f.kind == FieldKind::Date && !parseBillDate(in.text).isValid())
            return CheckFailure{QStringLiteral("%1“%2”不是有效的日期，请按“年-月-日”输入！").arg(f.what, msg::quoted(in.text.trimmed())),
                                f.box};
        if (f.kind == FieldKind::CodeName && (in.code = store.masterCode(f, in.code)).isEmpty())
            return CheckFailure{QStringLiteral("%1“%2”不存在，请从列表中选择！").arg(f.what, msg::quoted(in.text.trimmed())), f.box};
    }

    const QString gridEmpty = QStringLiteral("请在表格中输入数据！\n");
    if (grid.rows() < (kind.hasTotalRow ? 3 : 2))
        return CheckFailure{gridEmpty + kind.fewRowsTail, QString()};
    bool anyContent = false;
    for (int r = 1; r <= grid.lastLine() && !anyContent; ++r)
        anyContent = grid.hasContent(r);
    if (!anyContent)
        return CheckFailure{gridEmpty + kind.noContentTail, QString()};

    return checkLines(kind, grid, store, storageItems);
}

std::optional<CheckFailure> checkLines(const BillKind &kind, const BillGrid &grid, const BillStore &store,
                                       const QVector<CodeItem> &storageItems)
{
    const int codeCol = kind.column(ColRole::Code);
    const int storageCol = kind.column(ColRole::Storage);
    for (int r = 1; r <= grid.lastLine(); ++r) {
        if (!grid.hasContent(r))
            continue;
        const QString line = QString::number(r);
        if (grid.cell(r, ColRole::Name).trimmed().isEmpty())
            return CheckFailure{QStringLiteral("请在第%1行输入正确的商品编码！").arg(line), QString(), r, codeCol};
        if (storageCol) {
            const QString code = grid.storageCode(r, storageItems);
            if (code.isEmpty() || !store.storageExists(code))
                return CheckFailure{QStringLiteral("请在第%1行输入正确的库位！").arg(line), QString(), r, storageCol};
        }
        if (kind.column(ColRole::CountQty)) {
            if (auto fail = checkCountedQty(grid, r))
                return fail;
        }
        if (kind.column(ColRole::Qty)) {
            double qty = 0, price = 0;
            if (!billnum::strictNumber(grid.cell(r, ColRole::Qty), &qty)
                || !billnum::strictNumber(grid.cell(r, ColRole::Price), &price) || billnum::lineAmount(qty, price) == 0)
                return CheckFailure{QStringLiteral("请在第%1行输入正确的数量和单价！").arg(line), QString()};
        }
    }
    return std::nullopt;
}
