// FilmReader: reads a film file's video stream frame by frame with FFmpeg and
// hands out each frame as a QImage with its time. Sound tracks are not read.
#include "media/ffmpeg/module.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace ffmpegmodule {

namespace {

using media::FilmFrame;

struct State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    int stream = -1;
    double timeBase = 0;
    double rate = 25;
    bool draining = false;
    bool failed = false;
    double lastStart = -1;
    double startOffset = 0;

    ~State() {
        sws_freeContext(scaler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }
};

QString avError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

class FilmReader : public media::FFmpegFilm {
public:
    bool open(const QString& path, QString* error) override;
    QSize size() const override;
    double frameRate() const override;
    std::optional<FilmFrame> next() override;
    bool failed() const override;
    bool rewind() override;

private:
    std::unique_ptr<State> s_;
};

bool FilmReader::open(const QString& path, QString* error) {
    auto s = std::make_unique<State>();
    av_log_set_level(AV_LOG_ERROR);
    const QByteArray name = path.toLocal8Bit();
    int result = avformat_open_input(&s->format, name.constData(), nullptr, nullptr);
    if (result < 0) {
        *error = QStringLiteral("film: %1: %2").arg(path, avError(result));
        return false;
    }
    if ((result = avformat_find_stream_info(s->format, nullptr)) < 0) {
        *error = QStringLiteral("film: %1: %2").arg(path, avError(result));
        return false;
    }
    const AVCodec* decoder = nullptr;
    s->stream = av_find_best_stream(s->format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (s->stream < 0 || !decoder) {
        *error = QStringLiteral("film: %1: no video stream that can be decoded").arg(path);
        return false;
    }
    const AVStream* stream = s->format->streams[s->stream];
    s->codec = avcodec_alloc_context3(decoder);
    if (!s->codec || avcodec_parameters_to_context(s->codec, stream->codecpar) < 0 ||
        (result = avcodec_open2(s->codec, decoder, nullptr)) < 0) {
        *error = QStringLiteral("film: %1: the decoder does not open").arg(path);
        return false;
    }
    if (s->codec->width <= 0 || s->codec->height <= 0) {
        *error = QStringLiteral("film: %1: the film has no size").arg(path);
        return false;
    }
    s->timeBase = av_q2d(stream->time_base);
    if (stream->start_time != AV_NOPTS_VALUE) {
        s->startOffset = stream->start_time * s->timeBase;
    }
    const AVRational rate = av_guess_frame_rate(s->format, const_cast<AVStream*>(stream), nullptr);
    if (rate.num > 0 && rate.den > 0) {
        s->rate = av_q2d(rate);
    }
    s->frame = av_frame_alloc();
    s->packet = av_packet_alloc();
    if (!s->frame || !s->packet) {
        *error = QStringLiteral("film: out of memory");
        return false;
    }
    s_ = std::move(s);
    return true;
}

QSize FilmReader::size() const {
    return s_ ? QSize(s_->codec->width, s_->codec->height) : QSize();
}

double FilmReader::frameRate() const {
    return s_ ? s_->rate : 0;
}

bool FilmReader::failed() const {
    return s_ && s_->failed;
}

std::optional<FilmFrame> FilmReader::next() {
    if (!s_ || s_->failed) {
        return std::nullopt;
    }
    State& s = *s_;
    for (;;) {
        int result = avcodec_receive_frame(s.codec, s.frame);
        if (result == 0) {
            break;
        }
        if (result == AVERROR_EOF) {
            return std::nullopt;
        }
        if (result != AVERROR(EAGAIN)) {
            s.failed = true;
            return std::nullopt;
        }
        if (s.draining) {
            return std::nullopt;
        }
        // Feed the decoder the next packet of our stream, or tell it the file has ended.
        result = av_read_frame(s.format, s.packet);
        if (result < 0) {
            s.draining = true;
            avcodec_send_packet(s.codec, nullptr);
            continue;
        }
        if (s.packet->stream_index == s.stream) {
            result = avcodec_send_packet(s.codec, s.packet);
            if (result < 0 && result != AVERROR(EAGAIN)) {
                av_packet_unref(s.packet);
                s.failed = true;
                return std::nullopt;
            }
        }
        av_packet_unref(s.packet);
    }

    FilmFrame out;
    const int width = s.frame->width;
    const int height = s.frame->height;
    out.image = QImage(width, height, QImage::Format_RGB32);
    s.scaler = sws_getCachedContext(s.scaler, width, height, AVPixelFormat(s.frame->format), width, height,
                                    AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!s.scaler) {
        s.failed = true;
        return std::nullopt;
    }
    uint8_t* planes[4] = {out.image.bits(), nullptr, nullptr, nullptr};
    int strides[4] = {int(out.image.bytesPerLine()), 0, 0, 0};
    sws_scale(s.scaler, s.frame->data, s.frame->linesize, 0, height, planes, strides);

    const double frameTime = 1.0 / s.rate;
    if (s.frame->best_effort_timestamp != AV_NOPTS_VALUE) {
        out.start = s.frame->best_effort_timestamp * s.timeBase - s.startOffset;
    } else {
        out.start = s.lastStart < 0 ? 0 : s.lastStart + frameTime;
    }
    out.duration = s.frame->pkt_duration > 0 ? s.frame->pkt_duration * s.timeBase : frameTime;
    s.lastStart = out.start;
    av_frame_unref(s.frame);
    return out;
}

bool FilmReader::rewind() {
    if (!s_) {
        return false;
    }
    State& s = *s_;
    if (av_seek_frame(s.format, s.stream, 0, AVSEEK_FLAG_BACKWARD) < 0) {
        return false;
    }
    avcodec_flush_buffers(s.codec);
    s.draining = false;
    s.failed = false;
    s.lastStart = -1;
    return true;
}

} // namespace

std::unique_ptr<media::FFmpegFilm> NewFilmReader() {
    return std::make_unique<FilmReader>();
}

} // namespace ffmpegmodule
