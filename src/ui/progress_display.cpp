#include "progress_display.h"

#include "base/prompter.h"
#include "text/operator_text.h"

#include <QMutexLocker>
#include <QProgressBar>
#include <QProgressDialog>
#include <QThread>

namespace kv::ui {

ProgressDisplay::ProgressDisplay(QWidget* parent, std::function<void()> onCancel)
    : parent_(parent), onCancel_(std::move(onCancel))
{
}

ProgressDisplay::~ProgressDisplay()
{
    delete dialog_;
}

void ProgressDisplay::begin(const QString& title, const QString& doing, int maximum)
{
    publish([&](State& state) {
        ++state.generation;
        state.active = true;
        state.title = title;
        state.doing = doing.isEmpty() ? title : doing;
        state.detail.clear();
        state.value = 0;
        state.maximum = maximum;
    });
}

void ProgressDisplay::step(int value, const QString& detail)
{
    publish([&](State& state) {
        // A step that comes after its progress ended belongs to nothing shown.
        if (!state.active)
            return;
        state.value = value;
        state.detail = detail;
    });
}

void ProgressDisplay::end()
{
    publish([](State& state) { state.active = false; });
}

void ProgressDisplay::publish(const std::function<void(State&)>& change)
{
    {
        const QMutexLocker lock(&mutex_);
        change(published_);
    }
    if (QThread::currentThread() == thread()) {
        apply();
        return;
    }
    if (!applyPosted_.exchange(true))
        QMetaObject::invokeMethod(this, [this] { apply(); }, Qt::QueuedConnection);
}

void ProgressDisplay::ensureDialog()
{
    if (dialog_)
        return;
    dialog_ = new QProgressDialog(parent_);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setCancelButtonText(Text::tr("取消"));
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    // The bar is set directly: QProgressDialog::setValue of a modal dialog runs pending
    // events, and with them whatever else the operation has queued for the window.
    bar_ = new QProgressBar(dialog_);
    dialog_->setBar(bar_);
    // The dialog would show itself after a while of its own accord; it shows when told.
    dialog_->reset();
    dialog_->hide();
    connect(dialog_, &QProgressDialog::canceled, this, [this] {
        if (onCancel_)
            onCancel_();
    });
}

void ProgressDisplay::apply()
{
    applyPosted_.store(false);
    State state;
    {
        const QMutexLocker lock(&mutex_);
        state = published_;
    }
    ensureDialog();
    if (!state.active) {
        dialog_->hide();
        return;
    }
    if (state.generation != shownGeneration_) {
        shownGeneration_ = state.generation;
        dialog_->reset();
        dialog_->setWindowTitle(state.title);
        bar_->setRange(0, state.maximum);
        dialog_->show();
    } else if (dialog_->wasCanceled()) {
        // Cancel hid the dialog; the operation stops at its next step.
        return;
    }
    bar_->setValue(state.value);
    dialog_->setLabelText(ProgressText(state.doing, state.value, state.maximum, state.detail));
}

} // namespace kv::ui
