#pragma once
// The Western Windows code page in which the property stream keeps its strings, so streams
// written by the control on either platform hold the same bytes.

#include <cstddef>
#include <cstdint>
#include <QByteArray>
#include <QString>

namespace chart {

// Characters the code page lacks become '?'.
QByteArray ToWindows1252(const QString& text);
// Every byte maps to a character; the five bytes the code page leaves unassigned map to the C1
// control of the same value, so any stored string reads back without loss.
QString FromWindows1252(const std::uint8_t* bytes, std::size_t count);

} // namespace chart
