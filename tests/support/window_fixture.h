#pragma once

#include "base/app_folder.h"
#include "main_window.h"
#include "memory_port.h"
#include "operation_runner.h"
#include "recording_prompter.h"
#include "ui_app.h"
#include "wait_until.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace kv::test {

// The main window on an in-memory port and a recording prompter, in a fresh
// application folder. Window test programs only: it needs the panels library.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { UiApp(); }

    // Opens the window and waits for its start-up restore, so that the restore does not
    // meet the test's own operations.
    std::unique_ptr<ui::MainWindow> openWindow() { return openWindowWith(&prompter); }
    // The same window with its own dialogs, as the operator sees them.
    std::unique_ptr<ui::MainWindow> openWindowWithDialogs() { return openWindowWith(nullptr); }

    // The window's button of this caption, if it has one.
    static QPushButton* buttonOf(QWidget& window, const QString& caption)
    {
        for (QPushButton* b : window.findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    QTemporaryDir dir;
    FakeClock clock;
    MemoryPort* port = nullptr;
    RecordingPrompter prompter;

private:
    std::unique_ptr<ui::MainWindow> openWindowWith(Prompter* windowPrompter)
    {
        auto window = std::make_unique<ui::MainWindow>(
            AppFolder(dir.path()),
            [this] {
                auto p = std::make_unique<MemoryPort>(clock);
                port = p.get();
                return p;
            },
            clock, windowPrompter);
        EXPECT_TRUE(WaitUntil([&] { return !window->startTimer()->isActive() && !window->runner().busy(); }));
        return window;
    }
};

} // namespace kv::test
