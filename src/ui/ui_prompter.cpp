#include "ui_prompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace kv::ui {

UiPrompter::UiPrompter(QWidget* parent) : parent_(parent), windowThread_(std::make_unique<QObject>()) {}

UiPrompter::~UiPrompter() = default;

void UiPrompter::onWindowThread(const std::function<void()>& call, bool wait)
{
    if (closing_.load())
        return;
    if (QThread::currentThread() == qApp->thread()) {
        call();
        return;
    }
    // Calls still queued when the prompter goes are dropped with windowThread_.
    QMetaObject::invokeMethod(windowThread_.get(), call, wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void UiPrompter::shutDown()
{
    closing_.store(true);
    cancelFlag().request();
}

void UiPrompter::error(const QString& text, const QString& title)
{
    onWindowThread([&] { QMessageBox::critical(parent_, title, text); });
}

void UiPrompter::message(const QString& text, const QString& title)
{
    onWindowThread([&] { QMessageBox::information(parent_, title, text); });
}

void UiPrompter::failure(const QString& text, const QString& title)
{
    message(text, title);
}

bool UiPrompter::ask(const QString& text, const QString& title)
{
    bool yes = false;
    onWindowThread([&] {
        yes = QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            == QMessageBox::Yes;
    });
    return yes;
}

void UiPrompter::notice(const QString& text, const QString& title, int seconds)
{
    onWindowThread([&] {
        QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
        QTimer::singleShot(qMax(seconds, 1) * 1000, &box, &QMessageBox::accept);
        box.exec();
    });
}

void UiPrompter::report(const QString& title, const QString& text)
{
    onWindowThread([&] {
        if (!reportWindow_) {
            reportWindow_ = new QDialog(parent_);
            reportWindow_->resize(560, 520);
            auto* layout = new QVBoxLayout(reportWindow_);
            reportText_ = new QPlainTextEdit(reportWindow_);
            reportText_->setReadOnly(true);
            layout->addWidget(reportText_);
        }
        reportWindow_->setWindowTitle(title);
        reportText_->setPlainText(text);
        reportWindow_->show();
        reportWindow_->raise();
    });
}

QString UiPrompter::chooseOpenFile(const QString& title, const QString& filter)
{
    QString path;
    onWindowThread([&] { path = QFileDialog::getOpenFileName(parent_, title, QString(), filter); });
    return path;
}

QString UiPrompter::chooseSaveFile(const QString& title, const QString& filter, const QString& suggested)
{
    QString path;
    onWindowThread([&] { path = QFileDialog::getSaveFileName(parent_, title, suggested, filter); });
    return path;
}

void UiPrompter::beginProgress(const QString& title, const QString& doing, int maximum)
{
    cancelFlag().clear();
    progressDoing_ = doing.isEmpty() ? title : doing;
    progressMaximum_ = maximum;
    onWindowThread([this, title, maximum] {
        delete progress_;
        progress_ = new QProgressDialog(ProgressText(progressDoing_, 0, maximum), QStringLiteral("取消"), 0, maximum,
                                        parent_);
        progress_->setWindowTitle(title);
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(0);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        QObject::connect(progress_, &QProgressDialog::canceled, [this] { cancelFlag().request(); });
        progress_->show();
    });
}

bool UiPrompter::stepProgress(int value, const QString& detail)
{
    // Steps do not wait for the window: a long transfer must not run at the pace of
    // repaints.
    const QString text = ProgressText(progressDoing_, value, progressMaximum_, detail);
    onWindowThread(
        [this, value, text] {
            if (!progress_)
                return;
            progress_->setValue(value);
            progress_->setLabelText(text);
        },
        false);
    return !cancelFlag().requested();
}

void UiPrompter::endProgress()
{
    onWindowThread([this] { delete progress_; }, false);
}

} // namespace kv::ui
