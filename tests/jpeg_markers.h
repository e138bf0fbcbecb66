#pragma once

// Walks the marker segments of a JPEG stream up to its first scan, for tests
// that check how the pictures were encoded, and builds the broken streams
// and records the failure tests feed the program.

#include <QByteArray>
#include <QList>
#include <QtEndian>

struct JpegSegmentInfo {
    int marker;         // 0xC0 for SOF0, 0xE1 for APP1, ...
    QByteArray payload; // without the length field
};

inline QList<JpegSegmentInfo> jpegSegments(const QByteArray &jpeg, bool *ok)
{
    QList<JpegSegmentInfo> out;
    *ok = false;
    if (jpeg.size() < 4 || uchar(jpeg[0]) != 0xFF || uchar(jpeg[1]) != 0xD8)
        return out;
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size()) {
        if (uchar(jpeg[pos]) != 0xFF)
            return out;
        const int marker = uchar(jpeg[pos + 1]);
        const int length = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        if (length < 2 || pos + 2 + length > jpeg.size())
            return out;
        out.append({marker, jpeg.mid(pos + 4, length - 2)});
        pos += 2 + length;
        if (marker == 0xDA) {
            *ok = uchar(jpeg[jpeg.size() - 2]) == 0xFF && uchar(jpeg[jpeg.size() - 1]) == 0xD9;
            return out;
        }
    }
    return out;
}

// The stream with every segment of one marker removed before its scan.
inline QByteArray withoutSegments(const QByteArray &jpeg, int marker)
{
    QByteArray out = jpeg.left(2);
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size()) {
        const int m = uchar(jpeg[pos + 1]);
        const int length = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        if (m == 0xDA) {
            out.append(jpeg.mid(pos));
            break;
        }
        if (m != marker)
            out.append(jpeg.mid(pos, 2 + length));
        pos += 2 + length;
    }
    return out;
}

// A stored picture record: the tag's length byte, the tag, the stream's
// length (or `statedLength`, to make it lie), then the stream.
inline QByteArray pictureRecord(const QByteArray &tag, const QByteArray &stream, qint64 statedLength = -1)
{
    QByteArray r;
    r.append(char(tag.size()));
    r.append(tag);
    char len[4];
    qToLittleEndian<quint32>(quint32(statedLength < 0 ? stream.size() : statedLength), len);
    r.append(len, 4);
    r.append(stream);
    return r;
}
