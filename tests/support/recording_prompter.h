#pragma once

#include "base/prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kv::test {

// A Prompter that records what an operation showed and answers from a script.
class RecordingPrompter : public Prompter {
public:
    using Prompter::ask;
    using Prompter::error;
    using Prompter::failure;
    using Prompter::message;

    struct Shown {
        QString kind; // "error", "message", "failure", "ask", "notice", "report"
        QString text;
        QString title;
    };

    void error(const QString& text, const QString& title) override { shown << Shown{"error", text, title}; }
    void message(const QString& text, const QString& title) override { shown << Shown{"message", text, title}; }
    void failure(const QString& text, const QString& title) override { shown << Shown{"failure", text, title}; }
    bool ask(const QString& text, const QString& title) override
    {
        shown << Shown{"ask", text, title};
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    void notice(const QString& text, const QString& title, int) override { shown << Shown{"notice", text, title}; }
    void report(const QString& title, const QString& text) override { shown << Shown{"report", text, title}; }
    QString chooseOpenFile(const QString&, const QString&) override { return files.isEmpty() ? QString() : files.takeFirst(); }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override
    {
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    void beginProgress(const QString& title, const QString& doing, int maximum) override
    {
        progressTitle = title;
        progressDoing = doing;
        progressMaximum = maximum;
        ++progressOpen;
    }
    bool stepProgress(int value, const QString& detail) override
    {
        progressSteps << value;
        progressTexts << detail;
        return cancelAtStep < 0 || progressSteps.size() < cancelAtStep;
    }
    void endProgress() override { --progressOpen; }

    // The texts shown, in order, of one kind or of every kind.
    QStringList texts(const QString& kind = QString()) const
    {
        QStringList out;
        for (const Shown& s : shown)
            if (kind.isEmpty() || s.kind == kind)
                out << s.text;
        return out;
    }

    QList<Shown> shown;
    QList<bool> answers;   // answers to ask(), in order; No when used up
    QStringList files;     // answers to the file choices, in order
    int cancelAtStep = -1; // the progress step (1-based) at which the operator cancels
    QString progressTitle;
    QString progressDoing;
    int progressMaximum = 0;
    int progressOpen = 0;
    QList<int> progressSteps;
    QStringList progressTexts;
};

} // namespace kv::test
