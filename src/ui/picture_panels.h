#pragma once

namespace kv::ui {

class EditPagePanel;
class MainWindow;

// The panels of the static pictures and the logo, as placed in the window.
struct PicturePanels {
    EditPagePanel* editPage = nullptr;
};

PicturePanels InstallPicturePanels(MainWindow& window);

} // namespace kv::ui
