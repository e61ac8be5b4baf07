#include "sqlitefiles.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testbooks {

void RunSql(const QString& path, const QString& script, const QString& pragmas) {
    QDir().mkpath(QFileInfo(path).path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    // One transaction: hundreds of rows are written at once, not synced one by one.
    const int result = sqlite3_exec(db, (pragmas + ";BEGIN;" + script + ";COMMIT;").toUtf8().constData(),
                                    nullptr, nullptr, &error);
    EXPECT_EQ(result, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

} // namespace testbooks
