#include "app/commands/commands.h"

#include "platform/paths.h"
#include "scene/descfile.h"

#include <cstdio>

int RunCheck(const QString& file) {
    const QString path = file.isEmpty() ? DecorationFile("desc") : file;
    const std::string name = path.toStdString();
    try {
        // The same rule as the tree's: a regular file, or an error that says what is there.
        const DescriptionLoad load = ReadDescriptionFile(name, name);
        if (!load.found) {
            std::fprintf(stderr, "%s: no such description file\n", name.c_str());
            return 1;
        }
        for (const auto& warning : load.warnings) {
            std::fprintf(stderr, "warning: %s\n", warning.c_str());
        }
        const std::string text = FormatDescriptionFile(load.file);
        std::fwrite(text.data(), 1, text.size(), stdout);
        return 0;
    } catch (const DescFileError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
