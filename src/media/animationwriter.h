#pragma once
// TAnimationWriter: writes a looping animation of equal-sized frames through
// FFmpeg: an animated GIF whose palette is made for the whole animation
// (libavfilter's palettegen and paletteuse, ordered dithering that redraws only
// the rectangle that changed, so a still background never crawls), an animated
// WebP (libwebp), or an MP4 (H.264 in yuv420p, which browsers and phones play).
//
//   TAnimationWriter writer;
//   if (!writer.Open(path, TAnimationWriter::Format::Gif, {640, 422}, 25, &error)) ...
//   for (const QImage& frame : frames) writer.AddFrame(frame, &error);
//   writer.Finish(&error);
//
// Open writes to path directly; callers that replace a file write to a
// temporary one (TReplacingFile). A writer destroyed without Finish leaves
// an incomplete file behind.
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class TAnimationWriter {
public:
    enum class Format { Gif, WebP, Mp4 };
    // The format a file name asks for by its extension (.gif, .webp, .mp4).
    static std::optional<Format> FormatForFile(const QString& file);

    TAnimationWriter();
    TAnimationWriter(const TAnimationWriter&) = delete;
    TAnimationWriter& operator=(const TAnimationWriter&) = delete;
    ~TAnimationWriter();

    // Opens path for an animation of frames of size, fps frames a second.
    bool Open(const QString& path, Format format, QSize size, int fps, QString* error);
    // One frame (converted to the writer's size and format as needed).
    bool AddFrame(const QImage& frame, QString* error);
    // Encodes what is left and completes the file.
    bool Finish(QString* error);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};
