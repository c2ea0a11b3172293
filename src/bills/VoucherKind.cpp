#include "VoucherKind.h"

#include <QStringList>

VoucherKind voucherKind(const QString &window, const QString &noun, const QString &stem, const QString &partnerTable,
                        const QString &partnerLabel, const QString &partnerWord, const QString &billColumn)
{
    VoucherKind k;
    k.windowName = window;
    k.caption = noun;
    QStringList chars;
    for (QChar c : noun)
        chars << QString(c);
    k.title = chars.join(QStringLiteral("  "));
    k.noun = noun;
    k.partnerLabel = partnerLabel;
    k.partnerCombo = QStringLiteral("cmb_") + partnerTable;
    k.partnerTable = partnerTable;
    k.partnerWord = partnerWord;
    k.partnerListSql =
        QStringLiteral("select %1ID as %2编号,%1Name as %2名称 from %1 Order By %1ID").arg(partnerTable, partnerWord);
    k.mustBox = QStringLiteral("txt_Must") + stem;
    k.haveBox = QStringLiteral("txt_Have") + stem;
    k.leftBox = QStringLiteral("txt_Left") + stem;
    const QString verb = noun.mid(1, 1); // 付, 收
    k.mustWord = QStringLiteral("应") + verb + QStringLiteral("金额");
    k.haveWord = QStringLiteral("已") + verb + QStringLiteral("金额");
    k.table = stem;
    k.idColumn = stem + QStringLiteral("ID");
    k.partnerColumn = partnerTable + QStringLiteral("ID");
    k.mustColumn = QStringLiteral("Must") + stem;
    k.haveColumn = QStringLiteral("Have") + stem;
    k.billColumn = billColumn;
    k.loadSql = QStringLiteral("select A.%1 as %2单号,A.OperateDate as 制单日期,A.%3 as %4编码,B.%5Name as %4名称,"
                               "A.PayModeID as 支付方式代号,C.PayModeName as 支付方式名称,A.%6 as %7,A.%8 as %9,"
                               "A.Remark as 备注 from %10 as A ")
                    .arg(k.idColumn, noun, k.partnerColumn, partnerWord, partnerTable, k.mustColumn, k.mustWord,
                         k.haveColumn, k.haveWord)
                    .arg(k.table)
                + QStringLiteral("left join %1 as B on B.%2=A.%2 left join PayMode as C on C.PayModeID=A.PayModeID "
                                 "where A.%3=?")
                      .arg(partnerTable, k.partnerColumn, k.idColumn);
    return k;
}
