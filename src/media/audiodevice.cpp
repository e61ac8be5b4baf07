#include "media/audiodevice.h"
#include "media/synthesiser.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <algorithm>
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

namespace media {
namespace {

// Who is told of each channel's and the song's end. The mixer calls its hooks
// on the audio thread; the lock keeps a player from going away while its call
// is being queued.
std::mutex finishLock;
std::map<int, FinishCall> channelFinish;
FinishCall musicFinish;
std::weak_ptr<AudioDevice> shared;

// Enough channels for a landing sound, the title sound and more at once.
constexpr int channelCount = 16;

void post(const FinishCall& finish) {
    if (finish.context && finish.call) {
        QMetaObject::invokeMethod(finish.context, finish.call, Qt::QueuedConnection);
    }
}

void onChannelFinished(int channel) {
    std::lock_guard lock(finishLock);
    const auto it = channelFinish.find(channel);
    if (it != channelFinish.end()) {
        post(it->second);
        channelFinish.erase(it);
    }
}

void onMusicFinished() {
    std::lock_guard lock(finishLock);
    post(musicFinish);
    musicFinish = {};
}

// The mixer's music stream, filled by the synthesiser in the device's format
// (16-bit samples; stereo, or whatever channel count the device settled on).
void renderMusic(void* synthesiser, Uint8* stream, int bytes) {
    int channels = 2;
    Mix_QuerySpec(nullptr, nullptr, &channels);
    auto* out = reinterpret_cast<std::int16_t*>(stream);
    const int frames = bytes / (2 * std::max(channels, 1));
    auto* synth = static_cast<Synthesiser*>(synthesiser);
    if (channels == 2) {
        synth->render(out, frames);
        return;
    }
    std::vector<std::int16_t> stereo(2 * static_cast<std::size_t>(frames));
    synth->render(stereo.data(), frames);
    for (int f = 0; f < frames; ++f) {
        const std::int16_t left = stereo[2 * f], right = stereo[2 * f + 1];
        for (int c = 0; c < channels; ++c) {
            out[f * channels + c] = channels == 1 ? static_cast<std::int16_t>((left + right) / 2)
                                    : c == 0      ? left
                                    : c == 1      ? right
                                                  : std::int16_t{0};
        }
    }
}

} // namespace

std::shared_ptr<AudioDevice> AudioDevice::acquire(QString* error) {
    if (auto device = shared.lock()) {
        return device;
    }
    // SDL would otherwise turn SIGINT and SIGTERM into its own quit events,
    // which nobody reads here: the program could no longer be interrupted.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        *error = QStringLiteral("audio: %1").arg(SDL_GetError());
        return nullptr;
    }
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        *error = QStringLiteral("audio: %1").arg(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    Mix_AllocateChannels(channelCount);
    Mix_ChannelFinished(onChannelFinished);
    auto device = std::shared_ptr<AudioDevice>(new AudioDevice);
    shared = device;
    return device;
}

AudioDevice::~AudioDevice() {
    {
        std::lock_guard lock(finishLock);
        channelFinish.clear();
        musicFinish = {};
    }
    Mix_HaltChannel(-1);
    Mix_HookMusic(nullptr, nullptr); // waits for the audio thread to leave the hook
    synth_.reset();
    Mix_ChannelFinished(nullptr);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int AudioDevice::playChunk(Mix_Chunk* chunk, FinishCall finish) {
    // The finish call is registered before the sound starts, so a very short
    // sound cannot end unseen. The lock is never held across a mixer call: the
    // mixer holds its own lock while it calls our hooks.
    // Only the GUI thread starts sounds, so a channel found idle stays idle
    // until it is started below.
    int channel = -1;
    for (int i = 0; i < channelCount && channel < 0; ++i) {
        if (Mix_Playing(i)) {
            continue;
        }
        std::lock_guard lock(finishLock);
        if (!channelFinish.contains(i)) {
            channel = i;
            channelFinish[i] = std::move(finish);
        }
    }
    if (channel < 0) {
        return -1;
    }
    if (Mix_PlayChannel(channel, chunk, 0) < 0) {
        std::lock_guard lock(finishLock);
        channelFinish.erase(channel);
        return -1;
    }
    return channel;
}

bool AudioDevice::replaceChannelFinish(int channel, FinishCall finish) {
    std::lock_guard lock(finishLock);
    const auto it = channelFinish.find(channel);
    if (it == channelFinish.end()) {
        return false;
    }
    it->second = std::move(finish);
    return true;
}

void AudioDevice::pauseChannel(int channel) {
    Mix_Pause(channel);
}

void AudioDevice::resumeChannel(int channel) {
    Mix_Resume(channel);
}

void AudioDevice::haltChannel(int channel, QObject* owner) {
    {
        std::lock_guard lock(finishLock);
        const auto it = channelFinish.find(channel);
        if (it == channelFinish.end() || it->second.context != owner) {
            return;
        }
        channelFinish.erase(it);
    }
    Mix_HaltChannel(channel);
}

bool AudioDevice::useSoundFont(const QString& soundFont, QString* error) {
    if (synth_ && synth_->soundFont() == soundFont) {
        return true;
    }
    if (!Synthesiser::IsSoundFont(soundFont)) {
        *error = QStringLiteral("media: %1 is not a soundfont").arg(soundFont);
        return false;
    }
    int rate = MIX_DEFAULT_FREQUENCY;
    Mix_QuerySpec(&rate, nullptr, nullptr);
    Mix_HookMusic(nullptr, nullptr);
    {
        std::lock_guard lock(finishLock);
        musicFinish = {};
    }
    musicOwner_ = nullptr;
    synth_ = std::make_unique<Synthesiser>(soundFont, rate);
    Mix_HookMusic(renderMusic, synth_.get());
    return true;
}

bool AudioDevice::playMusic(const QByteArray& song, FinishCall finish) {
    if (!synth_) {
        return false;
    }
    // The song before is silenced first, so its end cannot be taken for this
    // one's; this one's finish call is registered before it starts. The
    // synthesiser calls onMusicFinished with its own lock held: finishLock is
    // never held here while calling it.
    synth_->halt();
    {
        std::lock_guard lock(finishLock);
        musicFinish = std::move(finish);
        musicOwner_ = musicFinish.context;
    }
    if (!synth_->play(song, onMusicFinished)) {
        std::lock_guard lock(finishLock);
        musicFinish = {};
        musicOwner_ = nullptr;
        return false;
    }
    return true;
}

bool AudioDevice::replaceMusicFinish(QObject* owner, FinishCall finish) {
    std::lock_guard lock(finishLock);
    if (musicFinish.context != owner) {
        return false;
    }
    musicFinish = std::move(finish);
    return true;
}

void AudioDevice::pauseMusic() {
    if (synth_) {
        synth_->pause();
    }
}

void AudioDevice::resumeMusic() {
    if (synth_) {
        synth_->resume();
    }
}

void AudioDevice::forgetMusic(QObject* owner) {
    bool owned = false;
    {
        std::lock_guard lock(finishLock);
        if (musicFinish.context == owner) {
            musicFinish = {};
        }
        owned = musicOwner_ == owner;
        if (owned) {
            musicOwner_ = nullptr;
        }
    }
    if (owned && synth_) {
        synth_->halt();
    }
}

bool AudioDevice::musicPlaying() const {
    return synth_ && synth_->playing();
}

} // namespace media
