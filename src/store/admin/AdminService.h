#pragma once

// The administration model's seam: createAdmin(store) (declared in store/Services.h) hands out
// an AdminModel.
#include "store/Services.h"
#include "store/admin/AdminModel.h"
