#include "widgets/afterpaint.h"

#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

namespace quorvel {

namespace {

/// Waits for the first paint of its widget after it was made, runs the work, then goes.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* widget, std::function<void()> work)
        : QObject(widget), m_work(std::move(work)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            // The paint is put on the screen before queued calls run.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const std::function<void()> work = std::move(m_work);
                    deleteLater();
                    work();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> m_work;
    bool m_seen = false;
};

} // namespace

void afterNextPaint(QWidget* widget, std::function<void()> work) {
    if (widget && work) new PaintWatch(widget, std::move(work));
}

} // namespace quorvel
