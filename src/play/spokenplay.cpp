#include "play/spokenplay.h"

#include <QGuiApplication>
#include <QTimer>

#include "files/settingsfile.h"
#include "text/gametext.h"
#include "text/textutil.h"

namespace quorvel {

namespace {

const char* const cannotSpeak = GAME_TEXT_NOOP(
    "quorvel::SpokenPlay",
    "Quorvel 3-D cannot speak: no speech service answered (speech-dispatcher with a voice "
    "such as espeak-ng). The game plays on without speech.");

// The game is making a maze (it shows the busy cursor and takes no input meanwhile), so a
// dialog now could not be answered.
bool busy() {
    return QGuiApplication::overrideCursor() != nullptr;
}

} // namespace

SpokenPlay::SpokenPlay(std::unique_ptr<Speaker>& speaker,
                       std::function<void(const std::string&)> warn)
    : m_speaker(speaker), m_warn(std::move(warn)) {}

SpokenPlay::~SpokenPlay() = default;

SpokenPlay::Action::~Action() {
    if (--m_spoken.m_depth == 0) m_spoken.flush();
}

void SpokenPlay::switchTo(bool on, std::string_view player, std::string_view then) {
    if (!trimText(player).empty()) saveSpeechSwitch(player, on);
    if (on) {
        turnOn();
        m_words.clear();
        m_view.clear();
        say(joinSentences({gameText("quorvel::SpokenPlay", "Spoken play on"), then}));
    } else {
        m_held = false; // the player's own choice from now on
        // Said before it goes quiet, cutting short whatever was being said.
        m_speaker->say(gameText("quorvel::SpokenPlay", "Spoken play off."));
        m_on = false;
        m_words.clear();
        m_view.clear();
    }
}

void SpokenPlay::startOn() {
    m_held = true;
    turnOn();
}

void SpokenPlay::applyPlayer(std::string_view player) {
    if (trimText(player).empty()) return;
    const bool stored = loadSpeechSwitch(player, m_on);
    const bool on = m_held || stored;
    if (stored) saveSpeechSwitch(player, true); // carried over to a player the file did not know
    if (on && !m_on) turnOn();
    if (!on && m_on) {
        m_speaker->stop();
        m_on = false;
    }
}

void SpokenPlay::turnOn() {
    m_on = true;
    if (m_made) return;
    m_made = true;
    if (makeSpeaker) {
        if (std::unique_ptr<Speaker> made = makeSpeaker()) m_speaker = std::move(made);
    }
    m_speaker->whenUnavailable([this] { tellCannotSpeak(); });
}

// Once a run, the first time spoken play finds no speech service; the game plays on.
void SpokenPlay::tellCannotSpeak() {
    if (m_told) return;
    if (busy()) { // asked again once the maze is made
        if (!m_context) m_context = std::make_unique<QObject>();
        QTimer::singleShot(250, m_context.get(), [this] { tellCannotSpeak(); });
        return;
    }
    m_told = true;
    if (m_warn) m_warn(gameText("quorvel::SpokenPlay", cannotSpeak));
}

void SpokenPlay::say(std::string_view text) {
    if (!gathers()) return;
    if (m_depth > 0)
        addSentence(m_words, text);
    else
        sayOrTell(joinSentences({text}));
}

void SpokenPlay::sayView(std::string_view text) {
    if (!gathers()) return;
    if (m_depth > 0)
        m_view = text;
    else
        sayOrTell(joinSentences({text}));
}

void SpokenPlay::sayNow(std::string_view text) {
    if (gathers()) flush(m_on ? text : std::string_view());
}

void SpokenPlay::flush(std::string_view last) {
    std::string words;
    words.swap(m_words);
    addSentence(words, m_view);
    addSentence(words, last);
    m_view.clear();
    sayOrTell(words);
}

void SpokenPlay::sayOrTell(const std::string& words) {
    if (words.empty()) return;
    if (m_on)
        m_speaker->say(words);
    else if (whenQuiet)
        whenQuiet(words);
}

} // namespace quorvel
