#pragma once

#include <QStringList>

namespace kv {

// The items of a selector that lists the numbers first..last as text ("0" … "42").
QStringList NumberItems(int first, int last);

} // namespace kv
