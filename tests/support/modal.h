#pragma once
// Acting on a modal window once it is up, as a player would meet it.

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace quorvel::test {

/// Runs act on the active modal window as soon as there is one, while the test that
/// asked runs: a wait whose window never came ends with its test, so it never acts on a
/// later test's window with the references of one that has ended.
inline void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    const ::testing::TestInfo* asker = ::testing::UnitTest::GetInstance()->current_test_info();
    QObject::connect(timer, &QTimer::timeout, [timer, act, asker] {
        if (::testing::UnitTest::GetInstance()->current_test_info() != asker) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

} // namespace quorvel::test
