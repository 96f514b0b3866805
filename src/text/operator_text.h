#pragma once

#include <QCoreApplication>

namespace kv {

// Every text an operator reads, in the window or from kvctl, passes through Text::tr:
// its source is the Chinese text the tool has always shown, and the chosen language's
// translation replaces it when one is installed. One context, "kv", holds them all, so
// a text used in several places is translated once. Texts kept in tables are marked
// with QT_TRANSLATE_NOOP("kv", ...) and passed through Text::tr where they are shown.
// What goes to a unit or into a file never passes through it.
class Text {
    Q_DECLARE_TR_FUNCTIONS(kv)
};

} // namespace kv
