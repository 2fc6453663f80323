#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace store {

// Real content for the demo's files: each file type gets bytes a viewer for that type opens
// (plain text, HTML, CSV, RTF, a one-page PDF, XML, JSON, INI, Markdown, e-mail).
class DemoContent
{
public:
    static QStringList fileTypes();
    // The content of one version: the subject and a few lines that differ per version.
    static QByteArray make(const QString& fileType, const QString& subject, const QString& author, int version);
    static QByteArray pdf(const QStringList& lines);
};

} // namespace store
