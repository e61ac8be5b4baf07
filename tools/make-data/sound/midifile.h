#pragma once
// A Standard MIDI File (format 1) writer: one conductor track with tempo and
// metre, then one track per part. Nothing in the file depends on the time
// of writing, so the same song always gives the same bytes.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace makedata::sound {

class MidiTrack {
public:
    explicit MidiTrack(const QString& name);

    void programChange(std::uint32_t tick, int channel, int program);
    void controlChange(std::uint32_t tick, int channel, int controller, int value);
    void note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    void tempo(std::uint32_t tick, int beatsPerMinute);
    void timeSignature(std::uint32_t tick, int numerator, int denominatorPower);

    // The track chunk ("MTrk", length, events in time order, end of track).
    QByteArray chunk() const;
    std::uint32_t endTick() const;

private:
    struct Event {
        std::uint32_t tick;
        int order; // at equal ticks: meta and controls, then note-offs, then note-ons
        QByteArray bytes;
    };
    void add(std::uint32_t tick, int order, QByteArray bytes);

    QString name_;
    std::vector<Event> events_;
};

class MidiFile {
public:
    static constexpr int ticksPerQuarter = 480;

    MidiTrack& addTrack(const QString& name);
    QByteArray bytes() const;
    bool write(const QString& path) const;

private:
    std::vector<MidiTrack> tracks_;
};

} // namespace makedata::sound
