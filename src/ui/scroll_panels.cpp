#include "scroll_panels.h"

#include "main_window.h"
#include "scroll_editing_panels.h"
#include "scroll_editor_panel.h"
#include "scroll_params_panel.h"
#include "text/operator_text.h"

#include <QVBoxLayout>

namespace kv::ui {

void ScrollPanels::applyStartupMode() const
{
    editor->applyStartupMode();
}

ScrollPanels InstallScrollPanels(MainWindow& window)
{
    ScrollPanels panels;
    auto* scrollTab = new QWidget;
    panels.editor = new ScrollEditorPanel(window.context(), scrollTab);
    panels.editing = new ScrollEditingPanels(window.context(), *panels.editor, scrollTab);
    auto* layout = new QVBoxLayout(scrollTab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panels.editing);
    layout->addWidget(panels.editor, 1);
    window.addPanel(scrollTab, Text::tr("滚动信息"));
    panels.params = new ScrollParamsPanel(window.context());
    window.addPanel(panels.params, Text::tr("滚动参数设置"));
    return panels;
}

} // namespace kv::ui
