#include "operation_runner.h"

#include "base/prompter.h"
#include "text/operator_text.h"

#include <QCoreApplication>
#include <exception>

namespace kv::ui {

OperationRunner::OperationRunner(Prompter& prompter, QObject* parent)
    : QObject(parent), prompter_(prompter), worker_(new QObject)
{
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

OperationRunner::~OperationRunner()
{
    thread_.quit();
    thread_.wait();
}

bool OperationRunner::run(std::function<void(Prompter&)> work, std::function<void()> done)
{
    Completion completion = done ? Completion(std::move(done)) : Completion([] {});
    return start(
        [work = std::move(work), completion](Prompter& prompter) {
            work(prompter);
            return completion;
        },
        completion);
}

bool OperationRunner::start(std::function<Completion(Prompter&)> work, Completion afterFailure)
{
    if (!guard_.tryBegin()) {
        prompter_.error(OperationGuard::busyText());
        return false;
    }
    // A cancel belongs to the operation it was asked for, never to the next one.
    prompter_.cancelFlag().clear();
    emit busyChanged(true);
    QMetaObject::invokeMethod(worker_, [this, work = std::move(work), afterFailure = std::move(afterFailure)] {
        Completion completion;
        try {
            completion = work(prompter_);
        } catch (const std::exception& e) {
            prompter_.error(Text::tr("操作失败：%1").arg(QString::fromLocal8Bit(e.what())));
            completion = afterFailure;
        }
        QMetaObject::invokeMethod(this, [this, completion = std::move(completion)] {
            guard_.end();
            completion();
            emit busyChanged(false);
        });
    });
    return true;
}

void OperationRunner::waitIdle()
{
    while (guard_.busy()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(2);
    }
}

} // namespace kv::ui
