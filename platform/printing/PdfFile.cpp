#include "PdfFile.h"

#include "AtomicFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPdfWriter>

namespace printing {

bool PrintPdfFile(const QPrinter& layout, const QString& path,
                  const std::function<bool(QPagedPaintDevice&)>& paint) {
    if (path.isEmpty())
        return false;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(layout.resolution());
        writer.setPageLayout(layout.pageLayout());
        writer.setTitle(layout.docName().isEmpty() ? QFileInfo(path).completeBaseName() : layout.docName());
        writer.setCreator(layout.creator());
        if (!paint(writer))
            return false;
    }
    return !buffer.data().isEmpty() && files::WriteFileAtomically(path, buffer.data());
}

} // namespace printing
