// The sound track of a film, as a WAV file in memory that the mixer loads
// like any sound: the first audio stream when it holds 16-bit PCM (what the
// data generator writes), read whole. Empty when the film has no such track,
// or when it is longer than a title film's sound could sensibly be.
#include "media/ffmpeg/module.h"

extern "C" {
#include <libavformat/avformat.h>
}

#include <cstdint>

namespace ffmpegmodule {

namespace {

// Ten minutes of stereo at 48 kHz: more than any title film carries.
constexpr std::int64_t largestTrack = 10LL * 60 * 48000 * 4;

void putLittle(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.append(char((value >> (8 * i)) & 0xFF));
    }
}

QByteArray wavFile(const QByteArray& pcm, int sampleRate, int channels) {
    QByteArray out;
    out.reserve(44 + pcm.size());
    out.append("RIFF");
    putLittle(out, std::uint32_t(36 + pcm.size()), 4);
    out.append("WAVEfmt ");
    putLittle(out, 16, 4);
    putLittle(out, 1, 2); // PCM
    putLittle(out, std::uint32_t(channels), 2);
    putLittle(out, std::uint32_t(sampleRate), 4);
    putLittle(out, std::uint32_t(sampleRate * channels * 2), 4);
    putLittle(out, std::uint32_t(channels * 2), 2);
    putLittle(out, 16, 2);
    out.append("data");
    putLittle(out, std::uint32_t(pcm.size()), 4);
    out.append(pcm);
    return out;
}

} // namespace

QByteArray FilmSoundTrackAsWav(const QString& path) {
    AVFormatContext* format = nullptr;
    const QByteArray name = path.toLocal8Bit();
    if (avformat_open_input(&format, name.constData(), nullptr, nullptr) < 0) {
        return {};
    }
    QByteArray pcm;
    int sampleRate = 0, channels = 0;
    if (avformat_find_stream_info(format, nullptr) >= 0) {
        const int stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        const AVCodecParameters* audio = stream >= 0 ? format->streams[stream]->codecpar : nullptr;
        if (audio && audio->codec_id == AV_CODEC_ID_PCM_S16LE && audio->sample_rate > 0 &&
            audio->sample_rate <= 192000 &&
            (audio->ch_layout.nb_channels == 1 || audio->ch_layout.nb_channels == 2)) {
            sampleRate = audio->sample_rate;
            channels = audio->ch_layout.nb_channels;
            AVPacket* packet = av_packet_alloc();
            while (packet && av_read_frame(format, packet) >= 0) {
                if (packet->stream_index == stream) {
                    if (pcm.size() + packet->size > largestTrack) {
                        pcm.clear();
                        av_packet_unref(packet);
                        break;
                    }
                    pcm.append(reinterpret_cast<const char*>(packet->data), packet->size);
                }
                av_packet_unref(packet);
            }
            av_packet_free(&packet);
        }
    }
    avformat_close_input(&format);
    // Whole samples of every channel only.
    pcm.truncate(pcm.size() - pcm.size() % (channels > 0 ? channels * 2 : 1));
    return pcm.isEmpty() ? QByteArray() : wavFile(pcm, sampleRate, channels);
}

} // namespace ffmpegmodule
