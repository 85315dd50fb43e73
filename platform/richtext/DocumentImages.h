#pragma once
// Pictures inside a log document: each is a resource of the document under its own name, shown
// by one object character with an image format.

#include <QImage>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace richtext {

// Inserts the image at the cursor; width and height are the shown size in pixels (0: the
// image's own size).
void InsertImage(QTextCursor& cursor, const QImage& image, double width = 0, double height = 0);

// The image a picture character shows; a null image when the document lacks it.
QImage ImageOf(const QTextDocument& doc, const QTextImageFormat& format);

} // namespace richtext
