#pragma once
// What a test leaves behind. A window or a running timer that outlives its test acts in
// the tests after it: a wait for a modal window answers the next test's dialog, with the
// references of a test that has ended. So every Qt object made during a test is watched
// (through QtCore's object hooks), and when the test ends, one of them still running a
// timer or still a window fails it; its timers are stopped and the window hidden, so the
// next test starts clean. What a test starts for itself (test::whenModal) belongs to
// test::testOwner(), which the test's end deletes.

#include <mutex>
#include <sstream>
#include <unordered_set>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

QT_BEGIN_NAMESPACE
// QtCore's table of hooks (its private qhooks_p.h): entry 3 is called with each QObject
// made, entry 4 with each one destroyed, from whichever thread does it.
extern Q_CORE_EXPORT quintptr qtHookData[];
QT_END_NAMESPACE

namespace quorvel::test {

class LeftBehind {
  public:
    static LeftBehind& instance() {
        static auto* watch = new LeftBehind; // never destroyed: objects die after main
        return *watch;
    }

    /// Installs the watch once, before any QObject of the program is made.
    static bool install() {
        static const bool installed = [] {
            if (qtHookData[hookSize] > removeHook) {
                qtHookData[addHook] = reinterpret_cast<quintptr>(&made);
                qtHookData[removeHook] = reinterpret_cast<quintptr>(&destroyed);
            }
            ::testing::UnitTest::GetInstance()->listeners().Append(new Ends);
            return true;
        }();
        return installed;
    }

    /// The parent of what the running test starts for itself; deleted when it ends.
    QObject* owner() {
        if (!m_owner) m_owner = new QObject;
        return m_owner;
    }

    void testStarts() {
        std::lock_guard lock(m_lock);
        m_made.clear();
        m_watching = true;
    }

    void testEnds() {
        if (m_owner) {
            int waiting = 0;
            for (QTimer* timer : m_owner->findChildren<QTimer*>())
                waiting += timer->isActive();
            delete m_owner.data();
            if (waiting > 0)
                ADD_FAILURE() << waiting << " wait(s) for a modal window never met one";
        }
        if (QCoreApplication::instance())
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* app = QCoreApplication::instance();
        std::vector<QPointer<QObject>> left; // the UI thread's: only it destroys them now
        {
            std::lock_guard lock(m_lock);
            m_watching = false;
            for (QObject* object : m_made)
                if (app && object->thread() == app->thread()) left.emplace_back(object);
            m_made.clear();
        }
        if (auto* dispatcher = app ? QAbstractEventDispatcher::instance(app->thread()) : nullptr)
            for (const QPointer<QObject>& object : left)
                if (object) clearUp(object, *dispatcher);
    }

  private:
    // GoogleTest's listeners own this one and delete it when the program ends.
    struct Ends : ::testing::EmptyTestEventListener {
        void OnTestStart(const ::testing::TestInfo&) override { instance().testStarts(); }
        void OnTestEnd(const ::testing::TestInfo&) override { instance().testEnds(); }
    };
    enum : int { hookSize = 1, addHook = 3, removeHook = 4 };
    std::mutex m_lock;
    std::unordered_set<QObject*> m_made; ///< made during the running test, not yet destroyed
    bool m_watching = false;
    QPointer<QObject> m_owner;

    static void made(QObject* object) {
        LeftBehind& watch = instance();
        std::lock_guard lock(watch.m_lock);
        if (watch.m_watching) watch.m_made.insert(object);
    }
    static void destroyed(QObject* object) {
        LeftBehind& watch = instance();
        std::lock_guard lock(watch.m_lock);
        watch.m_made.erase(object);
    }

    // What the program makes once, on first use, and keeps: Qt's caches of pictures and
    // fonts, which tidy themselves on a timer (the font cache has no class of its own),
    // Qt's stand-in window for the desktop, and the game's message dialog.
    static bool keptForTheProgram(const QObject& object) {
        const char* kind = object.metaObject()->className();
        return qstrcmp(kind, "QPMCache") == 0 || qstrcmp(kind, "QObject") == 0 ||
               (object.isWidgetType() &&
                static_cast<const QWidget&>(object).windowType() == Qt::Desktop) ||
               object.objectName() == "fMessage";
    }

    // Fails the test for an object still timing or still a window, and stops it.
    static void clearUp(QObject* object, QAbstractEventDispatcher& dispatcher) {
        if (keptForTheProgram(*object)) return;
        const bool timing = !dispatcher.registeredTimers(object).isEmpty();
        auto* widget = object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
        const bool window = widget && widget->isWindow();
        if (!timing && !window) return;
        std::ostringstream what;
        what << object->metaObject()->className() << " \"" << object->objectName().toStdString()
             << "\"";
        if (auto* timer = qobject_cast<QTimer*>(object)) {
            what << " every " << timer->interval() << " ms";
            timer->stop();
        }
        dispatcher.unregisterTimers(object);
        if (window) widget->hide();
        for (QObject* o = object; o; o = o->parent())
            what << " <" << o->metaObject()->className() << ":" << o->objectName().toStdString();
        if (widget)
            what << " geom " << widget->geometry().width() << "x" << widget->geometry().height()
                 << " vis " << widget->isVisible() << " flags " << std::hex
                 << int(widget->windowFlags()) << std::dec << " children "
                 << widget->children().size();
        ADD_FAILURE() << "left behind: " << what.str() << (window ? ", a window" : "")
                      << (timing ? ", timing" : "");
    }
};

inline const bool leftBehindWatched = LeftBehind::install();

/// The parent of what the running test starts for itself: deleted when the test ends.
inline QObject* testOwner() {
    return LeftBehind::instance().owner();
}

} // namespace quorvel::test
