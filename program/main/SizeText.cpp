#include "SizeText.h"

QString SizeText(qint64 bytes) {
    constexpr double kKB = 1024.0;
    constexpr double kMB = 1024.0 * 1024.0;
    if (bytes < 1024)
        return QStringLiteral("%1 bytes").arg(bytes);
    if (bytes < 10 * 1024)
        return QStringLiteral("%1 KB").arg(double(bytes) / kKB, 0, 'f', 1);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(double(bytes) / kKB, 0, 'f', 0);
    return QStringLiteral("%1 MB").arg(double(bytes) / kMB, 0, 'f', 1);
}
