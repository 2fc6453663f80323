#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>

namespace tw {

// Appends lines to a plain 8-bit text file with CR LF line ends; a CR or LF
// inside a line is written as a blank, so a line is always one line of the
// file. Throws IoError when the file cannot be opened, written or closed.
//
// A LineFile object keeps its file open between writes, and each write puts
// all its lines at the end of the file with one unbuffered system call, so a
// cancel or crash keeps every finished line. Before each write it makes sure
// the path still names the open file: when the file was deleted, renamed,
// replaced or had its permissions changed, the path is opened again as on the
// first write (a new file gets its header; a vanished directory fails). Where
// a file's identity cannot be read (device and inode), it is closed after
// every write instead.
//
// A writer that puts out bursts of lines (a report's lines of one document)
// may have the path checked once per burst instead: with PathCheck::WhenAsked
// the check runs on the first write after checkPathBeforeNextWrite(). Every
// write still asks the open file whether it has any name left (one fstat): a
// file removed in the middle of a burst is opened again at once and the
// write's lines go into the new file, so no finished line is left in a file
// nobody can open.
class LineFile
{
public:
    enum class PathCheck { EveryWrite, WhenAsked };

    LineFile() = default;
    ~LineFile();
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    // Appends `lines` to the file at `path`; when the file does not exist
    // yet, `header` is written first. A different path closes the open file.
    void write(const QString& path, const QStringList& lines, const QStringList& header = {});
    // Closes the open file, if any; throws IoError when closing fails.
    void close();
    bool isOpen() const { return m_file.isOpen(); }

    void setPathCheck(PathCheck check) { m_pathCheck = check; }
    // The head a new file gets when a write that brings no header of its own
    // finds the file gone (a report removed during a run).
    void setNewFileHeader(std::function<QStringList()> header) { m_newFileHeader = std::move(header); }
    void checkPathBeforeNextWrite() { m_checkDue = true; }

    // Opens, appends and closes in one call.
    static void append(const QString& path, const QStringList& lines, const QStringList& header = {});

private:
    struct Identity
    {
        quint64 device = 0;
        quint64 inode = 0;
        quint32 mode = 0;
        quint32 owner = 0;
        quint32 group = 0;
        bool operator==(const Identity& other) const;
    };

    // The identity of the open file (handle >= 0) or of the file at `path`.
    static bool readIdentity(int handle, const QByteArray& path, Identity* identity);
    bool pathStillNamesOpenFile() const;
    bool openFileHasNoName() const;
    bool open(const QString& path);
    void put(const QStringList& lines, const QStringList& header, bool isNew);
    [[noreturn]] void fail(const QString& text);

    QFile m_file;
    QByteArray m_nativePath;
    Identity m_identity;
    bool m_identified = false;
    PathCheck m_pathCheck = PathCheck::EveryWrite;
    bool m_checkDue = true;
    std::function<QStringList()> m_newFileHeader;
};

} // namespace tw
