#pragma once

namespace store {
class StoreBuilder;
}

namespace tw::test {

// LIB1 on PO1, ANN's default library, with documents 1 "Alpha", 2 "Beta"
// and 4 "Delta" (3 is missing); document 2 has two versions. Each version's
// content names it ("content of Alpha", "second of Beta").
void addSmallLibrary(store::StoreBuilder& store);

} // namespace tw::test
