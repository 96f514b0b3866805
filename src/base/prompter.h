#pragma once

#include <QString>
#include <atomic>

namespace kv {

// The operator's request to stop the running operation: the window's Cancel, Ctrl+C in
// kvctl. It may be set from any thread (or a signal handler); every wait on the line and
// every progress step look at it, so a cancel ends the operation at its next safe point.
class CancelFlag {
public:
    void request() { requested_.store(true); }
    void clear() { requested_.store(false); }
    bool requested() const { return requested_.load(); }

private:
    std::atomic<bool> requested_{false};
};

// The one way an operation talks to the operator. kvtool shows dialogs, kvctl prints
// and reads the terminal, tests record what was shown and answer from a script.
// Operations never open a widget themselves.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with the error icon; most errors carry the title "错误".
    virtual void error(const QString& text, const QString& title) = 0;
    void error(const QString& text);
    // A plain message box (results such as "设置成功"); the title is usually empty.
    virtual void message(const QString& text, const QString& title) = 0;
    void message(const QString& text) { message(text, QString()); }
    // An operation that stopped short of its end without an error box ("写入失败",
    // "读出失败"): the window shows it as a plain message box; kvctl reports it as the
    // reason of its failure.
    virtual void failure(const QString& text, const QString& title) = 0;
    void failure(const QString& text) { failure(text, QString()); }
    // A yes/no question; true means Yes.
    virtual bool ask(const QString& text, const QString& title) = 0;
    bool ask(const QString& text) { return ask(text, QString()); }
    // An information box that closes by itself after the given seconds.
    virtual void notice(const QString& text, const QString& title, int seconds) = 0;
    // A read-only text shown in a secondary window (a report read back from a unit).
    virtual void report(const QString& title, const QString& text) = 0;
    // File choices; an empty result means the operator cancelled.
    virtual QString chooseOpenFile(const QString& title, const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filter,
                                   const QString& suggestedName) = 0;

    // Progress of a long operation: title names the window, doing what runs
    // ("正在写入字库"); each step shows ProgressText of doing, the value and the maximum,
    // with an optional detail. stepProgress returns false once the operator has asked to
    // cancel; the operation then stops at the next safe point.
    virtual void beginProgress(const QString& title, const QString& doing, int maximum) = 0;
    virtual bool stepProgress(int value, const QString& detail) = 0;
    virtual void endProgress() = 0;

    // The operator's cancel for the operation that runs now.
    CancelFlag& cancelFlag() { return cancel_; }

private:
    CancelFlag cancel_;
};

// Keeps a progress display open for the lifetime of a scope, so every exit path of a
// long operation closes it.
class ProgressScope {
public:
    ProgressScope(Prompter& prompter, const QString& title, const QString& doing, int maximum)
        : prompter_(prompter)
    {
        prompter_.beginProgress(title, doing, maximum);
    }
    ~ProgressScope() { prompter_.endProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    bool step(int value, const QString& detail = QString()) { return prompter_.stepProgress(value, detail); }

private:
    Prompter& prompter_;
};

// "正在写入字库：30 / 256", and the detail after it when there is one.
QString ProgressText(const QString& doing, int value, int maximum, const QString& detail = QString());

} // namespace kv
