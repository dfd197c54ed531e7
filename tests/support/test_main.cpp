// Entry point of every test binary: offscreen windows, a private runtime folder and a
// private lock folder for the embedded database engine.
#include "test_database.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const QString scratch = kodrix::test::scratchDir();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = scratch + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QString lock = scratch + QStringLiteral("/firebird-lock");
    QDir().mkpath(lock);
    qputenv("FIREBIRD_LOCK", QFile::encodeName(lock));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
