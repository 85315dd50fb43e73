#include "DocumentImages.h"

#include <atomic>
#include <QPixmap>
#include <QUrl>

namespace richtext {

void InsertImage(QTextCursor& cursor, const QImage& image, double width, double height) {
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("logimage:%1").arg(++counter);
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width > 0 ? width : image.width());
    format.setHeight(height > 0 ? height : image.height());
    cursor.insertImage(format);
}

QImage ImageOf(const QTextDocument& doc, const QTextImageFormat& format) {
    const QVariant v = doc.resource(QTextDocument::ImageResource, QUrl(format.name()));
    if (v.canConvert<QImage>())
        return v.value<QImage>();
    if (v.canConvert<QPixmap>())
        return v.value<QPixmap>().toImage();
    return QImage();
}

} // namespace richtext
