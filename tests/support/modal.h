#pragma once
// Acting on a modal window once it is up, as a player would meet it.

#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "support/leftbehind.h"

namespace quorvel::test {

/// Runs act on the active modal window as soon as there is one. The wait belongs to
/// the running test: it ends with the test, and a wait that never met a window fails it.
inline void whenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(testOwner());
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
