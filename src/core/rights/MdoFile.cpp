#include "MdoFile.h"

#include "core/app/IoError.h"
#include "core/app/LineFile.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/TabText.h"

namespace tw {

void MdoFile::write(const QString& directory, const QString& libraryName, const QString& libraryId,
                    const std::function<bool(QString*)>& nextNumber, OperationLog& log, RunHost& host)
{
    host.setBusyCursor(true);
    struct Cursor
    {
        RunHost& host;
        ~Cursor() { host.setBusyCursor(false); }
    } cursor {host};
    log.ErrorCheck(QStringLiteral("Starting MDO Output File for Current Rights List"), true, true);
    const QString path = directory + QStringLiteral("MDORghts.rpt");
    const QString reference = libraryName + QLatin1Char('(') + libraryId + QStringLiteral("):");
    try {
        LineFile file;
        file.write(path, {}); // there even when the list is empty
        QString number;
        while (nextNumber(&number))
            file.write(path, {TabText::cell(reference + number.trimmed())});
        file.close();
    } catch (const IoError& error) {
        log.ErrorCheck(error.message(), true, true);
        host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
        return;
    }
    log.ErrorCheck(QStringLiteral("Completed MDO Output File for Current Rights List"), true, true);
}

} // namespace tw
