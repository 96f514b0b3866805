#pragma once

#include <QApplication>

namespace kv::test {

// The one QApplication of a window test program (offscreen platform).
inline QApplication& UiApp()
{
    static int argc = 1;
    static char name[] = "kvtest";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

} // namespace kv::test
