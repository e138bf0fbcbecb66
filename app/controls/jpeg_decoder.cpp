#include "jpeg_decoder.h"

#include "errors.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace tracuu {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void errorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->jump, 1);
}

// Warnings (corrupt data the decoder can step over) are not reported.
void ignoreMessage(j_common_ptr, int)
{
}

enum class Output { header, rgb32, indexed8 };

struct Job {
    const unsigned char *data;
    unsigned long size;
    Output output;
    unsigned char *pixels; // first row
    qsizetype stride;
    int rows;
    QRgb colours[256];
    int colourCount;
    JpegHeader header;
};

// All libjpeg calls happen here. The setjmp frame holds only plain data, so
// the longjmp of an error skips no destructor. Returns 0 or the decoder's
// error number.
int run(Job &job)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.emit_message = ignoreMessage;
    if (setjmp(err.jump)) {
        const int code = err.pub.msg_code;
        jpeg_destroy_decompress(&cinfo);
        return code == 0 ? -1 : code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job.data, job.size);
    jpeg_read_header(&cinfo, TRUE);
    job.header = {int(cinfo.image_width), int(cinfo.image_height), cinfo.jpeg_color_space == JCS_GRAYSCALE,
                  jpeg_has_multiple_scans(&cinfo) != 0};
    if (job.output == Output::header) {
        jpeg_destroy_decompress(&cinfo);
        return 0;
    }
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_FLOAT;
    cinfo.do_fancy_upsampling = TRUE;
    cinfo.do_block_smoothing = TRUE;
    cinfo.buffered_image = FALSE;
    if (job.output == Output::indexed8) {
        cinfo.out_color_space = cinfo.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 236;
        cinfo.two_pass_quantize = TRUE;
        cinfo.dither_mode = JDITHER_FS;
    } else {
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        cinfo.out_color_space = JCS_EXT_BGRX;
#else
        cinfo.out_color_space = JCS_EXT_XRGB;
#endif
    }
    jpeg_start_decompress(&cinfo);
    if (job.output == Output::indexed8 && cinfo.colormap) {
        const bool gray = cinfo.out_color_components == 1;
        job.colourCount = cinfo.actual_number_of_colors;
        for (int i = 0; i < job.colourCount; ++i) {
            const int r = cinfo.colormap[0][i];
            job.colours[i] = gray ? qRgb(r, r, r) : qRgb(r, cinfo.colormap[1][i], cinfo.colormap[2][i]);
        }
    }
    while (cinfo.output_scanline < cinfo.output_height && int(cinfo.output_scanline) < job.rows) {
        JSAMPROW row = job.pixels + job.stride * qsizetype(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

} // namespace

JpegHeader readJpegHeader(QByteArrayView stream)
{
    Job job{};
    job.data = reinterpret_cast<const unsigned char *>(stream.data());
    job.size = static_cast<unsigned long>(stream.size());
    job.output = Output::header;
    if (const int code = run(job))
        throw JpegError(code);
    return job.header;
}

void decodeJpeg(QByteArrayView stream, QImage &target)
{
    Job job{};
    job.data = reinterpret_cast<const unsigned char *>(stream.data());
    job.size = static_cast<unsigned long>(stream.size());
    job.output = target.format() == QImage::Format_Indexed8 ? Output::indexed8 : Output::rgb32;
    job.pixels = target.bits();
    job.stride = target.bytesPerLine();
    job.rows = target.height();
    const int code = run(job);
    if (job.output == Output::indexed8 && job.colourCount > 0)
        target.setColorTable(QList<QRgb>(job.colours, job.colours + job.colourCount));
    if (code)
        throw JpegError(code);
}

} // namespace tracuu
