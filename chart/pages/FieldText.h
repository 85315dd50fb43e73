#pragma once
// Text of a page's edit boxes: numbers are read and written in the C locale whatever the user's
// locale, and a refused entry gets the message a dialog's read-back shows for it.

#include <cstdint>
#include <optional>
#include <QString>

namespace pages {

enum class NumberKind { Double, Long };

QString NumberToText(double value, NumberKind kind);
// The whole text (blanks around it allowed) as one number; a Long must be a whole number that fits
// 32 bits.
std::optional<double> ParseField(const QString& text, NumberKind kind);

// The read-back's message for a text that is no number, and for one outside min..max.
QString NotANumberMessage(NumberKind kind);
QString RangeMessage(double min, double max, NumberKind kind);

// Multi-line edit boxes hand over CR LF line ends, which the chart's line splitter expects.
QString TextFromEditLines(const QString& edit);
QString EditLinesFromText(const QString& text);

// The leading number of a text (0 when there is none), as typed into a grid cell.
double LeadingNumber(const QString& text);

} // namespace pages
