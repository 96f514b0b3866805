#include "panel_context.h"

#include <QLineEdit>

namespace kv::ui {

QString PanelContext::deviceAddress() const
{
    return deviceAddressBox ? deviceAddressBox->text() : QStringLiteral("1");
}

} // namespace kv::ui
