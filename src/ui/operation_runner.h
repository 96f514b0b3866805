#pragma once

#include "base/operation_guard.h"

#include <QObject>
#include <QThread>
#include <functional>
#include <utility>

namespace kv {
class Prompter;
}

namespace kv::ui {

// Runs device operations one at a time on a worker thread, so the window stays
// responsive while an operation waits on the line. A second operation started while
// one runs is refused with a message.
class OperationRunner : public QObject {
    Q_OBJECT
public:
    explicit OperationRunner(Prompter& prompter, QObject* parent = nullptr);
    ~OperationRunner() override;

    // Starts work on the worker thread; done then runs on the window's thread with what
    // work returned. The outcome travels by value from one thread to the other, so the
    // two halves share nothing. When work fails unexpectedly the failure is shown and
    // done gets a default Outcome, which must stand for "nothing changed". Returns false
    // (after the message) when another operation is running.
    template <typename Outcome>
    bool run(std::function<Outcome(Prompter&)> work, std::function<void(Outcome)> done)
    {
        return start(
            [work = std::move(work), done](Prompter& prompter) -> Completion {
                return [outcome = work(prompter), done]() mutable { done(std::move(outcome)); };
            },
            [done] { done(Outcome{}); });
    }
    // The same for an operation whose outcome the window does not need; done, when
    // given, runs once the operation has ended, on every path.
    bool run(std::function<void(Prompter&)> work, std::function<void()> done = {});

    bool busy() const { return guard_.busy(); }
    // Blocks until the running operation, if any, has ended (shutdown, tests).
    void waitIdle();

signals:
    void busyChanged(bool busy);

private:
    // What runs on the window's thread once the work is over.
    using Completion = std::function<void()>;

    bool start(std::function<Completion(Prompter&)> work, Completion afterFailure);

    Prompter& prompter_;
    OperationGuard guard_;
    QThread thread_;
    QObject* worker_;
};

} // namespace kv::ui
