#include "scroll_panels.h"

#include "main_window.h"
#include "scroll_editor_panel.h"
#include "scroll_params_panel.h"

namespace kv::ui {

void ScrollPanels::applyStartupMode() const
{
    editor->applyStartupMode();
}

ScrollPanels InstallScrollPanels(MainWindow& window)
{
    ScrollPanels panels;
    panels.editor = new ScrollEditorPanel(window.context());
    window.addPanel(panels.editor, QStringLiteral("滚动信息"));
    panels.params = new ScrollParamsPanel(window.context());
    window.addPanel(panels.params, QStringLiteral("滚动参数设置"));
    return panels;
}

} // namespace kv::ui
