#pragma once

#include <QString>

namespace kv {

// The one way an operation talks to the operator. kvtool shows dialogs, kvctl prints
// and reads the terminal, tests record what was shown and answer from a script.
// Operations never open a widget themselves.
class Prompter {
public:
    virtual ~Prompter() = default;

    // A message box with the error icon; most errors carry the title "错误".
    virtual void error(const QString& text, const QString& title = QStringLiteral("错误")) = 0;
    // A plain message box (results such as "设置成功"); the title is usually empty.
    virtual void message(const QString& text, const QString& title = QString()) = 0;
    // A yes/no question; true means Yes.
    virtual bool ask(const QString& text, const QString& title = QString()) = 0;
    // An information box that closes by itself after the given seconds.
    virtual void notice(const QString& text, const QString& title, int seconds) = 0;
    // A read-only text shown in a secondary window (a report read back from a unit).
    virtual void report(const QString& title, const QString& text) = 0;
    // File choices; an empty result means the operator cancelled.
    virtual QString chooseOpenFile(const QString& title, const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& title, const QString& filter,
                                   const QString& suggestedName) = 0;

    // Progress of a long operation. stepProgress returns false once the operator has
    // asked to cancel; the operation then stops at the next safe point.
    virtual void beginProgress(const QString& title, int maximum) = 0;
    virtual bool stepProgress(int value, const QString& text) = 0;
    virtual void endProgress() = 0;
};

// Keeps a progress display open for the lifetime of a scope, so every exit path of a
// long operation closes it.
class ProgressScope {
public:
    ProgressScope(Prompter& prompter, const QString& title, int maximum) : prompter_(prompter)
    {
        prompter_.beginProgress(title, maximum);
    }
    ~ProgressScope() { prompter_.endProgress(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    bool step(int value, const QString& text = QString()) { return prompter_.stepProgress(value, text); }

private:
    Prompter& prompter_;
};

} // namespace kv
