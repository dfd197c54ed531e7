#pragma once

#include "database.h"
#include "dates.h"
#include "recording_dialogs.h"

#include <QString>
#include <gtest/gtest.h>

namespace kodrix::test {

// A private folder for the whole test binary (removed at exit).
QString scratchDir();

// A fresh copy of a database made once per test binary with the full schema and reference
// data; the copy's path is returned.
QString freshDatabaseFile();

// The base of tests that need the database: each test starts on its own fresh copy, with a
// recording dialogs fake and a clock fixed at 2024.03.15.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    db::Database db{QStringLiteral("test")};
    RecordingDialogs dialogs;
    db::FixedClock clock{QDate(2024, 3, 15)};
    QString dbFile;
};

} // namespace kodrix::test
