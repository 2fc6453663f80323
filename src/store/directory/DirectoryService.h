#pragma once

// The directory service's seam: createDirectory(store) (declared in store/Services.h) hands
// out a StoreDirectory.
#include "store/Services.h"
#include "store/directory/StoreDirectory.h"
