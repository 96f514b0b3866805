#include "address_box_check.h"

#include "base/prompter.h"
#include "link/device_address.h"

#include <QLineEdit>

namespace kv::ui {

void CheckDeviceAddressOnChange(QLineEdit* box, Prompter& prompter)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box, &prompter](const QString& text) {
        const DeviceAddressCheck check = CheckDeviceAddressText(text);
        // The box takes its new text first, so the message does not interrupt an edit
        // that still holds the refused text.
        if (check.text != text)
            box->setText(check.text);
        if (!check.message.isEmpty())
            prompter.error(check.message);
    });
}

} // namespace kv::ui
