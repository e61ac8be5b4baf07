#pragma once
// A mail program's SQLite database, opened so that the program is never
// disturbed: read only and immutable (a URI filename with mode=ro and
// immutable=1: no lock taken, no journal or WAL file made or read, nothing
// written), with a bound on the work any query may do.
//
// libsqlite3 rather than Qt's SQL module: the program needs none of Qt SQL's
// connection registry, and Qt's SQLite driver is a plugin that is found (or
// not) at run time, so a missing plugin package would quietly hide every book;
// the C API gives the open flags, the length limit and the progress handler
// that keep a damaged or hostile database harmless.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace mail {

class SqliteBook {
public:
    SqliteBook() = default;
    SqliteBook(const SqliteBook&) = delete;
    SqliteBook& operator=(const SqliteBook&) = delete;

    // The most virtual machine steps one query may take (a few seconds' work):
    // a damaged database can't make reading hang.
    static constexpr int kMaxSteps = 200'000'000;
    // The longest text or blob a row may hold.
    static constexpr int kMaxValue = 16 << 20;

    // Opens the database; empty when it opened, otherwise why not.
    QString Open(const QString& path);

    // The names of the tables (empty, with error set, when the database can't
    // be read), and the columns of one table.
    QStringList Tables(QString& error);
    QStringList Columns(const QString& table);

    // Runs the query and calls row for each result row while it returns true.
    // Empty when the query ran to its end (or row stopped it), otherwise
    // SQLite's reason (a damaged file: "database disk image is malformed").
    QString Query(const QString& sql, const std::function<bool(sqlite3_stmt*)>& row);

    // Column i of the current row as text (UTF-8).
    static QString Text(sqlite3_stmt* statement, int i);

    // An identifier quoted for SQL ("a""b").
    static QString Quoted(const QString& name);

private:
    struct Close {
        void operator()(sqlite3* db) const;
    };
    std::unique_ptr<sqlite3, Close> db_;
    int steps_ = 0; // thousands of steps of the running query
};

} // namespace mail
