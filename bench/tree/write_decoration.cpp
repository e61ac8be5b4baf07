// Writes the default decoration with more toys as a description file, for the
// whole-program benchmarks: write_decoration TOYS OUTFILE.
#include "platform/paths.h"
#include "support/benchdecoration.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_decoration TOYS OUTFILE\n");
        return 2;
    }
    const QString name = WriteDecoration(QString::fromLocal8Bit(argv[1]).toInt());
    const QString out = QString::fromLocal8Bit(argv[2]);
    QFile::remove(out);
    const bool copied = QFile::copy(DataFile(name), out);
    RemoveDecoration(name);
    if (!copied) {
        std::fprintf(stderr, "write_decoration: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
