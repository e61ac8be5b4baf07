#include "film/filmwriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace makedata::film {

struct FilmWriter::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVStream* soundStream = nullptr;
    std::vector<float> sound;
    int soundRate = 0;
    int framesPerSecond = 0;
    std::size_t soundWritten = 0; // samples
    SwsContext* scaler = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    int width = 0;
    int height = 0;
    std::int64_t nextPts = 0;
    bool headerWritten = false;
    bool finished = false;
    QString error;

    ~State() {
        av_packet_free(&packet);
        av_frame_free(&frame);
        sws_freeContext(scaler);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb) {
                avio_closep(&format->pb);
            }
            avformat_free_context(format);
        }
    }

    bool fail(const QString& what, int code = 0) {
        if (error.isEmpty()) {
            char text[AV_ERROR_MAX_STRING_SIZE] = {};
            if (code < 0) {
                av_strerror(code, text, sizeof text);
            }
            error = "film: " + what + (code < 0 ? QString(": ") + text : QString());
        }
        return false;
    }

    // Writes the sound track up to sample `until` as one PCM packet.
    bool writeSound(std::size_t until) {
        until = std::min(until, sound.size());
        if (!soundStream || until <= soundWritten) {
            return true;
        }
        AVPacket* chunk = av_packet_alloc();
        if (!chunk || av_new_packet(chunk, int((until - soundWritten) * 2)) < 0) {
            av_packet_free(&chunk);
            return fail("out of memory");
        }
        for (std::size_t i = soundWritten; i < until; ++i) {
            const long value = std::lround(std::clamp(sound[i], -1.0f, 1.0f) * 32767.0f);
            chunk->data[(i - soundWritten) * 2] = std::uint8_t(value & 0xFF);
            chunk->data[(i - soundWritten) * 2 + 1] = std::uint8_t((value >> 8) & 0xFF);
        }
        chunk->pts = chunk->dts = std::int64_t(soundWritten);
        chunk->duration = std::int64_t(until - soundWritten);
        chunk->stream_index = soundStream->index;
        chunk->flags |= AV_PKT_FLAG_KEY;
        av_packet_rescale_ts(chunk, AVRational{1, soundRate}, soundStream->time_base);
        soundWritten = until;
        const int result = av_interleaved_write_frame(format, chunk);
        av_packet_free(&chunk);
        return result >= 0 || fail("writing sound", result);
    }

    // Sends a frame (or nullptr to flush) and writes what the encoder gives back.
    bool encode(AVFrame* input) {
        int result = avcodec_send_frame(codec, input);
        if (result < 0) {
            return fail("sending a frame", result);
        }
        while ((result = avcodec_receive_packet(codec, packet)) >= 0) {
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            result = av_interleaved_write_frame(format, packet);
            if (result < 0) {
                return fail("writing a packet", result);
            }
        }
        return result == AVERROR(EAGAIN) || result == AVERROR_EOF || fail("encoding", result);
    }
};

FilmWriter::FilmWriter(const QString& path, int width, int height, int framesPerSecond,
                       std::vector<float> sound, int soundRate)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.sound = std::move(sound);
    s.soundRate = soundRate;
    s.framesPerSecond = framesPerSecond;
    // The Motion-JPEG pixel format's range note is expected here; keep the
    // build's output to real errors.
    av_log_set_level(AV_LOG_ERROR);
    s.width = width;
    s.height = height;
    const QByteArray file = path.toLocal8Bit();
    int result = avformat_alloc_output_context2(&s.format, nullptr, "avi", file.constData());
    if (result < 0 || !s.format) {
        s.fail("no AVI muxer", result);
        return;
    }
    s.format->flags |= AVFMT_FLAG_BITEXACT;
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MJPEG);
    if (!encoder) {
        s.fail("no Motion-JPEG encoder");
        return;
    }
    s.stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(encoder);
    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    if (!s.stream || !s.codec || !s.frame || !s.packet) {
        s.fail("out of memory");
        return;
    }
    s.codec->width = width;
    s.codec->height = height;
    s.codec->time_base = AVRational{1, framesPerSecond};
    s.codec->framerate = AVRational{framesPerSecond, 1};
    s.codec->pix_fmt = AV_PIX_FMT_YUVJ420P;
    s.codec->color_range = AVCOL_RANGE_JPEG;
    s.codec->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_QSCALE;
    s.codec->global_quality = FF_QP2LAMBDA * 2;
    s.codec->thread_count = 1;
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER) {
        s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if ((result = avcodec_open2(s.codec, encoder, nullptr)) < 0) {
        s.fail("opening the encoder", result);
        return;
    }
    s.stream->time_base = s.codec->time_base;
    avcodec_parameters_from_context(s.stream->codecpar, s.codec);
    if (!s.sound.empty()) {
        // Plain 16-bit PCM needs no encoder: the samples are the packets.
        s.soundStream = avformat_new_stream(s.format, nullptr);
        if (!s.soundStream) {
            s.fail("out of memory");
            return;
        }
        AVCodecParameters* audio = s.soundStream->codecpar;
        audio->codec_type = AVMEDIA_TYPE_AUDIO;
        audio->codec_id = AV_CODEC_ID_PCM_S16LE;
        audio->sample_rate = soundRate;
        av_channel_layout_default(&audio->ch_layout, 1);
        audio->bits_per_coded_sample = 16;
        audio->block_align = 2;
        audio->bit_rate = std::int64_t(soundRate) * 16;
        s.soundStream->time_base = AVRational{1, soundRate};
    }

    s.frame->format = s.codec->pix_fmt;
    s.frame->width = width;
    s.frame->height = height;
    if ((result = av_frame_get_buffer(s.frame, 0)) < 0) {
        s.fail("allocating a frame", result);
        return;
    }
    s.scaler = sws_getContext(width, height, AV_PIX_FMT_BGRA, width, height, s.codec->pix_fmt,
                              SWS_BICUBIC | SWS_BITEXACT | SWS_ACCURATE_RND, nullptr, nullptr, nullptr);
    if (!s.scaler) {
        s.fail("no colour converter");
        return;
    }
    if ((result = avio_open(&s.format->pb, file.constData(), AVIO_FLAG_WRITE)) < 0) {
        s.fail("opening " + path, result);
        return;
    }
    if ((result = avformat_write_header(s.format, nullptr)) < 0) {
        s.fail("writing the header", result);
        return;
    }
    s.headerWritten = true;
}

FilmWriter::~FilmWriter() {
    finish();
}

bool FilmWriter::ok() const {
    return state_->error.isEmpty();
}

QString FilmWriter::error() const {
    return state_->error;
}

bool FilmWriter::addFrame(const QImage& picture) {
    State& s = *state_;
    if (!ok() || s.finished) {
        return false;
    }
    QImage frame = picture.convertToFormat(QImage::Format_ARGB32);
    if (frame.size() != QSize(s.width, s.height)) {
        frame = frame.scaled(s.width, s.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    const int result = av_frame_make_writable(s.frame);
    if (result < 0) {
        return s.fail("reusing a frame", result);
    }
    const std::uint8_t* source[1] = {frame.constBits()};
    const int sourceStride[1] = {int(frame.bytesPerLine())};
    sws_scale(s.scaler, source, sourceStride, 0, s.height, s.frame->data, s.frame->linesize);
    s.frame->pts = s.nextPts++;
    s.frame->quality = s.codec->global_quality;
    // The sound of this frame's time goes beside it.
    return s.encode(s.frame) &&
           s.writeSound(std::size_t(s.nextPts * std::int64_t(s.soundRate) / s.framesPerSecond));
}

bool FilmWriter::finish() {
    State& s = *state_;
    if (s.finished) {
        return ok();
    }
    s.finished = true;
    if (!s.headerWritten) {
        return false;
    }
    s.encode(nullptr);
    s.writeSound(s.sound.size());
    const int result = av_write_trailer(s.format);
    if (result < 0) {
        s.fail("writing the index", result);
    }
    return ok();
}

} // namespace makedata::film
