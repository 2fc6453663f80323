#pragma once

namespace tw {

// Without TZ the C library looks at /etc/localtime again for every local time it
// works out, and a mass run works out several for every version (report dates,
// log stamps, file dates). Naming that file in TZ once, at the start, reads it
// once; the zone is the same. Nothing changes where TZ is set already.
void settleLocalTimeZone();

} // namespace tw
