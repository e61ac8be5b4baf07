// What the songs' synthesis costs: the CPU time of Pinewick's audio thread
// per second of music, beside the `fluidsynth` command rendering the same song
// with the same soundfont and settings to a file.
//
// Pinewick's side plays the first song through its own player while SDL's
// `disk` driver takes the sound as fast as it is made (no waiting between
// buffers, as `fluidsynth -F` does), so the whole song is measured and both
// sides write a raw 16-bit stereo stream of it to a file. The time is the
// audio thread's own CPU clock, read from inside the mixer (its post-mix hook,
// after the music has been made into the buffer): only the thread that makes
// the sound is counted, not the window's or the loader's, and a busy machine
// does not add its waiting to it. It counts exactly as many frames as
// fluidsynth wrote. FluidSynth's side is the CPU time of the child process
// (wait4) less its start-up (the same command with an empty song).
//
// BM_SynthesisRealTime plays the first seconds on the `dummy` driver, paced as
// a sound card would take them, beside the same seconds made as fast as
// possible (what waking up for every buffer adds) and beside fluidsynth
// playing them in real time through its file driver, in buffers of the same
// size. That figure is fluidsynth's whole process, whose main thread also
// wakes now and then to see whether the song has ended: a little more than
// its synthesis alone.
//
// BENCH_MEDIA_KEEP=<folder> keeps both raw renders there (pinewick.raw,
// fluidsynth.raw) to compare the sound.
#include "media/audiodevice.h"
#include "media/mediaplayer.h"
#include "media/synthesiser.h"
#include "support/benchhome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <SDL_mixer.h>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Rate = 44100; // the mixer's rate (MIX_DEFAULT_FREQUENCY)
constexpr int BytesPerFrame = 4;
constexpr int MixerFrames = 2048; // the mixer's buffer
constexpr double Goal = 1.1;

QString song() {
    return QString(BenchHome()) + "Data/Resource/Song0.mid";
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double load() {
    double avg[1] = {0};
    return getloadavg(avg, 1) == 1 ? avg[0] : -1;
}

// ---- Pinewick ----

// Watches the mixer's buffers on the audio thread, taking the thread's CPU
// clock after each. Once armed, counts the frames of the buffers that follow
// (the first is the one made after the last buffer before arming ended) and
// stops at the target.
struct Probe {
    std::atomic<bool> seen{false}; // a buffer went by
    std::atomic<bool> armed{false};
    std::atomic<bool> done{false};
    long long targetFrames = 0;
    // Audio thread only until done.
    long long frames = -1;
    double startCpu = 0;
    double endCpu = 0;
    double lastCpu = 0;
    double longestBuffer = 0; // CPU seconds of the costliest buffer

    static double threadCpu() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    }

    static void hook(void* udata, Uint8*, int bytes) {
        auto* p = static_cast<Probe*>(udata);
        const double now = threadCpu();
        if (!p->armed.load(std::memory_order_acquire) || p->done.load(std::memory_order_relaxed)) {
            p->lastCpu = now;
            p->seen.store(true, std::memory_order_release);
            return;
        }
        if (p->frames < 0) {
            p->startCpu = p->lastCpu;
            p->frames = 0;
        }
        p->longestBuffer = std::max(p->longestBuffer, now - p->lastCpu);
        p->lastCpu = now;
        p->frames += bytes / BytesPerFrame;
        if (p->frames >= p->targetFrames) {
            p->endCpu = now;
            p->done.store(true, std::memory_order_release);
        }
    }

    // Waits until the hook has seen a buffer go by, up to a few seconds.
    bool waitForBuffer() const {
        for (int waited = 0; !seen.load(std::memory_order_acquire) && waited < 5000; ++waited) {
            QThread::msleep(1);
        }
        return seen.load(std::memory_order_acquire);
    }
};

struct PinewickRun {
    double cpu = 0;           // seconds of the audio thread's CPU for targetFrames
    double longestBuffer = 0; // ... for its costliest buffer
    QString error;
};

// Plays the song through the program's player on `driver` until the audio
// thread has made targetFrames; rawFile is where the disk driver writes.
PinewickRun playInPinewick(const char* driver, const QString& rawFile, long long targetFrames) {
    PinewickRun run;
    const QByteArray oldDriver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", driver);
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(rawFile));
    qputenv("SDL_DISKAUDIODELAY", "0");
    {
        QString error;
        auto device = media::AudioDevice::acquire(&error);
        TMediaPlayer player;
        player.SetFileName(song());
        if (!device || !player.Open()) {
            run.error = device ? player.LastError() : error;
        } else if (!device->synthesiser()->waitUntilLoaded()) {
            run.error = "the soundfont does not load";
        } else {
            Probe probe;
            probe.targetFrames = targetFrames;
            Mix_SetPostMix(Probe::hook, &probe);
            // Armed before the song starts, so its first buffer counts: the
            // instruments' samples load in it.
            const bool running = probe.waitForBuffer();
            probe.armed.store(true, std::memory_order_release);
            if (!running) {
                run.error = "the audio device does not run";
            } else if (!player.Play()) {
                run.error = player.LastError();
            } else {
                // Long enough for the song at a tenth of real time.
                const int waitMs = static_cast<int>(targetFrames * 1000 / Rate) * 10 + 10000;
                for (int waited = 0; !probe.done.load(std::memory_order_acquire) && waited < waitMs;
                     waited += 5) {
                    QThread::msleep(5);
                    QCoreApplication::processEvents();
                }
                if (!probe.done.load(std::memory_order_acquire)) {
                    run.error = "the song did not play to its end";
                }
            }
            Mix_SetPostMix(nullptr, nullptr); // waits for the audio thread to leave the hook
            run.cpu = probe.endCpu - probe.startCpu;
            run.longestBuffer = probe.longestBuffer;
        }
    }
    qputenv("SDL_AUDIODRIVER", oldDriver);
    return run;
}

// ---- fluidsynth ----

struct ChildRun {
    double cpu = -1; // user + system seconds; negative when it did not run
    long long frames = 0;
};

// Renders midi with the fluidsynth command and the settings Pinewick's
// synthesiser has: the mixer's rate, full gain, reverb and chorus on (their
// defaults), one core, instruments' samples loaded as songs select them; into
// rawFile as 16-bit stereo. With realTimeSeconds, plays it that long through
// the file driver paced in real time, in buffers of the mixer's size, and
// stops it; otherwise renders it all as fast as it can (-F).
ChildRun renderInFluidSynth(const QString& midi, const QString& rawFile, int realTimeSeconds = 0) {
    const QByteArray out = QFile::encodeName(rawFile);
    std::vector<QByteArray> args = {"fluidsynth", "-n",
                                    "-i",         "-q",
                                    "-r",         QByteArray::number(Rate),
                                    "-g",         "1.0",
                                    "-R",         "1",
                                    "-C",         "1",
                                    "-o",         "synth.cpu-cores=1",
                                    "-o",         "synth.dynamic-sample-loading=1"};
    if (realTimeSeconds > 0) {
        for (const QByteArray& setting :
             {QByteArray("audio.driver=file"), "audio.file.name=" + out, QByteArray("audio.file.type=raw"),
              QByteArray("audio.file.format=s16"), QByteArray("audio.file.endian=little"),
              "audio.period-size=" + QByteArray::number(MixerFrames)}) {
            args.insert(args.end(), {"-o", setting});
        }
    } else {
        args.insert(args.end(), {"-T", "raw", "-O", "s16", "-E", "little", "-F", out});
    }
    args.insert(args.end(), {QFile::encodeName(TMediaPlayer::SoundFont()), QFile::encodeName(midi)});
    std::vector<char*> argv;
    for (QByteArray& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, "/usr/bin/fluidsynth", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildRun run;
    if (spawned != 0) {
        return run;
    }
    if (realTimeSeconds > 0) {
        QThread::msleep(static_cast<unsigned long>(realTimeSeconds) * 1000);
        kill(pid, SIGTERM);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid ||
        (realTimeSeconds == 0 && (!WIFEXITED(status) || WEXITSTATUS(status) != 0))) {
        return run;
    }
    auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    };
    run.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.frames = QFileInfo(rawFile).size() / BytesPerFrame;
    return run;
}

// A standard MIDI file whose one track ends at once: what fluidsynth costs to start and stop.
QString writeEmptySong(const QString& folder) {
    static const unsigned char bytes[] = {'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 0, 0,    1,    0,
                                          96,  'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xff, 0x2f, 0};
    const QString path = folder + "/empty.mid";
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(reinterpret_cast<const char*>(bytes), sizeof bytes);
    }
    return path;
}

void keep(const QString& rawFile, const QString& name) {
    const QString folder = qEnvironmentVariable("BENCH_MEDIA_KEEP");
    if (!folder.isEmpty()) {
        QFile::remove(folder + "/" + name);
        QFile::copy(rawFile, folder + "/" + name);
    }
}

// The empty song in dir, or nothing when the benchmark cannot run (skipped).
QString prepare(benchmark::State& state, const QTemporaryDir& dir) {
    if (!QFileInfo::exists(song()) || !QFileInfo::exists("/usr/bin/fluidsynth")) {
        state.SkipWithError("no song in the build's Data folder, or no /usr/bin/fluidsynth");
        return {};
    }
    return writeEmptySong(dir.path());
}

void BM_Synthesis(benchmark::State& state) {
    QTemporaryDir dir;
    const QString empty = prepare(state, dir);
    if (empty.isEmpty()) {
        return;
    }
    std::vector<double> ours, theirs, startups, ratios, loads;
    double audioSeconds = 0;
    for (auto _ : state) {
        loads.push_back(load());
        const ChildRun start = renderInFluidSynth(empty, dir.filePath("empty.raw"));
        const ChildRun fluid = renderInFluidSynth(song(), dir.filePath("fluidsynth.raw"));
        if (start.cpu < 0 || fluid.cpu < 0 || fluid.frames < Rate) {
            state.SkipWithError("fluidsynth did not render the song");
            return;
        }
        const PinewickRun pinewick = playInPinewick("disk", dir.filePath("pinewick.raw"), fluid.frames);
        if (!pinewick.error.isEmpty()) {
            state.SkipWithError(qPrintable(pinewick.error));
            return;
        }
        audioSeconds = static_cast<double>(fluid.frames) / Rate;
        startups.push_back(start.cpu);
        theirs.push_back((fluid.cpu - start.cpu) / audioSeconds);
        ours.push_back(pinewick.cpu / audioSeconds);
        ratios.push_back(ours.back() / theirs.back());
        keep(dir.filePath("pinewick.raw"), "pinewick.raw");
        keep(dir.filePath("fluidsynth.raw"), "fluidsynth.raw");
    }
    const double ratio = median(ratios);
    state.counters["pinewick_cpu_per_audio_s"] = median(ours);
    state.counters["fluidsynth_cpu_per_audio_s"] = median(theirs);
    state.counters["fluidsynth_startup_s"] = median(startups);
    state.counters["ratio"] = ratio;
    state.counters["ratio_worst"] = *std::max_element(ratios.begin(), ratios.end());
    state.counters["ratio_of_goal"] = ratio / Goal;
    state.counters["audio_s"] = audioSeconds;
    state.counters["load_1min"] = median(loads);
}
BENCHMARK(BM_Synthesis)->Unit(benchmark::kSecond)->Iterations(3);

void BM_SynthesisRealTime(benchmark::State& state) {
    QTemporaryDir dir;
    const QString empty = prepare(state, dir);
    if (empty.isEmpty()) {
        return;
    }
    constexpr int Seconds = 20;
    std::vector<double> ours, theirs, fast, ratios, loads;
    double longestBuffer = 0;
    for (auto _ : state) {
        loads.push_back(load());
        const PinewickRun paced = playInPinewick("dummy", QString(), Seconds * Rate);
        const PinewickRun asFast = playInPinewick("disk", dir.filePath("pinewick.raw"), Seconds * Rate);
        const ChildRun start = renderInFluidSynth(empty, dir.filePath("empty.raw"));
        const ChildRun fluid = renderInFluidSynth(song(), dir.filePath("fluidsynth.raw"), Seconds);
        if (!paced.error.isEmpty() || !asFast.error.isEmpty()) {
            state.SkipWithError(qPrintable(paced.error + asFast.error));
            return;
        }
        if (start.cpu < 0 || fluid.cpu < 0 || fluid.frames < Rate) {
            state.SkipWithError("fluidsynth did not play the song");
            return;
        }
        ours.push_back(paced.cpu / Seconds);
        longestBuffer = std::max(longestBuffer, paced.longestBuffer);
        fast.push_back(asFast.cpu / Seconds);
        theirs.push_back((fluid.cpu - start.cpu) / (static_cast<double>(fluid.frames) / Rate));
        ratios.push_back(ours.back() / theirs.back());
    }
    state.counters["pinewick_realtime_cpu_per_audio_s"] = median(ours);
    state.counters["pinewick_fast_cpu_per_audio_s"] = median(fast);
    state.counters["fluidsynth_realtime_cpu_per_audio_s"] = median(theirs);
    state.counters["realtime_ratio"] = median(ratios);
    state.counters["pinewick_realtime_over_fast"] = median(ours) / median(fast);
    // The costliest buffer (a song's first, which loads its instruments'
    // samples) beside the time it lasts: beyond that the sound would break up.
    state.counters["pinewick_longest_buffer_ms"] = longestBuffer * 1000;
    state.counters["buffer_ms"] = 1000.0 * MixerFrames / Rate;
    state.counters["load_1min"] = median(loads);
}
BENCHMARK(BM_SynthesisRealTime)->Unit(benchmark::kSecond)->Iterations(3);

} // namespace
