#pragma once

#include <QGroupBox>

class QRadioButton;

namespace kv::ui {

struct PanelContext;

// "产品型号": the unit model, three options left to right KV9073, KV9072, KV9071. A
// click remembers the choice in xinghao.txt and tells the panels that follow the model.
class ModelSelector : public QGroupBox {
    Q_OBJECT
public:
    explicit ModelSelector(PanelContext& context, QWidget* parent = nullptr);

    // The start-up step: the model of xinghao.txt, none when there is no such file.
    void applyStartupChoice();

    QRadioButton* option(int model) const;

private:
    void chosen(int model);

    PanelContext& context_;
    QList<QRadioButton*> options_;
};

// Whether the vertical adjustment of drawn text may be chosen: only units of the first
// model take it. With no model chosen yet it may.
bool VerticalAdjustAllowed(const PanelContext& context);
// Keeps a vertical-adjustment selector enabled only while the model takes it.
void FollowDeviceModel(PanelContext& context, QWidget* selector);

} // namespace kv::ui
