#pragma once

// The fonts offered for rendering text into pictures, and the substitute for a font
// that is not installed.

#include <QString>
#include <QStringList>

namespace kv {

// The installed families, Latin-named first, then the others (Chinese names), each
// group in the system's order; vertical variants ("@" names) are left out. Needs a
// QGuiApplication.
QStringList BuildFontList();
QStringList OrderFontList(const QStringList& families);

// The name when it is in the list; else the first installed of the usual Latin fonts
// (ending with the ones the install scripts bring on Linux); else "Arial Narrow".
QString PickFontName(const QString& name, const QStringList& fonts);

} // namespace kv
