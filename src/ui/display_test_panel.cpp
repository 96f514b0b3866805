#include "display_test_panel.h"

#include "admin/identity.h"
#include "control/display_test.h"
#include "control/reset.h"
#include "control/screen_setup.h"
#include "control/test_selectors.h"
#include "link/device_address.h"
#include "operation_runner.h"
#include "panel_context.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
QComboBox* selector(const TestSelector& items, const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items.items);
    box->setCurrentIndex(items.startIndex);
    box->setMaxVisibleItems(12);
    return box;
}
} // namespace

DisplayTestPanel::DisplayTestPanel(PanelContext& context, std::function<bool()> ready, QWidget* parent)
    : QWidget(parent), context_(context), ready_(std::move(ready))
{
    setObjectName(QStringLiteral("displayTestPanel"));
    auto* group = new QGroupBox(QStringLiteral("应用测试（串口）"), this);
    auto* grid = new QGridLayout(group);

    row_ = selector(RowSelector(), QStringLiteral("rowList"), group);
    column_ = selector(ColumnSelector(), QStringLiteral("columnList"), group);
    shape_ = selector(ShapeSelector(), QStringLiteral("shapeList"), group);
    horizontal_ = selector(HorizontalOffsetSelector(), QStringLiteral("horizontalOffsetList"), group);
    vertical_ = selector(VerticalOffsetSelector(), QStringLiteral("verticalOffsetList"), group);
    attribute_ = selector(AttributeSelector(), QStringLiteral("attributeList"), group);
    clear_ = selector(ClearSelector(), QStringLiteral("clearList"), group);
    videoMode_ = selector(VideoModeSelector(), QStringLiteral("videoModeList"), group);
    codes_ = new QLineEdit(QStringLiteral("72,73,74"), group);
    codes_->setObjectName(QStringLiteral("codeBox"));

    auto label = [group](const QString& text) { return new QLabel(text, group); };
    int line = 0;
    grid->addWidget(label(QStringLiteral("横线行号")), line, 0);
    grid->addWidget(row_, line, 1);
    grid->addWidget(label(QStringLiteral("竖线列号")), line, 2);
    grid->addWidget(column_, line, 3);
    ++line;
    grid->addWidget(label(QStringLiteral("十字线外形选择")), line, 0);
    grid->addWidget(shape_, line, 1);
    grid->addWidget(addButton(QStringLiteral("↑"), [this] { stepCrosshair(true); }), line, 2);
    grid->addWidget(addButton(QStringLiteral("↓"), [this] { stepCrosshair(false); }), line, 3);
    ++line;
    grid->addWidget(label(QStringLiteral("水平偏移")), line, 0);
    grid->addWidget(horizontal_, line, 1);
    horizontalApply_ = addButton(QStringLiteral("确定"), [this] {
        const int value = horizontal_->currentIndex();
        run([=](const QString& a, Link& l, Prompter& p) { SetScreenOffset(a, Offset::Horizontal, value, l, p); });
    });
    grid->addWidget(horizontalApply_, line, 2);
    ++line;
    grid->addWidget(label(QStringLiteral("垂直偏移")), line, 0);
    grid->addWidget(vertical_, line, 1);
    verticalApply_ = addButton(QStringLiteral("确定"), [this] {
        const int value = vertical_->currentIndex();
        run([=](const QString& a, Link& l, Prompter& p) { SetScreenOffset(a, Offset::Vertical, value, l, p); });
    });
    grid->addWidget(verticalApply_, line, 2);
    grid->addWidget(addButton(QStringLiteral("保存设置"), [this] {
                        const ScreenSettingsInput input{horizontal_->currentIndex(), vertical_->currentIndex(),
                                                        shape_->currentIndex(), row_->currentIndex(),
                                                        column_->currentIndex()};
                        run([=](const QString&, Link& l, Prompter& p) { StoreScreenSettings(input, l, p); });
                    }),
                    line, 3);
    ++line;
    grid->addWidget(label(QStringLiteral("字符属性")), line, 0);
    grid->addWidget(attribute_, line, 1);
    grid->addWidget(addButton(QStringLiteral("< 确定"), [this] {
                        const int row = row_->currentIndex();
                        const int column = column_->currentIndex();
                        const int attribute = attribute_->currentIndex();
                        run([=](const QString& a, Link& l, Prompter& p) {
                            SetTestAttribute(a, row, column, attribute, l, p);
                        });
                    }),
                    line, 2);
    ++line;
    grid->addWidget(label(QStringLiteral("清屏清行")), line, 0);
    grid->addWidget(clear_, line, 1);
    clearApply_ = addButton(QStringLiteral("确定"), [this] {
        const int index = clear_->currentIndex();
        run([=](const QString& a, Link& l, Prompter& p) { ClearTestScreen(a, index, l, p); });
    });
    grid->addWidget(clearApply_, line, 2);
    ++line;
    grid->addWidget(label(QStringLiteral("字符代码输入,逗号隔开↓")), line, 0, 1, 2);
    ++line;
    grid->addWidget(codes_, line, 0, 1, 2);
    grid->addWidget(addButton(QStringLiteral("显示字符测试"), [this] {
                        const DisplayTestInput input{QString(), row_->currentIndex(), column_->currentIndex(),
                                                     codes_->text()};
                        run([=](const QString& a, Link& l, Prompter& p) {
                            DisplayTestInput sent = input;
                            sent.deviceAddress = a;
                            RunDisplayTest(sent, l, p);
                        });
                    }),
                    line, 2, 1, 2);
    ++line;
    grid->addWidget(addButton(QStringLiteral("叠加器显示前128个字符测试"), [this] {
                        run([=](const QString& a, Link& l, Prompter& p) {
                            ShowCharacterHalf(a, CharacterHalf::First128, l, p);
                        });
                    }),
                    line, 0, 1, 2);
    grid->addWidget(addButton(QStringLiteral("叠加器显示后128个字符测试"), [this] {
                        run([=](const QString& a, Link& l, Prompter& p) {
                            ShowCharacterHalf(a, CharacterHalf::Last128, l, p);
                        });
                    }),
                    line, 2, 1, 2);
    ++line;
    grid->addWidget(label(QStringLiteral("视频模式")), line, 0);
    grid->addWidget(videoMode_, line, 1, 1, 2);
    ++line;
    grid->addWidget(addButton(QStringLiteral("保存视频显示模式 ↑"), [this] {
                        const int mode = videoMode_->currentIndex();
                        run([=](const QString&, Link& l, Prompter& p) { StoreVideoMode(mode, l, p); });
                    }),
                    line, 1, 1, 2);
    ++line;
    grid->addWidget(addButton(QStringLiteral("复位"), [this] {
                        run([=](const QString& a, Link& l, Prompter& p) {
                            if (const auto address = DeviceAddressByte(a, p))
                                ResetUnit(*address, l, p);
                        });
                    }),
                    line, 0);
    grid->addWidget(addButton(QStringLiteral("产品编号"), [this] {
                        run([=](const QString& a, Link& l, Prompter& p) { ReadProductNumber(a, l, p); });
                    }),
                    line, 1);
    grid->setColumnStretch(4, 1);
    connect(videoMode_, &QComboBox::activated, this, &DisplayTestPanel::tryVideoMode);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
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

QString DisplayTestPanel::deviceAddress() const
{
    return context_.deviceAddressBox ? context_.deviceAddressBox->text() : QStringLiteral("1");
}

void DisplayTestPanel::run(std::function<void(const QString& address, Link& link, Prompter& prompter)> operation)
{
    const QString address = deviceAddress();
    Link* link = &context_.link;
    context_.runner.run([address, link, operation](Prompter& prompter) { operation(address, *link, prompter); });
}

void DisplayTestPanel::tryVideoMode(int mode)
{
    if (!ready_ || !ready_())
        return;
    run([=](const QString& a, Link& l, Prompter& p) { TryVideoMode(a, mode, l, p); });
}

void DisplayTestPanel::stepCrosshair(bool next)
{
    Link* link = &context_.link;
    const CrosshairStep step = next ? CrosshairStep::Next : CrosshairStep::Previous;
    context_.runner.run<CrosshairOutcome>([=](Prompter& p) { return StepCrosshair(step, *link, p); },
                                          [this](CrosshairOutcome outcome) {
                                              if (outcome.shape)
                                                  shape_->setCurrentIndex(*outcome.shape);
                                          });
}

} // namespace kv::ui
