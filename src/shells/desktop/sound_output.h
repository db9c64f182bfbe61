#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <vector>

namespace af::desktop {

class SoundFeeder;

// Plays the session's samples (16-bit stereo at kSoundRate) through the
// desktop's sound server: an audio sink in push mode, on a thread of its
// own, so that neither opening the device (which may wait for the sound
// server) nor a busy window ever holds up the other. Writes never wait.
class SoundOutput : public QObject {
    Q_OBJECT
public:
    static constexpr int kSoundRate = 48000;

    explicit SoundOutput(QObject* parent = nullptr);
    ~SoundOutput() override;

    // Opens the default output device once; `no_device` follows where there is none.
    void open();
    bool opened() const { return feeder_ != nullptr; }

    // Queues samples, left and right in turn. `more_follow`: a tone is under
    // way, so the device running dry before the next samples is an underrun.
    void play(std::vector<std::int16_t> samples, bool more_follow);

    // Times the device ran dry while a tone was under way.
    long underruns() const { return underruns_; }

signals:
    void no_device();

private:
    QThread thread_;
    SoundFeeder* feeder_ = nullptr;
    std::atomic<long> underruns_{0};
};

}  // namespace af::desktop
