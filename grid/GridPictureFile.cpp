// A grid picture file is a BMP of the grid's size; the game's own, uncompressed at 24 bits, is read directly.
#include "GridPictureFile.h"

#include "GridGeometry.h"

#include <QtEndian>

#include <cstdlib>

namespace {

qint64 Field(const QByteArray& bytes, int offset, int size)
{
    const auto* at = bytes.constData() + offset;
    return size == 2 ? qFromLittleEndian<quint16>(at) : size == 4 ? qFromLittleEndian<qint32>(at) : 0;
}

// A BMP whose header promises more pixels than the file holds was cut short: Qt would show what is
// missing as black.
bool CutShort(const QByteArray& bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 34)
        return false;
    if (Field(bytes, 30, 4) != 0)  // compressed: its length is not known from the header
        return false;
    const qint64 width = Field(bytes, 18, 4), height = Field(bytes, 22, 4);
    const qint64 stride = (width * Field(bytes, 28, 2) + 31) / 32 * 4;
    return quint32(Field(bytes, 10, 4)) + stride * std::abs(height) > bytes.size();
}

// The picture of a whole, uncompressed 24-bit BMP of the grid's size, rows copied as they are: what the
// game ships, read at start-up with no decoder to load. Anything else gives none.
QImage Plain24BitPicture(const QByteArray& bytes)
{
    using grid_geometry::Height, grid_geometry::Width;
    if (bytes.size() < 54 || !bytes.startsWith("BM") || Field(bytes, 14, 4) < 40 || Field(bytes, 18, 4) != Width ||
        std::abs(Field(bytes, 22, 4)) != Height || Field(bytes, 26, 2) != 1 || Field(bytes, 28, 2) != 24 ||
        Field(bytes, 30, 4) != 0)
        return {};
    const qint64 start = quint32(Field(bytes, 10, 4)), stride = (Width * 3 + 3) / 4 * 4;
    if (start + stride * Height > bytes.size())
        return {};
    const bool bottomUp = Field(bytes, 22, 4) > 0;
    QImage image(Width, Height, QImage::Format_RGB32);
    for (int y = 0; y < Height; ++y) {
        const auto* row =
            reinterpret_cast<const uchar*>(bytes.constData() + start + stride * (bottomUp ? Height - 1 - y : y));
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < Width; ++x)
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }
    return image;
}

}  // namespace

qint64 MaxGridPictureBytes()
{
    return qint64(grid_geometry::Width) * grid_geometry::Height * 4 + 2048;
}

QImage GridPictureDecoder::decode(const QByteArray& bytes)
{
    if (!image_.isNull() && bytes == bytes_)
        return image_;
    QImage image = Plain24BitPicture(bytes);
    if (image.isNull() && !CutShort(bytes) && image.loadFromData(bytes))
        image = image.convertToFormat(QImage::Format_RGB32);
    if (image.size() != QSize(grid_geometry::Width, grid_geometry::Height))
        return {};
    bytes_ = bytes;
    image_ = image;
    return image;
}
