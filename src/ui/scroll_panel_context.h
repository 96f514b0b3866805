#pragma once

#include "app/app_folder.h"
#include "link/send_target.h"

#include <functional>

namespace kv {

class Link;
class Prompter;

// What the scroll panels need of the main window.
struct ScrollPanelContext {
    Link* link = nullptr;
    Prompter* prompter = nullptr;
    AppFolder folder{QString()};
    // The send-mode option group and the address queue as they stand now.
    std::function<TargetChoice()> targetChoice;
    // Runs a device operation away from the window's thread, then done on it. Refuses
    // (without running either) while another device operation runs.
    std::function<void(std::function<void()> operation, std::function<void()> done)> runOperation;
};

} // namespace kv
