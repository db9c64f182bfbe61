#include "shells/desktop/sound_and_voice.h"

#include "core/acts/spoken_text.h"
#include "shells/desktop/qt_text.h"

namespace af::desktop {

SoundAndVoice::SoundAndVoice(Session& session, std::function<void()> show_changes, QObject* parent)
    : QObject(parent),
      session_(session),
      show_changes_(std::move(show_changes)),
      voice_(qstring(session.language().tag())) {
    session_.set_sample_rate(SoundOutput::kSoundRate);
    connect(&sound_, &SoundOutput::no_device, this, [this] {
        session_.no_sound_device();
        show_changes_();
    });
    connect(&voice_, &VoiceOutput::found, this, [this](bool speaks) {
        if (speaks) return;
        session_.no_voice();
        show_changes_();
    });
    follow_switches();
}

void SoundAndVoice::follow_switches() {
    if (session_.is_on(Extra::Sound)) sound_.open();
    if (session_.is_on(Extra::Voice)) {
        voice_.start();
    } else {
        voice_.silence();
    }
}

void SoundAndVoice::show(const SessionChanges& changes, const std::vector<std::string>& said) {
    if (changes.switches) follow_switches();
    if (!changes.sound.empty()) sound_.play(changes.sound, session_.sound_continues());
    if (!session_.is_on(Extra::Voice) || said.empty()) return;
    // One utterance, so that the last sentence does not cut off the first.
    std::string all = said.front();
    for (std::size_t k = 1; k < said.size(); ++k) all = value_then(all, said[k], session_.language());
    voice_.say(qstring(all));
}

}  // namespace af::desktop
