#include "sound/midifile.h"

#include <QSaveFile>
#include <algorithm>

namespace makedata::sound {
namespace {

void putVariableLength(QByteArray& out, std::uint32_t value) {
    char buffer[5];
    int count = 0;
    buffer[count++] = char(value & 0x7F);
    while ((value >>= 7) != 0) {
        buffer[count++] = char((value & 0x7F) | 0x80);
    }
    while (count > 0) {
        out.append(buffer[--count]);
    }
}

void put32(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.append(char((value >> shift) & 0xFF));
    }
}

QByteArray bytesOf(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) {
        out.append(char(v));
    }
    return out;
}

} // namespace

MidiTrack::MidiTrack(const QString& name) : name_(name) {}

void MidiTrack::add(std::uint32_t tick, int order, QByteArray bytes) {
    events_.push_back({tick, order, std::move(bytes)});
}

void MidiTrack::programChange(std::uint32_t tick, int channel, int program) {
    add(tick, 0, bytesOf({0xC0 | channel, program}));
}

void MidiTrack::controlChange(std::uint32_t tick, int channel, int controller, int value) {
    add(tick, 0, bytesOf({0xB0 | channel, controller, value}));
}

void MidiTrack::note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    add(tick, 2, bytesOf({0x90 | channel, key, velocity}));
    add(tick + length, 1, bytesOf({0x80 | channel, key, 0}));
}

void MidiTrack::tempo(std::uint32_t tick, int beatsPerMinute) {
    const std::uint32_t microseconds = 60000000u / std::uint32_t(beatsPerMinute);
    add(tick, 0,
        bytesOf({0xFF, 0x51, 0x03, int(microseconds >> 16), int((microseconds >> 8) & 0xFF),
                 int(microseconds & 0xFF)}));
}

void MidiTrack::timeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    add(tick, 0, bytesOf({0xFF, 0x58, 0x04, numerator, denominatorPower, 24, 8}));
}

std::uint32_t MidiTrack::endTick() const {
    std::uint32_t end = 0;
    for (const Event& e : events_) {
        end = std::max(end, e.tick);
    }
    return end;
}

QByteArray MidiTrack::chunk() const {
    std::vector<Event> sorted = events_;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    QByteArray body;
    const QByteArray name = name_.toLatin1();
    putVariableLength(body, 0);
    body.append(bytesOf({0xFF, 0x03}));
    putVariableLength(body, std::uint32_t(name.size()));
    body.append(name);
    std::uint32_t now = 0;
    for (const Event& e : sorted) {
        putVariableLength(body, e.tick - now);
        body.append(e.bytes);
        now = e.tick;
    }
    putVariableLength(body, 0);
    body.append(bytesOf({0xFF, 0x2F, 0x00}));

    QByteArray out("MTrk");
    put32(out, std::uint32_t(body.size()));
    out.append(body);
    return out;
}

MidiTrack& MidiFile::addTrack(const QString& name) {
    return tracks_.emplace_back(name);
}

QByteArray MidiFile::bytes() const {
    QByteArray out("MThd");
    put32(out, 6);
    out.append(bytesOf({0, 1, 0, int(tracks_.size()), ticksPerQuarter >> 8, ticksPerQuarter & 0xFF}));
    for (const MidiTrack& track : tracks_) {
        out.append(track.chunk());
    }
    return out;
}

bool MidiFile::write(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(bytes());
    return file.commit();
}

} // namespace makedata::sound
