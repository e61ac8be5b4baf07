// The logo film decodes with FFmpeg: Motion-JPEG, 320 x 240, about three
// seconds, dark at both ends and showing the logo in the middle.
#include "data_art/art_data.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

namespace {

struct Decoded {
    QString codec;
    int width = 0;
    int height = 0;
    double seconds = 0;
    std::vector<double> brightness; // mean luma of each frame
};

Decoded decode(const QString& path) {
    Decoded result;
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.toLocal8Bit().constData(), nullptr, nullptr) < 0) {
        return result;
    }
    avformat_find_stream_info(format, nullptr);
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index >= 0) {
        const AVStream* stream = format->streams[index];
        const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
        AVCodecContext* codec = avcodec_alloc_context3(decoder);
        avcodec_parameters_to_context(codec, stream->codecpar);
        if (decoder && avcodec_open2(codec, decoder, nullptr) >= 0) {
            result.codec = decoder->name;
            result.width = codec->width;
            result.height = codec->height;
            result.seconds = stream->duration * av_q2d(stream->time_base);
            AVPacket* packet = av_packet_alloc();
            AVFrame* frame = av_frame_alloc();
            auto drain = [&] {
                while (avcodec_receive_frame(codec, frame) >= 0) {
                    double sum = 0;
                    for (int y = 0; y < frame->height; ++y) {
                        for (int x = 0; x < frame->width; ++x) {
                            sum += frame->data[0][y * frame->linesize[0] + x];
                        }
                    }
                    result.brightness.push_back(sum / (frame->width * frame->height));
                }
            };
            while (av_read_frame(format, packet) >= 0) {
                if (packet->stream_index == index && avcodec_send_packet(codec, packet) >= 0) {
                    drain();
                }
                av_packet_unref(packet);
            }
            avcodec_send_packet(codec, nullptr);
            drain();
            av_frame_free(&frame);
            av_packet_free(&packet);
        }
        avcodec_free_context(&codec);
    }
    avformat_close_input(&format);
    return result;
}

TEST(LogoFilm, DecodesToThreeSecondsOfLogo) {
    const Decoded film = decode(artdata::dataFile("Resource/Logo.avi"));
    EXPECT_EQ(film.codec, "mjpeg");
    EXPECT_EQ(film.width, 320);
    EXPECT_EQ(film.height, 240);
    EXPECT_NEAR(film.seconds, 3.0, 0.2);
    ASSERT_GE(film.brightness.size(), 70u);
    EXPECT_LE(film.brightness.size(), 80u);
    // Black at the start and the end, the logo clearly visible in between.
    EXPECT_LT(film.brightness.front(), 20);
    EXPECT_LT(film.brightness.back(), 20);
    EXPECT_GT(film.brightness[film.brightness.size() / 2], film.brightness.front() + 10);
}

} // namespace
