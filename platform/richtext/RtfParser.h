#pragma once
// Reads RTF as our own writer and common word processors write it for plain formatted text:
// text, bold, italic, underline, paragraphs and PNG or JPEG pictures. Font, colour, style and
// information tables, "\*" destinations and other groups it does not know are skipped; unknown
// control words are ignored. Every read is bounds-checked, so any bytes are safe to hand it. One
// pass over the bytes, with work per byte that does not depend on what came before.

#include "RtfContent.h"

#include <optional>
#include <QByteArray>

namespace richtext {

// Where the file's outermost group ended.
struct RtfEnd {
    qsizetype closed = -1; // just after its closing brace; -1 when the bytes ended first
    // In force just before that brace: what text written there would be read with.
    CharAttributes attributes;
    bool text = true;    // not inside a skipped destination
    int unicodeSkip = 1; // the \uc count
};

// Hands the file's text, paragraph ends and pictures to the sink in file order. False when the
// bytes do not start an RTF group ("{\rtf") or nest beyond reason; the sink may have been given
// part of the file then.
bool ParseRtf(const QByteArray& data, RtfSink& sink, RtfEnd* end = nullptr);

// The whole content at once; no value when the bytes are not RTF.
std::optional<RtfContent> ParseRtf(const QByteArray& data);

} // namespace richtext
