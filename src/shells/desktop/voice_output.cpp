#include "shells/desktop/voice_output.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>
#include <optional>
#include <utility>

#include "shells/desktop/worker_thread.h"

namespace af::desktop {

// The engine, on the voice's thread.
class VoiceWorker : public QObject {
public:
    // A voice of the language, preferring its own country's; an empty name where none.
    QString find_voice(const QString& tag) {
        engine_ = new QTextToSpeech(QStringLiteral("speechd"), this);
        if (engine_->state() == QTextToSpeech::Error) return {};
        const QLocale wanted(tag);
        std::optional<QLocale> best;
        for (const QLocale& locale : engine_->availableLocales()) {
            if (locale.language() != wanted.language()) continue;
            if (!best || locale.territory() == wanted.territory()) best = locale;
        }
        if (!best) return {};
        engine_->setLocale(*best);
        if (engine_->availableVoices().isEmpty()) return {};
        return best->name();
    }
    void say(const QString& sentence) {
        if (!engine_) return;
        // Cut off whatever is still being said, as a screen reader does.
        engine_->stop();
        engine_->say(sentence);
    }
    void silence() {
        if (engine_) engine_->stop();
    }

private:
    QTextToSpeech* engine_ = nullptr;
};

VoiceOutput::VoiceOutput(const QString& language_tag, QObject* parent) : QObject(parent), tag_(language_tag) {}

VoiceOutput::~VoiceOutput() {
    if (worker_) end_worker(thread_);
}

void VoiceOutput::start() {
    if (worker_) return;
    worker_ = new VoiceWorker;
    start_worker(thread_, worker_);
    QMetaObject::invokeMethod(
        worker_,
        [this, w = worker_, tag = tag_] {
            const QString locale = w->find_voice(tag);
            QMetaObject::invokeMethod(
                this,
                [this, locale] {
                    voice_locale_ = locale;
                    known_ = true;
                    speaks_ = !locale.isEmpty();
                    if (speaks_ && !waiting_.isEmpty()) say(std::exchange(waiting_, QString()));
                    emit found(speaks_);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void VoiceOutput::say(const QString& sentence) {
    if (!worker_ || sentence.isEmpty()) return;
    if (!known_) {
        waiting_ = sentence;
        return;
    }
    if (!speaks_) return;
    QMetaObject::invokeMethod(worker_, [w = worker_, sentence] { w->say(sentence); }, Qt::QueuedConnection);
}

void VoiceOutput::silence() {
    waiting_.clear();
    if (worker_) QMetaObject::invokeMethod(worker_, [w = worker_] { w->silence(); }, Qt::QueuedConnection);
}

}  // namespace af::desktop
