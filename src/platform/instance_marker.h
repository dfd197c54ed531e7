#pragma once

#include <QString>
#include <memory>

class QLockFile;

namespace kodrix {

// A machine-wide marker that tells a second start of the program that one is already
// running. The instance that registered the marker removes it when it ends; an instance that
// found it already there leaves it alone. A marker left by a crashed instance is stale and is
// taken over.
class InstanceMarker {
public:
    static inline const QString kName =
        QStringLiteral("Kodrixfb3 egyfelhasználós integrált könyvtári rendszer");

    // dir: where marker files live; empty means the user's runtime folder.
    explicit InstanceMarker(const QString& name = kName, const QString& dir = QString());
    ~InstanceMarker();

    // Registers the marker unless it exists; false when another instance holds it.
    bool registerMarker();
    bool owned() const { return owned_; }
    QString path() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool owned_ = false;
};

} // namespace kodrix
