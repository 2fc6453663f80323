#pragma once

#include "gw/ObjectModel.h"
#include "store/Store.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A small real store: domain DOM, post office PO1, library LIB (DOM.PO1.LIB)
// with text, numeric and date fields, and two documents:
//   1  "Quarterly report" by AUTHOR, type Memo, versions 1 and 2; sharing list
//      VIEWER (view), DENIED (explicit deny), TEAM (list holding MEMBER, view),
//      EDITOR (view and edit); no general rights
//   2  "Open memo" by AUTHOR, general view rights for everyone
// LIBR is a librarian of LIB; STRANGER has no rights at all.
class ModelFixture : public ::testing::Test
{
protected:
    void SetUp() override;

    std::shared_ptr<gw::Account> login(const QString& userId);
    std::shared_ptr<gw::Library> library(const std::shared_ptr<gw::Account>& account);
    std::shared_ptr<gw::Document> document(const QString& userId, qint64 number);
    std::shared_ptr<gw::Version> version(const QString& userId, qint64 number, int version);
    QString path(const QString& name) const;
    static QByteArray readFile(const QString& path);
    static void writeFile(const QString& path, const QByteArray& bytes);

    static const QByteArray kVersion1;
    static const QByteArray kVersion2;

    QTemporaryDir m_dir;
    std::shared_ptr<store::Store> m_store;
};
