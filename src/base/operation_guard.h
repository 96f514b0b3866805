#pragma once

#include <QString>
#include <atomic>

namespace kv {

// Only one device operation may run at a time: two interleaved operations would mix
// their frames on the line. Every front end asks the guard before starting one.
class OperationGuard {
public:
    // The text shown when an operation is refused because another one runs.
    static QString busyText();

    bool tryBegin() { return !busy_.exchange(true); }
    void end() { busy_.store(false); }
    bool busy() const { return busy_.load(); }

private:
    std::atomic<bool> busy_{false};
};

// Holds the guard for one operation; released on every exit path.
class OperationScope {
public:
    explicit OperationScope(OperationGuard& guard) : guard_(guard), owns_(guard.tryBegin()) {}
    ~OperationScope()
    {
        if (owns_)
            guard_.end();
    }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

    bool acquired() const { return owns_; }

private:
    OperationGuard& guard_;
    bool owns_;
};

} // namespace kv
