#include "shells/desktop/sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QByteArray>
#include <QMediaDevices>
#include <QElapsedTimer>

#include "shells/desktop/worker_thread.h"

namespace af::desktop {

namespace {

constexpr int kBytesPerFrame = 2 * 2;  // two channels of 16 bits
// Silence ahead of a sound that starts from nothing, so that the device
// still has samples when the next frame's come, however late (the picture
// leads the sound by as much).
constexpr qint64 kLeadNs = 80'000'000;

}  // namespace

// The sink, on the sound's thread. The sink's device takes every write at
// once and plays the writes in turn (its free room is not to be trusted
// after it has stood idle), so the feeder writes all it is given and keeps
// its own count of how long the sink has to play, by the clock.
class SoundFeeder : public QObject {
public:
    explicit SoundFeeder(std::atomic<long>& underruns) : underruns_(underruns) {}
    ~SoundFeeder() override {
        if (sink_) sink_->stop();
    }

    bool open() {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) return false;
        QAudioFormat format;
        format.setSampleFormat(QAudioFormat::Int16);
        format.setChannelCount(2);
        format.setSampleRate(SoundOutput::kSoundRate);
        if (!device.isFormatSupported(format)) return false;
        sink_ = new QAudioSink(device, format, this);
        device_ = sink_->start();
        clock_.start();
        if (device_ && sink_->error() != QAudio::OpenError) return true;
        delete sink_;
        sink_ = nullptr;
        device_ = nullptr;
        return false;
    }

    void play(const std::vector<std::int16_t>& samples, bool more_follow) {
        if (!device_ || samples.empty()) return;
        const qint64 now = clock_.nsecsElapsed();
        if (now >= plays_until_ns_) {
            // Run dry: in the middle of a tone, a gap was heard.
            if (more_follow_) ++underruns_;
            write(QByteArray(SoundOutput::kSoundRate * kLeadNs / 1'000'000'000 * kBytesPerFrame, '\0'));
            plays_until_ns_ = now + kLeadNs;
        }
        // Little-endian, as the device's Int16 is on every machine this runs on.
        write(QByteArray(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size() * 2)));
        plays_until_ns_ += static_cast<qint64>(samples.size() / 2) * 1'000'000'000 / SoundOutput::kSoundRate;
        more_follow_ = more_follow;
    }

private:
    void write(const QByteArray& bytes) { device_->write(bytes); }

    std::atomic<long>& underruns_;
    QAudioSink* sink_ = nullptr;
    QIODevice* device_ = nullptr;
    QElapsedTimer clock_;
    qint64 plays_until_ns_ = 0;  // when what was written has been played
    bool more_follow_ = false;
};

SoundOutput::SoundOutput(QObject* parent) : QObject(parent) {}

SoundOutput::~SoundOutput() {
    if (feeder_) end_worker(thread_);
}

void SoundOutput::open() {
    if (feeder_) return;
    feeder_ = new SoundFeeder(underruns_);
    start_worker(thread_, feeder_);
    QMetaObject::invokeMethod(
        feeder_,
        [this, f = feeder_] {
            if (!f->open()) QMetaObject::invokeMethod(this, [this] { emit no_device(); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void SoundOutput::play(std::vector<std::int16_t> samples, bool more_follow) {
    if (!feeder_ || samples.empty()) return;
    QMetaObject::invokeMethod(
        feeder_, [f = feeder_, s = std::move(samples), more_follow] { f->play(s, more_follow); },
        Qt::QueuedConnection);
}

}  // namespace af::desktop
