// The command line speaks the desktop's language: the usage and the errors
// of pinewick in the first language of LANGUAGE (or LC_ALL, LC_MESSAGES,
// LANG) that Pinewick has, English otherwise.
#include "support/scratch_home.h"
#include "support/test_paths.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct Ran {
    int exitCode = -1;
    QString out;
    QString err;
};

Ran runWith(const QStringList& arguments, const QString& language, const QString& lang) {
    static const auto home = testsupport::makeScratchHome("usage-language");
    QProcessEnvironment env = home.environment();
    env.remove("LC_ALL");
    env.remove("LC_MESSAGES");
    env.insert("LANGUAGE", language);
    env.insert("LANG", lang);
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(testsupport::programPath(), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(UsageLanguage, FollowsTheDesktopsFirstLanguageWithTexts) {
    const struct {
        const char* language;
        const char* lang;
        const char* firstLine;
    } cases[] = {
        {"de", "C.UTF-8", "Aufruf: pinewick [-DEBUG]"},
        {"ru_RU", "C.UTF-8", "Запуск: pinewick [-DEBUG]"},
        {"pt_BR:es", "C.UTF-8", "Uso: pinewick [-DEBUG]"},
        {"en_GB:de", "C.UTF-8", "Usage: pinewick [-DEBUG]"},
        {"ja", "C.UTF-8", "Usage: pinewick [-DEBUG]"},
        {"", "fr_FR.UTF-8", "Utilisation\u00a0: pinewick [-DEBUG]"},
        {"", "C.UTF-8", "Usage: pinewick [-DEBUG]"},
    };
    for (const auto& c : cases) {
        const Ran run = runWith({"--help"}, c.language, c.lang);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.section('\n', 0, 0), QString::fromUtf8(c.firstLine)) << c.language << " " << c.lang;
    }
}

TEST(UsageLanguage, AWrongOptionIsToldInTheSameLanguage) {
    const Ran run = runWith({"--bogus"}, "de", "C.UTF-8");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "pinewick: unbekannte Option --bogus\n");
    EXPECT_TRUE(run.out.startsWith("Aufruf: ")) << run.out.toStdString();
}

} // namespace
