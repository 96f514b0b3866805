// The shortcut editor and the picture-text panel opened in the whole window at
// 1280 x 720: each opens from its button in the scroll page and stays inside the window.
// With KV_SCREENSHOTS set it saves the page with each editor open.

#include "main_window.h"
#include "screenshot.h"
#include "window_fixture.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

using ScrollEditorsWindow = WindowFixture;

TEST_F(ScrollEditorsWindow, BothEditorsOpenInsideA1280By720Window)
{
    auto window = openWindow();
    window->resize(1280, 720);
    window->show();
    QApplication::processEvents();
    for (const QString& opener : {QStringLiteral("编辑组合滚动快捷"), QStringLiteral("编辑滚动信息")}) {
        QPushButton* button = buttonOf(*window, opener);
        ASSERT_NE(button, nullptr) << opener.toStdString();
        button->click();
        QApplication::processEvents();
        EXPECT_FALSE(button->isEnabled());
        const QString action = opener == QStringLiteral("编辑组合滚动快捷") ? QStringLiteral("保存")
                                                                             : QStringLiteral("发送滚动");
        QPushButton* target = buttonOf(*window, action);
        ASSERT_NE(target, nullptr);
        EXPECT_TRUE(target->isVisible());
        EXPECT_LE(target->width(), window->width());
        SaveScreenshot(*window, QStringLiteral("window_1280x720_%1").arg(action));
    }
}

} // namespace
