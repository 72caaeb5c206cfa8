#pragma once
// Acting on a modal window once it is up, as a player would meet it.

#include <functional>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace quorvel::test {

/// Runs act on the active modal window as soon as there is one.
inline void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

} // namespace quorvel::test
