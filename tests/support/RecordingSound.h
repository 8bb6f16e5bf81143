#pragma once

#include "framework/Sound.h"
#include "tests/support/Transcript.h"

// The recording host's sound: every clip played is appended to a transcript
// as "clip <id>", the id of the wave resource the image is ("clip ?" for an
// image that is no resource). Nothing is heard and nothing waits. While it
// lives it is the program's sound output; the one before comes back after.
class RecordingSound final : public SoundOutput {
public:
    explicit RecordingSound(Transcript& transcript);
    RecordingSound(const RecordingSound&) = delete;
    RecordingSound& operator=(const RecordingSound&) = delete;
    ~RecordingSound() override;

    void PlaySync(WaveImage image) override;

private:
    Transcript& m_transcript;
    SoundOutput* m_previous;
};
