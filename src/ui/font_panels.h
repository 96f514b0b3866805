#pragma once

namespace kv::ui {

class FontPanel;
class MainWindow;

// The font library's panel, as placed in the window, and its start-up step.
struct FontPanels {
    FontPanel* editor = nullptr;

    // The font table from the remembered font file; the default font shipped beside
    // the program fills a folder that has no local font yet.
    void loadStartupFont() const;
};

FontPanels InstallFontPanels(MainWindow& window);

} // namespace kv::ui
