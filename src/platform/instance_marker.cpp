#include "instance_marker.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace kodrix {

InstanceMarker::InstanceMarker(const QString& name, const QString& dir) {
    QString folder = dir;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    // The marker's name is free text; its file name is a digest of it.
    const QByteArray digest =
        QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    path_ = QDir(folder).filePath(QStringLiteral("kodrix-%1.lock").arg(QString::fromLatin1(digest)));
    lock_ = std::make_unique<QLockFile>(path_);
    lock_->setStaleLockTime(0);
}

InstanceMarker::~InstanceMarker() {
    if (owned_) lock_->unlock();
}

bool InstanceMarker::registerMarker() {
    if (owned_) return true;
    owned_ = lock_->tryLock(0);
    return owned_;
}

} // namespace kodrix
