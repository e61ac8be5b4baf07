// make-data DATA_DIR [--only NAME...] [--replace-desc] [--list]
// Writes every generated data file below DATA_DIR. Deterministic: two runs
// give identical files.
#include "generator.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace makedata {
namespace {

struct Entry {
    QString name;
    int order;
    GeneratorFunction run;
};

std::vector<Entry>& registry() {
    static std::vector<Entry> entries;
    return entries;
}

} // namespace

Registration::Registration(const char* name, int order, GeneratorFunction run) {
    registry().push_back({QString::fromUtf8(name), order, std::move(run)});
}

QString Context::file(const QString& relative) const {
    const QString path = dataDir + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

} // namespace makedata

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);

    auto& entries = makedata::registry();
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.order != b.order ? a.order < b.order : a.name < b.name;
    });

    if (args.contains("--list")) {
        for (const auto& e : entries) {
            std::printf("%d %s\n", e.order, qPrintable(e.name));
        }
        return 0;
    }
    if (args.isEmpty() || args.first().startsWith("--")) {
        std::fprintf(stderr, "usage: make-data DATA_DIR [--only NAME...] [--replace-desc] [--list]\n");
        return 2;
    }

    makedata::Context context;
    context.dataDir = QDir(args.takeFirst()).absolutePath() + "/";
    context.keepDescription = !args.removeAll("--replace-desc");
    QStringList only;
    if (int at = args.indexOf("--only"); at >= 0) {
        only = args.mid(at + 1);
    }
    QDir().mkpath(context.dataDir);

    for (const auto& e : entries) {
        if (!only.isEmpty() && !only.contains(e.name)) {
            continue;
        }
        std::printf("make-data: %s\n", qPrintable(e.name));
        std::fflush(stdout);
        e.run(context);
    }
    return 0;
}
