#include "control_panels.h"

#include "device_menu_panel.h"
#include "display_test_panel.h"
#include "font_panel.h"
#include "main_window.h"
#include "text/operator_text.h"

namespace kv::ui {

ControlPanels InstallControlPanels(MainWindow& window)
{
    ControlPanels panels;
    panels.menu = new DeviceMenuPanel(window.context(), &window);
    FontPanel* font = window.fontPanel();
    panels.test = new DisplayTestPanel(window.context(), [font] { return font && font->ready(); }, &window);
    window.addPanel(panels.test, Text::tr("应用测试（串口）"));
    window.addFoldingPanel(panels.menu, Text::tr("其它"));
    return panels;
}

} // namespace kv::ui
