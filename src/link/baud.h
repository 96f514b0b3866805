#pragma once

#include <QString>

namespace kv {

// The baud choice: index 0..7 = 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.
constexpr int kBaudChoices = 8;
constexpr int kFirstStartBaudIndex = 3; // 9600
int BaudRate(int index);
QString BaudText(int index);
// The index of a rate given as text ("19200"), or -1.
int BaudIndexOf(const QString& text);
// The line settings text: the rate followed by ",N,8,1".
QString LineSettingsText(int baud);

} // namespace kv
