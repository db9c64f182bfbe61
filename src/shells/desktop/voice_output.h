#pragma once

#include <QObject>
#include <QString>
#include <QThread>

namespace af::desktop {

class VoiceWorker;

// Speaks sentences with the desktop's speech engine (speech-dispatcher
// through Qt's text to speech), in a voice of the window's language. The
// engine lives on a thread of its own, since starting it can take a while
// (it may have to start the speech server). A new sentence cuts off one
// still being said.
class VoiceOutput : public QObject {
    Q_OBJECT
public:
    // `language_tag`: the window's language, "de", "ja", ...
    explicit VoiceOutput(const QString& language_tag, QObject* parent = nullptr);
    ~VoiceOutput() override;

    // Starts the engine once; `found` follows.
    void start();
    bool started() const { return worker_ != nullptr; }
    void say(const QString& sentence);
    void silence();

    // The locale of the voice found, once found ("de_DE"); empty before, or where none speaks the language.
    QString voice_locale() const { return voice_locale_; }

signals:
    // Whether a voice speaks the window's language; without one, nothing is said.
    void found(bool speaks_language);

private:
    QString tag_;
    QThread thread_;
    VoiceWorker* worker_ = nullptr;
    bool known_ = false;   // whether a voice speaks the language is known
    bool speaks_ = false;
    QString waiting_;      // said before that was known: said once a voice is found
    QString voice_locale_;
};

}  // namespace af::desktop
