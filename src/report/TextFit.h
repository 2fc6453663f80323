#pragma once

#include "ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>

namespace tw::report {

// Report coordinates are pixels at 96 dots per inch: the unit the widths of the shortening
// limits are given in. Devices of other resolutions scale the painter.
constexpr double kReportDpi = 96.0;
constexpr double kPixelsPerMm = kReportDpi / 25.4;

// The layout's base font, regular or bold, at its pixel size.
QFont reportFont(const ReportLayout& layout, bool bold);

// A text wider than `limits.first` pixels loses its last character until it is no wider than
// `limits.second` pixels (or empty) and is ended with "..."; a narrower one stays whole.
QString shortened(const QString& text, const QFontMetricsF& metrics, TextLimits limits);

} // namespace tw::report
