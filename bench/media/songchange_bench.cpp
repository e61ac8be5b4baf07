// A song change as the music button makes it: the song player stops and
// closes, opens the next song and plays it, while the window holds the audio
// device. Reports the longest and the median time the calling (GUI) thread
// is blocked, on SDL's dummy audio driver with the program's own songs. The
// first song, which meets the soundfont still loading, is reported apart.
#include "media/audiodevice.h"
#include "media/mediaplayer.h"
#include "support/benchhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

QStringList songs() {
    const QDir dir(QString(BenchHome()) + "Data/Resource");
    QStringList files;
    for (const QString& name : dir.entryList({"Song*.mid"}, QDir::Files, QDir::Name)) {
        files << dir.filePath(name);
    }
    return files;
}

void BM_SongChange(benchmark::State& state) {
    const QStringList files = songs();
    QString error;
    auto device = media::AudioDevice::acquire(&error);
    if (files.size() < 2 || !device) {
        state.SkipWithError(files.size() < 2 ? "no songs in the build's Data folder" : "no audio device");
        return;
    }
    TMediaPlayer player;
    std::vector<double> blocked;
    QElapsedTimer first;
    first.start();
    player.SetFileName(files[0]);
    if (!player.Open() || !player.Play()) {
        state.SkipWithError(qPrintable(player.LastError()));
        return;
    }
    const double firstMs = static_cast<double>(first.nsecsElapsed()) / 1e6;
    QThread::msleep(50);
    int next = 1;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        player.Stop();
        player.Close();
        player.SetFileName(files[next++ % files.size()]);
        const bool ok = player.Open() && player.Play();
        blocked.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (!ok) {
            state.SkipWithError(qPrintable(player.LastError()));
            return;
        }
        // Let the song sound a little, as a listener would before the next click.
        QThread::msleep(50);
        QCoreApplication::processEvents();
    }
    std::sort(blocked.begin(), blocked.end());
    state.counters["longest_block_ms"] = blocked.back();
    state.counters["median_block_ms"] = blocked[blocked.size() / 2];
    state.counters["first_song_ms"] = firstMs;
    state.counters["goal_ms"] = 5;
}
BENCHMARK(BM_SongChange)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
