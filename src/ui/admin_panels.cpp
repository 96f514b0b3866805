#include "admin_panels.h"

#include "address_box_check.h"
#include "identity_panel.h"
#include "main_window.h"
#include "queue_panel.h"
#include "target_panel.h"
#include "text/operator_text.h"
#include "write_address_dialog.h"

#include <QVBoxLayout>

namespace kv::ui {

void AdminPanels::resetSpecifiedAddress() const
{
    target->setSpecifiedAddress(QStringLiteral("0"));
}

void AdminPanels::loadQueue() const
{
    queue->load();
}

AdminPanels InstallAdminPanels(MainWindow& window)
{
    PanelContext& context = window.context();
    AdminPanels panels;
    panels.target = new TargetPanel(context, &window);
    panels.queue = new QueuePanel(context, *panels.target, &window);
    QueuePanel* queue = panels.queue;
    panels.target->setQueueAddressSource([queue] { return queue->queueAddressString(); });
    panels.identity = new IdentityPanel(context, &window);
    TargetPanel* target = panels.target;
    panels.writeAddress = new WriteAddressDialog(
        context, [target](const QString& address) { target->setSpecifiedAddress(address); }, &window);
    WriteAddressDialog* dialog = panels.writeAddress;
    context.openWriteAddressDialog = [dialog] { dialog->open(); };

    if (context.deviceAddressBox)
        CheckDeviceAddressOnChange(context.deviceAddressBox, context.prompter);

    window.addSidePanel(panels.target);
    window.addSidePanel(panels.queue);
    auto* identityPage = new QWidget(&window);
    auto* identityLayout = new QVBoxLayout(identityPage);
    identityLayout->addWidget(panels.identity);
    identityLayout->addStretch(1);
    window.addPanel(identityPage, Text::tr("地址码及波特率"));
    return panels;
}

} // namespace kv::ui
