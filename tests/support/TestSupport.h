#pragma once

#include "core/AppState.h"
#include "platform/ui/OnePress.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

// Builds a new database file from the shipped schema and seed (the files of
// db/, in the order of their names). Returns false with the reason.
bool createSuppliedDatabase(const QString &file, QString *error = nullptr);
// The folder db/ of the sources.
QString suppliedSqlDir();

// A program folder of its own for one test: the supplied database, the
// default Setup.ini, and a state with the connection open and the operator
// "Administrator" signed in. Each press comes a minute after the last; a
// test that times its presses sets a PressClock of its own.
class TestApp
{
public:
    TestApp();
    ~TestApp();

    bool ok() const { return m_ok; }
    AppState &state() { return m_state; }
    Database &db() { return m_state.db; }
    QString dir() const { return m_dir.path(); }

    // A small set of master data: storages 1 and 2, category T1, supplier
    // S1, customer C1, pay modes P1 and P2, buyer B1, saler Y1, accepter A1,
    // returner R1, checker K1 and goods G1 (price 2.5), G2 (10), G3 (4).
    void seedMasterData();
    // seedMasterData and a shop's real data: a barcode as goods code, long
    // names, tax numbers, accounts and phones, orders CG20261209001 and
    // CGDD-20261209-0001 by maker warehouse_keeper_2026, amounts of 123459219.135;
    // codes, tax numbers and login names of one length, the wider listed after
    // the narrower (AJ-1111-001 and WM-MWMW-001 also on receipt
    // CGRK-20261209-0001; a log of Administrator and wangxiaoming).
    void seedRealisticData();

    // Convenience for tests: the rows of a query as texts, one line each with
    // fields joined by '|'.
    QStringList rows(const Select &sql, const QVariantList &params = {});
    QString one(const Select &sql, const QVariantList &params = {});
    qint64 count(const QString &table);
    // The operation texts of the log, oldest first.
    QStringList log();

private:
    QTemporaryDir m_dir;
    PressClock m_pressClock{60000};
    AppState m_state;
    bool m_ok = false;
};

class TextGrid;
// Whether the data cell (row, col) of the grid has room for its whole text.
bool shownWhole(const TextGrid &grid, int row, int col);

// Finds a child by objectName and fails the test when it is missing.
template <typename T> T *child(QObject *parent, const char *name)
{
    T *c = parent->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qWarning("no child %s of type %s", name, T::staticMetaObject.className());
    return c;
}
