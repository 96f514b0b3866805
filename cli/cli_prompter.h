#pragma once

#include "base/prompter.h"

#include <QStringList>

namespace kv::cli {

// The terminal's Prompter: results and plain messages on standard output, errors on
// standard error, questions answered by --yes, at the terminal, or No without one.
class CliPrompter : public Prompter {
public:
    using Prompter::ask;
    using Prompter::error;
    using Prompter::failure;
    using Prompter::message;

    explicit CliPrompter(bool yesToAll) : yesToAll_(yesToAll) {}

    void error(const QString& text, const QString& title) override;
    void message(const QString& text, const QString& title) override;
    void failure(const QString& text, const QString& title) override;
    bool ask(const QString& text, const QString& title) override;
    void notice(const QString& text, const QString& title, int seconds) override;
    void report(const QString& title, const QString& text) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& suggested) override;
    void beginProgress(const QString& title, const QString& doing, int maximum) override;
    bool stepProgress(int value, const QString& detail) override;
    void endProgress() override;

    // Files a command was given on its command line, handed out to the file choices in order.
    void presetFiles(const QStringList& files) { files_ = files; }

private:
    bool yesToAll_;
    QStringList files_;
    QString progressDoing_;
    int progressMaximum_ = 0;
    int progressTenthShown_ = -1;
};

// Standard output and error as UTF-8 lines.
void PrintOut(const QString& text);
void PrintErr(const QString& text);
// A line of a listing that may run to millions of lines: left in the output buffer,
// which is written when it fills and by FlushListed, not line by line.
void PrintListed(const QString& text);
void FlushListed();

} // namespace kv::cli
