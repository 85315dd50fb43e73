// Any bytes handed to the RTF reader: it must neither crash nor read out of bounds.

#include "RtfReader.h"

#include <cstdint>
#include <memory>
#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextDocument doc;
    QTextCharFormat base;
    base.setFontPointSize(8.25);
    richtext::ReadRtf(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), doc,
                      base);
    return 0;
}
