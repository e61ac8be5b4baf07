#include "media/audiodevice.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <map>
#include <mutex>

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
    Mix_Init(MIX_INIT_MID);
    Mix_AllocateChannels(channelCount);
    Mix_ChannelFinished(onChannelFinished);
    Mix_HookMusicFinished(onMusicFinished);
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
    Mix_HaltMusic();
    Mix_ChannelFinished(nullptr);
    Mix_HookMusicFinished(nullptr);
    Mix_CloseAudio();
    Mix_Quit();
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

bool AudioDevice::playMusic(Mix_Music* music, FinishCall finish) {
    // Registered before the song starts, so its end cannot go unseen.
    {
        std::lock_guard lock(finishLock);
        musicFinish = {};
    }
    Mix_HaltMusic();
    {
        std::lock_guard lock(finishLock);
        musicFinish = std::move(finish);
    }
    if (Mix_PlayMusic(music, 1) != 0) {
        std::lock_guard lock(finishLock);
        musicFinish = {};
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
    Mix_PauseMusic();
}

void AudioDevice::resumeMusic() {
    Mix_ResumeMusic();
}

void AudioDevice::forgetMusic(QObject* owner) {
    std::lock_guard lock(finishLock);
    if (musicFinish.context == owner) {
        musicFinish = {};
    }
}

} // namespace media
