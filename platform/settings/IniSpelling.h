#pragma once
// How names and values of an INI file are spelled. Written in the plain form every INI reader
// reads: names as they are, a value as it is unless blanks at its ends, surrounding double quotes
// or a control character would be lost, in which case it is written in double quotes with
// backslash escapes. Read in that form and in the one an earlier store wrote: percent-escaped
// names ("Global%20Parameters") and quoted values.

#include <QString>

namespace settings {

// A name as the file spells it, with the earlier store's escapes ("%20", "%U00E4") decoded.
QString UnescapeName(const QString& name);
// A name as written: plain, except for what would not read back as the same name (characters
// that end a line or a key, blanks at its ends, a start that reads as a comment or a section, a
// "%" the reader would take for an escape), escaped as the earlier store escaped names.
QString WrittenName(const QString& name);
// A value as read: blanks around it do not count, surrounding double quotes are removed.
QString ReadValue(const QString& text);
QString WrittenValue(const QString& value);

} // namespace settings
