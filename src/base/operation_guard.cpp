#include "base/operation_guard.h"

#include "text/operator_text.h"

namespace kv {

QString OperationGuard::busyText()
{
    return Text::tr("上一个操作还没有结束，请等它完成后再试");
}

} // namespace kv
