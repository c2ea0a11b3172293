#pragma once

#include "BillKind.h"

// The pieces bill kinds are made of: header fields, the goods columns and
// the goods queries, so that each kind only states what is its own.
namespace billfields {

// A header box at place (twips, in the frame); required unless it is the
// remark or the maker.
HeaderField field(FieldKind kind, const char *label, const char *labelName, const char *box, const char *column,
                  const char *what, const QRect &place, const char *alias, const char *nameAlias = "");
// A box over a hidden list of "code-name" items of a master table whose
// code and name columns are <table>ID and <table>Name; the box is
// txt_<name>, the list cmb_<name>.
HeaderField codeName(const char *label, const char *labelName, const char *name, const char *column,
                     const char *what, const QRect &place, const char *alias, const char *nameAlias,
                     const char *table, bool presetFirst = false);
// A partner or staff box over the rows of one of the master tables
// Supplier, Customer, Buyer, Saler, Accepter, Returner, Checker, with the
// label, the word messages use and the aliases it loads from that every
// bill gives that table; label overrides the label.
HeaderField party(const QString &table, const char *labelName, const QRect &place, bool presetFirst = false,
                  const QString &label = QString());
// The bill date "制单日期：", loaded from the alias 制单日期.
HeaderField billDate(const QRect &place);
// The bill number box, loaded from the given alias; never saved as a column.
HeaderField number(const char *box, const QRect &place, const char *alias);
// "备注：" and "制单人：" below the grid, at 5325 twips; the maker loads with
// its name from Operator.
HeaderField remark(int left = 840, int width = 4095);
HeaderField maker(int left = 7200, int width = 1365);

// 商品编码, 商品名称, 单位, 规格型号.
QVector<GridColumn> goodsColumns(int modelWidth);

// The goods a typed code or the picker brings, priced from the goods
// item's own price column (BuyUnitPrice or SaleUnitPrice), shown under
// priceAlias when typed and under 单价 when picked. With storage, the
// typed code also brings the goods item's storage.
void priceGoods(BillKind &kind, const QString &priceColumn, const QString &priceAlias, bool withStorage);
// The goods of a stock count: a typed code or the picker brings the goods
// item's storage and its stock on the books (帐存数量), no price.
void countedGoods(BillKind &kind);

// "select ... from <lineTable> as A,Product as B [,Storage as C] where A.<key>=? ... Order By A.LineID":
// the goods columns of a bill's stored lines followed by the given select
// list; joins Storage as C on the line's own StorageID when the select
// list needs it.
QString lineSql(const QString &lineTable, const QString &key, const QString &select, bool withStorage = false);

} // namespace billfields
