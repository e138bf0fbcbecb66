#include "jpeg_writer.h"

#include <libexif/exif-data.h>
#include <libexif/exif-utils.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace mapgen {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Everything the setjmp frame touches is plain C data, so the longjmp skips
// no destructor. Returns false with the message filled in on failure.
bool compress(const unsigned char *rgb, int width, int height, int quality,
              const std::vector<std::pair<int, const QByteArray *>> &segments, unsigned char **out,
              unsigned long *outSize, char *message)
{
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onError;
    if (setjmp(err.jump)) {
        std::strcpy(message, err.message);
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 1;
    for (int c = 1; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    cinfo.write_JFIF_header = FALSE;
    cinfo.write_Adobe_marker = FALSE;
    cinfo.optimize_coding = TRUE;
    cinfo.restart_interval = 0;
    cinfo.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&cinfo, TRUE);
    for (const auto &[marker, payload] : segments)
        jpeg_write_marker(&cinfo, marker, reinterpret_cast<const JOCTET *>(payload->constData()),
                          unsigned(payload->size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + std::size_t(cinfo.next_scanline) * width * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

ExifEntry *addEntry(ExifData *ed, ExifIfd ifd, ExifTag tag)
{
    ExifEntry *e = exif_entry_new();
    exif_content_add_entry(ed->ifd[ifd], e);
    exif_entry_initialize(e, tag);
    exif_entry_unref(e); // the content holds it now
    return e;
}

void setNumber(ExifEntry *e, ExifByteOrder order, unsigned value)
{
    if (e->format == EXIF_FORMAT_LONG)
        exif_set_long(e->data, order, value);
    else
        exif_set_short(e->data, order, ExifShort(value));
}

void setResolution(ExifData *ed, ExifIfd ifd, ExifByteOrder order)
{
    for (ExifTag tag : {EXIF_TAG_X_RESOLUTION, EXIF_TAG_Y_RESOLUTION})
        exif_set_rational(addEntry(ed, ifd, tag)->data, order, ExifRational{96, 1});
    setNumber(addEntry(ed, ifd, EXIF_TAG_RESOLUTION_UNIT), order, 2); // inch
}

} // namespace

QByteArray encodeJpeg(const QImage &image, int quality, const QList<JpegSegment> &segments)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> pixels(std::size_t(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(pixels.data() + std::size_t(y) * rgb.width() * 3, rgb.constScanLine(y),
                    std::size_t(rgb.width()) * 3);
    std::vector<std::pair<int, const QByteArray *>> raw;
    for (const JpegSegment &s : segments)
        raw.emplace_back(s.marker, &s.payload);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = compress(pixels.data(), rgb.width(), rgb.height(), quality, raw, &out, &size, message);
    QByteArray result = ok ? QByteArray(reinterpret_cast<const char *>(out), qsizetype(size)) : QByteArray();
    std::free(out);
    if (!ok)
        throw std::runtime_error(std::string("JPEG encoding failed: ") + message);
    return result;
}

QByteArray exifSegment(QSize size, const QByteArray &thumbnailJpeg)
{
    ExifData *ed = exif_data_new();
    // Only what we add goes in: no automatic date or maker fields.
    exif_data_unset_option(ed, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_data_type(ed, EXIF_DATA_TYPE_COMPRESSED);
    const ExifByteOrder order = EXIF_BYTE_ORDER_INTEL;
    exif_data_set_byte_order(ed, order);

    setNumber(addEntry(ed, EXIF_IFD_0, EXIF_TAG_ORIENTATION), order, 1);
    setResolution(ed, EXIF_IFD_0, order);
    setNumber(addEntry(ed, EXIF_IFD_EXIF, EXIF_TAG_PIXEL_X_DIMENSION), order, unsigned(size.width()));
    setNumber(addEntry(ed, EXIF_IFD_EXIF, EXIF_TAG_PIXEL_Y_DIMENSION), order, unsigned(size.height()));
    if (!thumbnailJpeg.isEmpty()) {
        setNumber(addEntry(ed, EXIF_IFD_1, EXIF_TAG_COMPRESSION), order, 6); // JPEG
        setResolution(ed, EXIF_IFD_1, order);
        ed->data = static_cast<unsigned char *>(std::malloc(std::size_t(thumbnailJpeg.size())));
        std::memcpy(ed->data, thumbnailJpeg.constData(), std::size_t(thumbnailJpeg.size()));
        ed->size = unsigned(thumbnailJpeg.size());
    }
    unsigned char *buf = nullptr;
    unsigned int len = 0;
    exif_data_save_data(ed, &buf, &len);
    QByteArray block(reinterpret_cast<const char *>(buf), qsizetype(len));
    std::free(buf);
    exif_data_unref(ed);
    if (block.isEmpty() || block.size() > 65533)
        throw std::runtime_error("Exif block could not be written");
    return block;
}

QByteArray xmpSegment(const QString &title)
{
    QByteArray packet("http://ns.adobe.com/xap/1.0/");
    packet.append('\0');
    packet.append("<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                  "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                  " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                  "  <rdf:Description rdf:about=\"\"\n"
                  "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
                  "    xmlns:tiff=\"http://ns.adobe.com/tiff/1.0/\">\n"
                  "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">");
    packet.append(title.toHtmlEscaped().toUtf8());
    packet.append("</rdf:li></rdf:Alt></dc:title>\n"
                  "   <tiff:Orientation>1</tiff:Orientation>\n"
                  "   <tiff:XResolution>96/1</tiff:XResolution>\n"
                  "   <tiff:YResolution>96/1</tiff:YResolution>\n"
                  "   <tiff:ResolutionUnit>2</tiff:ResolutionUnit>\n"
                  "  </rdf:Description>\n"
                  " </rdf:RDF>\n"
                  "</x:xmpmeta>\n");
    // The customary padding lets an editor rewrite the packet in place.
    for (int i = 0; i < 40; ++i)
        packet.append(QByteArray(99, ' ')).append('\n');
    packet.append("<?xpacket end=\"w\"?>");
    return packet;
}

QByteArray photoshopSegment()
{
    // One image resource block: IPTC (0x0404) holding only the record
    // version dataset.
    QByteArray seg("Photoshop 3.0");
    seg.append('\0');
    seg.append("8BIM");
    seg.append('\x04').append('\x04');
    seg.append('\0').append('\0'); // empty name, padded
    const QByteArray iptc("\x1c\x02\x00\x00\x02\x00\x04", 7);
    seg.append('\0').append('\0').append('\0').append(char(iptc.size()));
    seg.append(iptc);
    seg.append('\0'); // resource data padded to even length
    return seg;
}

} // namespace mapgen
