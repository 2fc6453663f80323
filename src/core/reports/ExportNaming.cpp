#include "ExportNaming.h"

#include "SafeName.h"
#include "core/runs/UsableFileType.h"

#include <QDir>
#include <QFileInfo>

namespace tw {

QString ExportNaming::fileName(qint64 document, int version, const QString& fileType, const QString& subject,
                               const ExportOptions& options)
{
    const QString d = QString::number(document);
    const QString v = QString::number(version);
    // A type that cannot stand in a name is left out with its "." (such a version is not exported).
    const QString extension = isUsableFileType(fileType) ? QLatin1Char('.') + fileType : QString();
    if (options.ShortFilename)
        return d + QLatin1Char('_') + v + extension;

    QString name = subject.left(255);
    // A subject that already names the file type ("Budget.doc final") loses its first mention.
    const qsizetype at = name.indexOf(extension, 0, Qt::CaseSensitive);
    if (at >= 0)
        name.remove(at, extension.size());
    if (!options.CleanFileName) {
        const qsizetype cut = qMax(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char(':')));
        name = name.mid(cut + 1);
    }
    name = SafeName(name);
    if (name.isEmpty())
        name = QStringLiteral("Unknown Subject");

    const QString numbers = QStringLiteral("_N") + d + QStringLiteral("_V") + v;
    const qsizetype limit = options.JolietCompatible ? 64 : 255;
    const qsizetype keep = limit - numbers.size() - extension.size();
    return (keep > 0 ? name.left(keep) : QString()) + numbers + extension;
}

QString ExportNaming::folderPath(const QString& top, const QStringList& folderFields,
                                 const std::function<QString(const QString&)>& valueOf,
                                 const std::function<void(const QString&)>& createFailed)
{
    QString directory = top;
    for (const QString& field : folderFields) {
        QString value = valueOf(field);
        if (value.isEmpty())
            value = field; // a document without an author goes into a folder named Author
        const QString level = SafeName(value);
        if (level.isEmpty() || level == QLatin1String(".") || level == QLatin1String(".."))
            continue;
        const QString candidate = directory + level;
        if (!QFileInfo(candidate).isDir() && !QDir().mkdir(candidate)) {
            createFailed(QStringLiteral("Sub Directory Create failed for ") + candidate + QStringLiteral(" (")
                         + QString::number(candidate.size()) + QStringLiteral(" chars)"));
            continue;
        }
        directory = candidate + QDir::separator();
    }
    return directory;
}

} // namespace tw
