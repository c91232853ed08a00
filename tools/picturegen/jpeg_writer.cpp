#include "jpeg_writer.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace picturegen {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnJpegError(j_common_ptr info) {
    (*info->err->output_message)(info);
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Plain C-style on purpose: nothing with a destructor lives between setjmp and
// a possible longjmp.
bool CompressRgb(std::FILE* file, const QImage& rgb, int quality) {
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnJpegError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
    cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    // No chroma subsampling: the pictures show thin coloured edges on purpose.
    cinfo.comp_info[0].h_samp_factor = 1;
    cinfo.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uchar* line = rgb.constScanLine(static_cast<int>(cinfo.next_scanline));
        JSAMPROW row = const_cast<JSAMPROW>(line);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

}  // namespace

bool WriteJpeg(const QImage& image, const QString& path, int quality) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const QByteArray name = path.toLocal8Bit();
    std::FILE* file = std::fopen(name.constData(), "wb");
    if (file == nullptr) {
        std::perror(name.constData());
        return false;
    }
    const bool written = CompressRgb(file, rgb, quality);
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}  // namespace picturegen
