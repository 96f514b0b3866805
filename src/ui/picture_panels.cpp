#include "picture_panels.h"

#include "edit_page_panel.h"
#include "main_window.h"
#include "text/operator_text.h"

namespace kv::ui {

PicturePanels InstallPicturePanels(MainWindow& window)
{
    PicturePanels panels;
    panels.editPage = new EditPagePanel(window.context());
    window.addPanel(panels.editPage, Text::tr("台标与静止图文"));
    return panels;
}

} // namespace kv::ui
