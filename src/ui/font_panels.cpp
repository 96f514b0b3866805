#include "font_panels.h"

#include "app/shipped_files.h"
#include "font/font_source.h"
#include "font_panel.h"
#include "main_window.h"
#include "text/operator_text.h"


namespace kv::ui {

void FontPanels::loadStartupFont() const
{
    editor->loadStartupFont(ShippedFile(kLocalFontFile));
}

FontPanels InstallFontPanels(MainWindow& window)
{
    FontPanels panels;
    panels.editor = new FontPanel(window.context());
    // The font page needs the window's width for its three columns, and none of its
    // operations goes by the send target, so the side column gives way to it.
    window.addPanel(panels.editor, Text::tr("字库编辑"), MainWindow::SideColumn::Hidden);
    return panels;
}

} // namespace kv::ui
