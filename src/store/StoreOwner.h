#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace store {

// Which programs have a store open. Each program that opens a store holds a locked entry in
// its `owners/` folder for as long as it has the store open (every Store of that directory in
// one program shares it); the system drops the lock when the program ends, however it ends. The
// changes a program records as under way name its entry, so the next program can tell the
// changes of a program that is gone (and only those) and finish or roll them back.
class StoreOwner
{
public:
    // This program's entry in the store at `directory`: made at the first call, kept while any
    // of the returned pointers lives. A store whose owners folder cannot be written gets an
    // entry that nobody else sees.
    static std::shared_ptr<StoreOwner> claim(const QString& directory);
    ~StoreOwner();
    StoreOwner(const StoreOwner&) = delete;
    StoreOwner& operator=(const StoreOwner&) = delete;

    QString token() const { return m_token; }

    // The entry of another program that is gone: locked by this program while the object
    // lives, so that no second program recovers the same changes; `forget` removes it.
    class Gone
    {
    public:
        Gone(QString token, QString path, int descriptor);
        ~Gone();
        Gone(Gone&& other) noexcept;
        Gone(const Gone&) = delete;
        Gone& operator=(const Gone&) = delete;
        Gone& operator=(Gone&&) = delete;
        QString token() const { return m_token; }
        void forget();

    private:
        QString m_token;
        QString m_path;
        int m_descriptor;
    };

    struct Others
    {
        std::vector<Gone> gone;
        bool anyAlive = false;
    };
    // Every other entry of the store: those of programs that are gone, and whether a program
    // other than this one has the store open.
    Others others() const;
    // True when the program of `token` has the store open (this program included).
    bool isAlive(const QString& token) const;

    // True when a program (this one included) has the store at `directory` open.
    static bool inUse(const QString& directory);
    // The owners folder of the store at `directory`.
    static QString folderOf(const QString& directory);
    // Leaves an entry of a program that is gone, so that the next program that has the store
    // to itself looks over the whole store (after a change of the store's layout).
    static void markForLookOver(const QString& directory);

private:
    StoreOwner(QString directory, QString token, int descriptor);

    QString m_directory;
    QString m_token;
    int m_descriptor;
};

} // namespace store
