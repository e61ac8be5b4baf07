#include "art/translatedpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <cstdio>

namespace makedata::art {

QStringList translatedLanguages(const Context& context) {
    QStringList languages;
    const QStringList files =
        QDir(context.dataDir + "Translations").entryList({"pinewick_*.qm"}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages << file.mid(int(qstrlen("pinewick_")), file.size() - int(qstrlen("pinewick_.qm")));
    }
    return languages;
}

void forEachTranslation(const Context& context, const std::function<void(const QString& language)>& write) {
    for (const QString& language : translatedLanguages(context)) {
        QTranslator texts;
        if (!texts.load(context.dataDir + "Translations/pinewick_" + language + ".qm")) {
            std::fprintf(stderr, "make-data: the %s translation does not load\n", qPrintable(language));
            continue;
        }
        QCoreApplication::installTranslator(&texts);
        write(language);
        QCoreApplication::removeTranslator(&texts);
    }
}

} // namespace makedata::art
