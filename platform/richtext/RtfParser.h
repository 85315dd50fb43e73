#pragma once
// Reads RTF as our own writer and common word processors write it for plain formatted text:
// text, bold, italic, underline, paragraphs and PNG or JPEG pictures. Font, colour, style and
// information tables, "\*" destinations and other groups it does not know are skipped; unknown
// control words are ignored. Every read is bounds-checked, so any bytes are safe to hand it.

#include "RtfContent.h"

#include <optional>
#include <QByteArray>

namespace richtext {

// No value when the bytes do not start an RTF group ("{\rtf") or nest beyond reason.
std::optional<RtfContent> ParseRtf(const QByteArray& data);

} // namespace richtext
