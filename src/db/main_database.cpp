#include "main_database.h"

#include "schema.h"

#include <QDir>
#include <QFileInfo>

namespace kodrix::db {

QString resolveDataDir(const QString& fromCommandLine) {
    if (!fromCommandLine.isEmpty()) return QDir(fromCommandLine).absolutePath();
    const QString env = qEnvironmentVariable("KODRIX_DATA");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return QDir::homePath() + QStringLiteral("/.local/share/kodrix");
}

QString mainDatabasePath(const QString& dataDir) {
    return QDir(dataDir).filePath(QStringLiteral("KODRIXFB3.FDB"));
}

void prepareEmbeddedEngine(const QString& dataDir) {
    const QString lock = QDir(dataDir).filePath(QStringLiteral("firebird-lock"));
    QDir().mkpath(lock);
    if (qEnvironmentVariableIsEmpty("FIREBIRD_LOCK")) qputenv("FIREBIRD_LOCK", QFile::encodeName(lock));
}

bool openMainDatabase(Database& db, const ConnectionSpec& connection, bool createIfMissing) {
    bool created = false;
    if (!connection.isServer() && !QFileInfo::exists(connection.database)) {
        if (!createIfMissing)
            throw DbError(QStringLiteral("Az adatbázisfájl nem létezik: %1").arg(connection.database));
        QDir().mkpath(QFileInfo(connection.database).absolutePath());
        Database::createFile(connection.database, connection.user);
        created = true;
    }
    db.open(connection);
    try {
        upgradeSchema(db);
    } catch (...) {
        db.close();
        // A file created now and left half-built would be taken for a real database at the
        // next start; remove it so that the next start builds it again.
        if (created) QFile::remove(connection.database);
        throw;
    }
    return created;
}

bool isDatabaseInUse(const DbError& error) {
    return error.text().contains(QLatin1String("already opened"), Qt::CaseInsensitive) ||
           error.text().contains(QLatin1String("lock\" operation"), Qt::CaseInsensitive);
}

} // namespace kodrix::db
