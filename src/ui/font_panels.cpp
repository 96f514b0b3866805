#include "font_panels.h"

#include "app/shipped_files.h"
#include "font/font_source.h"
#include "font_panel.h"
#include "main_window.h"


namespace kv::ui {

void FontPanels::loadStartupFont() const
{
    editor->loadStartupFont(ShippedFile(kLocalFontFile));
}

FontPanels InstallFontPanels(MainWindow& window)
{
    FontPanels panels;
    panels.editor = new FontPanel(window.context());
    window.addPanel(panels.editor, QStringLiteral("字库编辑"));
    return panels;
}

} // namespace kv::ui
