#include "platform/windowsystem.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace quorvel {

namespace {

/// A message Qt gave while the application was being made.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;
};

QList<HeldMessage>& heldMessages() {
    static QList<HeldMessage> held;
    return held;
}
QtMessageHandler& earlierHandler() {
    static QtMessageHandler handler = nullptr;
    return handler;
}
std::string& programName() {
    static std::string name;
    return name;
}

/// Holds Qt's messages back until the application stands; a fatal one (no platform
/// could be opened) ends the program with one line instead of an abort.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages().append(
            {type, context.category, context.file, context.function, context.line, text});
        return;
    }
    // A platform plug-in Qt could not find is named; any other failure is a display
    // that could not be opened.
    QString reason =
        QString::fromUtf8(noDisplayMessage.data(), static_cast<qsizetype>(noDisplayMessage.size()));
    for (const HeldMessage& m : heldMessages())
        if (m.text.contains("Could not find the Qt platform plugin", Qt::CaseInsensitive))
            reason = "cannot open the window system: " + m.text.section('\n', 0, 0);
    std::fprintf(stderr, "%s: %s\n", programName().c_str(), reason.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

struct QtArguments {
    std::vector<std::string> args;
    std::vector<char*> argv;
    int argc = 0;
};

} // namespace

std::unique_ptr<QApplication> openWindowSystem(std::vector<std::string> args) {
    static QtArguments qt; // QApplication keeps argc and argv for its whole life
    qt.args = std::move(args);
    qt.argv.clear();
    for (std::string& a : qt.args)
        qt.argv.push_back(a.data());
    qt.argv.push_back(nullptr);
    qt.argc = static_cast<int>(qt.args.size());
    const std::string& first = qt.args.empty() ? std::string() : qt.args.front();
    programName() = first.substr(first.find_last_of('/') + 1);

    heldMessages().clear();
    earlierHandler() = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(qt.argc, qt.argv.data());
    qInstallMessageHandler(earlierHandler());
    for (const HeldMessage& m : heldMessages()) {
        const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                         m.category.constData());
        if (earlierHandler())
            earlierHandler()(m.type, context, m.text);
        else
            qt_message_output(m.type, context, m.text);
    }
    heldMessages().clear();
    return app;
}

namespace {

/// The value of the last -platform (or --platform) and -display among Qt's arguments.
struct QtChoices {
    std::string platform;
    bool display = false;
};
QtChoices qtChoices(const std::vector<std::string>& args) {
    QtChoices c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].size() < 2 || args[i][0] != '-') continue;
        std::string_view name = args[i];
        name.remove_prefix(name.substr(0, 2) == "--" ? 2 : 1);
        name = name.substr(0, name.find('='));
        if (name != "platform" && name != "display") continue;
        if (i + 1 >= args.size()) break;
        if (name == "platform") c.platform = args[i + 1];
        if (name == "display") c.display = true;
        ++i;
    }
    return c;
}

/// Platform names of a QT_QPA_PLATFORM-like list ("wayland;xcb", "offscreen:opts").
std::vector<std::string> platformNames(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty()) {
        const std::size_t end = std::min(list.find(';'), list.size());
        std::string_view entry = list.substr(0, end);
        entry = entry.substr(0, entry.find(':'));
        if (!entry.empty()) names.emplace_back(entry);
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return names;
}

} // namespace

PlatformChoice choosePlatform(const std::vector<std::string>& qtArgs,
                              const std::function<std::string(const char*)>& env) {
    const QtChoices given = qtChoices(qtArgs);
    const std::string chosen = !given.platform.empty() ? given.platform : env("QT_QPA_PLATFORM");
    const bool x11 = !env("DISPLAY").empty() || given.display;
    const bool wayland = !env("WAYLAND_DISPLAY").empty();
    PlatformChoice choice;
    if (chosen.empty()) {
        choice.useXcb = x11 && wayland;
        choice.noDisplay = !x11 && !wayland;
        return choice;
    }
    // A chosen platform may need no display at all; only X11 alone is known to need one.
    const std::vector<std::string> names = platformNames(chosen);
    const bool onlyX11 =
        !names.empty() &&
        std::all_of(names.begin(), names.end(), [](const std::string& n) { return n == "xcb"; });
    choice.noDisplay = onlyX11 && !x11;
    return choice;
}

} // namespace quorvel
