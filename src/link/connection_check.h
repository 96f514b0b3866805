#pragma once

#include <QString>

namespace kv {

class CancelFlag;

// "测试连接" of the port assignment: what opening the port a path names found.
struct ConnectionCheck {
    bool connected = false;
    QString text;
};

// Opens the port the path names at the rate, as an operation would, and closes it at
// once; nothing is sent to a unit. A network address is connected to within the
// connect's bounds, and the operator's cancel ends the attempt. Runs on the thread that
// calls it; the port lives only there.
ConnectionCheck CheckPortConnection(const QString& path, int baud, const CancelFlag& cancel);

} // namespace kv
