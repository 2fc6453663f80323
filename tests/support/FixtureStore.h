#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace store {
class Store;
class StoreBuilder;
class StorePlatform;
} // namespace store

namespace tw::test {

// A real library store in a temporary directory, with a small domain that
// tests change as they need: domain DOM, post offices PO1 and PO2, users ANN
// (the client user and the domain's administrator), BOB and CAROL, the list
// "Team", and a directory where ANN, BOB and CAROL have accounts.
class FixtureStore
{
public:
    FixtureStore();
    ~FixtureStore();

    QString path() const { return m_dir.path() + QStringLiteral("/store"); }
    store::Store& store() { return *m_store; }
    store::StoreBuilder& builder() { return *m_builder; }
    // A platform over the same store, as the program opens it.
    std::shared_ptr<store::StorePlatform> platform();

    // Adds a directory user object for an existing store user.
    void addDirectoryUser(const QString& userId, const QString& postOffice);

private:
    void buildDomain();

    QTemporaryDir m_dir;
    std::shared_ptr<store::Store> m_store;
    std::unique_ptr<store::StoreBuilder> m_builder;
};

} // namespace tw::test
