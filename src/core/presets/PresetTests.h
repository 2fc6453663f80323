#pragma once

#include <QString>
#include <functional>

namespace gw {
class Document;
class Version;
} // namespace gw

namespace tw {

// The tests of the preset problem reports: each is true when the version is to be listed.

// The subject, without surrounding blanks and control characters, is empty.
bool PresetNoSubject(gw::Document& document);
bool PresetArchived(gw::Version& version);
// Checked out, or connected for read-write.
bool PresetCheckedOut(gw::Version& version);
// In use, checked out, or connected for read-write.
bool PresetInUseAll(gw::Version& version);
bool PresetInUseOnly(gw::Version& version);
// The version's file size, as the document view measures it, is 0.
bool PresetNoBlob(qint64 fileSize);
// The document has no sharing list and its general users lack view and edit at the version's
// level. An official version that cannot be read is told to `status` and the version counts
// as the official one.
bool NotShared(gw::Document& document, gw::Version& version, const std::function<void(const QString&)>& status);

} // namespace tw
