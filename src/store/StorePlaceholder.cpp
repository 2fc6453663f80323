#include "gw/Error.h"
