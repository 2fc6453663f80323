#include "ScriptedHost.h"
