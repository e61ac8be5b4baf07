#pragma once
// What the scene needs of a media player to play a landing or fetch sound.
// The main window's players implement it; the scene takes none when sound is
// off or there is no audio device.
#include <QString>

class TSoundPlayer {
public:
    virtual ~TSoundPlayer() = default;
    // Sets the file name, opens it and plays it; failures are ignored.
    virtual void PlayFile(const QString& file) = 0;
    // Stops and closes whatever is playing; failures are ignored.
    virtual void StopAndClose() = 0;
};
