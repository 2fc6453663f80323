#include "PdfInfoWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <exception>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <sys/stat.h>

namespace tw::report {

namespace {

void setText(QPDFObjectHandle& dictionary, const char* key, const QString& text)
{
    dictionary.replaceKey(key, QPDFObjectHandle::newUnicodeString(text.toStdString()));
}

} // namespace

bool writeWithPdfInfo(const QString& source, const QString& path, const PdfInfo& info, QString* error)
{
    const QFileInfo target(path);
    QTemporaryFile rewritten(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!rewritten.open()) {
        if (error)
            *error = rewritten.errorString();
        return false;
    }
    rewritten.close();
    try {
        QPDF pdf;
        pdf.processFile(QFile::encodeName(source).constData());
        QPDFObjectHandle trailer = pdf.getTrailer();
        QPDFObjectHandle dictionary = trailer.getKey("/Info");
        if (!dictionary.isDictionary()) {
            dictionary = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", dictionary);
        }
        setText(dictionary, "/Author", info.author);
        setText(dictionary, "/Title", info.title);
        setText(dictionary, "/Subject", info.subject);
        QPDFWriter writer(pdf, QFile::encodeName(rewritten.fileName()).constData());
        // The pages go through as they are: no stream is decoded and compressed again.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        writer.write();
    } catch (const std::exception& failure) {
        if (error)
            *error = QString::fromLocal8Bit(failure.what());
        return false;
    }
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(rewritten.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        if (error)
            *error = QStringLiteral("cannot replace %1").arg(path);
        return false;
    }
    rewritten.setAutoRemove(false);
    // The temporary file was private to its writer; the report is a file like any other.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(path).constData(), 0666 & ~mask);
    return true;
}

} // namespace tw::report
