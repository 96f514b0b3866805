#include "base/operation_guard.h"

namespace kv {

QString OperationGuard::busyText()
{
    return QStringLiteral("上一个操作还没有结束，请等它完成后再试");
}

} // namespace kv
