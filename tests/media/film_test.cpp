// Films: decoded with FFmpeg and shown in a display widget at their own pace.
#include "media/animationwriter.h"
#include "media/filmdecoder.h"
#include "media/filmsound.h"
#include "media/mediaplayer.h"
#include "support/test_paths.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QString logoFilm() {
    return testsupport::buildDir() + "/Data/Resource/Logo.avi";
}

// Mean brightness of an image's pixels (0 … 255).
double brightness(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return sum / (image.width() * image.height());
}

TEST(FilmDecoder, ReadsEveryFrameInTimeOrder) {
    media::FilmDecoder film;
    QString error;
    ASSERT_TRUE(film.open(logoFilm(), &error)) << qPrintable(error);
    EXPECT_EQ(film.size(), QSize(320, 240));
    EXPECT_DOUBLE_EQ(film.frameRate(), 25);
    int frames = 0;
    double last = -1;
    while (auto frame = film.next()) {
        EXPECT_GT(frame->start, last);
        EXPECT_NEAR(frame->duration, 0.04, 1e-6);
        EXPECT_EQ(frame->image.size(), QSize(320, 240));
        last = frame->start;
        ++frames;
    }
    EXPECT_FALSE(film.failed());
    EXPECT_EQ(frames, 75);
    ASSERT_TRUE(film.rewind());
    auto first = film.next();
    ASSERT_TRUE(first);
    EXPECT_DOUBLE_EQ(first->start, 0);
}

TEST(FilmDecoder, RefusesFilesThatHoldNoFilm) {
    const QString dir = testsupport::scratchDir("film");
    QFile junk(dir + "/junk.avi");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    for (const QString& name : {dir + "/absent.avi", junk.fileName()}) {
        media::FilmDecoder film;
        QString error;
        EXPECT_FALSE(film.open(name, &error));
        EXPECT_TRUE(error.startsWith("film: ")) << qPrintable(error);
        EXPECT_FALSE(film.next());
    }
}

// The logo film carries a soft chime as 16-bit PCM beside its pictures; a file
// that holds no film, or none at all, has no sound.
TEST(FilmSound, TheLogoFilmCarriesASoftChimeAsLongAsItsPictures) {
    const QString dir = testsupport::scratchDir("film-sound");
    QFile junk(dir + "/junk.avi");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    const struct {
        QString file;
        bool sound;
    } rows[] = {{logoFilm(), true}, {junk.fileName(), false}, {dir + "/absent.avi", false}};
    for (const auto& row : rows) {
        const QByteArray wav = FilmSoundAsWav(row.file);
        ASSERT_EQ(!wav.isEmpty(), row.sound) << qPrintable(row.file);
        if (!row.sound) {
            continue;
        }
        ASSERT_GT(wav.size(), 44);
        const auto little = [&](int at, int bytes) {
            quint32 value = 0;
            for (int i = bytes - 1; i >= 0; --i) {
                value = value << 8 | quint8(wav[at + i]);
            }
            return value;
        };
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(little(22, 2), 1u);     // mono
        EXPECT_EQ(little(24, 4), 44100u); // samples a second
        EXPECT_EQ(little(34, 2), 16u);
        const int samples = int(little(40, 4) / 2);
        EXPECT_EQ(samples, (wav.size() - 44) / 2);
        EXPECT_NEAR(samples / 44100.0, 3.0, 0.05); // the film's three seconds
        int peak = 0;
        for (int i = 0; i < samples; ++i) {
            peak = std::max(peak, std::abs(int(qint16(little(44 + 2 * i, 2)))));
        }
        // Heard, but softer than the title sound that follows.
        EXPECT_GT(peak, 1500);
        EXPECT_LT(peak, 32767 * 3 / 10);
    }
}

TEST(FilmPlayer, PlaysInTheDisplayAtItsOwnPaceAndNotifiesAtTheEnd) {
    QWidget window;
    window.resize(800, 600);
    window.show();
    TMediaPlayer player;
    int notifications = 0;
    QObject::connect(&player, &TMediaPlayer::OnNotify, [&] {
        ++notifications;
        EXPECT_EQ(player.NotifyValue(), TMPNotifyValues::nvSuccessful);
    });
    player.SetFileName(logoFilm());
    ASSERT_TRUE(player.Open()) << qPrintable(player.LastError());
    player.SetDisplay(&window);
    player.SetDisplayRect(QRect(240, 180, 0, 0));
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(player.Play());

    // The film's own size, where it was asked to be, showing the film.
    QWidget* view = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const auto children = window.findChildren<QWidget*>();
        view = children.isEmpty() ? nullptr : children.first();
        return view && view->isVisible();
    }));
    EXPECT_EQ(view->geometry(), QRect(240, 180, 320, 240));
    QTest::qWait(1500);
    EXPECT_GT(brightness(view->grab().toImage()), 5);
    EXPECT_EQ(notifications, 0);

    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications > 0; }, 10000));
    // Three seconds of film at 25 frames a second are not cut short.
    EXPECT_GE(clock.elapsed(), 2900);
    QTest::qWait(100);
    EXPECT_EQ(notifications, 1);

    // A stretched rectangle and no display at all.
    player.SetDisplayRect(QRect(0, 0, 640, 480));
    EXPECT_EQ(view->geometry(), QRect(0, 0, 640, 480));
    player.SetDisplay(nullptr);
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
    EXPECT_TRUE(player.Close());
}

TEST(FilmPlayer, StopHoldsTheFilmAndCloseTakesItAway) {
    QWidget window;
    window.resize(400, 300);
    window.show();
    TMediaPlayer player;
    std::vector<TMPNotifyValues> kinds;
    QObject::connect(&player, &TMediaPlayer::OnNotify, [&] { kinds.push_back(player.NotifyValue()); });
    player.SetFileName(logoFilm());
    player.SetDisplay(&window);
    ASSERT_TRUE(player.Open());
    ASSERT_TRUE(player.Play());
    QTest::qWait(300);
    ASSERT_TRUE(player.Stop());
    QTest::qWait(3500);
    EXPECT_EQ(kinds, std::vector{TMPNotifyValues::nvAborted});
    EXPECT_EQ(window.findChildren<QWidget*>().size(), 1);
    ASSERT_TRUE(player.Close());
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
}

// FFmpeg comes as a module the program loads when it needs it. Without a
// loadable module a film is refused as one that can't be decoded (the title
// then goes on without it) and an animation names the module.
TEST(FFmpegModule, WithoutItFilmsAreRefusedAndAnimationsFailClearly) {
    const QString dir = testsupport::scratchDir("ffmpeg-module");
    QFile junk(dir + "/libpw_ffmpeg.so");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    for (const QString& module : {dir + "/absent.so", junk.fileName()}) {
        qputenv("PINEWICK_FFMPEG_MODULE", module.toLocal8Bit());
        media::FilmDecoder film;
        QString error;
        EXPECT_FALSE(film.open(logoFilm(), &error));
        EXPECT_TRUE(error.startsWith("film: " + logoFilm() + ": the FFmpeg module does not load: "))
            << qPrintable(error);
        EXPECT_FALSE(film.next());
        EXPECT_TRUE(FilmSoundAsWav(logoFilm()).isEmpty());

        TMediaPlayer player;
        player.SetFileName(logoFilm());
        EXPECT_FALSE(player.Open());
        EXPECT_TRUE(player.LastError().contains("FFmpeg module")) << qPrintable(player.LastError());

        TAnimationWriter writer;
        EXPECT_FALSE(writer.Open(dir + "/card.gif", TAnimationWriter::Format::Gif, {64, 48}, 25, &error));
        EXPECT_TRUE(error.startsWith("the FFmpeg module does not load: ")) << qPrintable(error);
        EXPECT_FALSE(writer.AddFrame(QImage(64, 48, QImage::Format_RGB32), &error));
        EXPECT_FALSE(QFile::exists(dir + "/card.gif"));
    }
    qunsetenv("PINEWICK_FFMPEG_MODULE");
    media::FilmDecoder film;
    QString error;
    EXPECT_TRUE(film.open(logoFilm(), &error)) << qPrintable(error);
}

} // namespace
