#include "ui_prompter.h"

#include "base/notice_time.h"
#include "progress_display.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace kv::ui {

UiPrompter::UiPrompter(QWidget* parent)
    : parent_(parent),
      windowThread_(std::make_unique<QObject>()),
      progress_(std::make_unique<ProgressDisplay>(parent, [this] { cancelFlag().request(); }))
{
}

UiPrompter::~UiPrompter() = default;

void UiPrompter::onWindowThread(const std::function<void()>& call)
{
    if (closing_.load())
        return;
    if (QThread::currentThread() == qApp->thread()) {
        call();
        return;
    }
    // A call still queued when the prompter goes is dropped with windowThread_, which
    // releases the worker waiting on it.
    QMetaObject::invokeMethod(windowThread_.get(), call, Qt::BlockingQueuedConnection);
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
        QTimer::singleShot(NoticeMilliseconds(seconds), &box, &QMessageBox::accept);
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
    if (!closing_.load())
        progress_->begin(title, doing, maximum);
}

bool UiPrompter::stepProgress(int value, const QString& detail)
{
    // Steps do not wait for the window: a long transfer must not run at the pace of
    // repaints.
    if (!closing_.load())
        progress_->step(value, detail);
    return !cancelFlag().requested();
}

void UiPrompter::endProgress()
{
    progress_->end();
}

} // namespace kv::ui
