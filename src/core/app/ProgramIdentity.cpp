#include "ProgramIdentity.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <pwd.h>
#include <unistd.h>

namespace tw {

QString ProgramIdentity::ProgramName(const QString& executablePath, const QString& versionText)
{
    QString base = QFileInfo(executablePath).fileName();
    const int dot = base.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        base.truncate(dot);
    if (base.isEmpty())
        return QStringLiteral(" (") + versionText.toLower() + QLatin1Char(')');
    return base.left(1).toUpper() + (base.mid(1) + QStringLiteral(" (") + versionText + QLatin1Char(')')).toLower();
}

QString ProgramIdentity::WindowsUserName()
{
    QString name;
    if (const passwd* entry = getpwuid(geteuid()))
        name = QString::fromLocal8Bit(entry->pw_name);
    if (name.isEmpty())
        name = qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME"));
    // The name buffer of the original program holds 257 characters.
    if (name.isEmpty() || name.size() > 256)
        return QStringLiteral("<UNKNOWN>");
    return name.toUpper();
}

QString ProgramIdentity::withTrailingSeparator(const QString& directory)
{
    QString text = QDir::toNativeSeparators(directory);
    if (!text.endsWith(QDir::separator()))
        text += QDir::separator();
    return text;
}

QString ProgramIdentity::programDirectory(const QString& executablePath)
{
    const QFileInfo exeDir(QFileInfo(executablePath).absolutePath());
    if (exeDir.isWritable() && exeDir.fileName() != QLatin1String("bin"))
        return withTrailingSeparator(exeDir.filePath());
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dir = data + QStringLiteral("/tarnwick");
    QDir().mkpath(dir);
    return withTrailingSeparator(dir);
}

} // namespace tw
