// AnimationEncoder: a looping animation written through FFmpeg: an animated
// GIF whose palette is made for the whole animation (libavfilter's palettegen
// and paletteuse), an animated WebP (libwebp), or an MP4 (H.264 in yuv420p).
#include "media/ffmpeg/module.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace ffmpegmodule {

namespace {

using Format = TAnimationWriter::Format;

QString AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// Ordered (Bayer) dithering keeps every still pixel the same from frame to
// frame; diff_mode redraws only the rectangle that changed.
constexpr const char* GifFilter = "split[a][b];[a]palettegen=max_colors=256[p];"
                                  "[b][p]paletteuse=dither=bayer:bayer_scale=3:diff_mode=rectangle";

struct FormatContextDeleter {
    void operator()(AVFormatContext* context) const {
        if (context->pb) {
            avio_closep(&context->pb);
        }
        avformat_free_context(context);
    }
};

struct Impl {
    Format format = Format::Gif;
    QSize size;
    int64_t nextPts = 0;
    bool headerWritten = false;
    std::unique_ptr<AVFormatContext, FormatContextDeleter> muxer;
    AVCodecContext* encoder = nullptr;
    AVStream* stream = nullptr;
    AVFilterGraph* graph = nullptr;
    AVFilterContext* source = nullptr;
    AVFilterContext* sink = nullptr;
    SwsContext* scaler = nullptr;
    AVFrame* frame = nullptr;
    AVFrame* filtered = nullptr;
    AVPacket* packet = nullptr;

    ~Impl() {
        sws_freeContext(scaler);
        avfilter_graph_free(&graph);
        av_frame_free(&frame);
        av_frame_free(&filtered);
        av_packet_free(&packet);
        avcodec_free_context(&encoder);
    }

    bool fail(QString* error, const QString& what, int code) {
        *error = code < 0 ? what + ": " + AvError(code) : what;
        return false;
    }

    bool openGifFilter(int fps, QString* error) {
        graph = avfilter_graph_alloc();
        const QString args = QString("video_size=%1x%2:pix_fmt=%3:time_base=1/%4:pixel_aspect=1/1")
                                 .arg(size.width())
                                 .arg(size.height())
                                 .arg(int(AV_PIX_FMT_RGB32))
                                 .arg(fps);
        int rc = avfilter_graph_create_filter(&source, avfilter_get_by_name("buffer"), "in",
                                              args.toUtf8().constData(), nullptr, graph);
        if (rc < 0) {
            return fail(error, "GIF palette filter", rc);
        }
        rc = avfilter_graph_create_filter(&sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr,
                                          graph);
        if (rc < 0) {
            return fail(error, "GIF palette filter", rc);
        }
        const AVPixelFormat paletted[] = {AV_PIX_FMT_PAL8, AV_PIX_FMT_NONE};
        av_opt_set_int_list(sink, "pix_fmts", paletted, AV_PIX_FMT_NONE, AV_OPT_SEARCH_CHILDREN);

        AVFilterInOut* outputs = avfilter_inout_alloc();
        AVFilterInOut* inputs = avfilter_inout_alloc();
        outputs->name = av_strdup("in");
        outputs->filter_ctx = source;
        inputs->name = av_strdup("out");
        inputs->filter_ctx = sink;
        rc = avfilter_graph_parse_ptr(graph, GifFilter, &inputs, &outputs, nullptr);
        avfilter_inout_free(&inputs);
        avfilter_inout_free(&outputs);
        if (rc >= 0) {
            rc = avfilter_graph_config(graph, nullptr);
        }
        return rc >= 0 || fail(error, "GIF palette filter", rc);
    }

    const AVCodec* findEncoder() const {
        switch (format) {
        case Format::Gif:
            return avcodec_find_encoder(AV_CODEC_ID_GIF);
        case Format::WebP:
            // The animated WebP encoder writes one file with all frames.
            return avcodec_find_encoder_by_name("libwebp_anim");
        case Format::Mp4:
            if (const AVCodec* x264 = avcodec_find_encoder_by_name("libx264")) {
                return x264;
            }
            return avcodec_find_encoder(AV_CODEC_ID_H264);
        }
        return nullptr;
    }

    // Sends frame (null: the end) to the encoder and writes what comes out.
    bool encode(AVFrame* input, QString* error) {
        int rc = avcodec_send_frame(encoder, input);
        if (rc < 0) {
            return fail(error, "encoding", rc);
        }
        for (;;) {
            rc = avcodec_receive_packet(encoder, packet);
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) {
                return true;
            }
            if (rc < 0) {
                return fail(error, "encoding", rc);
            }
            if (packet->duration <= 0) {
                packet->duration = 1;
            }
            av_packet_rescale_ts(packet, encoder->time_base, stream->time_base);
            packet->stream_index = stream->index;
            rc = av_interleaved_write_frame(muxer.get(), packet);
            if (rc < 0) {
                return fail(error, "writing", rc);
            }
        }
    }

    // Takes the paletted frames the GIF filter has ready and encodes them.
    bool drainFilter(QString* error) {
        for (;;) {
            const int rc = av_buffersink_get_frame(sink, filtered);
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) {
                return true;
            }
            if (rc < 0) {
                return fail(error, "GIF palette filter", rc);
            }
            filtered->pts =
                av_rescale_q(filtered->pts, av_buffersink_get_time_base(sink), encoder->time_base);
            filtered->pict_type = AV_PICTURE_TYPE_NONE;
            const bool ok = encode(filtered, error);
            av_frame_unref(filtered);
            if (!ok) {
                return false;
            }
        }
    }
};

class AnimationEncoder : public media::FFmpegAnimation {
public:
    bool open(const QString& path, Format format, QSize size, int fps, QString* error) override;
    bool addFrame(const QImage& frame, QString* error) override;
    bool finish(QString* error) override;

private:
    std::unique_ptr<Impl> d_;
};

bool AnimationEncoder::open(const QString& path, Format format, QSize size, int fps, QString* error) {
    // The encoders' statistics are no news for the user; warnings and errors are.
    if (av_log_get_level() > AV_LOG_WARNING) {
        av_log_set_level(AV_LOG_WARNING);
    }
    d_ = std::make_unique<Impl>();
    Impl& d = *d_;
    d.format = format;
    d.size = size;
    const char* muxerName = format == Format::Gif ? "gif" : format == Format::WebP ? "webp" : "mp4";
    const QByteArray file = path.toUtf8();

    AVFormatContext* muxer = nullptr;
    int rc = avformat_alloc_output_context2(&muxer, nullptr, muxerName, file.constData());
    if (rc < 0 || !muxer) {
        return d.fail(error, QString("no %1 writer").arg(muxerName), rc);
    }
    d.muxer.reset(muxer);

    const AVCodec* codec = d.findEncoder();
    if (!codec) {
        return d.fail(error, QString("this FFmpeg has no %1 encoder").arg(muxerName), 0);
    }
    d.encoder = avcodec_alloc_context3(codec);
    d.encoder->width = size.width();
    d.encoder->height = size.height();
    d.encoder->time_base = {1, fps};
    d.encoder->framerate = {fps, 1};
    d.encoder->sample_aspect_ratio = {1, 1};
    d.encoder->pix_fmt = format == Format::Gif ? AV_PIX_FMT_PAL8 : AV_PIX_FMT_YUV420P;
    if (d.muxer->oformat->flags & AVFMT_GLOBALHEADER) {
        d.encoder->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    AVDictionary* codecOptions = nullptr;
    if (format == Format::Mp4) {
        d.encoder->gop_size = fps * 2;
        av_dict_set(&codecOptions, "preset", "fast", 0);
        av_dict_set(&codecOptions, "crf", "23", 0);
        av_dict_set(&codecOptions, "profile", "high", 0);
    } else if (format == Format::WebP) {
        av_dict_set(&codecOptions, "quality", "80", 0);
        av_dict_set(&codecOptions, "compression_level", "3", 0);
    }
    rc = avcodec_open2(d.encoder, codec, &codecOptions);
    av_dict_free(&codecOptions);
    if (rc < 0) {
        return d.fail(error, QString("opening the %1 encoder").arg(codec->name), rc);
    }
    d.stream = avformat_new_stream(d.muxer.get(), nullptr);
    d.stream->time_base = d.encoder->time_base;
    d.stream->avg_frame_rate = {fps, 1};
    avcodec_parameters_from_context(d.stream->codecpar, d.encoder);

    rc = avio_open(&d.muxer->pb, file.constData(), AVIO_FLAG_WRITE);
    if (rc < 0) {
        return d.fail(error, path, rc);
    }
    AVDictionary* muxerOptions = nullptr;
    if (format == Format::Mp4) {
        // The index first, so a browser starts playing before the whole file is there.
        av_dict_set(&muxerOptions, "movflags", "+faststart", 0);
    } else {
        av_dict_set(&muxerOptions, "loop", "0", 0); // for ever
    }
    rc = avformat_write_header(d.muxer.get(), &muxerOptions);
    av_dict_free(&muxerOptions);
    if (rc < 0) {
        return d.fail(error, path, rc);
    }
    d.headerWritten = true;

    d.frame = av_frame_alloc();
    d.filtered = av_frame_alloc();
    d.packet = av_packet_alloc();
    if (format == Format::Gif) {
        d.frame->format = AV_PIX_FMT_RGB32;
        if (!d.openGifFilter(fps, error)) {
            return false;
        }
    } else {
        d.frame->format = AV_PIX_FMT_YUV420P;
        d.scaler = sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGB32, size.width(), size.height(),
                                  AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    }
    d.frame->width = size.width();
    d.frame->height = size.height();
    return true;
}

bool AnimationEncoder::addFrame(const QImage& image, QString* error) {
    if (!d_ || !d_->headerWritten) {
        *error = "the animation is not open";
        return false;
    }
    Impl& d = *d_;
    QImage picture = image.convertToFormat(QImage::Format_RGB32);
    if (picture.size() != d.size) {
        picture = picture.scaled(d.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // A fresh buffer each frame: the filter and encoders may keep the last one.
    int rc = av_frame_get_buffer(d.frame, 0);
    if (rc < 0) {
        return d.fail(error, "frame", rc);
    }
    d.frame->pts = d.nextPts++;
    d.frame->sample_aspect_ratio = {1, 1};
    bool ok = false;
    if (d.format == Format::Gif) {
        av_image_copy_plane(d.frame->data[0], d.frame->linesize[0], picture.constBits(),
                            static_cast<int>(picture.bytesPerLine()), d.size.width() * 4, d.size.height());
        rc = av_buffersrc_add_frame(d.source, d.frame); // takes the frame's buffer
        ok = rc >= 0 ? d.drainFilter(error) : d.fail(error, "GIF palette filter", rc);
    } else {
        const uint8_t* rows[] = {picture.constBits()};
        const int strides[] = {static_cast<int>(picture.bytesPerLine())};
        sws_scale(d.scaler, rows, strides, 0, d.size.height(), d.frame->data, d.frame->linesize);
        ok = d.encode(d.frame, error);
    }
    av_frame_unref(d.frame);
    d.frame->format = d.format == Format::Gif ? AV_PIX_FMT_RGB32 : AV_PIX_FMT_YUV420P;
    d.frame->width = d.size.width();
    d.frame->height = d.size.height();
    return ok;
}

bool AnimationEncoder::finish(QString* error) {
    if (!d_ || !d_->headerWritten) {
        *error = "the animation is not open";
        return false;
    }
    Impl& d = *d_;
    if (d.format == Format::Gif) {
        const int rc = av_buffersrc_add_frame(d.source, nullptr);
        if (rc < 0) {
            return d.fail(error, "GIF palette filter", rc);
        }
        if (!d.drainFilter(error)) {
            return false;
        }
    }
    if (!d.encode(nullptr, error)) {
        return false;
    }
    int rc = av_write_trailer(d.muxer.get());
    if (rc < 0) {
        return d.fail(error, "writing", rc);
    }
    rc = avio_closep(&d.muxer->pb);
    d_.reset();
    if (rc < 0) {
        *error = "writing: " + AvError(rc);
        return false;
    }
    return true;
}

} // namespace

std::unique_ptr<media::FFmpegAnimation> NewAnimationEncoder() {
    return std::make_unique<AnimationEncoder>();
}

} // namespace ffmpegmodule
