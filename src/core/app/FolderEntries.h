#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace tw {

// One entry of a folder, named as the file system names it.
struct FolderEntry
{
    QByteArray bytes; // the name as the file system holds it
    QString name; // the name as text; it names the entry only when `plain`
    bool plain = true; // valid UTF-8 without a control character (EscapedText::isPlain)
    bool directory = false; // a folder, or a link to one

    // The name as it may stand in the log and on the status bar.
    QString shown() const;
};

// Reads a folder's entries one at a time, in the order the file system gives them: every
// entry but "." and "..", hidden ones too. Unlike QDirIterator it keeps each name's bytes.
// A name that is not valid UTF-8 has no text that names it (its text names no file, or
// another one), so such an entry is told apart and its text is never used as a path.
class FolderEntries
{
public:
    explicit FolderEntries(const QString& directory);
    ~FolderEntries();
    FolderEntries(const FolderEntries&) = delete;
    FolderEntries& operator=(const FolderEntries&) = delete;

    // The next entry; false at the end (or when the folder cannot be read).
    bool next(FolderEntry* entry);

private:
    struct Reader;
    std::unique_ptr<Reader> m_reader;
};

} // namespace tw
