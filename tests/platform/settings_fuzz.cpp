// Any bytes as a settings file (anyone may edit it): reading must neither crash nor read out of
// bounds, what was read is written back byte for byte, and a key written into it reads back.

#include "IniDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    settings::IniDocument doc = settings::IniDocument::Parse(bytes);
    if (doc.Serialize() != bytes)
        std::abort();
    doc.Set(QStringLiteral("Global Parameters"),
            {{QStringLiteral("TxLatDeg_DD"), QStringLiteral("  ")},
             {QStringLiteral("Key"), QString::fromUtf8(bytes.left(64))}});
    const settings::IniDocument again = settings::IniDocument::Parse(doc.Serialize());
    if (again.Value(QStringLiteral("Global Parameters"), QStringLiteral("TxLatDeg_DD")) !=
            QStringLiteral("  ") ||
        again.Value(QStringLiteral("global parameters"), QStringLiteral("KEY")) !=
            QString::fromUtf8(bytes.left(64)))
        std::abort();
    return 0;
}
