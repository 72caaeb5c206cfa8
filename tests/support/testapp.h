#pragma once
// One widget application for the tests of a process, offscreen unless told otherwise.

#include <cstdlib>

#include <QApplication>

#include "support/leftbehind.h"

namespace quorvel::test {

inline QApplication* ensureApp() {
    if (!QCoreApplication::instance()) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "test_util";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    return qobject_cast<QApplication*>(QCoreApplication::instance());
}

} // namespace quorvel::test
