#include "scroll_editor_panel.h"

#include "base/numbered_list.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "base/send_modes.h"
#include "base/unit_text.h"
#include "model_selector.h"
#include "picture/screen_scale.h"
#include "picture/static_send.h"
#include "picture_preview.h"
#include "scroll/editor_lines.h"
#include "scroll/entry_list.h"
#include "scroll/scroll_send.h"
#include "scroll/startup_send_mode.h"
#include "static_send_inputs.h"
#include "text/operator_text.h"
#include "turned_text.h"
#include "widget_kit.h"

#include <QComboBox>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <optional>

namespace kv::ui {

namespace {
// The timer box's mark after a display timer went out: colour value 0x8080FF in the
// blue-green-red order the mark is kept in, a light red.
QString markedStyle()
{
    const unsigned bgr = kTimerMarkColour;
    return QStringLiteral("QLineEdit { background-color: rgb(%1, %2, %3); }")
        .arg(bgr & 0xFF)
        .arg((bgr >> 8) & 0xFF)
        .arg((bgr >> 16) & 0xFF);
}
} // namespace

ScrollEditorPanel::ScrollEditorPanel(PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context), store_(context.folder)
{
    editor_ = new QTextEdit(this);
    editor_->setAcceptRichText(false);
    editor_->viewport()->installEventFilter(this);

    modeButton_ = new QPushButton(Text::tr("发送模式选择"), this);
    modeMenu_ = new QMenu(modeButton_);
    const QStringList names = SendModeNames();
    for (int mode = 0; mode < kSendModes; ++mode)
        modeMenu_->addAction(names.at(mode), this, [this, mode] { chooseSendMode(mode); });
    modeMenu_->installEventFilter(this);
    connect(modeButton_, &QPushButton::clicked, this, &ScrollEditorPanel::openModeList);

    sendFrame_ = new QGroupBox(this);
    refreshButton_ = new QPushButton(Text::tr("刷新发送"), this);
    secondButton_ = new QPushButton(this);
    connect(refreshButton_, &QPushButton::clicked, this, [this] { send(false); });
    connect(secondButton_, &QPushButton::clicked, this, [this] { send(true); });

    entryNumberLabel_ = new QLabel(Text::tr("序号"), this);
    entryNumber_ = new QLineEdit(this);
    entryNumber_->setMaximumWidth(48);
    entryDescription_ = new QLineEdit(this);
    entryDescription_->setReadOnly(true);

    timer_ = new QLineEdit(QStringLiteral("0"), this);
    timer_->setMaximumWidth(72);
    // An edit takes away the mark of a timer that went out before the box is checked.
    connect(timer_, &QLineEdit::textEdited, this, [this] { markTimer(false); });
    GuardField(context_.prompter, timer_, CheckTimerBox);
    powerOn_ = new QCheckBox(Text::tr("并设为开机滚动"), this);
    staticInputs_ = new StaticSendInputs(context_.prompter, this);
    FollowDeviceModel(context_, staticInputs_->verticalShiftBox());
    connect(staticInputs_, &StaticSendInputs::directionChosen, this, &ScrollEditorPanel::directionChosen);
    preview_ = new PicturePreview(this);
    arrangeSendFrame();

    auto* body = new QHBoxLayout;
    body->addWidget(editor_, 3);
    body->addWidget(preview_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(staticInputs_);
    layout->addWidget(sendFrame_);

    chooseSendMode(kModeLargeFont);
}

void ScrollEditorPanel::arrangeSendFrame()
{
    auto* sendRow = new QGridLayout(sendFrame_);
    sendRow->addWidget(modeButton_, 0, 0);
    sendRow->addWidget(refreshButton_, 1, 0);
    sendRow->addWidget(secondButton_, 1, 1);
    sendRow->addWidget(new QLabel(Text::tr("定时时间"), this), 1, 2);
    sendRow->addWidget(timer_, 1, 3);
    sendRow->addWidget(powerOn_, 1, 4);
    sendRow->addWidget(entryNumberLabel_, 2, 0);
    sendRow->addWidget(entryNumber_, 2, 1);
    sendRow->addWidget(entryDescription_, 2, 2, 1, 3);
    // Room to spare goes beside the controls, not between a label and its box.
    sendRow->setColumnStretch(5, 1);
}

void ScrollEditorPanel::applyStartupMode()
{
    const auto mode = StartupSendMode(context_.folder);
    if (mode && *mode < kSendModes)
        chooseSendMode(*mode);
}

void ScrollEditorPanel::openModeList()
{
    // The list's top edge stands 280 twips above the button's bottom edge.
    constexpr double kListRiseTwips = 280;
    const int rise = qRound(kListRiseTwips / TwipsPerPixel());
    modeMenu_->popup(modeButton_->mapToGlobal(QPoint(0, modeButton_->height() - rise)));
}

void ScrollEditorPanel::relayForResize()
{
    sendFrame_->setTitle(CurrentSendModeLabel(mode_));
    powerOn_->setVisible(IsBuiltInFontMode(mode_));
}

void ScrollEditorPanel::chooseSendMode(int mode)
{
    modeMenu_->hide();
    mode_ = mode;
    relayFor(mode);
    if (IsStaticMode(mode)) {
        const StaticModeSelection selection =
            SelectStaticMode(mode, staticInputs_->fields(), context_.folder, context_.prompter);
        entries_ = selection.entries;
        staticInputs_->showFields(selection.fields);
        if (selection.editorText)
            editor_->setPlainText(*selection.editorText);
        return;
    }
    const TargetChoice target = context_.target();
    const SendModeSelection selection = SelectSendMode(mode, target.specifiedAddress, cache_, store_,
                                                       context_.prompter);
    entries_ = selection.entries;
    if (selection.editorText)
        editor_->setPlainText(*selection.editorText);
}

void ScrollEditorPanel::entryRecordChanged(int mode)
{
    if (mode_ != mode || !IsEntryListMode(mode))
        return;
    QString error;
    entries_ = LoadEntryList(mode, store_, &error);
    if (!error.isEmpty())
        context_.prompter.error(error);
    editor_->setPlainText(ListDisplayText(entries_));
}

// Each mode shows only the boxes its send uses.
void ScrollEditorPanel::relayFor(int mode)
{
    const bool picksEntry = PicksEntry(mode);
    relayForResize();
    secondButton_->setText(SecondSendButtonText(mode));
    entryNumberLabel_->setVisible(picksEntry);
    entryNumber_->setVisible(picksEntry);
    entryDescription_->setVisible(picksEntry);
    entryNumber_->clear();
    entryDescription_->clear();
    staticInputs_->relayFor(mode);
    // A new mode starts with the text as typed, never one turned for another mode.
    {
        const QSignalBlocker block(staticInputs_);
        staticInputs_->horizontalButton()->setChecked(true);
    }
    preview_->setVisible(mode == kModeStaticRendered || mode == kModeStaticPicture);
    preview_->clearPicture();
    // The entry list mirrors the records; editing it would only mislead the clicks.
    // The temporary picture comes from a file, the editor plays no part in it.
    ShowTurnedText(*editor_, false);
    editor_->setReadOnly(picksEntry);
    editor_->setEnabled(mode != kModeStaticPicture);
}

bool ScrollEditorPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_->viewport() && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && PicksEntry(mode_)) {
        // Let the editor place the caret first, then read the line it landed on.
        const bool handled = QWidget::eventFilter(watched, event);
        editorReleased();
        return handled;
    }
    // The open list takes every pointer move; one over the send controls outside the
    // list puts it away, so it never stands over the buttons the operator goes for.
    if (watched == modeMenu_ && event->type() == QEvent::MouseMove) {
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        const QRect frame(sendFrame_->mapToGlobal(QPoint(0, 0)), sendFrame_->size());
        if (!modeMenu_->geometry().contains(at) && frame.contains(at))
            modeMenu_->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void ScrollEditorPanel::editorReleased()
{
    const QString text = editor_->toPlainText();
    QTextCursor cursor = editor_->textCursor();
    const int caret = cursor.position();
    if (const auto pick = PickEntry(entries_, int(entries_.size()), text, caret)) {
        entryNumber_->setText(QString::number(pick->number));
        entryDescription_->setText(pick->description);
    }
    const LineSelection line = SetTextLength(text, caret);
    cursor.setPosition(line.start);
    cursor.setPosition(line.end, QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
}

void ScrollEditorPanel::markTimer(bool marked)
{
    timerMarked_ = marked;
    timer_->setStyleSheet(marked ? markedStyle() : QString());
}

void ScrollEditorPanel::send(bool secondButton)
{
    if (IsStaticMode(mode_)) {
        sendStatic(secondButton);
        return;
    }
    ScrollSendRequest request;
    request.mode = mode_;
    request.secondButton = secondButton;
    request.editorText = editor_->toPlainText();
    request.entryNumber = entryNumber_->text();
    request.timer = timer_->text();
    request.powerOn = powerOn_->isChecked();
    request.target = context_.target();

    // The operation works on a copy of the cache, so the window never reads it while
    // the worker writes it; the copy comes back with the outcome when the send is over.
    struct Sent {
        ScrollSendOutcome outcome;
        // Empty when the send failed before it ended: the window's cache stands.
        std::optional<ScrollTextCache> cache;
    };
    context_.startOperation<Sent>(
        [request, store = store_, cache = cache_](const Operands& o) mutable {
            ScrollSendOutcome outcome = SendScroll(request, o.link, o.prompter, store, cache);
            return Sent{outcome, cache};
        },
        [this](Sent sent) {
            if (sent.cache)
                cache_ = *sent.cache;
            if (sent.outcome.timerSent)
                markTimer(true);
        });
}

} // namespace kv::ui

namespace kv::ui {

void ScrollEditorPanel::sendStatic(bool secondButton)
{
    StaticSendRequest request;
    request.mode = mode_;
    request.secondButton = secondButton;
    request.entryNumber = entryNumber_->text();
    request.fields = staticInputs_->fields();
    request.fields.text = WithCrLfLineBreaks(editor_->toPlainText());
    request.timer = timer_->text();
    request.target = context_.target();
    context_.startOperation<StaticSendOutcome>(
        [request, folder = context_.folder](const Operands& o) { return SendStatic(request, o.link, o.prompter, folder); },
        [this](StaticSendOutcome outcome) {
            if (!outcome.preview.isNull())
                preview_->showPicture(outcome.preview);
            if (outcome.timerSent)
                markTimer(true);
        });
}

void ScrollEditorPanel::directionChosen(bool vertical)
{
    ChooseDirection(vertical, *editor_, horizontalText_,
                    {staticInputs_->horizontalButton(), staticInputs_->verticalButton()}, TurnedTextUseOfMode(mode_),
                    context_.prompter);
}

} // namespace kv::ui
