// The card saved as a file: the turning tree as GIF, WebP and MP4, decoded
// again with FFmpeg and Qt's readers; still pictures; cancelling and targets
// that cannot be written.
#include "mainwindow/greetingpicture.h"
#include "mainwindow/layout.h"
#include "media/filmdecoder.h"
#include "output/cardexport.h"
#include "output/testcard.h"
#include "output/turntable.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "scene/openglprobe.h"
#include "scene/tree.h"
#include "support/scratch_home.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using testcard::Card;
using testcard::MakeCard;

struct Decoded {
    std::vector<QImage> frames;
    double seconds = 0;
};

Decoded Decode(const QString& file) {
    Decoded decoded;
    if (file.endsWith(".webp")) {
        // FFmpeg 5.1 reads no animated WebP; Qt's WebP reader does.
        QImageReader reader(file);
        for (QImage image; reader.read(&image);) {
            decoded.frames.push_back(image.convertToFormat(QImage::Format_RGB32));
            decoded.seconds += reader.nextImageDelay() / 1000.0;
        }
        return decoded;
    }
    media::FilmDecoder decoder;
    QString error;
    EXPECT_TRUE(decoder.open(file, &error)) << error.toStdString();
    while (auto frame = decoder.next()) {
        decoded.frames.push_back(frame->image);
        decoded.seconds = frame->start + frame->duration;
    }
    EXPECT_FALSE(decoder.failed());
    return decoded;
}

// Mean difference per channel over rect, or over the pixels outside it.
double MeanDifference(const QImage& a, const QImage& b, const QRect& rect, bool outside = false) {
    double sum = 0;
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (rect.contains(x, y) == outside) {
                continue;
            }
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return count ? sum / (3.0 * count) : 0;
}

TEST(Turntable, OwnAnimationsCloseTheirLoopsWithTheTurn) {
    struct Case {
        double loop, period, cycles;
    };
    for (const Case c : {Case{4000, 2400, 2}, Case{4000, 2800, 1}, Case{4000, 4200, 1}, Case{4000, 1000, 4},
                         Case{4000, 9000, 1}, Case{4000, 1300, 3}}) {
        SCOPED_TRACE(c.period);
        EXPECT_DOUBLE_EQ(TTurntable::ToyTime(0, c.loop, c.period), 0);
        EXPECT_NEAR(TTurntable::ToyTime(c.loop, c.loop, c.period), c.cycles * c.period, 1e-6);
        // The pace changes by at most a half, so a bell still swings like a bell.
        const double pace = TTurntable::ToyTime(1000, c.loop, c.period) / 1000;
        if (c.period <= c.loop) {
            EXPECT_GT(pace, 0.66);
            EXPECT_LT(pace, 1.5);
        }
    }
    // Still toys (no period) keep the clock as it is.
    EXPECT_DOUBLE_EQ(TTurntable::ToyTime(1234, 4000, 0), 1234);
}

// Frame i of n is the tree turned by i/n of a turn: the same moment of a loop
// twice as long looks the same, and the last frame leads into the first.
TEST(Turntable, FrameIOfNShowsTheTreeTurnedByIOverN) {
    Card card = MakeCard("turntable-moments");
    std::vector<QImage> four;
    {
        TTurntable turntable(card.window, *card.tree, 4);
        for (int i = 0; i < 4; ++i) {
            four.push_back(turntable.Frame(i));
        }
    }
    TTurntable eight(card.window, *card.tree, 8);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(eight.Frame(2 * i), four[i]) << "frame " << i;
    }
    EXPECT_GT(MeanDifference(four[3], four[0], layout::TreeControl), 1.0);
}

class AnimatedCard : public testing::TestWithParam<const char*> {};

TEST_P(AnimatedCard, DecodesToOneSeamlessTurnOverTheStillCard) {
    const QString suffix = GetParam();
    Card card = MakeCard("animated-" + suffix);
    const QImage still = GreetingPicture(card.window, *card.tree);
    const QString file = card.home.home + "card." + suffix;
    QString error;
    int reported = 0;
    ASSERT_EQ(ExportCard(
                  card.window, *card.tree, file,
                  [&](int done, int total) {
                      EXPECT_EQ(done, reported + 1);
                      EXPECT_EQ(total, TTurntable::DefaultFrames);
                      reported = done;
                      return true;
                  },
                  &error),
              ExportResult::Written)
        << error.toStdString();
    EXPECT_EQ(reported, TTurntable::DefaultFrames);

    const Decoded decoded = Decode(file);
    ASSERT_EQ(int(decoded.frames.size()), TTurntable::DefaultFrames);
    EXPECT_NEAR(decoded.seconds, 4.0, 0.05);
    for (const QImage& frame : decoded.frames) {
        ASSERT_EQ(frame.size(), QSize(640, 422));
    }
    const auto& frames = decoded.frames;
    const int n = int(frames.size());

    // Frame 0 is the still card, up to the format's loss.
    EXPECT_LT(MeanDifference(frames[0], still, layout::TreeControl, true), 4.0);
    EXPECT_LT(MeanDifference(frames[0], still, layout::TreeControl), suffix == "gif" ? 8.0 : 6.0);

    // The seam between the last frame and the first is no bigger than the
    // step between neighbouring frames, and the tree does move.
    std::vector<double> steps;
    for (int i = 0; i + 1 < n; i += 7) {
        steps.push_back(MeanDifference(frames[i], frames[i + 1], layout::TreeControl));
    }
    std::sort(steps.begin(), steps.end());
    const double step = steps[steps.size() / 2];
    EXPECT_GT(step, 0.2);
    EXPECT_LT(MeanDifference(frames[n - 1], frames[0], layout::TreeControl), 1.5 * step);
    EXPECT_GT(MeanDifference(frames[n / 4], frames[0], layout::TreeControl), step);

    if (suffix == "gif") {
        EXPECT_LT(QFile(file).size(), 3 * 1024 * 1024);
        // The dithering never crawls: outside the tree every frame is the first.
        for (int i = 1; i < n; i += 9) {
            EXPECT_EQ(MeanDifference(frames[i], frames[0], layout::TreeControl, true), 0) << "frame " << i;
        }
    }
    const QString shots = qEnvironmentVariable("PINEWICK_SHOTS");
    if (!shots.isEmpty()) {
        for (const int i : {0, n / 4, n / 2}) {
            frames[i].save(QString("%1/%2-frame%3.png").arg(shots, suffix).arg(i));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, AnimatedCard, testing::Values("gif", "webp", "mp4"),
                         [](const auto& info) { return std::string(info.param); });

// The files left in a folder, hidden ones too.
QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(CardExport, CancelledOrFailedExportsLeaveTheTargetAsItWas) {
    Card card = MakeCard("export-cancel");
    const QString folder = card.home.home + "out/";
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile old(folder + "kept.gif");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the card from yesterday");
    old.close();

    struct Case {
        const char* name;
        int cancelAt; // frame after which progress says stop; 0: never
        ExportResult result;
    };
    for (const Case c :
         {Case{"new.gif", 1, ExportResult::Cancelled}, Case{"new.mp4", 12, ExportResult::Cancelled},
          Case{"kept.gif", 10, ExportResult::Cancelled}, Case{"new.webp", 19, ExportResult::Cancelled},
          Case{"card.bmp", 0, ExportResult::Failed}, Case{"missing/x.gif", 0, ExportResult::Failed},
          Case{"missing/x.png", 0, ExportResult::Failed}}) {
        SCOPED_TRACE(c.name);
        QString error;
        const ExportResult result = ExportCard(
            card.window, *card.tree, folder + c.name, [&](int done, int) { return done != c.cancelAt; },
            &error, TTurntable::DefaultFrames);
        EXPECT_EQ(result, c.result);
        if (result == ExportResult::Failed) {
            EXPECT_TRUE(error.contains(c.name)) << error.toStdString();
        }
        EXPECT_EQ(FilesIn(folder), QStringList{"kept.gif"});
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the card from yesterday");
    old.close();

    // A folder where the card should go is not replaced.
    ASSERT_TRUE(QDir().mkpath(folder + "dir.gif"));
    QString error;
    EXPECT_EQ(ExportCard(card.window, *card.tree, folder + "dir.gif", {}, &error), ExportResult::Failed);
    EXPECT_TRUE(QFileInfo(folder + "dir.gif").isDir());

    // A completed export replaces the old file; the tree is left as it was.
    const QImage before = GreetingPicture(card.window, *card.tree);
    EXPECT_EQ(ExportCard(card.window, *card.tree, folder + "kept.gif", {}, &error, 8), ExportResult::Written);
    EXPECT_EQ(Decode(folder + "kept.gif").frames.size(), 8u);
    EXPECT_EQ(GreetingPicture(card.window, *card.tree), before);
    EXPECT_EQ(FilesIn(folder), QStringList{"kept.gif"});
}

} // namespace
