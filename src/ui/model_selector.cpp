#include "model_selector.h"

#include "app/device_model.h"
#include "panel_context.h"
#include "text/operator_text.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace kv::ui {

ModelSelector::ModelSelector(PanelContext& context, QWidget* parent)
    : QGroupBox(Text::tr("产品型号"), parent), context_(context)
{
    auto* layout = new QHBoxLayout(this);
    auto* group = new QButtonGroup(this);
    const QStringList names = DeviceModelNames();
    for (int model = 0; model < names.size(); ++model) {
        auto* option = new QRadioButton(names.at(model), this);
        group->addButton(option, model);
        layout->addWidget(option);
        options_ << option;
    }
    connect(group, &QButtonGroup::idClicked, this, &ModelSelector::chosen);
}

QRadioButton* ModelSelector::option(int model) const
{
    return options_.value(model);
}

void ModelSelector::applyStartupChoice()
{
    const auto model = ReadDeviceModel(context_.folder);
    if (!model)
        return;
    options_.at(*model)->setChecked(true);
    context_.setDeviceModel(*model);
}

// Every click writes the file, the same option again included, so the file always
// holds what the window shows.
void ModelSelector::chosen(int model)
{
    context_.setDeviceModel(model);
    WriteDeviceModel(context_.folder, model, context_.prompter);
}

bool VerticalAdjustAllowed(const PanelContext& context)
{
    return !context.deviceModel || HasVerticalAdjust(*context.deviceModel);
}

void FollowDeviceModel(PanelContext& context, QWidget* selector)
{
    selector->setEnabled(VerticalAdjustAllowed(context));
    context.onDeviceModelChanged([selector](int model) { selector->setEnabled(HasVerticalAdjust(model)); });
}

} // namespace kv::ui
