#pragma once

#include "SessionWindow.h"
#include "gui/widgets/ReportDesk.h"
#include "gui/widgets/ReportPreview.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QtTest>

namespace tw::test {

// The preview a Print button opened over the window.
inline ReportPreview* shownPreview(SessionWindow& window)
{
    // A closed preview deletes itself once the event loop comes round.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<ReportPreview*> previews = window.screen().findChildren<ReportPreview*>();
    return previews.size() == 1 && previews.first()->isVisible() ? previews.first() : nullptr;
}

inline void clickIn(ReportPreview& preview, const char* name)
{
    auto* button = preview.findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button && button->isEnabled(), name);
    button->click();
}

// Saves the shown report as the save dialog would: the format follows the extension.
inline void saveFromPreview(SessionWindow& window, ReportPreview& preview, const QString& path)
{
    window.host().prompts().queue(PromptSeam::Kind::SaveFile, path);
    clickIn(preview, "PreviewSave");
    QCOMPARE(window.host().prompts().pending(PromptSeam::Kind::SaveFile), 0);
}

} // namespace tw::test
