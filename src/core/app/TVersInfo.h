#pragma once

#include <QHash>
#include <QString>
#include <stdexcept>

namespace tw {

class VersInfoError : public std::runtime_error
{
public:
    explicit VersInfoError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Reads the version block that the build embeds into an executable: a marker,
// the block size as eight decimal digits, then "path=value" lines. String items
// are looked up under the language and code page of the translation table's
// first entry, as the platform's version resources are.
class TVersInfo
{
public:
    // Loads the block of `fileName`; throws VersInfoError with the system's texts.
    void setFileName(const QString& fileName);
    QString fileName() const { return m_fileName; }

    // 1 CompanyName ... 10 Comments; the empty text for a missing item.
    QString VersionItem(int index) const;

    // The marker that starts a block, and a whole block built from its values
    // (used by the build and by tests that make files with blocks of their own).
    static QByteArray marker();
    static QByteArray makeBlock(const QByteArray& payload);

private:
    QString m_fileName;
    QString m_translation; // "%.4x%.4x" of the first translation entry
    QHash<QString, QString> m_values;
};

} // namespace tw
