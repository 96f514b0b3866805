#pragma once

#include "base/app_folder.h"
#include "kvctl_process.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kv::test {

// kvctl run in a fresh application folder, its texts without the final line end, as a
// script that reads its output sees them.
class KvctlFolderTest : public ::testing::Test {
protected:
    KvctlRun kvctl(const QStringList& args)
    {
        return Trimmed(RunKvctl(QStringList{QStringLiteral("--dir"), dir.path()} + options + args, 60000, memoryCap));
    }

    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    // Global options every run of the test gives before its own.
    QStringList options;
    // The address space each run may take (RunKvctl), none when 0.
    qint64 memoryCap = 0;
};

} // namespace kv::test
