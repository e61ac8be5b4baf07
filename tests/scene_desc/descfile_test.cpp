// Reading and writing whole description files.
#include "scene/descfile.h"
#include "support/test_paths.h"

#include <QString>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string scratchFile(const std::string& name, const std::string& content) {
    const std::string path = testsupport::scratchDir("desc").toStdString() + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const char* const completeFile =
    "Driver=llvmpipe\r\n"
    "Music=0,4\r\n"
    "WelcomeText=Season's greetings, all\r\n"
    "WelcomeParams=Dancing Script,Bold,D4:AF:37\r\n"
    "\r\n"
    "TimeForDrop=30000\r\n"
    "TimeForRotate=8000\r\n"
    "\r\n"
    "Tree=Mesh/Tree.x,1,0:0:0,0:0:1,0:1:0,0.25,0.100000001490116,0.0199999995529652\r\n"
    "\r\n"
    "DescToy=Toys/Ball0.bmp,0,1,Mesh/Ball0.x,FF:00:00,3,Mesh/BallLand*.x,FF:00:FF,0,900,1,"
    "0.5,Sound/Shatter.wav\r\n"
    "DescToy=Toys/Top0.bmp,1,1,Mesh\\Top0.x,FF:D7:00,2,Mesh\\TopLand*.x,FF:00:FF,0,700,0,"
    "1,Sound\\Crash.wav\r\n"
    "\r\n"
    "Mouse=0.3,4,Mesh/Mouse*.x,600,1,3000,Sound/Squeak.wav\r\n"
    "\r\n"
    "Toy=0,1:2:3,0:0:1,0:1:0\r\n"
    "Toy=1,0:88:0,0:0:1,0:1:0\r\n";

TEST(DescriptionFile, WriterLayoutReadsBackToTheSameBytes) {
    const std::string path = scratchFile("desc", completeFile);
    const DescriptionLoad load = ReadDescriptionFile(path, "desc");
    EXPECT_TRUE(load.found);
    EXPECT_TRUE(load.warnings.empty());
    EXPECT_EQ(FormatDescriptionFile(load.file), completeFile);

    const DescriptionFile& d = load.file;
    EXPECT_EQ(d.driver, "llvmpipe");
    EXPECT_EQ(d.songNumber, 4);
    EXPECT_EQ(d.welcomeText, "Season's greetings, all");
    EXPECT_EQ(d.fontName, "Dancing Script");
    ASSERT_EQ(d.descToys.size(), 2u);
    EXPECT_EQ(d.descToys[1].MeshFile, "Mesh\\Top0.x"); // names keep what the file says
    EXPECT_EQ(d.descToys[1].IsTop, 1);
    EXPECT_EQ(d.tree.topDepthFactor, 0.1f);
    ASSERT_TRUE(d.mouse);
    EXPECT_EQ(d.mouse->duration, 3000);
    EXPECT_EQ(d.toys[1].position, (TVector{0, 88, 0}));
}

TEST(DescriptionFile, ScalarKeysLastWinsListsAccumulate) {
    const DescriptionLoad load =
        ReadDescriptionFile(scratchFile("desc", std::string(completeFile) +
                                                    "music=1,2\r\nToy=0,0:0:0,0:0:1,0:1:0\r\nunknown=1\r\n"),
                            "desc");
    EXPECT_EQ(load.file.musicOn, 1);
    EXPECT_EQ(load.file.songNumber, 2);
    EXPECT_EQ(load.file.toys.size(), 3u);
}

TEST(DescriptionFile, ToyNumbersWrapAndBadToyLinesAreSkipped) {
    const std::string text = "Toy=0,0:0:0,0:0:1,0:1:0\n"
                             "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n"
                             "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n"
                             "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n"
                             "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n"
                             "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n"
                             "Toy=7,0:0:0,0:0:1,0:1:0\n"
                             "Toy=-1,0:0:0,0:0:1,0:1:0\n";
    const DescriptionLoad load = ReadDescriptionFile(scratchFile("desc", text), "Data/desc");
    ASSERT_EQ(load.file.toys.size(), 1u);
    EXPECT_EQ(load.file.toys[0].descNumber, 2); // 7 modulo the five read before it
    ASSERT_GE(load.warnings.size(), 2u);
    EXPECT_EQ(load.warnings[0], "Data/desc:1: a toy before any toy description; line skipped");
    EXPECT_EQ(load.warnings[1], "Data/desc:8: negative toy description number; line skipped");
}

TEST(DescriptionFile, ToysBeforeAnyDescriptionAreSkippedUnread) {
    const char* const descToy = "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n";
    // Nothing on such a line, however damaged, aborts the load.
    for (const char* early : {"Toy=zero,0:0:0,0:0:1,0:1:0", "Toy=0,a:b:c,0:0:1,0:1:0",
                              "Toy=0,0:0:0,0:0:1,1e999:0:0", "Toy=", "Toy=0,0:0:0,0:0:1,0:1:0"}) {
        const std::string text = std::string(early) + "\n" + descToy + "Toy=3,1:2:3,0:0:1,0:1:0\n";
        DescriptionLoad load;
        ASSERT_NO_THROW(load = ReadDescriptionFile(scratchFile("desc", text), "d")) << early;
        ASSERT_EQ(load.file.toys.size(), 1u) << early;
        EXPECT_EQ(load.file.toys[0].position, (TVector{1, 2, 3})) << early;
        ASSERT_FALSE(load.warnings.empty()) << early;
        EXPECT_EQ(load.warnings[0], "d:1: a toy before any toy description; line skipped") << early;
    }
}

TEST(DescriptionFile, MissingRequiredKeysAreWarnedAboutAndDefaulted) {
    const DescriptionLoad load = ReadDescriptionFile(scratchFile("desc", "WelcomeText=Hi\n"), "Data/desc");
    const DescriptionFile defaults;
    EXPECT_EQ(load.file.timeForDrop, defaults.timeForDrop);
    EXPECT_FALSE(load.file.mouse);
    ASSERT_EQ(load.warnings.size(), 6u);
    EXPECT_EQ(load.warnings[0].rfind("Data/desc: no \"Music=\" line", 0), 0u) << load.warnings[0];
    EXPECT_NE(load.warnings[5].find("\"Mouse=\""), std::string::npos);
    // Without a mouse the writer leaves its line out.
    EXPECT_EQ(FormatDescriptionFile(load.file).find("Mouse="), std::string::npos);
}

TEST(DescriptionFile, FiftiethDescriptionIsSkipped) {
    std::string text;
    for (int i = 0; i < 50; ++i) {
        text += "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n";
    }
    const DescriptionLoad load = ReadDescriptionFile(scratchFile("desc", text), "d");
    EXPECT_EQ(load.file.descToys.size(), 49u);
    EXPECT_EQ(load.warnings[0], "d:50: more than 49 toy descriptions; line skipped");
}

// The most toys a tree carries: one more refuses the whole file at its line
// (so it is never saved with fewer), exactly that many load.
TEST(DescriptionFile, ToysBeyondTheLimitRefuseTheFile) {
    const std::string head = "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,s.wav\n";
    std::string toys;
    for (std::size_t i = 0; i < MaxToys; ++i) {
        toys += "Toy=0,1:2:3,0:0:1,0:1:0\n";
    }
    EXPECT_EQ(ReadDescriptionFile(scratchFile("desc", head + toys), "d").file.toys.size(), MaxToys);
    try {
        ReadDescriptionFile(scratchFile("desc", head + toys + "Toy=0,1:2:3,0:0:1,0:1:0\n"), "d");
        FAIL();
    } catch (const DescFileError& e) {
        EXPECT_EQ(e.line(), static_cast<int>(MaxToys) + 2);
        EXPECT_NE(std::string(e.what()).find("more than 5000 toys"), std::string::npos) << e.what();
    }
}

TEST(DescriptionFile, ConversionErrorsNameFileAndLine) {
    try {
        ReadDescriptionFile(scratchFile("desc", "Driver=\n\nTree=t.x,big,0:0:0,0:0:1,0:1:0,1,1,1\n"),
                            "Data/desc");
        FAIL();
    } catch (const DescFileError& e) {
        EXPECT_STREQ(e.what(), "Data/desc:3: 'big' is not a valid floating point value");
        EXPECT_EQ(e.line(), 3);
    }
    EXPECT_THROW(ReadDescriptionFile(scratchFile("desc", "Music=1\n"), "d"), DescFileError);
}

TEST(DescriptionFile, MissingFileIsNotAnError) {
    const DescriptionLoad load = ReadDescriptionFile("/nonexistent/desc", "desc");
    EXPECT_FALSE(load.found);
    EXPECT_TRUE(load.warnings.empty());
}

TEST(DescriptionFile, SaveKeepsThePreviousFileAsBackup) {
    const std::string path = scratchFile("desc", completeFile);
    DescriptionFile d = ReadDescriptionFile(path, "desc").file;
    d.welcomeText = "first save";
    ASSERT_TRUE(WriteDescriptionFile(path, d));
    EXPECT_EQ(slurp(path + "~~~"), completeFile);
    EXPECT_EQ(ReadDescriptionFile(path, "desc").file.welcomeText, "first save");

    d.welcomeText = "second save";
    ASSERT_TRUE(WriteDescriptionFile(path, d));
    EXPECT_EQ(ReadDescriptionFile(path + "~~~", "b").file.welcomeText, "first save");
    EXPECT_EQ(ReadDescriptionFile(path, "desc").file.welcomeText, "second save");
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    EXPECT_FALSE(fs::exists(path + "~~~.tmp"));
}

TEST(DescriptionFile, SaveKeepsTheFilesPermissions) {
    const DescriptionFile d = ReadDescriptionFile(scratchFile("desc", completeFile), "desc").file;
    // Modes a new file would not get by itself, so a lost mode shows.
    for (const fs::perms mode : {fs::perms(0600), fs::perms(0640), fs::perms(0604), fs::perms(0700)}) {
        const std::string path = scratchFile("desc", completeFile);
        fs::permissions(path, mode);
        // Through a link, the target keeps its mode.
        const std::string link = path + ".link";
        fs::remove(link);
        fs::create_symlink(path, link);
        for (const std::string& saved : {path, link}) {
            ASSERT_TRUE(WriteDescriptionFile(saved, d));
            EXPECT_EQ(fs::status(path).permissions(), mode) << std::oct << int(mode) << " " << saved;
        }
    }
}

TEST(DescriptionFile, FailedSaveLeavesTheFileAlone) {
    const std::string folder = testsupport::scratchDir("readonly").toStdString();
    const std::string path = folder + "/desc";
    std::ofstream(path, std::ios::binary) << completeFile;
    // The temporary file can't be created where a folder of its name stands.
    fs::create_directory(path + ".tmp");
    EXPECT_FALSE(WriteDescriptionFile(path, DescriptionFile()));
    EXPECT_EQ(slurp(path), completeFile);
    EXPECT_FALSE(fs::exists(path + "~~~"));
}

TEST(DescriptionFile, FirstSaveWithoutPreviousFile) {
    const std::string path = testsupport::scratchDir("fresh").toStdString() + "/desc";
    ASSERT_TRUE(WriteDescriptionFile(path, DescriptionFile()));
    EXPECT_FALSE(fs::exists(path + "~~~"));
    EXPECT_NO_THROW(ReadDescriptionFile(path, "desc"));
}

TEST(DescriptionFile, EmptyTextFieldsDoNotShiftTheOthers) {
    DescriptionFile d;
    d.tree.meshFile.clear();
    d.fontName.clear();
    d.descToys.push_back({});
    d.descToys.back().SoundFile.clear();
    d.mouse = MouseRecord{};
    const std::string path = testsupport::scratchDir("empty").toStdString() + "/desc";
    ASSERT_TRUE(WriteDescriptionFile(path, d));
    const DescriptionLoad load = ReadDescriptionFile(path, "desc");
    EXPECT_TRUE(load.warnings.empty());
    EXPECT_EQ(load.file.tree.scale, d.tree.scale);
    EXPECT_EQ(load.file.fontStyle, d.fontStyle);
    EXPECT_EQ(load.file.welcomeColor, d.welcomeColor);
    EXPECT_EQ(load.file.descToys.at(0).Scale, 1.0f);
    EXPECT_EQ(load.file.mouse->duration, 0);
}

// What is at the path but is no readable regular file is a load error that
// says what it is; only a missing file is "not found".
TEST(DescriptionFile, OnlyARegularFileIsRead) {
    const std::string folder = testsupport::scratchDir("kinds").toStdString();
    auto errorOf = [](const std::string& path) -> std::string {
        try {
            ReadDescriptionFile(path, "Data/desc");
        } catch (const DescFileError& e) {
            EXPECT_EQ(e.line(), 0);
            return e.what();
        }
        return "no error";
    };
    fs::create_directory(folder + "/dir");
    EXPECT_EQ(errorOf(folder + "/dir"), "Data/desc: is a directory, not a description file");
    ASSERT_EQ(::mkfifo((folder + "/fifo").c_str(), 0600), 0);
    EXPECT_EQ(errorOf(folder + "/fifo"), "Data/desc: is not a regular file (a device or a pipe)");
    EXPECT_EQ(errorOf("/dev/zero"), "Data/desc: is not a regular file (a device or a pipe)");
    fs::create_symlink(folder + "/gone", folder + "/dangling");
    EXPECT_EQ(errorOf(folder + "/dangling"), "Data/desc: is a symbolic link to a missing file");
    fs::create_symlink(folder + "/loop", folder + "/loop");
    EXPECT_NE(errorOf(folder + "/loop").find("Data/desc: can't be read: "), std::string::npos);
    const std::string locked = scratchFile("locked", completeFile);
    fs::permissions(locked, fs::perms::none);
    if (::geteuid() != 0) { // root reads whatever the permissions say
        EXPECT_EQ(errorOf(locked), "Data/desc: can't be read: Permission denied");
    }
}

TEST(DescriptionFile, AbsurdKeyCountsAndRangesAreReportedWithTheirLine) {
    const std::string text = "Tree=Mesh/Tree.x,1,0:0:0,0:0:1,0:1:0,0.25,0.1,0.02\n"
                             "DescToy=a.bmp,0,2147483647,a*.x,FF:00:00,1,b*.x,FF:00:FF,0,900,1,1,s.wav\n"
                             "Mouse=0.3,200,Mesh/Mouse*.x,600,1,3000,Sound/Squeak.wav\n";
    const DescriptionLoad load = ReadDescriptionFile(scratchFile("desc", text), "Data/desc");
    EXPECT_EQ(load.file.descToys.at(0).MeshCount, 2147483647) << "the file's value is kept for the save";
    EXPECT_EQ(load.warnings.at(0), "Data/desc:2: 2147483647 toy meshes; only the first 100 are loaded");
    EXPECT_EQ(load.warnings.at(1), "Data/desc:3: 200 mouse meshes; only the first 100 are loaded");

    // Reals beyond single precision would be written back as nothing sensible.
    try {
        ReadDescriptionFile(scratchFile("desc", "\nTree=Mesh/Tree.x,1e39,0:0:0,0:0:1,0:1:0,1,1,1\n"),
                            "Data/desc");
        FAIL();
    } catch (const DescFileError& e) {
        EXPECT_STREQ(e.what(), "Data/desc:2: '1e39' is out of the range of real values");
    }
    EXPECT_THROW(
        ReadDescriptionFile(scratchFile("desc", "DescToy=a.bmp,0,1,a.x,FF:00:00,1,b.x,FF:00:FF,0,900,1,1,"
                                                "s.wav\nToy=0,-4e38:0:0,0:0:1,0:1:0\n"),
                            "d"),
        DescFileError);
}

TEST(DescriptionFile, TheWarningOfAMissingTreeLineSaysWhatIsShown) {
    const DescriptionLoad load = ReadDescriptionFile(scratchFile("desc", "Music=1,0\n"), "Data/desc");
    bool told = false;
    for (const auto& warning : load.warnings) {
        told = told || warning == "Data/desc: no \"Tree=\" line; using the default tree (Mesh/Tree.x)";
    }
    EXPECT_TRUE(told);
    EXPECT_NE(FormatDescriptionFile(load.file).find("Tree=Mesh/Tree.x,1,"), std::string::npos);
}

// Every file the writer makes reads back to the same decoration, however long
// its lines grow and whatever odd text its fields hold.
TEST(DescriptionFile, WhatTheWriterMakesReadsBackTheSame) {
    const std::string longName = "Mesh/" + std::string(200, 'n') + ".x";
    const std::string text = "WelcomeText=" + std::string(241, 'g') + "\r" + std::string(20, 'h') +
                             "\n"
                             "WelcomeParams=,,FF:00:00\n"
                             "Tree=" +
                             longName +
                             ",0.3,0.3:0.3:0.3,0:0:1,0:1:0,1e-5,1e-5,1e-5\n"
                             "DescToy=" +
                             std::string(100, 's') + ".bmp,0,1," + std::string(100, 'm') +
                             ".x,FF:00:00,1,land*.x,FF:00:FF,0,900,1,0.3,Sound/Shatter.wav\r,x\n"
                             "Mouse=0.30000000000000004,1,-,0,1,0,-\n";
    const DescriptionLoad first = ReadDescriptionFile(scratchFile("desc", text), "desc");
    const std::string written = FormatDescriptionFile(first.file);
    const DescriptionLoad second = ReadDescriptionFile(scratchFile("again", written), "desc");
    EXPECT_TRUE(second.file == first.file);
    EXPECT_EQ(FormatDescriptionFile(second.file), written);
    EXPECT_EQ(second.file.tree.meshFile, longName);
    EXPECT_EQ(second.file.tree.topSnapFactor, 1e-5f);
    EXPECT_EQ(second.file.descToys.at(0).SoundFile, "Sound/Shatter.wav");
    EXPECT_EQ(second.file.mouse->chance, 0.30000000000000004);
    EXPECT_EQ(second.file.mouse->modelFile, "") << "the writer's '-' is an empty name";
    EXPECT_EQ(second.file.welcomeText, std::string(241, 'g')) << "cut at 242, without the carriage return";
}

TEST(DescriptionFile, ALongGreetingIsCutBetweenCharacters) {
    struct Case {
        std::string text;
        std::string kept;
    };
    const std::string g(241, 'g');
    const Case cases[] = {
        {g + "\xC3\xA9 and more", g},                         // byte 242 is the second of "é"
        {g + "\xE2\x82\xAC and more", g},                     // byte 242 is the second of "€"
        {g.substr(1) + "\xE2\x82\xAC and more", g.substr(1)}, // byte 242 is the third of "€"
        {g.substr(2) + "\xF0\x9F\x98\x80!", g.substr(2)},     // inside a four-byte character
        {g.substr(1) + "\xC3\xA9", g.substr(1) + "\xC3\xA9"}, // exactly 242: kept whole
    };
    for (const Case& c : cases) {
        const DescriptionLoad load =
            ReadDescriptionFile(scratchFile("desc", "WelcomeText=" + c.text + "\n"), "desc");
        EXPECT_EQ(load.file.welcomeText, c.kept) << c.text.size();
        EXPECT_TRUE(QString::fromStdString(load.file.welcomeText).toStdString() == load.file.welcomeText)
            << "valid UTF-8";
    }
}

TEST(DescriptionFile, ASaveThatCannotKeepABackupReplacesNothing) {
    const std::string path = scratchFile("desc", completeFile);
    // The backup's name is taken by a folder that can't be replaced.
    fs::create_directories(path + "~~~/inside");
    EXPECT_FALSE(WriteDescriptionFile(path, DescriptionFile()));
    EXPECT_EQ(slurp(path), completeFile);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
    EXPECT_FALSE(fs::exists(path + "~~~.tmp"));
}

} // namespace
