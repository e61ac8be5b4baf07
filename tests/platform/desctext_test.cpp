// The line and value helpers of description files.
#include "platform/desctext.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> readAll(const std::string& content) {
    std::FILE* file = std::tmpfile();
    std::fwrite(content.data(), 1, content.size(), file);
    std::rewind(file);
    std::vector<std::string> lines;
    std::string line;
    while (ReadLine(file, line)) {
        lines.push_back(line);
    }
    std::fclose(file);
    return lines;
}

TEST(ReadLine, StripsLeadingBlanksAndLineEnds) {
    EXPECT_EQ(readAll("  toy=1\r\n\tTab=2 \r\nlast"),
              (std::vector<std::string>{"toy=1", "\tTab=2 ", "last"}));
    EXPECT_EQ(readAll("a\n\nb\r\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(readAll("").empty());
}

TEST(ReadLine, LongLinesAreReadWhole) {
    // A line the writer makes longer than it was read must come back whole.
    const std::string key = "WelcomeText=";
    const std::string text(3000, 'g');
    const auto lines = readAll(key + text + "\r\nMusic=1,2\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], key + text);
    EXPECT_EQ(lines[1], "Music=1,2");
}

TEST(CutKey, MatchesWithoutLetterCase) {
    std::string line = "toy=3,0:1:2";
    EXPECT_TRUE(CutKey(line, "Toy="));
    EXPECT_EQ(line, "3,0:1:2");
    std::string shortLine = "To";
    EXPECT_FALSE(CutKey(shortLine, "Toy="));
    std::string other = "DescToy=1";
    EXPECT_FALSE(CutKey(other, "Toy="));
    EXPECT_EQ(other, "DescToy=1");
}

TEST(ExtractWord, RunsOfSeparatorsCountAsOne) {
    EXPECT_EQ(ExtractWord(2, "1,,3", ","), "3");
    EXPECT_EQ(ExtractWord(1, ",,a,b", ","), "a");
    EXPECT_EQ(ExtractWord(3, "a,b", ","), "");
    EXPECT_EQ(ExtractWord(2, "Lobster,Bold Italic,FF:00:00", ","), "Bold Italic");
    EXPECT_EQ(ExtractWord(3, "1::2:3", ":"), "3");
}

TEST(Colors, ParseHexComponentsAndWriteTwoDigitsEach) {
    const TColor c = StrToColor("ff:8:0");
    EXPECT_EQ(c & 0xFF, 255u);
    EXPECT_EQ((c >> 8) & 0xFF, 8u);
    EXPECT_EQ((c >> 16) & 0xFF, 0u);
    EXPECT_EQ(ColorToStr(c), "FF:08:00");
    EXPECT_EQ(StrToColor("1FF:00:00"), 255u);
    EXPECT_EQ(StrToColor("zz:10"), 0x1000u); // non-digits count as 0, missing blue is 0
    EXPECT_EQ(ColorToStr(0x37AFD4), "D4:AF:37");
}

TEST(Integers, DecimalWithSignAndLeadingBlanks) {
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("  -7"), -7);
    EXPECT_EQ(StrToInt("+3"), 3);
    for (const char* bad : {"", "4x", "1.5", "99999999999", "- 1", "3 ", "+", "+-1", "++1"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(Reals, ReadWithPointWhateverTheLocale) {
    // A locale with a decimal comma must not change the file format.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(StrToFloat("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat(" -1.25e2 "), -125);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_EQ(FloatToStr(0.9f), "0.899999976158142");
    std::setlocale(LC_NUMERIC, "C");
    for (const char* bad : {"", "0,5", "nan", "inf", "1e", "--1", "0x10"}) {
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
    }
    try {
        StrToFloat("abc");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(Reals, GeneralFormatWith15Digits) {
    EXPECT_EQ(FloatToStr(0.5f), "0.5");
    EXPECT_EQ(FloatToStr(1.0f), "1");
    EXPECT_EQ(FloatToStr(0.1f), "0.100000001490116");
    EXPECT_EQ(FloatToStr(0.9f), "0.899999976158142");
    EXPECT_EQ(FloatToStr(-100.0f), "-100");
    EXPECT_EQ(FloatToStr(0.0), "0");
    EXPECT_EQ(FloatToStr(0.3), "0.3");
    EXPECT_EQ(FloatToStr(1e-5), "0.00001");
    EXPECT_EQ(FloatToStr(1.5e-6), "1.5E-6");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(1.0 / 0.0), "0");
    // Whatever is written reads back to the same single-precision value.
    for (float v : {0.9f, 0.1f, -3.25e-7f, 88.5f, 1e30f, -0.0123f}) {
        EXPECT_EQ(static_cast<float>(StrToFloat(FloatToStr(v))), v);
    }
}

TEST(Reals, SinglePrecisionFieldsRefuseWhatTheyCannotHold) {
    EXPECT_EQ(StrToSingle("3.4e38"), 3.4e38f);
    EXPECT_EQ(StrToSingle("1e-50"), 0.0f); // too small is merely zero
    for (const char* bad : {"1e39", "-4e38", "1e400"}) {
        EXPECT_THROW(StrToSingle(bad), EConvertError) << bad;
    }
    EXPECT_THROW(StrToVector("0:1e39:0"), EConvertError);
    // Doubles keep every digit they need to read back the same.
    for (double v : {0.3, 0.1 + 0.2, 1.0 / 3, 123456.78901234567, -2.5e-300}) {
        EXPECT_EQ(StrToFloat(FloatToStr(v)), v) << FloatToStr(v);
    }
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.30000000000000004");
}

TEST(VectorsAndPoints, ColonSeparatedRoundTrip) {
    const TVector v = StrToVector("0.9:-2:1e1");
    EXPECT_EQ(v, (TVector{0.9f, -2.f, 10.f}));
    EXPECT_EQ(VectorToStr(v), "0.899999976158142:-2:10");
    EXPECT_EQ(StrToVector("1::2:3"), (TVector{1, 2, 3}));
    EXPECT_THROW(StrToVector("1:2"), EConvertError);
    EXPECT_EQ(StrToPoint("-3:4"), (TPoint{-3, 4}));
    EXPECT_EQ(PointToStr({5, -6}), "5:-6");
}

TEST(FileNames, BackslashesBecomeSlashesWhenOpened) {
    EXPECT_EQ(NativeFileName("Resource\\Ball*.x"), "Resource/Ball*.x");
    EXPECT_EQ(NativeFileName("Sound/Bell.wav"), "Sound/Bell.wav");
}

TEST(FileNames, AMissingNameIsFoundWithoutRegardToLetterCase) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("pinewick_case_" + std::to_string(::getpid()));
    fs::create_directories(root / "Mesh" / "Toys");
    std::ofstream(root / "Mesh" / "Toys" / "BigBall0.x") << "x";
    const std::string exact = (root / "Mesh/Toys/BigBall0.x").string();
    EXPECT_EQ(FindFileIgnoringCase(exact), exact);
    EXPECT_EQ(FindFileIgnoringCase((root / "mesh/toys/bigball0.x").string()), exact);
    EXPECT_EQ(FindFileIgnoringCase((root / "MESH/Toys/BIGBALL0.X").string()), exact);
    // Nothing of that name at all: the name stays as it was asked for.
    const std::string missing = (root / "mesh/toys/smallball0.x").string();
    EXPECT_EQ(FindFileIgnoringCase(missing), missing);
    fs::remove_all(root);
}

} // namespace
