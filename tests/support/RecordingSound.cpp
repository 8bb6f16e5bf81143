#include "tests/support/RecordingSound.h"

#include "framework/Resources.h"

#include <optional>
#include <string>

RecordingSound::RecordingSound(Transcript& transcript)
    : m_transcript(transcript), m_previous(CurrentSoundOutput()) {
    SetSoundOutput(this);
}

RecordingSound::~RecordingSound() {
    SetSoundOutput(m_previous);
}

void RecordingSound::PlaySync(WaveImage image) {
    const std::optional<int> id = WaveResourceId(image);
    m_transcript.Add("clip " + (id ? std::to_string(*id) : std::string("?")));
}
