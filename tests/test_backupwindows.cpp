// The backup and restore windows, driven through their controls: paths,
// questions, messages, the remembered backup path, the busy state, and the
// main window that opens them.
#include "BackupTestData.h"
#include "OtherDesk.h"

#include "core/FrmBackup.h"
#include "core/FrmMain.h"
#include "core/FrmRestore.h"
#include "platform/grid/TextGrid.h"
#include "platform/ini/IniFile.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Modal.h"
#include "platform/ui/Msg.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <QSqlDatabase>

#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

using namespace backuptest;

namespace {

using Shown = QList<msg::Shown>;

msg::Shown info(const QString &text)
{
    return msg::Shown{msg::Icon::Information, QStringLiteral("系统提示"), text};
}
msg::Shown critical(const QString &text)
{
    return msg::Shown{msg::Icon::Critical, QStringLiteral("系统提示"), text};
}
msg::Shown failure(const QString &text)
{
    return msg::Shown{msg::Icon::Critical, QStringLiteral("错误"), text};
}
const msg::Shown FirstRestoreQuestion{msg::Icon::Warning, QStringLiteral("系统提示"),
                                      QStringLiteral("还原数据库会覆盖当前数据，\n建议还原之前先备份数据库。\n确实要立即还原吗？")};
msg::Shown secondRestoreQuestion(const QString &file)
{
    return msg::Shown{msg::Icon::Question, QStringLiteral("系统提示"),
                      QStringLiteral("你选择的备份文件是%1，\n确实要将数据还原到该备份吗？").arg(file)};
}
const msg::Shown OverwriteQuestion{msg::Icon::Question, QStringLiteral("系统提示"),
                                   QStringLiteral("该备份已经存在，\n是否替换旧的备份文件？")};

QString describe(const Shown &shown)
{
    QStringList out;
    for (const msg::Shown &s : shown)
        out << QStringLiteral("%1|%2|%3").arg(int(s.icon)).arg(s.title, s.text);
    return out.join(QLatin1Char('\n'));
}

#define COMPARE_SHOWN(actual, expected) QCOMPARE(describe(actual), describe(expected))

// "ok,cancel": the answers to the questions, in turn.
void queueAnswers(msg::Recorder &box, const QString &answers)
{
    for (const QString &a : answers.split(QLatin1Char(','), Qt::SkipEmptyParts))
        box.answer(a == QStringLiteral("ok") ? QMessageBox::Ok : QMessageBox::Cancel);
}

BackupWindow *makeWindow(const QString &name, AppState &state, std::unique_ptr<DbOperation> op = nullptr)
{
    if (name == QStringLiteral("FrmBackup"))
        return new FrmBackup(state, nullptr, std::move(op));
    return new FrmRestore(state, nullptr, std::move(op));
}

QString backupPathIn(TestApp &app)
{
    return ini::read(app.state().setupIni(), QStringLiteral("file"), QStringLiteral("backuppath"));
}

// Key by key, Chinese included.
void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Types the path as the operator would and presses the window's OK button.
void typeAndRun(QWidget &w, const QString &path)
{
    auto *box = child<QLineEdit>(&w, "txt_Path");
    if (box->text() != path) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        typeText(box, path);
    }
    QTest::mouseClick(child<QPushButton>(&w, "cmd_OK"), Qt::LeftButton);
}

bool inputEnabled(QWidget &w)
{
    return child<QLineEdit>(&w, "txt_Path")->isEnabled() && child<QPushButton>(&w, "cmd_OK")->isEnabled()
           && child<QPushButton>(&w, "cmd_Cancel")->isEnabled() && child<QPushButton>(&w, "cmd_Browse")->isEnabled();
}

// Runs the given work in place of a backup or restore.
class ScriptedOperation : public DbOperation
{
public:
    ScriptedOperation(AppState &state, std::function<void()> work, bool background)
        : DbOperation(state), m_work(std::move(work)), m_background(background)
    {
    }
    Job backupJob(const QString &) override { return Job{m_work, m_background}; }
    Job restoreJob(const QString &) override { return Job{m_work, m_background}; }

private:
    std::function<void()> m_work;
    bool m_background;
};

class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestBackupWindows : public QObject
{
    Q_OBJECT

private slots:
    void controlsAndTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("pathLabel");
        QTest::addColumn<QString>("ok");
        QTest::addColumn<QString>("warningStart");
        QTest::addColumn<QStringList>("tabOrder");
        QTest::addColumn<QString>("focus");
        QTest::newRow("backup") << "FrmBackup" << "数据备份" << "将数据备份到" << "备份" << "    数据备份是为了"
                                << QStringList{"txt_Path", "cmd_Browse", "cmd_Cancel", "cmd_OK"} << "txt_Path";
        QTest::newRow("restore") << "FrmRestore" << "数据还原" << "将数据还原到" << "还原" << "    数据还原是为了"
                                 << QStringList{"cmd_OK", "cmd_Cancel", "cmd_Browse", "txt_Path"} << "cmd_OK";
    }
    void controlsAndTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, pathLabel);
        QFETCH(QString, ok);
        QFETCH(QString, warningStart);
        QFETCH(QStringList, tabOrder);
        QFETCH(QString, focus);
        TestApp app;
        QVERIFY(app.ok());
        std::unique_ptr<BackupWindow> w(makeWindow(name, app.state()));
        w->show();
        QCOMPARE(w->objectName(), name);
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(child<QGroupBox>(w.get(), "Frame1")->title(), QStringLiteral("警告"));
        QVERIFY(child<QLabel>(w.get(), "Label2")->text().startsWith(warningStart));
        QCOMPARE(child<QLabel>(w.get(), "Label1")->text(), pathLabel);
        QVERIFY(!child<QProgressBar>(w.get(), "Animation1")->isVisible());
        QCOMPARE(child<QPushButton>(w.get(), "cmd_OK")->text(), ok);
        QCOMPARE(child<QPushButton>(w.get(), "cmd_Browse")->text(), QStringLiteral("浏览"));
        QCOMPARE(child<QPushButton>(w.get(), "cmd_Cancel")->text(), QStringLiteral("关闭"));
        for (QPushButton *b : w->findChildren<QPushButton *>())
            QVERIFY(!b->isDefault() && !b->autoDefault());
        QCOMPARE(w->focusWidget()->objectName(), focus);
        QWidget *at = child<QWidget>(w.get(), qPrintable(tabOrder.first()));
        for (const QString &next : tabOrder.mid(1)) {
            at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus))
                at = at->nextInFocusChain();
            QCOMPARE(at->objectName(), next);
        }
        // About 5715 twips wide, and nothing cut off.
        QVERIFY2(qAbs(w->width() - geometry::px(5715)) < 40, qPrintable(QString::number(w->width())));
        QVERIFY(w->layout()->minimumSize().width() <= w->width());
        QVERIFY(w->layout()->minimumSize().height() <= w->height());
        QCOMPARE(w->minimumSize(), w->maximumSize());
    }

    void pathBoxAndOkButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("backup") << "FrmBackup";
        QTest::newRow("restore") << "FrmRestore";
    }
    void pathBoxAndOkButton()
    {
        QFETCH(QString, name);
        TestApp app;
        QVERIFY(app.ok());
        {
            // An empty path at opening leaves OK as it is.
            std::unique_ptr<BackupWindow> w(makeWindow(name, app.state()));
            QCOMPARE(child<QLineEdit>(w.get(), "txt_Path")->text(), QString());
            QVERIFY(child<QPushButton>(w.get(), "cmd_OK")->isEnabled());
        }
        ini::write(app.state().setupIni(), QStringLiteral("File"), QStringLiteral("BackupPath"),
                   QStringLiteral("/备份/上周.db"));
        std::unique_ptr<BackupWindow> w(makeWindow(name, app.state()));
        w->show();
        auto *box = child<QLineEdit>(w.get(), "txt_Path");
        auto *ok = child<QPushButton>(w.get(), "cmd_OK");
        QCOMPARE(box->text(), QStringLiteral("/备份/上周.db"));
        QVERIFY(ok->isEnabled());
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(box, QStringLiteral("/x"));
        QVERIFY(ok->isEnabled());
    }

    void browse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("result");
        QTest::newRow("backup, chosen") << "FrmBackup" << "" << "/data/新备份.db" << true << "Backup Files(*.db)"
                                        << "/data/新备份.db";
        QTest::newRow("backup, cancelled") << "FrmBackup" << "" << "" << true << "Backup Files(*.db)" << "/old/b.db";
        QTest::newRow("restore, chosen") << "FrmRestore" << "" << "/data/b.db" << false << "Backup Files(*.db)"
                                         << "/data/b.db";
        QTest::newRow("restore, cancelled") << "FrmRestore" << "" << "" << false << "Backup Files(*.db)"
                                            << "/old/b.db";
        QTest::newRow("server backup") << "FrmBackup" << "server sql" << "/srv/b.bak" << true
                                       << "Backup Files(*.bak)" << "/srv/b.bak";
        QTest::newRow("server restore") << "FrmRestore" << "server sql" << "/srv/b.bak" << false
                                        << "Backup Files(*.bak)" << "/srv/b.bak";
    }
    void browse()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, answer);
        QFETCH(bool, save);
        QFETCH(QString, filter);
        QFETCH(QString, result);
        TestApp app;
        QVERIFY(app.ok());
        app.state().dbKind = kind;
        ini::write(app.state().setupIni(), QStringLiteral("file"), QStringLiteral("backuppath"),
                   QStringLiteral("/old/b.db"));
        std::unique_ptr<BackupWindow> w(makeWindow(name, app.state()));
        w->show();
        QTest::keyClicks(child<QLineEdit>(w.get(), "txt_Path"), QStringLiteral("typed"));
        filedialog::Script files;
        files.answer(answer);
        QTest::mouseClick(child<QPushButton>(w.get(), "cmd_Browse"), Qt::LeftButton);
        QCOMPARE(files.asked().size(), 1);
        QCOMPARE(files.asked().first().save, save);
        QCOMPARE(files.asked().first().caption, QStringLiteral("选择备份目录"));
        QCOMPARE(files.asked().first().initial, QStringLiteral("/old/b.db"));
        QCOMPARE(files.asked().first().filter, filter);
        QCOMPARE(child<QLineEdit>(w.get(), "txt_Path")->text(), result);
    }

    void backupSucceeds()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        QTemporaryDir out;
        QVERIFY(QDir(out.path()).mkpath(QStringLiteral("月末.d")));
        saveOrder(app, QStringLiteral("PO1"), 10);
        msg::Recorder box;
        FrmBackup w(app.state());
        w.show();
        typeAndRun(w, out.filePath(QStringLiteral("月末.d/周末备份.bak")));
        const QString target = out.filePath(QStringLiteral("月末.d/周末备份.db"));
        COMPARE_SHOWN(box.shown(), Shown{info(QStringLiteral("备份成功"))});
        QCOMPARE(ordersIn(target), QStringList{QStringLiteral("PO1")});
        QCOMPARE(backupPathIn(app), target);
        QVERIFY(!w.isVisible());
        QVERIFY(child<QGroupBox>(&w, "Frame1")->isVisibleTo(&w));
        QVERIFY(!child<QProgressBar>(&w, "Animation1")->isVisibleTo(&w));
        // The next opening offers it.
        FrmRestore next(app.state());
        QCOMPARE(child<QLineEdit>(&next, "txt_Path")->text(), target);
    }

    void backupRefusesPaths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("bare name") << "备份.db";
        QTest::newRow("empty box") << "";
        QTest::newRow("missing folder") << "<dir>/没有这个文件夹/b";
        QTest::newRow("nothing before the dot") << "<dir>/.db";
    }
    void backupRefusesPaths()
    {
        QFETCH(QString, typed);
        TestApp app;
        QVERIFY(app.ok());
        QTemporaryDir out;
        typed.replace(QStringLiteral("<dir>"), out.path());
        msg::Recorder box;
        FrmBackup w(app.state());
        w.show();
        typeAndRun(w, typed);
        COMPARE_SHOWN(box.shown(), Shown{critical(QStringLiteral("请确认路径是否正确！"))});
        QVERIFY(w.isVisible());
        QVERIFY(inputEnabled(w));
        QCOMPARE(backupPathIn(app), QString());
        QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
    }

    // The file in use, however it is spelt, is never written over.
    void backupRefusesTheOpenDatabase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("its path") << "<app>/hengyuan.db";
        QTest::newRow("without .db") << "<app>/hengyuan";
        QTest::newRow("a symbolic link") << "<out>/link.db";
    }
    void backupRefusesTheOpenDatabase()
    {
        QFETCH(QString, typed);
        TestApp app;
        QVERIFY(app.ok());
        saveOrder(app, QStringLiteral("PO1"), 10);
        QTemporaryDir out;
        const QString live = QDir(app.dir()).filePath(QStringLiteral("hengyuan.db"));
        QVERIFY(QFile::link(live, out.filePath(QStringLiteral("link.db"))));
        typed.replace(QStringLiteral("<app>"), app.dir()).replace(QStringLiteral("<out>"), out.path());
        struct stat before {}, after {};
        QCOMPARE(::stat(QFile::encodeName(live).constData(), &before), 0);
        const QByteArray earlier = bytesOf(live);
        msg::Recorder box;
        FrmBackup w(app.state());
        w.show();
        typeAndRun(w, typed);
        COMPARE_SHOWN(box.shown(), Shown{failure(QStringLiteral("备份失败：所选文件就是正在使用的数据库。"))});
        QVERIFY(w.isVisible());
        QVERIFY(inputEnabled(w));
        QCOMPARE(backupPathIn(app), QString());
        QCOMPARE(::stat(QFile::encodeName(live).constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(bytesOf(live), earlier);
        saveOrder(app, QStringLiteral("PO2"), 20);
        QCOMPARE(ordersIn(live), (QStringList{QStringLiteral("PO1"), QStringLiteral("PO2")}));
    }

    void overwriteQuestion_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("replace") << "ok";
        QTest::newRow("keep") << "cancel";
    }
    void overwriteQuestion()
    {
        QFETCH(QString, answer);
        BackedUp b(QStringLiteral("b.db"));
        QVERIFY(b.ok());
        TestApp &app = b.app;
        const QByteArray earlier = bytesOf(b.file);
        msg::Recorder box;
        queueAnswers(box, answer);
        FrmBackup w(app.state());
        w.show();
        typeAndRun(w, b.out.filePath(QStringLiteral("b.old")));
        if (answer == QStringLiteral("ok")) {
            COMPARE_SHOWN(box.shown(), (Shown{OverwriteQuestion, info(QStringLiteral("备份成功"))}));
            QCOMPARE(ordersIn(b.file), (QStringList{QStringLiteral("PO1"), QStringLiteral("PO2")}));
            QCOMPARE(backupPathIn(app), b.file);
            QVERIFY(!w.isVisible());
        } else {
            COMPARE_SHOWN(box.shown(), Shown{OverwriteQuestion});
            QCOMPARE(bytesOf(b.file), earlier);
            QCOMPARE(backupPathIn(app), QString());
            QVERIFY(w.isVisible());
            QVERIFY(inputEnabled(w));
        }
    }

    void failedBackupChangesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder cannot be written") << "/proc/备份" << "备份失败：无法在该文件夹中写入文件：";
        QTest::newRow("target is a folder") << "<dir>/old" << "备份失败：无法写入备份文件：";
    }
    void failedBackupChangesNothing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        TestApp app;
        QVERIFY(app.ok());
        QTemporaryDir out;
        typed.replace(QStringLiteral("<dir>"), out.path());
        // A folder where the backup would go, holding an earlier file.
        QVERIFY(QDir(out.path()).mkpath(QStringLiteral("old.db")));
        writeFile(out.filePath(QStringLiteral("old.db/keep.txt")), "earlier");
        ini::write(app.state().setupIni(), QStringLiteral("file"), QStringLiteral("backuppath"),
                   QStringLiteral("/before.db"));
        msg::Recorder box;
        box.answer(QMessageBox::Ok); // replace, when asked
        FrmBackup w(app.state());
        w.show();
        typeAndRun(w, typed);
        QVERIFY(box.count() >= 1);
        QCOMPARE(box.shown().last().title, QStringLiteral("错误"));
        QVERIFY2(box.lastText().startsWith(reason), qPrintable(box.lastText()));
        QVERIFY(w.isVisible());
        QVERIFY(inputEnabled(w));
        QVERIFY(child<QGroupBox>(&w, "Frame1")->isVisible());
        QCOMPARE(backupPathIn(app), QStringLiteral("/before.db"));
        QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{QStringLiteral("old.db")});
        QCOMPARE(bytesOf(out.filePath(QStringLiteral("old.db/keep.txt"))), QByteArray("earlier"));
    }

    void failedBackupKeepsTheEarlierFile()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into read-only folders");
        TestApp app;
        QVERIFY(app.ok());
        QTemporaryDir out;
        const QString target = out.filePath(QStringLiteral("b.db"));
        dbop::backupSqlite(app.db().sqliteHandle(), target);
        const QByteArray earlier = bytesOf(target);
        QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::ExeOwner);
        msg::Recorder box;
        box.answer(QMessageBox::Ok);
        FrmBackup w(app.state());
        w.show();
        typeAndRun(w, target);
        QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(box.lastText().startsWith(QStringLiteral("备份失败：")));
        QCOMPARE(bytesOf(target), earlier);
        QCOMPARE(backupPathIn(app), QString());
    }

    void restoreFlow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QStringList>("expected"); // first, missing, second, done, refused:<reason>
        QTest::addColumn<bool>("restored");
        QTest::newRow("first question declined") << "backup" << "cancel" << QStringList{"first"} << false;
        QTest::newRow("file missing") << "missing" << "ok" << QStringList{"first", "missing"} << false;
        QTest::newRow("empty box") << "" << "ok" << QStringList{"first", "missing"} << false;
        QTest::newRow("a folder") << "folder" << "ok" << QStringList{"first", "missing"} << false;
        QTest::newRow("second question declined") << "backup" << "ok,cancel" << QStringList{"first", "second"}
                                                  << false;
        QTest::newRow("restored") << "backup" << "ok,ok" << QStringList{"first", "second", "done"} << true;
        QTest::newRow("not a database")
            << "junk" << "ok,ok" << QStringList{"first", "second", "refused:所选文件不是数据库文件。"} << false;
        QTest::newRow("not this system's")
            << "foreign" << "ok,ok" << QStringList{"first", "second", "refused:所选文件不是本系统的数据库。"} << false;
        QTest::newRow("a column renamed")
            << "columns" << "ok,ok"
            << QStringList{"first", "second", "refused:所选文件的数据表与当前数据库不一致（数据表 Operator 缺少列 OperatorName）。"}
            << false;
        QTest::newRow("UTF-16")
            << "utf16" << "ok,ok"
            << QStringList{"first", "second", "refused:所选文件的文本编码是 UTF-16le，与当前数据库的 UTF-8 不同。"} << false;
        QTest::newRow("every operator disabled")
            << "disabled" << "ok,ok"
            << QStringList{"first", "second", "refused:所选文件中没有未停用的操作员，还原后将无人能够登录本系统。"} << false;
        const QString inUse = QStringLiteral("refused:所选文件正被另一个程序使用（正在写入，或上次写入没有完成），"
                                             "现在不能用它还原。请关闭使用它的程序后再试。");
        QTest::newRow("written by another program") << "written" << "ok,ok" << QStringList{"first", "second", inUse} << false;
        QTest::newRow("in another program's write-ahead log") << "wal" << "ok,ok" << QStringList{"first", "second", inUse} << false;
    }
    void restoreFlow()
    {
        QFETCH(QString, file);
        QFETCH(QString, answers);
        QFETCH(QStringList, expected);
        QFETCH(bool, restored);
        BackedUp b;
        QVERIFY(b.ok());
        TestApp &app = b.app;
        const QTemporaryDir &out = b.out;
        writeFile(out.filePath(QStringLiteral("junk.db")), "not a database at all");
        runSql(out.filePath(QStringLiteral("foreign.db")), "create table Operator(OperatorID text);");
        QVERIFY(QFile::copy(b.file, out.filePath(QStringLiteral("columns.db"))));
        runSql(out.filePath(QStringLiteral("columns.db")), "alter table Operator rename column OperatorName to Name;");
        runSql(out.filePath(QStringLiteral("utf16.db")), "PRAGMA encoding='UTF-16le'; create table First(x); drop table First;");
        QVERIFY(createSuppliedDatabase(out.filePath(QStringLiteral("utf16.db"))));
        QVERIFY(QDir(out.path()).mkpath(QStringLiteral("folder.db")));
        for (const char *copy : {"disabled.db", "written.db", "wal.db"})
            QVERIFY(QFile::copy(b.file, out.filePath(QLatin1String(copy))));
        runSql(out.filePath(QStringLiteral("disabled.db")), "update Operator set Flage=1;");
        runSql(out.filePath(QStringLiteral("wal.db")), "PRAGMA journal_mode=WAL;");
        const QString path = file.isEmpty() ? QString() : out.filePath(file + QStringLiteral(".db"));
        OtherDesk writer(path); // another program's write under way
        if (file == QStringLiteral("written") || file == QStringLiteral("wal"))
            QVERIFY(writer.hold(60000));

        msg::Recorder box;
        queueAnswers(box, answers);
        FrmRestore w(app.state());
        w.show();
        typeAndRun(w, path);

        Shown shown;
        for (const QString &e : expected) {
            if (e == QStringLiteral("first"))
                shown << FirstRestoreQuestion;
            else if (e == QStringLiteral("missing"))
                shown << critical(QStringLiteral("备份文件不存在或已删除！"));
            else if (e == QStringLiteral("second"))
                shown << secondRestoreQuestion(path);
            else if (e == QStringLiteral("done"))
                shown << info(QStringLiteral("还原成功"));
            else
                shown << failure(QStringLiteral("还原失败：") + e.mid(8));
        }
        COMPARE_SHOWN(box.shown(), shown);
        // Closed after a restore or a question declined; open after a refusal.
        const bool refused = expected.last() == QStringLiteral("missing") || expected.last().startsWith(QStringLiteral("refused:"));
        QVERIFY(w.isVisible() == refused && inputEnabled(w) == refused);
        writer.release();
        const QStringList po1{QStringLiteral("PO1")}, both{QStringLiteral("PO1"), QStringLiteral("PO2")};
        QCOMPARE(orders(app.db()), restored ? po1 : both);
        QCOMPARE(backupPathIn(app), QString());
        saveOrder(app, QStringLiteral("PO3"), 30);
        QVERIFY(orders(app.db()).contains(QStringLiteral("PO3")));
    }

    void oracleIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("backup") << "FrmBackup" << "备份失败：该类型的数据库不支持备份。" << true;
        QTest::newRow("restore") << "FrmRestore" << "还原失败：该类型的数据库不支持还原。" << true;
    }
    void oracleIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, staysOpen);
        TestApp app;
        QVERIFY(app.ok());
        app.state().dbKind = QStringLiteral("oracle");
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("b.db"));
        QVERIFY(createSuppliedDatabase(path));
        const QByteArray before = bytesOf(path);
        msg::Recorder box;
        box.answer(QMessageBox::Ok);
        box.answer(QMessageBox::Ok);
        std::unique_ptr<BackupWindow> w(makeWindow(name, app.state()));
        w->show();
        typeAndRun(*w, path);
        COMPARE_SHOWN(box.shown(), Shown{failure(text)});
        QCOMPARE(w->isVisible(), staysOpen);
        QCOMPARE(bytesOf(path), before);
        QCOMPARE(backupPathIn(app), QString());
    }

    void serverKindWithoutAServer()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        saveOrder(app, QStringLiteral("PO1"), 10);
        app.state().dbKind = QStringLiteral("server sql");
        app.state().serverName = QStringLiteral("127.0.0.1");
        QTemporaryDir out;
        msg::Recorder box;
        {
            FrmBackup w(app.state());
            w.show();
            typeAndRun(w, out.filePath(QStringLiteral("b.db")));
            QCOMPARE(box.count(), 1);
            QVERIFY(box.lastText().startsWith(QStringLiteral("备份失败：")));
            QVERIFY(w.isVisible());
            QCOMPARE(backupPathIn(app), QString());
        }
        // The restore runs on a second connection; when that fails, the
        // program's own connection is opened again all the same.
        const QString bak = out.filePath(QStringLiteral("b.bak"));
        writeFile(bak, "server backup");
        box.clear();
        box.answer(QMessageBox::Ok);
        box.answer(QMessageBox::Ok);
        FrmRestore w(app.state());
        w.show();
        typeAndRun(w, bak);
        QCOMPARE(box.count(), 3);
        QVERIFY(box.lastText().startsWith(QStringLiteral("还原失败：")));
        QVERIFY(app.db().isOpen());
        QCOMPARE(orders(app.db()), QStringList{QStringLiteral("PO1")});
        QVERIFY(!QSqlDatabase::contains(app.db().connectionName() + QStringLiteral("_master")));
    }

    void busyWindowTakesNoInput_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("background");
        QTest::newRow("backup on a worker") << "FrmBackup" << true;
        QTest::newRow("restore on a worker") << "FrmRestore" << true;
        QTest::newRow("backup on the GUI thread") << "FrmBackup" << false;
        QTest::newRow("restore on the GUI thread") << "FrmRestore" << false;
    }
    void busyWindowTakesNoInput()
    {
        QFETCH(QString, name);
        QFETCH(bool, background);
        TestApp app;
        QVERIFY(app.ok());
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("b.db"));
        QVERIFY(createSuppliedDatabase(path));

        std::atomic<int> runs{0};
        std::atomic<bool> release{false};
        BackupWindow *window = nullptr;
        QStringList seen; // what the window did while the work ran
        PaintCounter painted;
        // What the operator tries while the work runs: on a worker, from the
        // window's own event loop; on the GUI thread, from inside the work.
        auto poke = [&] {
            BackupWindow &w = *window;
            seen << QStringLiteral("busy=%1").arg(w.isBusy());
            seen << QStringLiteral("bar=%1 frame=%2")
                        .arg(child<QProgressBar>(&w, "Animation1")->isVisible())
                        .arg(child<QGroupBox>(&w, "Frame1")->isVisible());
            seen << QStringLiteral("input=%1").arg(inputEnabled(w));
            QTest::mouseClick(child<QPushButton>(&w, "cmd_OK"), Qt::LeftButton);
            QTest::mouseClick(child<QPushButton>(&w, "cmd_Cancel"), Qt::LeftButton);
            QTest::keyClick(&w, Qt::Key_Escape);
            w.close();
            seen << QStringLiteral("open=%1").arg(w.isVisible());
            release = true;
        };
        auto work = [&] {
            ++runs;
            if (!background) {
                poke();
                return;
            }
            for (int i = 0; i < 500 && !release; ++i)
                QThread::msleep(10);
        };
        msg::Recorder box;
        box.answer(QMessageBox::Ok);
        box.answer(QMessageBox::Ok);
        std::unique_ptr<BackupWindow> w(
            makeWindow(name, app.state(), std::make_unique<ScriptedOperation>(app.state(), work, background)));
        window = w.get();
        w->show();
        child<QProgressBar>(w.get(), "Animation1")->installEventFilter(&painted);
        if (background)
            QTimer::singleShot(100, w.get(), poke);
        typeAndRun(*w, path);
        QCOMPARE(seen, (QStringList{"busy=1", "bar=1 frame=0", "input=0", "open=1"}));
        QCOMPARE(runs.load(), 1);
        QVERIFY(painted.paints > 0); // the busy bar was drawn while the work ran
        QVERIFY(box.lastText().endsWith(QStringLiteral("成功")));
        QVERIFY(!w->isVisible());
        QVERIFY(!w->isBusy());
    }

    void backupAndRestoreFromTheMainWindow()
    {
        TestApp app;
        QVERIFY(app.ok());
        app.seedMasterData();
        QTemporaryDir out;
        saveOrder(app, QStringLiteral("PO1"), 10);
        msg::Recorder box;
        modal::Script script;
        FrmMain main(app.state());
        QCOMPARE(main.grid()->rows(), 2);

        QString seenWindow;
        script.then([&](QDialog *d) {
            seenWindow = d->objectName();
            typeAndRun(*d, out.filePath(QStringLiteral("上周")));
        });
        main.navigate(603);
        QCOMPARE(seenWindow, QStringLiteral("FrmBackup"));
        QCOMPARE(box.lastText(), QStringLiteral("备份成功"));

        saveOrder(app, QStringLiteral("PO2"), 20);
        main.navigate(101);
        QCOMPARE(main.grid()->rows(), 3);

        box.answer(QMessageBox::Ok);
        box.answer(QMessageBox::Ok);
        script.then([&](QDialog *d) {
            seenWindow = d->objectName();
            // The path of the last backup is offered.
            QCOMPARE(child<QLineEdit>(d, "txt_Path")->text(), out.filePath(QStringLiteral("上周.db")));
            QTest::mouseClick(child<QPushButton>(d, "cmd_OK"), Qt::LeftButton);
        });
        main.navigate(604);
        QCOMPARE(seenWindow, QStringLiteral("FrmRestore"));
        QCOMPARE(box.lastText(), QStringLiteral("还原成功"));

        // The next list shows the restored data, and saving goes on.
        main.navigate(101);
        QCOMPARE(main.grid()->rows(), 2);
        QCOMPARE(main.grid()->textMatrix(1, 1), QStringLiteral("PO1"));
        saveOrder(app, QStringLiteral("PO3"), 30);
        main.navigate(101);
        QCOMPARE(main.grid()->rows(), 3);
        QCOMPARE(main.grid()->textMatrix(2, 1), QStringLiteral("PO3"));
    }
};

QTEST_MAIN(TestBackupWindows)
#include "test_backupwindows.moc"
