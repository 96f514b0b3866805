#pragma once

namespace kv::ui {

class MainWindow;
class ScrollEditingPanels;
class ScrollEditorPanel;
class ScrollParamsPanel;

// The panels of the scrolling captions, as placed in the window, and their start-up
// step.
struct ScrollPanels {
    ScrollEditorPanel* editor = nullptr;
    // The shortcut and picture message editors above the scroll editor.
    ScrollEditingPanels* editing = nullptr;
    ScrollParamsPanel* params = nullptr;

    // end_fs_mode.txt chooses the send mode.
    void applyStartupMode() const;
};

ScrollPanels InstallScrollPanels(MainWindow& window);

} // namespace kv::ui
