// The speech thread and the desktop's speech service, here a fake service that keeps what
// it was asked: every new text cuts short what is being said, and a stop hushes it.

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include <QTextToSpeechEngine>
#include <QTextToSpeechPlugin>
#include <QVoice>
#include <QtPlugin>

#include "audiotest.h"
#include "sound/systemspeaker.h"

namespace quorvel {
namespace {

std::mutex asked;
std::vector<std::string> requests; ///< what the service was asked, in order

void keep(const std::string& request) {
    const std::lock_guard guard(asked);
    requests.push_back(request);
}

std::vector<std::string> kept() {
    const std::lock_guard guard(asked);
    return requests;
}

class FakeEngine : public QTextToSpeechEngine {
  public:
    using QTextToSpeechEngine::QTextToSpeechEngine;
    QList<QLocale> availableLocales() const override { return {QLocale::c()}; }
    QList<QVoice> availableVoices() const override { return {}; }
    void say(const QString& text) override { keep("say " + text.toStdString()); }
    void stop(QTextToSpeech::BoundaryHint) override { keep("stop"); }
    void pause(QTextToSpeech::BoundaryHint) override {}
    void resume() override {}
    double rate() const override { return 0; }
    bool setRate(double) override { return true; }
    double pitch() const override { return 0; }
    bool setPitch(double) override { return true; }
    QLocale locale() const override { return QLocale::c(); }
    bool setLocale(const QLocale&) override { return true; }
    double volume() const override { return 1; }
    bool setVolume(double) override { return true; }
    QVoice voice() const override { return {}; }
    bool setVoice(const QVoice&) override { return true; }
    QTextToSpeech::State state() const override { return QTextToSpeech::Ready; }
    QTextToSpeech::ErrorReason errorReason() const override {
        return QTextToSpeech::ErrorReason::NoError;
    }
    QString errorString() const override { return {}; }
};

class FakeSpeech : public QObject, public QTextToSpeechPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "fakespeech.json")
    Q_INTERFACES(QTextToSpeechPlugin)
  public:
    QTextToSpeechEngine* createTextToSpeechEngine(const QVariantMap&, QObject* parent,
                                                  QString*) const override {
        return new FakeEngine(parent);
    }
};

TEST(SystemSpeaker, EveryNewTextCutsShortWhatIsSaidAndAStopHushesIt) {
    test::ensureCoreApp();
    SystemSpeaker speaker;
    const auto heard = [](std::size_t count) {
        return test::waitFor([count] { return kept().size() >= count; });
    };
    speaker.say("a wall");
    ASSERT_TRUE(heard(2));
    speaker.say("the exit ahead");
    ASSERT_TRUE(heard(4));
    speaker.stop();
    ASSERT_TRUE(heard(5));
    EXPECT_EQ(kept(), (std::vector<std::string>{"stop", "say a wall", "stop", "say the exit ahead",
                                                "stop"}));
    EXPECT_TRUE(speaker.available());
}

} // namespace
} // namespace quorvel

Q_IMPORT_PLUGIN(FakeSpeech)

#include "test_systemspeaker.moc"
