// Writes the default description file: always as "Data/desc.default", and as
// "Data/desc" when there is none yet or the build asks to replace it (the
// user's own decoration survives rebuilds).
#include "decor/defaultdecoration.h"
#include "generator.h"
#include "scene/descfile.h"

#include <QFileInfo>
#include <cstdio>

namespace decor {
namespace {

void writeDescription(const makedata::Context& context) {
    const DescriptionFile file = defaultDecoration();
    for (const char* name : {"desc.default", "desc"}) {
        const QString path = context.file(name);
        if (QString(name) == "desc" && context.keepDescription && QFileInfo::exists(path)) {
            continue;
        }
        if (!WriteDescriptionFile(path.toStdString(), file)) {
            std::fprintf(stderr, "make-data: can't write %s\n", qPrintable(path));
        }
    }
}

} // namespace
} // namespace decor

PW_DATA_GENERATOR("decor-desc", 900, decor::writeDescription);
