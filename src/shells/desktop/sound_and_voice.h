#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "core/session/session.h"
#include "shells/desktop/sound_output.h"
#include "shells/desktop/voice_output.h"

namespace af::desktop {

// The window's sound and voice as the session's switches ask: its samples
// played, and with the voice on, what the screen reader is told said too.
// The device and the speech engine are opened the first time their switch
// is on; a missing one is told to the session, which says so once.
class SoundAndVoice : public QObject {
public:
    // `show_changes` shows what the session has to say after such news.
    SoundAndVoice(Session& session, std::function<void()> show_changes, QObject* parent = nullptr);

    // `said`: the sentences the screen reader was given for these changes.
    void show(const SessionChanges& changes, const std::vector<std::string>& said);

    long underruns() const { return sound_.underruns(); }
    QString voice_locale() const { return voice_.voice_locale(); }

private:
    void follow_switches();

    Session& session_;
    std::function<void()> show_changes_;
    SoundOutput sound_;
    VoiceOutput voice_;
};

}  // namespace af::desktop
