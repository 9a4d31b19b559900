// Checking a grid picture file's bytes and decoding them, once for as long as they do not change.
#pragma once

#include <QByteArray>
#include <QImage>

// The most a grid picture's file can hold: its pixels at up to 32 bits, with room for the headers and a
// palette. A longer file is no grid picture, and need not be read on.
qint64 MaxGridPictureBytes();

class GridPictureDecoder {
public:
    // The grid picture the bytes hold, in RGB32; none when they are cut short, not a picture or of
    // another size than the grid's. The same bytes again (a new puzzle of one level) are not decoded anew.
    QImage decode(const QByteArray& bytes);

private:
    QByteArray bytes_;
    QImage image_;
};
