#include "data_art/art_data.h"

#include "support/test_paths.h"

#include <QFile>
#include <cstring>

namespace artdata {

QString dataFile(const QString& relative) {
    return testsupport::buildDir() + "/Data/" + relative;
}

QImage loadPicture(const QString& relative) {
    return QImage(dataFile(relative));
}

namespace {

std::uint32_t read32(const char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

std::uint16_t read16(const char* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

} // namespace

Wave readWave(const QString& path) {
    Wave wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return wave;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return wave;
    }
    Wave found;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = read32(bytes.constData() + at + 4);
        const char* body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size()) {
            break;
        }
        if (id == "fmt " && size >= 16) {
            if (read16(body) != 1) {
                return wave; // not PCM
            }
            found.channels = read16(body + 2);
            found.sampleRate = int(read32(body + 4));
            found.bitsPerSample = read16(body + 14);
        } else if (id == "data" && found.bitsPerSample == 16) {
            found.samples.resize(size / 2);
            std::memcpy(found.samples.data(), body, found.samples.size() * 2);
            return found;
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    return wave;
}

} // namespace artdata
