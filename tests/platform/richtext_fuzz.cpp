// Any bytes handed to the RTF reader: it must neither crash nor read out of bounds, and what it
// read must come back the same through our writer.

#include "PlainText.h"
#include "RtfReader.h"
#include "RtfWriter.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <vector>

namespace {

// Text with its attributes, pictures as one mark: what a save and a load must keep.
QString signature(const QTextDocument& doc) {
    QString s;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        s += QLatin1Char('|');
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isImageFormat()) {
                s += QStringLiteral("[pict]");
                continue;
            }
            s += QLatin1Char(f.fontWeight() > QFont::Normal ? 'B' : '-');
            s += QLatin1Char(f.fontItalic() ? 'I' : '-');
            s += QLatin1Char(f.fontUnderline() ? 'U' : '-');
            s += it.fragment().text();
        }
    }
    return s;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The image reader's libpng reports each broken picture on stderr, tens of thousands of lines
    // a run that bury the fuzzer's own report. libFuzzer's option moves its own output and the
    // sanitizers' reports to a copy of stderr and discards the rest; it goes first, so the same
    // option given on the command line still wins.
    static char quietStderr[] = "-close_fd_mask=2";
    static std::vector<char*> args(*argv, *argv + *argc);
    args.insert(args.begin() + 1, quietStderr);
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QTextCharFormat base;
    base.setFontPointSize(8.25);
    QTextDocument doc;
    if (!richtext::ReadRtf(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), doc,
                           base))
        return 0;
    QTextDocument again;
    if (!richtext::ReadRtf(richtext::WriteRtf(doc), again, base) || signature(again) != signature(doc) ||
        richtext::PlainText(again) != richtext::PlainText(doc))
        std::abort();
    // The body kept of a loaded log reads as the file did.
    const auto body =
        richtext::RtfBodyOf(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    QTextDocument fromBody;
    if (!body || !richtext::ReadRtf(richtext::RtfFile(body->View().toByteArray()), fromBody, base) ||
        signature(fromBody) != signature(doc))
        std::abort();
    return 0;
}
