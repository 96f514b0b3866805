#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// What the operator was last editing, as the main "帮助" button reads it. Opening an
// editor sets it; nothing resets it, so the help follows the last editor opened.
enum HelpContext {
    kHelpContextNone = 0,
    kHelpContextPictureEditor = 2,  // static pictures and logo
    kHelpContextShortcutEditor = 3, // combination shortcuts
    kHelpContextScrollEditor = 4,   // scroll messages
};

// A help text and the topic shown after "使用帮助---" in the viewer's caption.
struct HelpTopic {
    QString file;
    QString topic;
    bool operator==(const HelpTopic&) const = default;
};

// The main "帮助" button: the last editor opened, else the chosen send mode (its
// topic is the mode's item text). A mode outside the list is taken as the first.
HelpTopic MainHelpTopic(int context, int sendMode);
// The "帮助" button of the device address queue.
HelpTopic AddressQueueHelpTopic();
// The "使用帮助" item of the device command menu.
HelpTopic OtherFunctionsHelpTopic();

// Every help text the program shows, in help/: the topics above, each file once.
const QStringList& HelpFileNames();

} // namespace kv
