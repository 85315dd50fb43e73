#include "DibImage.h"

#include <algorithm>
#include <QPainter>
#include <QtEndian>

namespace chart {

namespace {

constexpr int kHeaderBytes = 40;

void PutU16(QByteArray& out, int offset, quint16 value) {
    qToLittleEndian(value, reinterpret_cast<uchar*>(out.data() + offset));
}
void PutU32(QByteArray& out, int offset, quint32 value) {
    qToLittleEndian(value, reinterpret_cast<uchar*>(out.data() + offset));
}

int RowBytes(const QImage& dib) {
    return ((dib.width() * dib.depth() + 31) / 32) * 4;
}

void CopyRow(const QImage& dib, int y, char* out) {
    const uchar* row = dib.constScanLine(y);
    if (dib.format() != QImage::Format_RGB888) {
        std::copy(row, row + std::min<qsizetype>(dib.bytesPerLine(), RowBytes(dib)), out);
        return;
    }
    // DIB rows hold blue, green, red.
    for (int x = 0; x < dib.width(); ++x) {
        out[3 * x] = static_cast<char>(row[3 * x + 2]);
        out[3 * x + 1] = static_cast<char>(row[3 * x + 1]);
        out[3 * x + 2] = static_cast<char>(row[3 * x]);
    }
}

} // namespace

int DibBitCount(int depth) {
    for (int bits : {1, 4, 8, 16}) {
        if (depth <= bits) {
            return bits;
        }
    }
    return 24;
}

QImage BitmapToDib(const QImage& bitmap) {
    if (bitmap.isNull()) {
        return QImage();
    }
    switch (DibBitCount(bitmap.depth())) {
    case 1:
        return bitmap.convertToFormat(QImage::Format_Mono);
    case 4:
    case 8:
        return bitmap.convertToFormat(QImage::Format_Indexed8);
    case 16:
        return bitmap.convertToFormat(QImage::Format_RGB555);
    default:
        return bitmap.convertToFormat(QImage::Format_RGB888);
    }
}

int DibNumColors(const QImage& dib) {
    switch (dib.depth()) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

int DibColorTableSize(const QImage& dib) {
    return DibNumColors(dib) * 4;
}

QVector<QRgb> DibCreatePalette(const QImage& dib) {
    const int entries = DibNumColors(dib);
    if (dib.isNull() || entries == 0) {
        return {};
    }
    QVector<QRgb> palette = dib.colorTable();
    palette.resize(entries, qRgb(0, 0, 0));
    return palette;
}

int DibBitsOffset(const QImage& dib) {
    return kHeaderBytes + DibColorTableSize(dib);
}

QByteArray PackDib(const QImage& dib) {
    if (dib.isNull()) {
        return {};
    }
    const int rowBytes = RowBytes(dib);
    const int imageBytes = rowBytes * dib.height();
    QByteArray packed(DibBitsOffset(dib) + imageBytes, '\0');
    PutU32(packed, 0, kHeaderBytes);
    PutU32(packed, 4, static_cast<quint32>(dib.width()));
    PutU32(packed, 8, static_cast<quint32>(dib.height()));
    PutU16(packed, 12, 1);
    PutU16(packed, 14, static_cast<quint16>(dib.depth()));
    PutU32(packed, 20, static_cast<quint32>(imageBytes));
    const QVector<QRgb> palette = DibCreatePalette(dib);
    for (int i = 0; i < palette.size(); ++i) {
        char* entry = packed.data() + kHeaderBytes + 4 * i;
        entry[0] = static_cast<char>(qBlue(palette[i]));
        entry[1] = static_cast<char>(qGreen(palette[i]));
        entry[2] = static_cast<char>(qRed(palette[i]));
    }
    char* bits = packed.data() + DibBitsOffset(dib);
    for (int y = 0; y < dib.height(); ++y) {
        CopyRow(dib, dib.height() - 1 - y, bits + y * rowBytes);
    }
    return packed;
}

bool PaintDib(QPainter& painter, const QRect& destination, const QImage& dib, const QRect& source) {
    if (dib.isNull()) {
        return false;
    }
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(destination, dib, source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    return true;
}

} // namespace chart
