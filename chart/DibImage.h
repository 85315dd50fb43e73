#pragma once
// Device-independent bitmaps for the control's metafile drawing: a rendered page becomes an image
// in one of the DIB pixel formats (1, 4, 8, 16 or 24 bits per pixel), which can be packed as a
// Windows DIB (BITMAPINFOHEADER, colour table, bottom-up rows) and painted stretched.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QVector>

class QPainter;

namespace chart {

// The DIB bit count for an image depth: the next of 1, 4, 8, 16, 24 (deeper images give 24).
int DibBitCount(int depth);

// The bitmap in its DIB pixel format: 1 bit Mono, 4 and 8 bits Indexed8, 16 bits RGB555, 24 bits
// RGB888. A null image gives a null image.
QImage BitmapToDib(const QImage& bitmap);

// Colour table entries of a DIB: 2, 16 or 256 for 1, 4 and 8 bits, else 0; and their bytes (4 each).
int DibNumColors(const QImage& dib);
int DibColorTableSize(const QImage& dib);

// The colour table, padded with black to DibNumColors; empty when the DIB has none.
QVector<QRgb> DibCreatePalette(const QImage& dib);

// The packed DIB: a 40-byte header, the colour table, then the rows bottom-up, each padded to four
// bytes. Empty for a null image.
QByteArray PackDib(const QImage& dib);
// Offset of the pixel bits in a packed DIB.
int DibBitsOffset(const QImage& dib);

// Paints source of the DIB stretched into destination, colour on colour (no smoothing). False for a
// null DIB.
bool PaintDib(QPainter& painter, const QRect& destination, const QImage& dib, const QRect& source);

} // namespace chart
