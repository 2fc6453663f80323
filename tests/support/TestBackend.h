#pragma once

#include <QString>
#include <memory>

namespace store {
class Store;
}

namespace tw::test {

// The database the store tests run on. CTest runs the store's tests twice: as they are, on
// SQLite, and with TARNWICK_TEST_BACKEND=postgresql, where every store a test makes gets a fresh
// database of the PostgreSQL server that TARNWICK_TEST_PG names (scripts/test starts one).
// Without that server the PostgreSQL run's tests are skipped, saying why.
bool onPostgres();

// A new, empty store in `directory` on the tests' backend.
std::shared_ptr<store::Store> createStore(const QString& directory);
// The connection string of a new, empty PostgreSQL database (onPostgres() only).
QString newDatabaseUrl();

} // namespace tw::test
