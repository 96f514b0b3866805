// The window's own progress dialog and message boxes under long operations: what the
// dialog says, its Cancel, and that no step, end or message of an operation can reach a
// dialog that has gone, however the worker's calls interleave with the window's events.

#include "window_fixture.h"
#include "box_answerer.h"
#include "font_panel.h"
#include "link/frames.h"
#include "main_window.h"
#include "memory_port.h"
#include "operation_runner.h"
#include "queue_panel.h"
#include "wait_until.h"

#include <QFile>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

constexpr quint8 kWriteCharacter = 0xFC;
constexpr quint8 kProbe = 0x12;

class WindowProgress : public WindowFixture {
protected:
    // A queue of one unit, address 1, ticked; the unit answers its probe and takes every
    // character written to it, a little slower than the window, so a Cancel can land.
    void SetUp() override
    {
        WindowFixture::SetUp();
        answerer = std::make_unique<BoxAnswerer>();
        writeFile(AppFolder(dir.path()).path("data.txt"), "1\r\nA\r\n");
        QDir(dir.path()).mkpath("savefiles");
        writeFile(AppFolder(dir.path()).settingsPath("Lv1Checked.TXT"), "1");
        window = openWindowWithDialogs();
        window->show();
        port->onWrite = [](MemoryPort& memory, const QByteArray& frame) {
            if (frame.size() == 6 && quint8(frame.at(3)) == kProbe)
                memory.arrive(2, frame.mid(2, 1));
            if (frame.size() > 2 && quint8(frame.at(1)) == kWriteCharacter) {
                QThread::usleep(300);
                memory.arrive(1, QByteArray::fromHex("88"));
            }
        };
    }

    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QPushButton* fontButton(const QString& caption)
    {
        for (QPushButton* b : window->fontPanel()->findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    static QProgressDialog* visibleProgress()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QProgressDialog*>(w); d && d->isVisible())
                return d;
        return nullptr;
    }

    bool idle()
    {
        return WaitUntil([this] { return !window->runner().busy(); });
    }

    std::unique_ptr<BoxAnswerer> answerer;
    std::unique_ptr<ui::MainWindow> window;
};

TEST_F(WindowProgress, ScansAndCancelledFontWritesInARowLeaveNoDialogBehind)
{
    constexpr int kRounds = 15;
    for (int round = 0; round < kRounds; ++round) {
        window->adminPanels().queue->scanButton()->click();
        ASSERT_TRUE(idle()) << "scan " << round;
        ASSERT_TRUE(WaitUntil([this] { return !answerer->texts.isEmpty(); })) << "scan " << round;
        EXPECT_TRUE(answerer->texts.takeFirst().startsWith("共检测到1个连接的设备")) << "scan " << round;

        fontButton("把当前字库写入叠加器")->click();
        QProgressDialog* progress = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            progress = visibleProgress();
            return progress && progress->value() >= 3;
        })) << "write " << round;
        progress->findChild<QPushButton*>()->click();
        ASSERT_TRUE(idle()) << "write " << round;
        ASSERT_TRUE(WaitUntil([this] { return !answerer->texts.isEmpty(); })) << "write " << round;
        EXPECT_TRUE(answerer->texts.takeFirst().startsWith("字库写入已取消")) << "write " << round;
        EXPECT_TRUE(WaitUntil([] { return visibleProgress() == nullptr; })) << "write " << round;
    }
}

TEST_F(WindowProgress, TheDialogSaysWhatRunsAndHowFar)
{
    fontButton("把当前字库写入叠加器")->click();
    QProgressDialog* progress = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        progress = visibleProgress();
        return progress && progress->value() >= 30;
    }));
    EXPECT_EQ(progress->windowTitle(), "把当前字库写入叠加器");
    EXPECT_EQ(progress->maximum(), 256);
    const QString label = progress->findChild<QLabel*>()->text();
    EXPECT_TRUE(label.startsWith("正在写入字库：")) << label.toStdString();
    EXPECT_TRUE(label.endsWith(" / 256")) << label.toStdString();
    progress->findChild<QPushButton*>()->click();
    ASSERT_TRUE(idle());
    ASSERT_TRUE(WaitUntil([this] { return !answerer->texts.isEmpty(); }));
}

} // namespace
