#include "BillFields.h"

namespace billfields {

HeaderField field(FieldKind kind, const char *label, const char *labelName, const char *box, const char *column,
                  const char *what, const QRect &place, const char *alias, const char *nameAlias)
{
    HeaderField f;
    f.kind = kind;
    f.label = QString::fromUtf8(label);
    f.labelName = QString::fromLatin1(labelName);
    f.box = QString::fromLatin1(box);
    f.column = QString::fromLatin1(column);
    f.what = QString::fromUtf8(what);
    f.required = kind != FieldKind::Text && kind != FieldKind::Operator;
    f.place = place;
    f.loadAlias = QString::fromUtf8(alias);
    f.loadNameAlias = QString::fromUtf8(nameAlias);
    return f;
}

HeaderField codeName(const char *label, const char *labelName, const char *name, const char *column,
                     const char *what, const QRect &place, const char *alias, const char *nameAlias,
                     const char *table, bool presetFirst)
{
    const QString n = QString::fromLatin1(name);
    HeaderField f = field(FieldKind::CodeName, label, labelName, "", column, what, place, alias, nameAlias);
    f.box = QStringLiteral("txt_") + n;
    f.combo = QStringLiteral("cmb_") + n;
    f.masterTable = QString::fromLatin1(table);
    f.masterId = f.masterTable + QStringLiteral("ID");
    f.masterName = f.masterTable + QStringLiteral("Name");
    f.presetFirstItem = presetFirst;
    return f;
}

HeaderField party(const QString &table, const char *labelName, const QRect &place, bool presetFirst,
                  const QString &label)
{
    struct Party {
        const char *table, *label, *what, *codeAlias, *nameAlias;
    };
    static const Party parties[] = {
        {"Supplier", "供 应 商：", "供应商", "供应商编码", "供应商名称"},
        {"Customer", "客    户：", "客户", "客户编码", "客户名称"},
        {"Buyer", "采购人：", "采购人", "采购人代号", "采购人名称"},
        {"Saler", "业务员：", "业务员", "业务员代号", "业务员名称"},
        {"Accepter", "验收人：", "验收人", "验收人代号", "验收人名称"},
        {"Returner", "退货人：", "退货人", "退货人代号", "退货人名称"},
        {"Checker", "盘点人：", "盘点人", "盘点人编码", "盘点人名称"},
    };
    for (const Party &p : parties) {
        if (table != QLatin1String(p.table))
            continue;
        const QByteArray name = table.toLatin1();
        const QByteArray column = name + "ID";
        HeaderField f = codeName(p.label, labelName, name.constData(), column.constData(), p.what, place,
                                 p.codeAlias, p.nameAlias, name.constData(), presetFirst);
        if (!label.isEmpty())
            f.label = label;
        return f;
    }
    Q_ASSERT_X(false, "billfields::party", "not a party table");
    return HeaderField();
}

HeaderField billDate(const QRect &place)
{
    return field(FieldKind::Date, "制单日期：", "Label1", "txt_OperateDate", "OperateDate", "制单日期", place,
                 "制单日期");
}

HeaderField number(const char *box, const QRect &place, const char *alias)
{
    return field(FieldKind::Number, "单据号：", "Label2", box, "", "单据号", place, alias);
}

HeaderField remark(int left, int width)
{
    return field(FieldKind::Text, "备注：", "Label6", "txt_Remark", "Remark", "备注", QRect(left, 5325, width, 180),
                 "备注");
}

HeaderField maker(int left, int width)
{
    HeaderField f = field(FieldKind::Operator, "制单人：", "Label7", "txt_Operator", "OperatorID", "制单人",
                          QRect(left, 5325, width, 180), "操作员代号", "操作员名称");
    f.masterTable = QStringLiteral("Operator");
    f.masterId = QStringLiteral("OperatorID");
    f.masterName = QStringLiteral("OperatorName");
    return f;
}

QVector<GridColumn> goodsColumns(int modelWidth)
{
    return {{QStringLiteral("商品编码"), 1000, ColRole::Code},
            {QStringLiteral("商品名称"), 2000, ColRole::Name},
            {QStringLiteral("单位"), 800, ColRole::Unit},
            {QStringLiteral("规格型号"), modelWidth, ColRole::Model}};
}

namespace {

// The goods queries of a kind: the typed code brings the goods item's
// column under alias (and its storage when asked), the picker under pickAlias.
void goodsQueries(BillKind &k, const QString &column, const QString &alias, const QString &pickAlias, bool withStorage)
{
    if (withStorage)
        k.lookupSql = QStringLiteral("select A.GoodsName as 商品名称,A.Unit as 单位,A.Model as 规格型号,"
                                     "B.StorageID as 库房编码,B.StorageName as 库房名称,A.%1 as %2 "
                                     "from Product as A,Storage as B where A.GoodsID=? and B.StorageID=A.StorageID")
                          .arg(column, alias);
    else
        k.lookupSql = QStringLiteral("select GoodsName as 商品名称,Unit as 单位,Model as 规格型号,%1 as %2 "
                                     "from Product where GoodsID=?")
                          .arg(column, alias);
    k.lookupFillsStorage = withStorage;
    // "%1" stays for the in-list of picked codes.
    k.pickSql = QStringLiteral("select A.GoodsID as 商品编号,A.GoodsName as 商品名称,A.Unit as 单位,A.Model as 规格型号,"
                               "B.StorageID as 库位编号,B.StorageName as 库位名称,A.") + column + QStringLiteral(" as ")
                + pickAlias
                + QStringLiteral(" from Product as A,Storage as B where A.GoodsID in (%1) "
                                 "and B.StorageID=A.StorageID Order by A.GoodsID");
}

} // namespace

void priceGoods(BillKind &k, const QString &priceColumn, const QString &priceAlias, bool withStorage)
{
    goodsQueries(k, priceColumn, priceAlias, QStringLiteral("单价"), withStorage);
    k.priceAlias = priceAlias;
    k.pickPriceAlias = QStringLiteral("单价");
}

void countedGoods(BillKind &k)
{
    const QString book = QStringLiteral("帐存数量");
    goodsQueries(k, QStringLiteral("NowStorage"), book, book, true);
    k.priceAlias.clear();
    k.pickPriceAlias.clear();
    k.bookQtyAlias = book;
}

QString lineSql(const QString &lineTable, const QString &key, const QString &select, bool withStorage)
{
    return QStringLiteral("select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,B.Model as 规格型号,%1 "
                          "from %2 as A,Product as B%3 where A.%4=? and B.GoodsID=A.GoodsID%5 Order By A.LineID")
        .arg(select, lineTable, withStorage ? QStringLiteral(",Storage as C") : QString(), key,
             withStorage ? QStringLiteral(" and C.StorageID=A.StorageID") : QString());
}

} // namespace billfields
