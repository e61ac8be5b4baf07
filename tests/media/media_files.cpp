#include "media_files.h"

#include <QDataStream>
#include <QFile>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace mediatest {

QString writeTone(const QString& path, double seconds, double frequency) {
    const int rate = 22050;
    const int samples = int(seconds * rate);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 dataBytes = quint32(samples) * 2;
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (int i = 0; i < samples; ++i) {
        out << qint16(12000 * std::sin(2 * std::numbers::pi * frequency * i / rate));
    }
    return path;
}

QString writeNote(const QString& path, double seconds) {
    // 120 beats a minute (the default tempo), 96 ticks a beat: 192 ticks a second.
    const int ticks = std::max(1, int(seconds * 192));
    QByteArray track;
    auto variable = [&track](int value) {
        QByteArray bytes;
        bytes.prepend(char(value & 0x7F));
        while ((value >>= 7) > 0) {
            bytes.prepend(char(0x80 | (value & 0x7F)));
        }
        track += bytes;
    };
    variable(0);
    track += QByteArray("\xC0\x00", 2); // piano
    variable(0);
    track += QByteArray("\x90\x3C\x64", 3); // middle C on
    variable(ticks);
    track += QByteArray("\x80\x3C\x40", 3); // off
    variable(0);
    track += QByteArray("\xFF\x2F\x00", 3); // end of track

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::BigEndian);
    out.writeRawData("MThd", 4);
    out << quint32(6) << quint16(0) << quint16(1) << quint16(96);
    out.writeRawData("MTrk", 4);
    out << quint32(track.size());
    out.writeRawData(track.constData(), int(track.size()));
    return path;
}

int rawPeak(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray data = file.readAll();
    const auto* samples = reinterpret_cast<const qint16*>(data.constData());
    int peak = 0;
    for (qsizetype i = 0; i < data.size() / 2; ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
    }
    return peak;
}

} // namespace mediatest
