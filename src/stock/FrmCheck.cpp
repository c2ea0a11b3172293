#include "FrmCheck.h"

#include "CountStore.h"
#include "bills/BillFields.h"
#include "core/AppState.h"
#include "platform/ui/Msg.h"

#include <QDateTime>
#include <QPushButton>

namespace {

using namespace billfields;

BillKind stockCount()
{
    BillKind s;
    s.windowName = QStringLiteral("FrmCheck");
    s.caption = QStringLiteral("盘点单");
    s.title = QStringLiteral("盘  点  单");
    s.gridName = QStringLiteral("CheckGrd");
    s.logNoun = QStringLiteral("的盘点单");
    s.printForm = QStringLiteral("FrmCheckDetailPrint");
    s.places.client = QSize(10890, 6000);
    s.places.frame = QRect(0, 0, 10890, 5640);
    s.places.title = QRect(4668, 300, 1560, 285);
    s.places.grid = QRect(120, 1440, 10755, 3795);
    s.places.commands = {{QStringLiteral("cmd_Print"), QRect(0, 5700, 800, 300)},
                         {QStringLiteral("cmd_ModifyStorage"), QRect(840, 5700, 975, 300)},
                         {QStringLiteral("cmd_Save"), QRect(9270, 5700, 800, 300)},
                         {QStringLiteral("cmd_Exit"), QRect(10095, 5700, 800, 300)}};
    // Number, date and checker side by side in one row; Enter starts on
    // the checker and hands on to the grid after the number.
    s.fields = {number("txt_CheckID", QRect(900, 960, 1665, 180), "盘点单号"), billDate(QRect(5100, 960, 1695, 180)),
                party(QStringLiteral("Checker"), "Label4", QRect(9000, 960, 1695, 180)), remark(), maker(9150)};
    s.focusOrder = {QStringLiteral("txt_Checker"), QStringLiteral("txt_OperateDate"), QStringLiteral("cmb_Checker"),
                    QStringLiteral("txt_Remark"),  QStringLiteral("txt_CheckID"),     QStringLiteral("CheckGrd")};
    s.tabTail = {QStringLiteral("cmd_Print"), QStringLiteral("txtF"), QStringLiteral("cmd_ModifyStorage"),
                 QStringLiteral("cmd_Exit"), QStringLiteral("cmd_Save")};
    s.requiredTail = QStringLiteral("制单日期、单据号、盘点人均为必填项。");
    s.fewRowsTail = s.noContentTail = QStringLiteral("请输入商品编码及其盘点数量！");
    s.columns = goodsColumns(800) + QVector<GridColumn>{{QStringLiteral("库位"), 1000, ColRole::GoodsStorage},
                                                        {QStringLiteral("帐存数量"), 800, ColRole::BookQty},
                                                        {QStringLiteral("盘点数量"), 800, ColRole::CountQty},
                                                        {QStringLiteral("盈亏"), 800, ColRole::ProfitLoss},
                                                        {QStringLiteral("盈亏数量"), 800, ColRole::Diff},
                                                        {QStringLiteral("原因"), 1600, ColRole::Reason}};
    s.enterOrder = {ColRole::Code, ColRole::CountQty, ColRole::Reason};
    s.hasTotalRow = false;
    countedGoods(s);
    s.headTable = QStringLiteral("CheckNumber");
    s.numberColumn = QStringLiteral("CheckID");
    s.lineTable = QStringLiteral("CheckNumberDetail");
    s.lineNumberColumn = QStringLiteral("CheckID");
    s.lineColumns = {{QStringLiteral("GoodsID"), ColRole::Code},
                     {QStringLiteral("StorageNumber"), ColRole::BookQty},
                     {QStringLiteral("CheckNumber"), ColRole::CountQty},
                     {QStringLiteral("ProfitLoss"), ColRole::ProfitLoss},
                     {QStringLiteral("Reason"), ColRole::Reason}};
    // Every stored line is shown, also when its goods item or the goods
    // item's storage row is gone, so a save never drops one.
    // The difference is computed as the line is read, as the window does.
    s.lineSql = Select(
        QStringLiteral(
            "select A.GoodsID as 商品编码,B.GoodsName as 商品名称,B.Unit as 单位,B.Model as 规格型号,C.StorageName as 库位,"
            "A.StorageNumber as 帐存数量,A.CheckNumber as 盘点数量,A.ProfitLoss as 盈亏,"
            "A.CheckNumber-A.StorageNumber as 盈亏数量,A.Reason as 原因 from CheckNumberDetail as A "
            "left join Product as B on B.GoodsID=A.GoodsID left join Storage as C on C.StorageID=B.StorageID "
            "where A.CheckID=? Order By A.LineID"),
        {DerivedColumn{QStringLiteral("盈亏数量"), QStringLiteral("盘点数量"), QStringLiteral("帐存数量"),
                       DerivedColumn::Difference}});
    s.closeAfterSave = true;
    return s;
}

} // namespace

const BillKind &stockCountKind()
{
    static const BillKind kind = stockCount();
    return kind;
}

FrmCheck::FrmCheck(AppState &state, int mode, const QString &id, QWidget *parent)
    : KindWindow(state, mode, id, parent)
{
    QPushButton *apply = addCommand(QStringLiteral("cmd_ModifyStorage"), QStringLiteral("修改库存"));
    onePress().connect(apply, [this] { modifyStorage(); });
}

bool FrmCheck::modifyStorage()
{
    return runCommand([this] {
        QVector<CountedGoods> counted;
        if (const auto fail = countedLines(kind(), lines(), store(), &counted)) {
            msg::critical(this, QStringLiteral("错误"), fail->message);
            return false;
        }
        if (!msg::yesNo(this, QStringLiteral("系统提示"), QStringLiteral("确实要将库存商品的数量修改为当前盘点数量？")))
            return false;
        CountStore(state().db)
            .apply(fieldText(kind().field(FieldKind::Number)->box).trimmed(), counted, state().currentOperatorID,
                   QDateTime::currentDateTime());
        return true;
    });
}
