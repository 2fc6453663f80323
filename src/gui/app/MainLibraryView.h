#pragma once

#include "core/app/LibraryView.h"

namespace tw {

class TMainScreen;

// Renders what the login and the library selection report into the main
// window: the caption, the selector, the library panel and every pick list
// that depends on the selected library.
class MainLibraryView : public LibraryView
{
public:
    explicit MainLibraryView(TMainScreen& screen);

    void setWindowCaption(const QString& caption) override;
    void setLibraryEntries(const QStringList& entries, const QString& selected) override;
    void clearForLibrary() override;
    void setLibraryPanel(const QString& caption, const QString& highestNumber, const QString& description) override;
    void setLibrarianLine(const QString& text) override;
    void setDocumentTypes(const QStringList& types) override;
    void setFieldLists(const QStringList& fields, const QStringList& reporterFields) override;
    void setAdditionalFields(const QList<AdditionalFieldRow>& rows, bool moreFieldsEnabled) override;

private:
    TMainScreen& m_screen;
};

} // namespace tw
