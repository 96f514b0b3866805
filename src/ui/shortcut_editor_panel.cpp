#include "shortcut_editor_panel.h"

#include "base/prompter.h"
#include "scroll/shortcut_save.h"
#include "scroll/shortcut_segments.h"
#include "text/operator_text.h"
#include "widget_kit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kv::ui {

namespace {
constexpr int kInputLines = 3;
constexpr int kCompositionLines = 6;

void setBold(QPushButton* button, bool bold)
{
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}
} // namespace

ShortcutEditorPanel::ShortcutEditorPanel(PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context), store_(context.folder)
{
    createChoices();
    createComposer();
    connectComposer();

    QHBoxLayout* choices = arrangeChoices();
    auto* compose = new QHBoxLayout;
    compose->addLayout(arrangeEntry(), 2);
    compose->addLayout(arrangeActions());
    compose->addWidget(composition_, 3);

    auto* group = new QGroupBox(Text::tr("编辑组合滚动快捷"), this);
    auto* inner = new QVBoxLayout(group);
    inner->addLayout(choices);
    inner->addLayout(compose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(group);

    chooseMode(ShortcutEditor::Mode::Characters);
}

void ShortcutEditorPanel::createChoices()
{
    number_ = new QComboBox(this);
    for (int n = 1; n <= kShortcutCount; ++n)
        number_->addItem(QString::number(n));
    size_ = new QComboBox(this);
    size_->addItems({Text::tr("大号"), Text::tr("小号")});
    powerOn_ = new QCheckBox(Text::tr("并设为开机滚动"), this);
}

void ShortcutEditorPanel::createComposer()
{
    prompt_ = new QLabel(this);
    input_ = new QPlainTextEdit(this);
    input_->setFixedHeight(LinesHeight(*input_, kInputLines));
    input_->viewport()->installEventFilter(this);
    characters_ = new QPushButton(Text::tr("插入字符"), this);
    picture_ = new QPushButton(Text::tr("插入图文短信"), this);
    undo_ = new QPushButton(Text::tr("撤销"), this);
    add_ = new QPushButton(Text::tr("<< 添加"), this);
    clearAll_ = new QPushButton(Text::tr("全撤"), this);
    save_ = new QPushButton(Text::tr("保存"), this);
    composition_ = new QPlainTextEdit(this);
    // The box mirrors the segment list, which "撤销" rebuilds it from.
    composition_->setReadOnly(true);
    composition_->setLineWrapMode(QPlainTextEdit::NoWrap);
    composition_->setMinimumHeight(LinesHeight(*composition_, kCompositionLines));
}

void ShortcutEditorPanel::connectComposer()
{
    connect(characters_, &QPushButton::clicked, this, [this] { chooseMode(ShortcutEditor::Mode::Characters); });
    connect(picture_, &QPushButton::clicked, this, [this] { chooseMode(ShortcutEditor::Mode::PictureMessage); });
    connect(undo_, &QPushButton::clicked, this, [this] {
        editor_.undo();
        showComposition();
    });
    connect(add_, &QPushButton::clicked, this, &ShortcutEditorPanel::addSegment);
    connect(clearAll_, &QPushButton::clicked, this, [this] {
        editor_.clear();
        showComposition();
    });
    connect(save_, &QPushButton::clicked, this, &ShortcutEditorPanel::saveShortcut);
}

QHBoxLayout* ShortcutEditorPanel::arrangeChoices()
{
    return PackedBox<QHBoxLayout>({new QLabel(Text::tr("组合滚动编号"), this), number_,
                                   new QLabel(Text::tr("字符尺寸"), this), size_, powerOn_});
}

QVBoxLayout* ShortcutEditorPanel::arrangeEntry()
{
    QHBoxLayout* modes = PackedBox<QHBoxLayout>({characters_, picture_, undo_});
    auto* entry = new QVBoxLayout;
    entry->addWidget(prompt_);
    entry->addWidget(input_);
    entry->addLayout(modes);
    entry->addStretch(1);
    return entry;
}

QVBoxLayout* ShortcutEditorPanel::arrangeActions()
{
    return PackedBox<QVBoxLayout>({add_, clearAll_, save_});
}

void ShortcutEditorPanel::chooseMode(ShortcutEditor::Mode mode)
{
    editor_.setMode(mode);
    prompt_->setText(editor_.prompt());
    setBold(characters_, mode == ShortcutEditor::Mode::Characters);
    setBold(picture_, mode == ShortcutEditor::Mode::PictureMessage);
    input_->clear();
    setInputDimmed(false);
}

void ShortcutEditorPanel::addSegment()
{
    const auto outcome = editor_.add(input_->toPlainText(), context_.prompter);
    if (outcome.clearInput)
        input_->clear();
    if (!outcome.added)
        return;
    showComposition();
    // Greyed until the operator clicks into it for the next segment.
    setInputDimmed(true);
}

void ShortcutEditorPanel::showComposition()
{
    composition_->setPlainText(editor_.compositionText());
    composition_->moveCursor(QTextCursor::End);
    composition_->verticalScrollBar()->setValue(composition_->verticalScrollBar()->maximum());
}

void ShortcutEditorPanel::setInputDimmed(bool dimmed)
{
    QPalette palette = input_->palette();
    palette.setColor(QPalette::Base, dimmed ? QWidget::palette().color(QPalette::Inactive, QPalette::Mid)
                                            : QWidget::palette().color(QPalette::Base));
    input_->setPalette(palette);
}

bool ShortcutEditorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == input_->viewport() && event->type() == QEvent::MouseButtonPress)
        inputClicked();
    return QWidget::eventFilter(watched, event);
}

void ShortcutEditorPanel::inputClicked()
{
    setInputDimmed(false);
    const QString message = InputClickMessage(editor_.mode(), input_->toPlainText());
    if (!message.isEmpty())
        context_.prompter.error(message);
}

void ShortcutEditorPanel::saveShortcut()
{
    ShortcutSaveRequest request;
    request.number = number_->currentIndex() + 1;
    request.small = size_->currentIndex() == 1;
    request.powerOn = powerOn_->isChecked();
    request.composition = editor_.compositionText();
    request.target = context_.target();
    context_.startOperation<Outcome>(
        [request, store = store_](const Operands& o) { return SaveShortcut(request, o.link, o.prompter, store); },
        [this](Outcome outcome) {
            // A record that could not be written fails the save, but the unit holds the
            // shortcut all the same.
            if (outcome.done() || outcome.kind == OutcomeKind::Failed)
                emit shortcutSaved();
        });
}

} // namespace kv::ui
