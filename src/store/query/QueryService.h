#pragma once

// The query engine's side of the object model's seams: createQuery behind
// Account::CreateQuery and matchVersions behind Messages::Find, both declared
// in store/Services.h and defined in QueryService.cpp and MatchVersions.cpp.
#include "store/Services.h"
