// Two desks on one database file: a save that meets the other desk's write
// lock waits for it, and one that waits longer than the busy timeout says
// so in Chinese, saves nothing and keeps the window's input.
#include "BackupTestData.h"
#include "BillKit.h"
#include "EditorKit.h"
#include "OtherDesk.h"

#include "core/FrmChangePassword.h"
#include "core/FrmLogin.h"
#include "core/GenFunc.h"
#include "core/Passwords.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"
#include "purchasing/FrmPay.h"
#include "purchasing/FrmBuyIn.h"
#include "purchasing/FrmBuyOrder.h"
#include "sales/FrmIncome.h"
#include "sales/FrmSaleOrder.h"
#include "sales/FrmSaleOut.h"
#include "sales/FrmSaleReturn.h"
#include "stock/FrmCheck.h"

#include <QDir>
#include <QStyleHints>
#include <QtTest>

#include <functional>

namespace {

// One kind of save, made the way the operator makes it.
struct SaveKind {
    // Opens the window and types the input in.
    std::function<std::unique_ptr<QDialog>(TestApp &)> open;
    // Presses the window's save.
    std::function<void(QDialog *)> save;
    QString savedSql;     // counts the rows the save writes: 0 before, 1 after
    const char *inputBox; // a box whose typed text a failed save keeps
    QString typed;
    bool closesAfterSave;
};

std::unique_ptr<QDialog> loaded(std::unique_ptr<QDialog> w)
{
    auto *l = dynamic_cast<LoadableWindow *>(w.get());
    if (l && !l->load())
        return nullptr;
    w->show();
    return w;
}

// A bill typed in: its number, its partner and staff from their lists, a
// remark, and one line walked with Enter.
std::unique_ptr<QDialog> typeBill(std::unique_ptr<BillWindow> w, const char *numberBox, const QString &number,
                                  const QStringList &parties, const QStringList &line)
{
    if (!w->load())
        return nullptr;
    w->show();
    typeInto(w.get(), numberBox, number);
    for (const QString &p : parties)
        billkit::pick(*w, p.section(QLatin1Char(' '), 0, 0), p.section(QLatin1Char(' '), 1));
    typeInto(w.get(), "txt_Remark", QStringLiteral("到货验收"));
    billkit::fillLine(*w, 1, line);
    return w;
}

const SaveKind &saveKind(const QString &name)
{
    static const QHash<QString, SaveKind> kinds{
        {QStringLiteral("code-and-name record"),
         {[](TestApp &app) {
              auto w = openEditor(app, 509);
              typeInto(w.get(), "txt_BuyerID", QStringLiteral("B9"));
              typeInto(w.get(), "txt_BuyerName", QStringLiteral("新采购员"));
              return w;
          },
          [](QDialog *w) { press(w, "cmd_OK"); }, QStringLiteral("select count(*) from Buyer where BuyerID='B9'"),
          "txt_BuyerName", QStringLiteral("新采购员"), true}},
        {QStringLiteral("goods"),
         {[](TestApp &app) {
              auto w = openEditor(app, 501);
              typeInto(w.get(), "txt_GoodsID", QStringLiteral("G9"));
              typeInto(w.get(), "txt_GoodsName", QStringLiteral("锤子"));
              choose(w.get(), "cmb_ProductType", QStringLiteral("T1"));
              choose(w.get(), "cmb_Storage", QStringLiteral("1"));
              typeInto(w.get(), "txt_MinStorage", QStringLiteral("3"));
              return w;
          },
          [](QDialog *w) { press(w, "cmd_OK"); }, QStringLiteral("select count(*) from Product where GoodsID='G9'"),
          "txt_GoodsName", QStringLiteral("锤子"), true}},
        {QStringLiteral("goods receipt"),
         {[](TestApp &app) {
              // Three G1 at 2.5 in the goods' own storage.
              return typeBill(std::make_unique<FrmBuyIn>(app.state(), 1, QString()), "txt_ReceiveReceiptID",
                              QStringLiteral("R1"), {QStringLiteral("Supplier S1-"), QStringLiteral("Accepter A1-")},
                              {QStringLiteral("G1"), QString(), QStringLiteral("3"), QStringLiteral("2.5")});
          },
          [](QDialog *w) { static_cast<FrmBuyIn *>(w)->save(); },
          QStringLiteral("select count(*) from ReceiveReceipt where ReceiveReceiptID='R1'"), "txt_Remark",
          QStringLiteral("到货验收"), false}},
        {QStringLiteral("payable"),
         {[](TestApp &app) {
              auto w = loaded(std::make_unique<FrmPay>(app.state(), 1, QString()));
              if (w) {
                  chooseText(w.get(), "cmb_Supplier", QStringLiteral("S1-"));
                  chooseText(w.get(), "cmb_PayMode", QStringLiteral("P1-"));
                  typeInto(w.get(), "txt_MustPay", QStringLiteral("100"));
              }
              return w;
          },
          [](QDialog *w) { static_cast<FrmPay *>(w)->confirm(); },
          QStringLiteral("select count(*) from Pay where MustPay=100"), "txt_MustPay", QStringLiteral("100"), true}},
        {QStringLiteral("delivery"),
         {[](TestApp &app) {
              return typeBill(std::make_unique<FrmSaleOut>(app.state(), 1, QString()), "txt_SaleOutID",
                              QStringLiteral("D1"), {QStringLiteral("Customer C1-"), QStringLiteral("Saler Y1-")},
                              {QStringLiteral("G1"), QStringLiteral("1-"), QStringLiteral("3"), QStringLiteral("3")});
          },
          [](QDialog *w) { static_cast<BillWindow *>(w)->save(); },
          QStringLiteral("select count(*) from SaleOut where SaleOutID='D1'"), "txt_Remark", QStringLiteral("到货验收"),
          true}},
        {QStringLiteral("receivable"),
         {[](TestApp &app) {
              auto w = loaded(std::make_unique<FrmIncome>(app.state(), 1, QString()));
              if (w) {
                  chooseText(w.get(), "cmb_Customer", QStringLiteral("C1-"));
                  chooseText(w.get(), "cmb_PayMode", QStringLiteral("P1-"));
                  typeInto(w.get(), "txt_MustIncome", QStringLiteral("100"));
              }
              return w;
          },
          [](QDialog *w) { static_cast<VoucherWindow *>(w)->confirm(); },
          QStringLiteral("select count(*) from Income where MustIncome=100"), "txt_MustIncome", QStringLiteral("100"),
          true}},
        {QStringLiteral("stock count"),
         {[](TestApp &app) {
              return typeBill(std::make_unique<FrmCheck>(app.state(), 1, QString()), "txt_CheckID",
                              QStringLiteral("D1"), {QStringLiteral("Checker K1-")}, {QStringLiteral("G1"), QStringLiteral("5")});
          },
          [](QDialog *w) { static_cast<BillWindow *>(w)->save(); },
          QStringLiteral("select count(*) from CheckNumber where CheckID='D1'"), "txt_Remark", QStringLiteral("到货验收"),
          true}},
        {QStringLiteral("sales return"),
         {[](TestApp &app) {
              return typeBill(std::make_unique<FrmSaleReturn>(app.state(), 1, QString()), "txt_SaleReturnID", "D1",
                              {"Customer C1-", "Saler Y1-", "Accepter A1-"}, {"G1", "3", "3"});
          },
          [](QDialog *w) { static_cast<BillWindow *>(w)->save(); },
          QStringLiteral("select count(*) from SaleReturn where SaleReturnID='D1'"), "txt_Remark", "到货验收",
          true}},
        {QStringLiteral("sign-in"),
         {[](TestApp &app) {
              std::unique_ptr<QDialog> w = std::make_unique<FrmLogin>(app.state(), FrmLogin::Mode::SignInAgain);
              w->show();
              typeInto(w.get(), "txt_Password", QStringLiteral("admin"));
              return w;
          },
          [](QDialog *w) { press(w, "cmd_OK"); }, QStringLiteral("select count(*) from OperatorLog"), "txt_Password",
          QStringLiteral("admin"), true}},
        {QStringLiteral("password change"),
         {[](TestApp &app) {
              std::unique_ptr<QDialog> w = std::make_unique<FrmChangePassword>(app.state());
              w->show();
              typeInto(w.get(), "txt_OldPassword", QStringLiteral("admin"));
              typeInto(w.get(), "txt_NewPassword", QStringLiteral("neu"));
              typeInto(w.get(), "txt_ConfirmPassword", QStringLiteral("neu"));
              return w;
          },
          [](QDialog *w) { press(w, "cmd_OK"); }, QStringLiteral("select count(*) from Operator where UserPassword='neu'"),
          "txt_ConfirmPassword", QStringLiteral("neu"), false}},
    };
    return kinds.find(name).value();
}

int countOf(TestApp &app, const QString &sql)
{
    return app.db().scalar(sql).toInt();
}

// A double click: the second press waits in the event queue while the
// first one's work runs.
void pressTwice(QWidget *window, const QString &button)
{
    auto *b = window->findChild<QPushButton *>(button);
    const QPointF at = b->rect().center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(
            b, new QMouseEvent(type, at, b->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QTest::mouseClick(b, Qt::LeftButton);
    QCoreApplication::processEvents();
}

QString liveFile(TestApp &app)
{
    return QDir(app.dir()).filePath(QStringLiteral("hengyuan.db"));
}

} // namespace

class TestConcurrentSaves : public QObject
{
    Q_OBJECT

    void kinds()
    {
        QTest::addColumn<QString>("kind");
        for (const char *k : {"code-and-name record", "goods", "goods receipt", "payable", "delivery", "receivable",
                              "stock count"})
            QTest::newRow(k) << QString::fromUtf8(k);
    }

private slots:
    void busyTimeoutIsSet()
    {
        TestApp app;
        QVERIFY(app.ok());
        QCOMPARE(app.db().busyTimeout(), 5000);
        QCOMPARE(app.db().scalar(QStringLiteral("PRAGMA busy_timeout")).toInt(), 5000);
        app.db().setBusyTimeout(250);
        QCOMPARE(app.db().scalar(QStringLiteral("PRAGMA busy_timeout")).toInt(), 250);
    }

    void saveWaitsForTheOtherDesk_data() { kinds(); }
    void saveWaitsForTheOtherDesk()
    {
        QFETCH(QString, kind);
        const SaveKind &k = saveKind(kind);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto w = k.open(app);
        QVERIFY(w);
        QCOMPARE(countOf(app, k.savedSql), 0);
        const qint64 logBefore = app.count(QStringLiteral("OperatorLog"));

        // The other desk lets go well within the busy timeout.
        OtherDesk desk(liveFile(app));
        QVERIFY(desk.hold(1000));
        k.save(w.get());
        desk.release();

        QVERIFY2(box.count() == 0, qPrintable(box.lastText()));
        QCOMPARE(countOf(app, k.savedSql), 1);
        QCOMPARE(app.count(QStringLiteral("OperatorLog")), logBefore + 1);
        QCOMPARE(countOf(app, QStringLiteral("select count(*) from Storage where StorageID='其他'")), 0);
        QCOMPARE(w->isVisible(), !k.closesAfterSave);
    }

    void saveHeldUpTooLongChangesNothing_data() { kinds(); }
    void saveHeldUpTooLongChangesNothing()
    {
        QFETCH(QString, kind);
        const SaveKind &k = saveKind(kind);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        app.db().setBusyTimeout(100);
        msg::Recorder box;
        auto w = k.open(app);
        QVERIFY(w);
        const QStringList logBefore = app.log();

        // The other desk keeps the lock until the save has given up.
        OtherDesk desk(liveFile(app));
        QVERIFY(desk.hold(60000));
        k.save(w.get());
        desk.release();

        QCOMPARE(box.count(), 1);
        QCOMPARE(box.lastTitle(), QStringLiteral("错误"));
        QCOMPARE(int(box.shown().last().icon), int(msg::Icon::Critical));
        QVERIFY2(box.lastText().startsWith(dbfault::advice(DbFault::Busy) + QLatin1Char('\n')), qPrintable(box.lastText()));
        QVERIFY2(box.lastText().contains(QStringLiteral("database is locked")), qPrintable(box.lastText()));
        QCOMPARE(countOf(app, k.savedSql), 0);
        QCOMPARE(app.log(), logBefore);
        QCOMPARE(app.db().transactionDepth(), 0);
        QVERIFY(w->isVisible());
        QCOMPARE(textOf(w.get(), k.inputBox), k.typed);

        // The input kept is saved as it stands once the other desk is done.
        box.clear();
        k.save(w.get());
        QVERIFY2(box.count() == 0, qPrintable(box.lastText()));
        QCOMPARE(countOf(app, k.savedSql), 1);
    }

    // A second press while the first one's save waits for the other desk,
    // or within the double-click interval of the first, does nothing: one
    // record, no message, the window closed or, after "新增" or where a save
    // keeps it open, ready for the next.
    void secondPressDoesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("via"); // a bill's button opening the voucher pressed twice
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("after"); // ms from the first press; -1: while the first waits
        QTest::newRow("payable from a receipt") << "goods receipt" << "cmd_Pay" << "cmd_OK" << -1;
        QTest::newRow("receivable") << "receivable" << "" << "cmd_OK" << -1;
        QTest::newRow("delivery") << "delivery" << "" << "cmd_Save" << -1;
        QTest::newRow("sales return") << "sales return" << "" << "cmd_Save" << -1;
        QTest::newRow("stock count") << "stock count" << "" << "cmd_Save" << -1;
        QTest::newRow("goods") << "goods" << "" << "cmd_OK" << -1;
        QTest::newRow("code-and-name record, 新增") << "code-and-name record" << "" << "cmd_Add" << -1;
        QTest::newRow("goods receipt, 30 ms") << "goods receipt" << "" << "cmd_Save" << 30;
        QTest::newRow("payable, 新增 80 ms") << "payable" << "" << "cmd_Add" << 80;
        QTest::newRow("code-and-name record, 新增 150 ms") << "code-and-name record" << "" << "cmd_Add" << 150;
        QTest::newRow("delivery, 300 ms") << "delivery" << "" << "cmd_Save" << 300;
        QTest::newRow("sign-in, 300 ms") << "sign-in" << "" << "cmd_OK" << 300;
        QTest::newRow("password change, Enter twice 80 ms") << "password change" << "" << "Enter" << 80;
    }
    void secondPressDoesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, via);
        QFETCH(QString, button);
        QFETCH(int, after);
        const SaveKind &k = saveKind(kind);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        modal::Script script;
        auto w = k.open(app);
        QVERIFY(w);
        QPushButton elsewhere; // another window, where the rest of a double click may land
        elsewhere.show();
        QSignalSpy elsewhereClicked(&elsewhere, &QPushButton::clicked);
        PressClock clock;
        const auto pressOnce = [&] {
            button == "Enter" ? QTest::keyClick(child<QWidget>(w.get(), k.inputBox), Qt::Key_Return)
                              : press(w.get(), qPrintable(button));
        };
        if (after >= 0) {
            pressOnce();
            clock.advance(after);
        }
        bool voucherOpen = true;
        script.then([&](QDialog *voucher) {
            chooseText(voucher, "cmb_PayMode", QStringLiteral("P1-"));
            pressTwice(voucher, button);
            voucherOpen = voucher->isVisible();
        });
        OtherDesk desk(liveFile(app));
        QVERIFY(desk.hold(300));
        if (after >= 0)
            pressOnce();
        else if (via.isEmpty())
            pressTwice(w.get(), button);
        else
            press(w.get(), qPrintable(via));
        desk.release();
        QVERIFY2(box.count() == 0, qPrintable(box.lastText()));
        const QString payable = QStringLiteral("select count(*) from Pay where BuyInID='R1'");
        QCOMPARE(countOf(app, via.isEmpty() ? k.savedSql : payable), 1);
        const bool open = via.isEmpty() ? w->isVisible() && w->findChildren<QPushButton *>().first()->isEnabled()
                                        : voucherOpen;
        QCOMPARE(open, button == QLatin1String("cmd_Add") || (via.isEmpty() && !k.closesAfterSave));
        // Where the press closed its window, the rest of the double click does nothing.
        QTest::mouseClick(&elsewhere, Qt::LeftButton);
        clock.advance(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        QTest::mouseClick(&elsewhere, Qt::LeftButton);
        QCOMPARE(elsewhereClicked.count(), open ? 2 : 1);
    }

    // The other desk saves the same new number between this one's check and save.
    void aNumberTakenMeanwhileIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("otherSave");
        QTest::newRow("goods receipt") << "goods receipt" << "insert into ReceiveReceipt(ReceiveReceiptID) values('R1')";
        QTest::newRow("delivery") << "delivery" << "insert into SaleOut(SaleOutID) values('D1')";
    }
    void aNumberTakenMeanwhileIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, otherSave);
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        msg::Recorder box;
        auto w = saveKind(kind).open(app);
        auto *bill = dynamic_cast<BillWindow *>(w.get());
        OtherDesk desk(liveFile(app));
        const QByteArray write = otherSave.toUtf8();
        QVERIFY(desk.hold(300, write.constData()));
        bill->save();
        desk.release();
        QCOMPARE(box.lastTitle() + box.lastText(), QStringLiteral("错误该编号已经存在！"));
        QCOMPARE(int(box.shown().last().icon), int(msg::Icon::Critical));
        QCOMPARE(bill->focusWidget()->objectName(), bill->kind().field(FieldKind::Number)->box);
        QVERIFY(bill->isVisible());
        QCOMPARE(app.count(bill->kind().lineTable) + app.count(QStringLiteral("OperatorLog")), 0);
    }

    void restoreWaitsForTheOtherDesk_data()
    {
        QTest::addColumn<bool>("released");
        QTest::newRow("released in time") << true;
        QTest::newRow("held past the busy timeout") << false;
    }
    void restoreWaitsForTheOtherDesk()
    {
        QFETCH(bool, released);
        backuptest::BackedUp b;
        QVERIFY(b.ok());
        if (!released)
            b.app.db().setBusyTimeout(100);
        OtherDesk desk(liveFile(b.app));
        QVERIFY(desk.hold(released ? 1000 : 60000));
        QString error;
        try {
            dbop::restoreSqlite(b.app.db().sqliteHandle(), b.file);
        } catch (const DbError &e) {
            error = e.text();
        }
        desk.release();
        const QStringList po1{QStringLiteral("PO1")}, both{QStringLiteral("PO1"), QStringLiteral("PO2")};
        QCOMPARE(backuptest::orders(b.app.db()), released ? po1 : both);
        if (released)
            QCOMPARE(error, QString());
        else
            QVERIFY2(error.startsWith(dbfault::advice(DbFault::Busy)), qPrintable(error));
    }

    // An order modified on one desk while another desk delivers (or
    // receives) against it keeps what the other desk booked.
    void orderKeepsWhatAnotherDeskBooked_data()
    {
        QTest::addColumn<bool>("sales");
        QTest::newRow("sales order") << true;
        QTest::newRow("purchase order") << false;
    }
    void orderKeepsWhatAnotherDeskBooked()
    {
        QFETCH(bool, sales);
        const BillKind &order = sales ? FrmSaleOrder::billKind() : FrmBuyOrder::billKind();
        const BillKind &movement = sales ? FrmSaleOut::billKind() : FrmBuyIn::billKind();
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        BillStore desk(app.db(), order);
        BillDraft d;
        d.number = QStringLiteral("O1");
        d.head = {{QStringLiteral("OperateDate"), QStringLiteral("2026-12-01")},
                  {sales ? QStringLiteral("CustomerID") : QStringLiteral("SupplierID"), sales ? "C1" : "S1"},
                  {sales ? QStringLiteral("SalerID") : QStringLiteral("BuyerID"), sales ? "Y1" : "B1"}};
        d.lines << BillLine{QStringLiteral("G1"), 2, {QStringLiteral("G1"), 2.0, 3.0, 0.0}};
        desk.save(d);
        d.mode = 2; // opened for modify: nothing booked yet as loaded
        msg::Recorder box;
        BillWindow w(app.state(), order, 2, d.number);
        w.show();
        QVERIFY(w.load());

        Database other(QStringLiteral("other desk"));
        other.open(app.db().target());
        BillDraft booked{1, QStringLiteral("M1")};
        booked.linkedOrder = d.number;
        booked.lines << BillLine{QStringLiteral("G1"), 2, {QStringLiteral("G1"), QStringLiteral("1"), 2.0, 3.0}};
        BillStore(other, movement).save(booked);
        other.close();

        desk.save(d);
        QCOMPARE(app.one(QStringLiteral("select %1 from %2").arg(order.lineColumns.last().column, order.lineTable)),
                 QStringLiteral("2"));
        // A window that stays open after its save shows what was stored.
        QVERIFY2(w.save(), qPrintable(box.lastText()));
        QCOMPARE(w.isVisible(), !order.closeAfterSave);
        if (w.isVisible())
            QCOMPARE(w.lines().cell(1, ColRole::Extra), QStringLiteral("2"));
    }

    // Writes of one statement outside a save wait as well.
    void singleWritesWait_data()
    {
        QTest::addColumn<QString>("write");
        QTest::newRow("sign-in log entry") << "log";
        QTest::newRow("password change") << "password";
    }
    void singleWritesWait()
    {
        QFETCH(QString, write);
        TestApp app;
        QVERIFY(app.ok());
        OtherDesk desk(liveFile(app));
        QVERIFY(desk.hold(1000));
        if (write == QStringLiteral("log"))
            writeOperatorLog(app.db(), QStringLiteral("Administrator"), QDateTime::currentDateTime(),
                             QStringLiteral("系统登录"));
        else
            setPassword(app.db(), QStringLiteral("Administrator"), QStringLiteral("新密码"));
        desk.release();
        if (write == QStringLiteral("log"))
            QCOMPARE(app.log(), QStringList{QStringLiteral("系统登录")});
        else
            QCOMPARE(storedPassword(app.db(), QStringLiteral("Administrator")), QStringLiteral("新密码"));
    }
};

QTEST_MAIN(TestConcurrentSaves)
#include "test_concurrentsaves.moc"
