#include "media/synthesiser.h"

#include <condition_variable>
#include <fluidsynth.h>
#include <mutex>
#include <thread>
#include <utility>

namespace media {

struct Synthesiser::State {
    QString font;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    std::thread loader;

    // Between the GUI thread and the audio thread (render). FluidSynth wants
    // no player deleted while its synth renders: render holds the lock.
    mutable std::mutex lock;
    std::condition_variable loadDone;
    enum class Font { Loading, Loaded, Failed } fontState = Font::Loading;
    fluid_player_t* player = nullptr;
    // A song asked for while the soundfont loads: it starts once the soundfont
    // is there. (FluidSynth holds the synth for the whole load, so starting it
    // at once would keep the caller waiting that long.)
    QByteArray pendingSong;
    std::function<void()> atEnd;
    bool paused = false;
    bool ended = false;

    // With the lock held and the soundfont loaded.
    bool startPlayer(const QByteArray& song) {
        player = new_fluid_player(synth);
        // The player copies the bytes and reads them when the song starts.
        if (!player ||
            fluid_player_add_mem(player, song.constData(), static_cast<size_t>(song.size())) ==
                FLUID_FAILED ||
            fluid_player_play(player) == FLUID_FAILED) {
            dropPlayer();
            return false;
        }
        return true;
    }

    void dropPlayer() {
        pendingSong.clear();
        if (player) {
            fluid_player_stop(player);
            delete_fluid_player(player);
            player = nullptr;
        }
        // While the soundfont loads nothing sounds, and the synth is busy.
        if (fontState != Font::Loading) {
            fluid_synth_all_sounds_off(synth, -1);
        }
        atEnd = nullptr;
        ended = false;
        paused = false;
    }
};

Synthesiser::Synthesiser(const QString& soundFont, int sampleRate) : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.font = soundFont;
    s.settings = new_fluid_settings();
    fluid_settings_setnum(s.settings, "synth.sample-rate", sampleRate);
    // As loud as the mixer's own MIDI player at full music volume.
    fluid_settings_setnum(s.settings, "synth.gain", 1.0);
    // The mixer's hook drives the synth: no audio driver or threads of its own.
    fluid_settings_setint(s.settings, "synth.cpu-cores", 1);
    // Only the samples of the instruments a song uses are in memory: they
    // load when a channel selects the instrument and go when none uses it any
    // more. A General MIDI soundfont holds tens of megabytes of samples (the
    // larger ones well over a hundred), of which a carol uses a few.
    fluid_settings_setint(s.settings, "synth.dynamic-sample-loading", 1);
    s.synth = new_fluid_synth(s.settings);
    // Loading a large soundfont takes a while: the window does not wait for it.
    s.loader = std::thread([&s, path = soundFont.toLocal8Bit()] {
        const bool loaded = s.synth && fluid_synth_sfload(s.synth, path.constData(), 1) != FLUID_FAILED;
        std::lock_guard guard(s.lock);
        s.fontState = loaded ? State::Font::Loaded : State::Font::Failed;
        if (!s.pendingSong.isEmpty()) {
            const QByteArray song = std::exchange(s.pendingSong, {});
            // Without the soundfont, or when it cannot start, the song stays
            // silent and never ends.
            if (loaded) {
                s.startPlayer(song);
            }
        }
        s.loadDone.notify_all();
    });
}

Synthesiser::~Synthesiser() {
    State& s = *state_;
    s.loader.join();
    {
        std::lock_guard guard(s.lock);
        s.dropPlayer();
    }
    if (s.synth) {
        delete_fluid_synth(s.synth);
    }
    delete_fluid_settings(s.settings);
}

bool Synthesiser::IsSoundFont(const QString& path) {
    return fluid_is_soundfont(path.toLocal8Bit().constData());
}

bool Synthesiser::IsSong(const QByteArray& bytes) {
    // A standard MIDI file starts with its header chunk.
    return bytes.size() >= 14 && bytes.startsWith("MThd");
}

const QString& Synthesiser::soundFont() const {
    return state_->font;
}

bool Synthesiser::waitUntilLoaded() {
    State& s = *state_;
    std::unique_lock guard(s.lock);
    s.loadDone.wait(guard, [&s] { return s.fontState != State::Font::Loading; });
    return s.fontState == State::Font::Loaded;
}

bool Synthesiser::play(const QByteArray& song, std::function<void()> atEnd) {
    State& s = *state_;
    std::lock_guard guard(s.lock);
    s.dropPlayer();
    if (!s.synth || s.fontState == State::Font::Failed) {
        return false;
    }
    if (s.fontState == State::Font::Loading) {
        s.pendingSong = song;
    } else if (!s.startPlayer(song)) {
        return false;
    }
    s.atEnd = std::move(atEnd);
    return true;
}

void Synthesiser::halt() {
    std::lock_guard guard(state_->lock);
    state_->dropPlayer();
}

void Synthesiser::pause() {
    std::lock_guard guard(state_->lock);
    state_->paused = true;
}

void Synthesiser::resume() {
    std::lock_guard guard(state_->lock);
    state_->paused = false;
}

bool Synthesiser::playing() const {
    std::lock_guard guard(state_->lock);
    return (state_->player || !state_->pendingSong.isEmpty()) && !state_->ended && !state_->paused;
}

void Synthesiser::render(std::int16_t* stereo, int frames) {
    State& s = *state_;
    std::lock_guard guard(s.lock);
    // Before the soundfont is there the song waits: it starts from its beginning.
    if (!s.player || s.ended || s.paused || s.fontState != State::Font::Loaded) {
        std::fill(stereo, stereo + 2 * static_cast<std::ptrdiff_t>(frames), std::int16_t{0});
        return;
    }
    fluid_synth_write_s16(s.synth, frames, stereo, 0, 2, stereo, 1, 2);
    // The end is the last event played and the last note died away.
    if (fluid_player_get_status(s.player) == FLUID_PLAYER_DONE &&
        fluid_synth_get_active_voice_count(s.synth) == 0) {
        s.ended = true;
        if (s.atEnd) {
            std::function<void()> call = std::move(s.atEnd);
            s.atEnd = nullptr;
            call();
        }
    }
}

} // namespace media
