#pragma once

#include <QCoreApplication>
#include <QGuiApplication>

namespace brelvane::test {

// One application object for the whole test program, created on first use.
inline void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QGuiApplication(argc, argv);
}

} // namespace brelvane::test
