#pragma once

#include <QString>

// The messages of the record editors (title "错误", critical icon).
namespace editortext {

inline QString duplicate() { return QStringLiteral("该编号已经存在！"); }
inline QString incomplete() { return QStringLiteral("请将数据填写完整！"); }
// The record to modify is not (or no longer) in the table.
inline QString recordGone() { return QStringLiteral("该记录已不存在，无法修改！"); }
// A combo text that names no row of its table, e.g. "商品类别".
inline QString unknownCode(const QString &field)
{
    return QStringLiteral("%1不存在，请从列表中选择！").arg(field);
}
// A number box that does not hold a plain number.
inline QString notANumber(const QString &field) { return QStringLiteral("%1必须为数字！").arg(field); }
inline QString numberTooLarge(const QString &field) { return QStringLiteral("%1超出范围！").arg(field); }
inline QString passwordMismatch() { return QStringLiteral("密码与确认密码不一致！"); }

} // namespace editortext
