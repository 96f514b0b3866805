#include "display_test_panel.h"

#include "admin/identity.h"
#include "control/display_test.h"
#include "control/reset.h"
#include "control/screen_setup.h"
#include "control/test_selectors.h"
#include "link/device_address.h"
#include "panel_context.h"
#include "text/operator_text.h"
#include "widget_kit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
QComboBox* testSelector(const TestSelector& items, const QString& name, QWidget* parent)
{
    QComboBox* box = Selector(items.items, items.startIndex, parent);
    box->setObjectName(name);
    box->setMaxVisibleItems(12);
    return box;
}
} // namespace

DisplayTestPanel::DisplayTestPanel(PanelContext& context, std::function<bool()> ready, QWidget* parent)
    : QWidget(parent), context_(context), ready_(std::move(ready))
{
    setObjectName(QStringLiteral("displayTestPanel"));
    auto* group = new QGroupBox(Text::tr("应用测试（串口）"), this);
    auto* grid = new QGridLayout(group);
    createInputs(group);
    int line = 0;
    addCrosshairRows(*grid, line);
    addOffsetRows(*grid, line);
    addCharacterRows(*grid, line);
    addVideoModeAndUnitRows(*grid, line);
    grid->setColumnStretch(4, 1);
    connect(videoMode_, &QComboBox::activated, this, &DisplayTestPanel::tryVideoMode);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
}

void DisplayTestPanel::createInputs(QWidget* group)
{
    row_ = testSelector(RowSelector(), QStringLiteral("rowList"), group);
    column_ = testSelector(ColumnSelector(), QStringLiteral("columnList"), group);
    shape_ = testSelector(ShapeSelector(), QStringLiteral("shapeList"), group);
    horizontal_ = testSelector(HorizontalOffsetSelector(), QStringLiteral("horizontalOffsetList"), group);
    vertical_ = testSelector(VerticalOffsetSelector(), QStringLiteral("verticalOffsetList"), group);
    attribute_ = testSelector(AttributeSelector(), QStringLiteral("attributeList"), group);
    clear_ = testSelector(ClearSelector(), QStringLiteral("clearList"), group);
    videoMode_ = testSelector(VideoModeSelector(), QStringLiteral("videoModeList"), group);
    codes_ = new QLineEdit(QStringLiteral("72,73,74"), group);
    codes_->setObjectName(QStringLiteral("codeBox"));
}

QLabel* DisplayTestPanel::label(const QGridLayout& grid, const QString& text)
{
    return new QLabel(text, grid.parentWidget());
}

void DisplayTestPanel::addCrosshairRows(QGridLayout& grid, int& line)
{
    grid.addWidget(label(grid, Text::tr("横线行号")), line, 0);
    grid.addWidget(row_, line, 1);
    grid.addWidget(label(grid, Text::tr("竖线列号")), line, 2);
    grid.addWidget(column_, line, 3);
    ++line;
    grid.addWidget(label(grid, Text::tr("十字线外形选择")), line, 0);
    grid.addWidget(shape_, line, 1);
    grid.addWidget(addButton(QStringLiteral("↑"), [this] { stepCrosshair(true); }), line, 2);
    grid.addWidget(addButton(QStringLiteral("↓"), [this] { stepCrosshair(false); }), line, 3);
    ++line;
}

void DisplayTestPanel::addOffsetRows(QGridLayout& grid, int& line)
{
    grid.addWidget(label(grid, Text::tr("水平偏移")), line, 0);
    grid.addWidget(horizontal_, line, 1);
    horizontalApply_ = addButton(Text::tr("确定"), [this] {
        const int value = horizontal_->currentIndex();
        context_.startOperation([=](const Operands& o) {
            SetScreenOffset(o.deviceAddress, Offset::Horizontal, value, o.link, o.prompter);
        });
    });
    grid.addWidget(horizontalApply_, line, 2);
    ++line;
    grid.addWidget(label(grid, Text::tr("垂直偏移")), line, 0);
    grid.addWidget(vertical_, line, 1);
    verticalApply_ = addButton(Text::tr("确定"), [this] {
        const int value = vertical_->currentIndex();
        context_.startOperation([=](const Operands& o) {
            SetScreenOffset(o.deviceAddress, Offset::Vertical, value, o.link, o.prompter);
        });
    });
    grid.addWidget(verticalApply_, line, 2);
    grid.addWidget(addButton(Text::tr("保存设置"), [this] {
                       const ScreenSettingsInput input{horizontal_->currentIndex(), vertical_->currentIndex(),
                                                       shape_->currentIndex(), row_->currentIndex(),
                                                       column_->currentIndex()};
                       context_.startOperation([=](const Operands& o) { StoreScreenSettings(input, o.link, o.prompter); });
                   }),
                   line, 3);
    ++line;
}

void DisplayTestPanel::addCharacterRows(QGridLayout& grid, int& line)
{
    grid.addWidget(label(grid, Text::tr("字符属性")), line, 0);
    grid.addWidget(attribute_, line, 1);
    grid.addWidget(addButton(Text::tr("< 确定"), [this] {
                       const int row = row_->currentIndex();
                       const int column = column_->currentIndex();
                       const int attribute = attribute_->currentIndex();
                       context_.startOperation([=](const Operands& o) {
                           SetTestAttribute(o.deviceAddress, row, column, attribute, o.link, o.prompter);
                       });
                   }),
                   line, 2);
    ++line;
    grid.addWidget(label(grid, Text::tr("清屏清行")), line, 0);
    grid.addWidget(clear_, line, 1);
    clearApply_ = addButton(Text::tr("确定"), [this] {
        const int index = clear_->currentIndex();
        context_.startOperation(
            [=](const Operands& o) { ClearTestScreen(o.deviceAddress, index, o.link, o.prompter); });
    });
    grid.addWidget(clearApply_, line, 2);
    ++line;
    grid.addWidget(label(grid, Text::tr("字符代码输入,逗号隔开↓")), line, 0, 1, 2);
    ++line;
    grid.addWidget(codes_, line, 0, 1, 2);
    grid.addWidget(addButton(Text::tr("显示字符测试"), [this] {
                       const DisplayTestInput input{QString(), row_->currentIndex(), column_->currentIndex(),
                                                    codes_->text()};
                       context_.startOperation([=](const Operands& o) {
                           DisplayTestInput sent = input;
                           sent.deviceAddress = o.deviceAddress;
                           RunDisplayTest(sent, o.link, o.prompter);
                       });
                   }),
                   line, 2, 1, 2);
    ++line;
    grid.addWidget(addButton(Text::tr("叠加器显示前128个字符测试"), [this] {
                       context_.startOperation([](const Operands& o) {
                           ShowCharacterHalf(o.deviceAddress, CharacterHalf::First128, o.link, o.prompter);
                       });
                   }),
                   line, 0, 1, 2);
    grid.addWidget(addButton(Text::tr("叠加器显示后128个字符测试"), [this] {
                       context_.startOperation([](const Operands& o) {
                           ShowCharacterHalf(o.deviceAddress, CharacterHalf::Last128, o.link, o.prompter);
                       });
                   }),
                   line, 2, 1, 2);
    ++line;
}

void DisplayTestPanel::addVideoModeAndUnitRows(QGridLayout& grid, int& line)
{
    grid.addWidget(label(grid, Text::tr("视频模式")), line, 0);
    grid.addWidget(videoMode_, line, 1, 1, 2);
    ++line;
    grid.addWidget(addButton(Text::tr("保存视频显示模式 ↑"), [this] {
                       const int mode = videoMode_->currentIndex();
                       context_.startOperation([=](const Operands& o) { StoreVideoMode(mode, o.link, o.prompter); });
                   }),
                   line, 1, 1, 2);
    ++line;
    grid.addWidget(addButton(Text::tr("复位"), [this] {
                       context_.startOperation([](const Operands& o) {
                           if (const auto address = DeviceAddressByte(o.deviceAddress, o.prompter))
                               ResetUnit(*address, o.link, o.prompter);
                       });
                   }),
                   line, 0);
    grid.addWidget(addButton(Text::tr("产品编号"), [this] {
                       context_.startOperation(
                           [](const Operands& o) { ReadProductNumber(o.deviceAddress, o.link, o.prompter); });
                   }),
                   line, 1);
    ++line;
}

QPushButton* DisplayTestPanel::addButton(const QString& caption, const std::function<void()>& action)
{
    auto* button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, action);
    buttons_.append(button);
    return button;
}

QPushButton* DisplayTestPanel::button(const QString& caption) const
{
    for (QPushButton* b : buttons_)
        if (b->text() == caption)
            return b;
    return nullptr;
}

void DisplayTestPanel::tryVideoMode(int mode)
{
    if (!ready_ || !ready_())
        return;
    context_.startOperation([=](const Operands& o) { TryVideoMode(o.deviceAddress, mode, o.link, o.prompter); });
}

void DisplayTestPanel::stepCrosshair(bool next)
{
    const CrosshairStep step = next ? CrosshairStep::Next : CrosshairStep::Previous;
    context_.startOperation<CrosshairOutcome>(
        [=](const Operands& o) { return StepCrosshair(step, o.link, o.prompter); },
        [this](CrosshairOutcome outcome) {
            if (outcome.shape)
                shape_->setCurrentIndex(*outcome.shape);
        });
}

} // namespace kv::ui
