#pragma once

#include "FileLines.h"
#include "core/app/RunState.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <functional>

namespace tw::test {

// Every file under `folder` (its relative path, and its bytes followed by its permissions and
// modification time), to tell that a run changed nothing there. SQLite's shared-memory index
// ("*-shm") is left out: every reader rewrites it, and it holds nothing of the store; the database
// and its write-ahead log are compared as they are.
inline QMap<QString, QByteArray> folderBytes(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    const QDir root(folder);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String("-shm")))
            continue;
        QFile file(path);
        QByteArray state = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
        const QFileInfo info(path);
        state += "\n" + QByteArray::number(int(info.permissions())) + ' '
            + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        files.insert(root.relativeFilePath(path), state);
    }
    return files;
}

// The lines of a dry run as the real run writes them: each "Dry Run: " at a line's start and
// " (Dry Run)" at its end taken off.
inline QStringList withoutDryRunMarks(QStringList lines)
{
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Dry Run: ")))
            line.remove(0, 9);
        if (line.endsWith(QLatin1String(" (Dry Run)")))
            line.chop(10);
    }
    return lines;
}

// The lines a dry run marked as what it would do.
inline QStringList dryRunLines(const QStringList& lines)
{
    return lines.filter(QRegularExpression(QStringLiteral("^Dry Run: ")));
}

// A run made twice on the same fixture, dry and then for real: the report lines each added, and
// whether the dry run left every file of `folders` as it found it.
struct DryThenReal
{
    QStringList dry;
    QStringList real;
    QStringList changedFiles; // by the dry run
};

inline DryThenReal dryThenReal(RunState& state, const QStringList& folders, const QString& report,
                               const std::function<void()>& run)
{
    const auto snapshot = [&folders] {
        QMap<QString, QByteArray> all;
        for (const QString& folder : folders) {
            const auto files = folderBytes(folder);
            for (auto it = files.begin(); it != files.end(); ++it)
                all.insert(folder + QLatin1Char('/') + it.key(), it.value());
        }
        return all;
    };
    // A run without a report file reports in the daily log alone.
    const auto reportLines = [&report] { return report.isEmpty() ? QStringList() : fileLines(report); };
    DryThenReal result;
    const qsizetype before = reportLines().size();
    const auto untouched = snapshot();
    state.DryRun = true;
    run();
    state.DryRun = false;
    const auto after = snapshot();
    for (auto it = untouched.begin(); it != untouched.end(); ++it) {
        if (after.value(it.key()) != it.value())
            result.changedFiles.append(it.key());
    }
    for (auto it = after.begin(); it != after.end(); ++it) {
        if (!untouched.contains(it.key()))
            result.changedFiles.append(it.key());
    }
    result.dry = reportLines().mid(before);
    run();
    result.real = reportLines().mid(before + result.dry.size());
    return result;
}

} // namespace tw::test
