#include "core/app/RunHost.h"
