#pragma once

#include <QString>
#include <QStringList>

namespace tw::test {

// Makes a folder and everything in it read-only for this process while it lives, as a store on
// a read-only medium would be. For a normal user the write permissions are taken away. The
// super-user is not bound by permissions: the folder is bound read-only over itself, in a mount
// namespace of this process's own. Files opened before keep their access, so open the store
// after this. When neither can be done, `usable()` is false and `reason()` says why.
class ReadOnlyFolder
{
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool usable() const { return m_reason.isEmpty(); }
    const QString& reason() const { return m_reason; }
    // "permissions" or "read-only bind mount": how the folder was made read-only.
    const QString& how() const { return m_how; }

private:
    QString m_path;
    QString m_reason;
    QString m_how;
    QStringList m_changed; // paths whose write permissions were taken away
    bool m_mounted = false;
};

} // namespace tw::test
