#pragma once

#include <QString>

namespace store {

class Store;

// Makes synthetic libraries for benchmarks: documents numbered on from the library's highest,
// each with the same number of small text versions, a creation event per version, creator and
// default rights. Everything goes in with reused statements in one transaction and the content
// files are written straight into the library's directory (named G + seven hexadecimal digits
// of the version row, so they never meet the store's own random names).
class Generator
{
public:
    struct Result
    {
        qint64 firstNumber = 0;
        qint64 lastNumber = 0;
        qint64 versions = 0;
    };

    // The library is made (in the first post office, or a BENCH domain when there is none) when
    // it does not exist; documents are authored by the client user, or a BENCH user made with
    // this library as its default. Raises StoreError on bad counts; a failure removes the files
    // written and leaves the store as it was.
    static Result generate(Store& store, const QString& library, qint64 documents, int versionsPerDocument);

    // The content file of the generated file numbered `number`: G and seven hexadecimal digits.
    static QString fileNameOf(qint64 number);

    static constexpr qint64 MaxDocuments = 10'000'000;
    static constexpr int MaxVersions = 100;
};

} // namespace store
