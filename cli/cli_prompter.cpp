#include "cli_prompter.h"

#include "text/operator_text.h"

#include <QByteArray>
#include <cstdio>
#include <unistd.h>

namespace kv::cli {

void PrintOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void PrintListed(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void FlushListed()
{
    std::fflush(stdout);
}

void PrintErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

void CliPrompter::error(const QString& text, const QString&)
{
    PrintErr(text);
}

void CliPrompter::message(const QString& text, const QString&)
{
    PrintOut(text);
}

void CliPrompter::failure(const QString& text, const QString&)
{
    PrintErr(text);
}

bool CliPrompter::ask(const QString& text, const QString&)
{
    if (yesToAll_)
        return true;
    if (!::isatty(STDIN_FILENO)) {
        // The operation stops at this No; the script must see which question stopped it.
        PrintErr(text + QLatin1Char('\n') + Text::tr("（没有终端，视为“否”；用 --yes 回答“是”）"));
        return false;
    }
    PrintErr(text + QStringLiteral(" [y/N] "));
    char answer[16] = {};
    if (!std::fgets(answer, sizeof answer, stdin))
        return false;
    return answer[0] == 'y' || answer[0] == 'Y';
}

void CliPrompter::notice(const QString& text, const QString&, int)
{
    PrintOut(text);
}

void CliPrompter::report(const QString&, const QString& text)
{
    PrintOut(text);
}

QString CliPrompter::chooseOpenFile(const QString&, const QString&)
{
    return files_.isEmpty() ? QString() : files_.takeFirst();
}

QString CliPrompter::chooseSaveFile(const QString&, const QString&, const QString&)
{
    return files_.isEmpty() ? QString() : files_.takeFirst();
}

void CliPrompter::beginProgress(const QString& title, const QString& doing, int maximum)
{
    progressDoing_ = doing.isEmpty() ? title : doing;
    progressMaximum_ = maximum;
    progressTenthShown_ = -1;
}

bool CliPrompter::stepProgress(int value, const QString& detail)
{
    const QString text = ProgressText(progressDoing_, value, progressMaximum_, detail);
    if (::isatty(STDERR_FILENO)) {
        const QByteArray line = (QStringLiteral("\r") + text).toUtf8();
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
        std::fflush(stderr);
    } else {
        // A log or a pipe gets a line now and then, not one per step.
        const int tenth = progressMaximum_ > 0 ? qBound(0, value * 10 / progressMaximum_, 10) : 0;
        if (tenth != progressTenthShown_) {
            progressTenthShown_ = tenth;
            PrintErr(text);
        }
    }
    return !cancelFlag().requested();
}

void CliPrompter::endProgress()
{
    if (::isatty(STDERR_FILENO))
        std::fputc('\n', stderr);
}

} // namespace kv::cli
