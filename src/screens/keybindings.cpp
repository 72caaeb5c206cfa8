#include "screens/keybindings.h"

#include <array>

#include <QKeyEvent>
#include <QKeySequence>
#include <QtGlobal>
#include <QString>

#include "files/settingsfile.h"
#include "screens/bindings.h"

namespace quorvel {

namespace {

struct ActionInfo {
    const char* entry;
    const char* meaning;
    int key; ///< the action's own key (a Qt::Key)
};

constexpr std::array<ActionInfo, keyActionCount> actions = {{
    {"Up", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "step forward"), Qt::Key_Up},
    {"Down", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "step back"), Qt::Key_Down},
    {"Left", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "turn left"), Qt::Key_Left},
    {"Right", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "turn right"), Qt::Key_Right},
    {"Use", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "use a battery"), Qt::Key_U},
    {"Run", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "run"), Qt::Key_R},
    {"Map", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "the overhead map"), Qt::Key_W},
    {"Sounds", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "sounds on or off"), Qt::Key_S},
    {"Music", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "music on or off"), Qt::Key_M},
    {"Story", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "the story"), Qt::Key_Slash},
    {"Yell", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "yell"), Qt::Key_Y},
    {"Laugh", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "laugh"), Qt::Key_L},
    {"Cry", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "cry"), Qt::Key_C},
    {"Jump", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "jump"), Qt::Key_J},
    {"Dance", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "dance"), Qt::Key_D},
    {"Speech", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "spoken play on or off"), Qt::Key_V},
    {"Counters", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "say the counters"), Qt::Key_I},
    {"Heading", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "say the compass heading"), Qt::Key_H},
    {"Tools", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "say what the tools tell"), Qt::Key_T},
    {"Ahead", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "say what lies ahead"), Qt::Key_A},
    {"Cues", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "sound cues on or off"), Qt::Key_E},
    {"Palette", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "the map's colours for colour-blind eyes"), Qt::Key_P},
    {"Messages", QT_TRANSLATE_NOOP("quorvel::HelpWindow", "say the last messages again"), Qt::Key_G},
}};

std::vector<int> ownKeys() {
    std::vector<int> keys;
    for (const ActionInfo& a : actions)
        keys.push_back(a.key);
    return keys;
}

// The key a settings value names: one key, no modifiers; noInput otherwise.
int keyNamed(const std::string& name) {
    if (name.empty()) return noInput;
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromUtf8(name.c_str()), QKeySequence::PortableText);
    if (sequence.count() != 1) return noInput;
    const QKeyCombination combination = sequence[0];
    if (combination.keyboardModifiers() != Qt::NoModifier) return noInput;
    const int key = combination.key();
    return key == 0 || key == Qt::Key_unknown ? noInput : key;
}

// Letters compare by their capital, whatever the character's case.
int capital(int character) {
    return character >= 'a' && character <= 'z' ? character - 'a' + 'A' : character;
}

} // namespace

const char* keyActionEntry(KeyAction action) {
    return actions[static_cast<int>(action)].entry;
}

const char* keyActionMeaning(KeyAction action) {
    return actions[static_cast<int>(action)].meaning;
}

KeyBindings::KeyBindings() : m_keys(ownKeys()) {}

KeyBindings KeyBindings::fromNames(const std::vector<std::string>& names) {
    std::vector<int> named;
    for (int a = 0; a < keyActionCount; ++a)
        named.push_back(a < static_cast<int>(names.size()) ? keyNamed(names[a]) : noInput);
    KeyBindings bindings;
    bindings.m_keys = resolveBindings(ownKeys(), named);
    return bindings;
}

KeyBindings KeyBindings::load() {
    std::vector<std::string_view> entries;
    for (const ActionInfo& a : actions)
        entries.push_back(a.entry);
    return fromNames(loadActionBindings(keysSection, entries));
}

int KeyBindings::key(KeyAction action) const {
    const int k = m_keys[static_cast<int>(action)];
    return k == noInput ? 0 : k;
}

std::optional<KeyAction> KeyBindings::actionOf(int key, int character) const {
    const int typed = capital(character);
    for (int a = 0; a < keyActionCount; ++a)
        if (m_keys[a] != noInput && (m_keys[a] == key || (typed > ' ' && m_keys[a] == typed)))
            return static_cast<KeyAction>(a);
    const int story = static_cast<int>(KeyAction::story);
    if ((key == Qt::Key_Question || typed == '?') && m_keys[story] == Qt::Key_Slash)
        return KeyAction::story;
    return std::nullopt;
}

std::optional<KeyAction> KeyBindings::actionOf(const QKeyEvent& event) const {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = event.text();
    return actionOf(event.key(), text.size() == 1 ? text.at(0).unicode() : 0);
}

std::string KeyBindings::keyName(KeyAction action) const {
    const int k = key(action);
    if (k == 0) return "none";
    return QKeySequence(k).toString(QKeySequence::NativeText).toStdString();
}

bool KeyBindings::isDefault() const {
    return m_keys == ownKeys();
}

} // namespace quorvel
