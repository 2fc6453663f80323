#include "DocSize.h"

#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"

namespace tw {

qint64 DocSize::GetDocSize()
{
    const qint64 document = m_refs.currentDocument->DocumentNumber();
    const int version = m_refs.currentVersion->VersionNumber();
    const auto folder = m_refs.account->DocumentsFolder();
    const auto trash = m_refs.account->Trash();
    const auto reference
        = folder->Messages()->Add(QStringLiteral("GW.MESSAGE.DOCUMENTREFERENCE"), m_refs.currentVersion, 2);
    const auto messages = folder->Messages();

    // The reference is removed from the folder and the trash on every way out,
    // errors included, so measuring never leaves references behind.
    struct Cleanup
    {
        std::shared_ptr<gw::Message> reference;
        std::shared_ptr<gw::Trash> trash;
        void run()
        {
            const QString id = reference->MessageID();
            reference->Delete();
            trash->Refresh();
            std::shared_ptr<gw::Message> entry;
            try {
                entry = trash->TrashEntries()->ItemEx(id);
            } catch (const gw::Error&) {
                // Not in the trash: nothing more to remove.
            }
            if (entry)
                entry->Delete();
        }
        ~Cleanup()
        {
            if (!reference)
                return;
            try {
                run();
            } catch (const gw::Error&) {
                // Best effort after an error; the first error is what the caller sees.
            }
        }
    } cleanup {reference, trash};

    qint64 size = 0;
    if (m_refs.session->MajorVersion() >= 4) {
        size = reference->DocumentSize();
    } else {
        size = probe([&](qint64 guess) {
            m_log.ErrorCheck(QStringLiteral("Checking for Size %1").arg(guess), true, false);
            const QString expression
                = QStringLiteral("(DOCREFERENCE AND DOCUMENT_NUMBER = %1 AND VERSION_NUMBER = %2 AND SIZE > %3)")
                      .arg(document)
                      .arg(version)
                      .arg(guess);
            return messages->Find(expression)->Count() != 0;
        });
    }
    cleanup.run();
    cleanup.reference.reset();
    return size;
}

} // namespace tw
