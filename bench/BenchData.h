#pragma once

#include <QString>

// Builds a database of a realistic size from the shipped schema, through the
// SQLite C API. At scale 1: 10,000 goods; 50,000 purchase orders, 100,000
// goods receipts, 100,000 deliveries and 50,000 sales orders of five lines
// each; returns, payables, receivables, stock counts and the log; their
// partners and staff. Returns false with the reason.
bool buildBenchDatabase(const QString &file, int scale, QString *error);

// Whether the database at file holds exactly the tables and indexes that
// the shipped schema of db/ gives; when not, says so on stderr.
bool builtFromShippedSchema(const QString &file);

// The benchmark database at file, built at scale 1 when absent (saying so
// on stdout). False, with the reason on stderr, when it cannot be built or
// was built from another schema.
bool ensureBenchDatabase(const QString &file);

class Database;
// The benchmark database named on the command line (argv[1], else
// /tmp/hengyuan_bench.db), built when absent and opened in db. False, with
// the reason on stderr, when it cannot be built or opened.
bool openBenchDatabase(Database &db, int argc, char **argv);

// Milliseconds since an arbitrary start, with sub-millisecond resolution.
double nowMs();
// Resident memory of this process in megabytes.
double residentMb();
