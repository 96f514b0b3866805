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
        return Trimmed(RunKvctl(QStringList{QStringLiteral("--dir"), dir.path()} + options + args));
    }

    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    // Global options every run of the test gives before its own.
    QStringList options;
};

} // namespace kv::test
