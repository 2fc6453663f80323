#include "Error.h"
