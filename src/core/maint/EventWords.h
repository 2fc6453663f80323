#pragma once

#include <QString>

namespace tw {

// The word of an activity event code, as the library reset report and a
// version's history show it: "Created", "Checked In", ...; a code without a
// word gives "Other Activity " + the code.
QString GetGWEventType(unsigned int code);

} // namespace tw
