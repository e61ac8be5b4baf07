#include "mail/addressbooks/sqlitebook.h"

#include <QUrl>
#include <sqlite3.h>

namespace mail {

void SqliteBook::Close::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

QString SqliteBook::Open(const QString& path) {
    // The path as a URI: characters such as "?" and "#" in folder names are
    // escaped, as SQLite's URI filenames require.
    QUrl url = QUrl::fromLocalFile(path);
    url.setQuery(QStringLiteral("mode=ro&immutable=1"));
    sqlite3* db = nullptr;
    const int result =
        sqlite3_open_v2(url.toEncoded().constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    db_.reset(db);
    if (result != SQLITE_OK) {
        return QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(result));
    }
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxValue);
    // Called every 1,000 steps; the count is per query (reset in Query).
    sqlite3_progress_handler(
        db, 1000, [](void* steps) { return ++*static_cast<int*>(steps) > kMaxSteps / 1000 ? 1 : 0; },
        &steps_);
    return {};
}

QStringList SqliteBook::Tables(QString& error) {
    QStringList tables;
    error =
        Query(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"), [&](sqlite3_stmt* s) {
            tables << Text(s, 0);
            return tables.size() < 1000;
        });
    return tables;
}

QStringList SqliteBook::Columns(const QString& table) {
    QStringList columns;
    Query(QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(table)), [&](sqlite3_stmt* s) {
        columns << Text(s, 1);
        return columns.size() < 1000;
    });
    return columns;
}

QString SqliteBook::Query(const QString& sql, const std::function<bool(sqlite3_stmt*)>& row) {
    if (!db_) {
        return QStringLiteral("not open");
    }
    steps_ = 0;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_.get(), sql.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK) {
        return QString::fromUtf8(sqlite3_errmsg(db_.get()));
    }
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    for (;;) {
        const int result = sqlite3_step(raw);
        if (result == SQLITE_DONE) {
            return {};
        }
        if (result != SQLITE_ROW) {
            return result == SQLITE_INTERRUPT ? QStringLiteral("the query took too long")
                                              : QString::fromUtf8(sqlite3_errmsg(db_.get()));
        }
        if (!row(raw)) {
            return {};
        }
    }
}

QString SqliteBook::Text(sqlite3_stmt* statement, int i) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, i)) : QString();
}

QString SqliteBook::Quoted(const QString& name) {
    QString quoted = name;
    return '"' + quoted.replace('"', QLatin1String("\"\"")) + '"';
}

} // namespace mail
