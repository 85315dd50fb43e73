#pragma once
// A file size as a user reads it in a message: at a precision that tells one size from another
// near it, so a file just past a limit does not read as the limit itself.

#include <QString>

// "812 bytes", "4.5 KB", "174 KB", "1.7 MB", "64.0 MB".
QString SizeText(qint64 bytes);
