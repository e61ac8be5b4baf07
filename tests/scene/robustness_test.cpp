// Seeded mutations of real description files and meshes, a fixed number of
// each: no input makes a reader crash or hang, every description file the
// reader accepts reads back to itself after the writer, and every mesh that
// loads is sound (indices inside their groups, finite points).
#include "scene/descfile.h"
#include "scene/rm/xloader.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

std::string readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

// One random change of text: a byte changed, bytes cut or repeated, or a
// fragment a hostile hand would type (separators, huge and tiny numbers).
std::string mutate(std::string text, std::mt19937& random) {
    static const char* const fragments[] = {",",          ":",     ";",
                                            "\r",         "\n",    "-",
                                            "*",          "{",     "}",
                                            "1e39",       "-4e38", "1e-45",
                                            "2147483647", "-1",    "999999999",
                                            "nan",        "\"",    "\r\r\n",
                                            "Toy=",       "Mesh ", "MeshNormals {",
                                            "template",   "\0",    "0.30000000000000004"};
    auto pick = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    const int edits = 1 + static_cast<int>(pick(4));
    for (int e = 0; e < edits; ++e) {
        const std::size_t at = pick(text.size() + 1);
        switch (pick(5)) {
        case 0:
            if (at < text.size())
                text[at] = static_cast<char>(pick(256));
            break;
        case 1:
            text.erase(at, pick(40));
            break;
        case 2:
            text.insert(at, text.substr(at, pick(200)));
            break;
        case 3: {
            const char* fragment = fragments[pick(std::size(fragments))];
            text.insert(at, fragment, std::max<std::size_t>(std::strlen(fragment), 1));
            break;
        }
        default:
            text.resize(at); // cut short
            break;
        }
    }
    return text;
}

TEST(Robustness, MutatedDescriptionFilesAreRefusedOrReadBackToThemselves) {
    std::vector<std::string> seeds = {
        readFile(testsupport::sourceDir() + "/tests/data/desc/handwritten.desc"),
        readFile(testsupport::sourceDir() + "/tests/data/desc/handwritten.expected")};
    const std::string generated = readFile(testsupport::buildDir() + "/Data/desc.default");
    if (!generated.empty())
        seeds.push_back(generated);
    std::mt19937 random(20241224);
    int accepted = 0, refused = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string text = mutate(seeds[static_cast<std::size_t>(i) % seeds.size()], random);
        DescriptionLoad first;
        try {
            first = ReadDescriptionText(text, "desc");
        } catch (const DescFileError&) {
            ++refused;
            continue;
        }
        ++accepted;
        const std::string written = FormatDescriptionFile(first.file);
        try {
            const DescriptionLoad second = ReadDescriptionText(written, "desc");
            ASSERT_TRUE(second.file == first.file) << "iteration " << i << ":\n" << text;
            ASSERT_EQ(FormatDescriptionFile(second.file), written) << "iteration " << i;
        } catch (const DescFileError& e) {
            FAIL() << "iteration " << i << ": the writer's file is refused: " << e.what() << "\n" << written;
        }
    }
    EXPECT_GT(accepted, 100);
    EXPECT_GT(refused, 100);
}

TEST(Robustness, MutatedMeshesFailCleanlyOrLoadSound) {
    const QString folder = testsupport::sourceDir() + "/tests/data/x/";
    std::vector<std::string> seeds;
    for (const QString& name : QDir(folder).entryList({"*.x"}))
        seeds.push_back(readFile(folder + name));
    // A generated toy too, if the data is there: larger, with normals and colours.
    const std::string toy = readFile(testsupport::buildDir() + "/Data/Mesh/Toys/Icicle0.x");
    if (!toy.empty())
        seeds.push_back(toy);
    ASSERT_GE(seeds.size(), 4u);
    std::mt19937 random(1225);
    int loaded = 0, failed = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::string& seed = seeds[static_cast<std::size_t>(i) % seeds.size()];
        if (seed.size() > 20000 && i % 8 != 0)
            continue; // the large seed, less often
        const std::string data = mutate(seed, random);
        std::vector<rm::MeshGroup> groups;
        std::string error;
        if (!rm::loadXData(data, ".", groups, &error)) {
            ++failed;
            ASSERT_TRUE(groups.empty());
            ASSERT_FALSE(error.empty());
            continue;
        }
        ++loaded;
        for (const auto& group : groups) {
            ASSERT_EQ(group.indices.size() % 3, 0u);
            for (unsigned index : group.indices)
                ASSERT_LT(index, group.vertices.size()) << "iteration " << i;
            for (const auto& vertex : group.vertices)
                ASSERT_TRUE(std::isfinite(vertex.position.x) && std::isfinite(vertex.position.y) &&
                            std::isfinite(vertex.position.z))
                    << "iteration " << i;
        }
    }
    EXPECT_GT(loaded, 100);
    EXPECT_GT(failed, 100);
}

} // namespace
