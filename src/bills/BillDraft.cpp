#include "BillDraft.h"

#include "BillGrid.h"
#include "BillNumbers.h"
#include "masterdata/FieldInput.h"

namespace {

QVariant headValue(const FieldInput &in)
{
    switch (in.field->kind) {
    case FieldKind::Date: return parseBillDate(in.text).toString(QStringLiteral("yyyy-MM-dd"));
    case FieldKind::CodeName:
    case FieldKind::Operator: return in.code;
    default: return in.text.trimmed();
    }
}

} // namespace

BillDraft billDraft(const DraftInput &in)
{
    BillDraft d;
    d.mode = in.mode;
    d.linkedOrder = in.mode == 1 ? in.linkedOrder.trimmed() : QString();
    d.operatorId = in.operatorId;
    d.when = in.when;
    for (const FieldInput &h : in.header) {
        if (h.field->kind == FieldKind::Number)
            d.number = h.text.trimmed();
        else if (!h.field->column.isEmpty())
            d.head.append({h.field->column, headValue(h)});
    }
    const BillGrid &g = in.lines;
    for (int r = 1; r <= g.lastLine(); ++r) {
        if (!g.namesGoods(r))
            continue;
        BillLine line;
        line.goodsId = g.cell(r, ColRole::Code).trimmed();
        double qty = 0, price = 0;
        billnum::strictNumber(g.cell(r, ColRole::Qty), &qty);
        billnum::strictNumber(g.cell(r, ColRole::Price), &price);
        line.qty = qty;
        for (const LineColumn &c : in.kind.lineColumns) {
            switch (c.role) {
            case ColRole::Code: line.values << line.goodsId; break;
            case ColRole::Storage: line.values << g.storageCode(r, in.storages); break;
            case ColRole::Qty: line.values << qty; break;
            case ColRole::Price: line.values << price; break;
            case ColRole::Extra:
            case ColRole::BookQty:
            case ColRole::CountQty: line.values << billnum::val(g.cell(r, c.role)); break;
            default: line.values << g.cell(r, c.role).trimmed(); break;
            }
        }
        d.lines.append(line);
    }
    d.amount = g.linesTotal();
    return d;
}
