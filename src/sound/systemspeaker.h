#pragma once
// The desktop's speech service as spoken play's speaker: Qt TextToSpeech, which on Linux
// talks to speech-dispatcher. Connecting takes a while (seconds with some voices), and
// each word said is a call to the service, so all of it runs on a speech thread of its
// own: the game hands over the text and goes on at once. Only the newest text waits
// there; one that comes while an older one still waits replaces it, so speech never
// lags behind play.

#include <memory>

#include "sound/speaker.h"

class QObject;
class QThread;

namespace quorvel {

class SystemSpeaker : public Speaker {
  public:
    /// Starts the speech thread, which connects to the speech service; returns at once.
    /// Needs the QApplication.
    SystemSpeaker();
    /// Stops what is being said and ends the speech thread (waiting for a connection
    /// under way to finish).
    ~SystemSpeaker() override;
    SystemSpeaker(const SystemSpeaker&) = delete;
    SystemSpeaker& operator=(const SystemSpeaker&) = delete;

    void say(const std::string& text) override;
    void stop() override;
    /// True until the service is found missing.
    bool available() const override;
    void whenUnavailable(std::function<void()> tell) override;

    struct Shared; ///< what the two threads share

  private:
    std::shared_ptr<Shared> m_shared;
    QThread* m_thread;
    QObject* m_worker; ///< lives on the speech thread
    QObject* m_here;   ///< lives on the user-interface thread: where the speech thread reports
};

/// The speaker the program gives spoken play when it is first switched on.
std::unique_ptr<Speaker> makeSystemSpeaker();

} // namespace quorvel
