// The window's sound and voice with real parts: the test starts a PulseAudio
// server of its own with a null sink, and records the sink's monitor with
// parec while the window runs. The left side's pitch rises and falls once
// and the right side's twice, between the pitches of the lowest and highest
// heights, for as long as the run is on screen; with the voice on in
// German, RESET puts speech on the sink in a German voice. With
// AF_SOUND_RECORDING=FILE.wav the run's recording is kept there.
#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cmath>
#include <vector>

#include <sys/prctl.h>

#include "core/language/choose_language.h"
#include "shells/desktop/application.h"
#include "shells/desktop/main_window.h"

namespace {

constexpr int kRate = 48000;

// Pitch in windows of 20 ms from zero crossings, where the window is loud
// enough to hold a tone; 0 where it is silent.
std::vector<double> pitch_track(const std::vector<double>& x, std::size_t window) {
    std::vector<double> track;
    for (std::size_t from = 0; from + window <= x.size(); from += window) {
        double energy = 0;
        std::vector<double> crossings;
        for (std::size_t k = from + 1; k < from + window; ++k) {
            energy += x[k] * x[k];
            if ((x[k - 1] < 0) != (x[k] < 0)) crossings.push_back(static_cast<double>(k - 1) + x[k - 1] / (x[k - 1] - x[k]));
        }
        const bool loud = std::sqrt(energy / static_cast<double>(window)) > 1000;
        track.push_back(loud && crossings.size() > 2 ? static_cast<double>(crossings.size() - 1) * kRate /
                                                           (2 * (crossings.back() - crossings.front()))
                                                     : 0);
    }
    return track;
}

// How often a contour rises and then falls, each by more than a semitone.
int rises_and_falls(const std::vector<double>& track) {
    int peaks = 0;
    double low = 0, high = 0;
    bool rising = false;
    for (const double hz : track) {
        if (hz <= 0) continue;
        if (low == 0) low = high = hz;
        if (hz < low) low = hz;
        if (hz > high) high = hz;
        if (!rising && 1200 * std::log2(hz / low) > 100) {
            rising = true;
            high = hz;
        } else if (rising && 1200 * std::log2(high / hz) > 100) {
            rising = false;
            ++peaks;
            low = hz;
        }
    }
    return peaks;
}

// The server and the recorders end with the test, however it ends.
void ends_with_test(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

double cents(double heard, double expected) { return 1200 * std::log2(heard / expected); }

void write_wav(const QString& path, const QByteArray& pcm) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    const auto u32 = [&file](quint32 v) { file.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&file](quint16 v) { file.write(reinterpret_cast<const char*>(&v), 2); };
    file.write("RIFF");
    u32(static_cast<quint32>(36 + pcm.size()));
    file.write("WAVEfmt ");
    u32(16), u16(1), u16(2), u32(kRate), u32(kRate * 4), u16(4), u16(16);
    file.write("data");
    u32(static_cast<quint32>(pcm.size()));
    file.write(pcm);
}

}  // namespace

class SoundTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QProcess server_, silence_, recorder_;

    QString socket() const { return dir_.filePath("native"); }
    bool server_answers() {
        QProcess info;
        info.start("pactl", {"--server=unix:" + socket(), "info"});
        return info.waitForFinished(5000) && info.exitCode() == 0;
    }
    void record() {
        recorder_.setStandardOutputFile(dir_.filePath("heard.raw"));
        recorder_.start("parec", {"--server=unix:" + socket(), "--device=heard.monitor", "--format=s16le",
                                  "--rate=48000", "--channels=2", "--raw", "--latency-msec=20"});
        QVERIFY(recorder_.waitForStarted(5000));
        // Recording once the silence played all along comes in.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(dir_.filePath("heard.raw")).size() > 0, 15000);
    }
    // Whether the recording holds a sound and then a quarter of a second of
    // silence: the monitor hands out its samples in blocks, some time after
    // they were played.
    bool sound_then_silence() {
        QFile raw(dir_.filePath("heard.raw"));
        if (!raw.open(QIODevice::ReadOnly)) return false;
        const QByteArray pcm = raw.readAll();
        const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
        const qsizetype n = pcm.size() / 2, tail = kRate / 4 * 2;
        bool heard = false, quiet_tail = n > tail;
        for (qsizetype k = 0; k < n; ++k) {
            const bool loud = std::abs(s[k]) > 300;
            heard |= loud && k < n - tail;
            if (k >= n - tail) quiet_tail &= !loud;
        }
        return heard && quiet_tail;
    }
    QByteArray stop_recording() {
        recorder_.terminate();
        recorder_.waitForFinished(5000);
        QFile raw(dir_.filePath("heard.raw"));
        return raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray();
    }
    static void split(const QByteArray& pcm, std::vector<double>& left, std::vector<double>& right) {
        const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
        for (qsizetype k = 0; k + 1 < pcm.size() / 2; k += 2) {
            left.push_back(s[k]);
            right.push_back(s[k + 1]);
        }
    }
    QAbstractButton* button(af::desktop::MainWindow& w, const char* name) {
        return w.findChild<QAbstractButton*>(name);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // The window's sound and the speech server it may start go to this server alone.
        qputenv("PULSE_SERVER", ("unix:" + socket()).toUtf8());
        qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
        for (QProcess* p : {&server_, &silence_, &recorder_}) ends_with_test(*p);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                                     "--log-level=error", "--enable-memfd=no", "-L",
                                     "module-native-protocol-unix auth-anonymous=1 socket=" + socket(), "-L",
                                     "module-null-sink sink_name=heard rate=48000 channels=2"});
        QVERIFY2(server_.waitForStarted(5000), "pulseaudio did not start");
        QTRY_VERIFY_WITH_TIMEOUT(server_answers(), 20000);
        // Silence played all along keeps the sink running, so that its monitor
        // hands out every sample as it is played, even those after a pause.
        silence_.setStandardInputFile("/dev/zero");
        silence_.start("pacat", {"--server=unix:" + socket(), "--playback", "--format=s16le", "--rate=48000",
                                 "--channels=2", "--latency-msec=20"});
        QVERIFY(silence_.waitForStarted(5000));
    }

    void cleanupTestCase() {
        // The speech server the voice started, by the number it left.
        QFile pid(dir_.filePath("speech-dispatcher/pid/speech-dispatcher.pid"));
        if (pid.open(QIODevice::ReadOnly)) {
            const qint64 id = pid.readAll().trimmed().toLongLong();
            if (id > 0) QProcess::execute("kill", {QString::number(id)});
        }
        silence_.terminate();
        silence_.waitForFinished(5000);
        server_.terminate();
        server_.waitForFinished(5000);
    }

    void run_heard_rising_and_falling_on_each_side() {
        // The recorder first: the monitor of a sink that was playing when it
        // connected hands it its samples late.
        record();
        af::Setup setup;
        setup.switches = {{"sound", true}};
        af::desktop::MainWindow window(setup);
        QSignalSpy idle(&window, &af::desktop::MainWindow::idle);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(300);  // the sound device opened
        QElapsedTimer clock;
        clock.start();
        button(window, "run_button")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!idle.isEmpty() && !window.busy(), 30000);
        const double run_seconds = static_cast<double>(clock.elapsed()) / 1000;
        QTRY_VERIFY_WITH_TIMEOUT(sound_then_silence(), 15000);
        const QByteArray pcm = stop_recording();
        if (qEnvironmentVariableIsSet("AF_SOUND_RECORDING")) write_wav(qEnvironmentVariable("AF_SOUND_RECORDING"), pcm);

        std::vector<double> left, right;
        split(pcm, left, right);
        const std::size_t window_samples = kRate / 50;
        const std::vector<double> l = pitch_track(left, window_samples), r = pitch_track(right, window_samples);
        QCOMPARE(rises_and_falls(l), 1);
        QCOMPARE(rises_and_falls(r), 2);
        // Lengths 10 of 15: from 440 Hz up to 440 * 2^(2/3) and down to 440 / 2^(2/3).
        for (const auto* track : {&l, &r}) {
            double low = 1e9, high = 0;
            for (const double hz : *track) {
                if (hz > 0) low = std::min(low, hz), high = std::max(high, hz);
            }
            QVERIFY2(std::abs(cents(high, 440 * std::pow(2.0, 2.0 / 3))) < 30, qPrintable(QString::number(high)));
            QVERIFY2(std::abs(cents(low, 440 / std::pow(2.0, 2.0 / 3))) < 30, qPrintable(QString::number(low)));
        }
        // As long as the run was on screen: 101 frames of the display's
        // interval at least, and as long as they took if the window was held up.
        std::size_t first = l.size(), last = 0;
        for (std::size_t k = 0; k < l.size(); ++k) {
            if (l[k] > 0) first = std::min(first, k), last = k;
        }
        const double heard_seconds = static_cast<double>(last - first + 1) * window_samples / kRate;
        const double shown_seconds = 101 * window.frame_interval_ms() / 1000;
        const QString times = QString("heard %1 s, run on screen %2 s, 101 intervals %3 s")
                                  .arg(heard_seconds).arg(run_seconds).arg(shown_seconds);
        QVERIFY2(std::abs(heard_seconds - run_seconds) < 0.08, qPrintable(times));
        QVERIFY2(heard_seconds > shown_seconds - 0.04, qPrintable(times));
    }

    void reset_said_in_a_german_voice() {
        const af::Language language = af::choose_language(af::desktop::environment_languages());
        QCOMPARE(QString::fromUtf8(language.tag().data(), qsizetype(language.tag().size())), QString("de"));
        record();
        af::Setup setup;
        setup.switches = {{"voice", true}};
        af::desktop::MainWindow window(setup, language);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!window.voice_locale().isEmpty(), 30000);
        QVERIFY2(window.voice_locale().startsWith("de"), qPrintable(window.voice_locale()));
        button(window, "reset_button")->click();
        QTRY_VERIFY_WITH_TIMEOUT(sound_then_silence(), 20000);
        std::vector<double> left, right;
        split(stop_recording(), left, right);
        // Speech, not a cue (the sound is off): loud for much of a second.
        double loud = 0;
        for (const double v : left) loud += std::abs(v) > 500;
        QVERIFY2(loud / kRate > 0.4, qPrintable(QString("%1 s of speech").arg(loud / kRate)));
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
