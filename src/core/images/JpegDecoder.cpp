#include "core/images/JpegDecoder.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace velkarn {

namespace {

// libjpeg reports fatal errors by calling error_exit, which by default ends the process; ours
// jumps back to the decoder instead. Its warnings are not printed.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void stayQuiet(j_common_ptr) {
}

// Adobe's CMYK JPEGs store inverted ink values.
QRgb cmykToRgb(const JSAMPLE* ink, bool inverted) {
    int c = ink[0], m = ink[1], y = ink[2], k = ink[3];
    if (!inverted) {
        c = 255 - c;
        m = 255 - m;
        y = 255 - y;
        k = 255 - k;
    }
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// Every 8 x 8 block of every component costs at least one bit, its DC difference, even in a
// progressive picture whose other coefficients are one long end-of-band run; so a JPEG holds
// at most 512 pixels a byte. A header asking for more than twice that is damage, and decoding
// it would cost memory and time for grey filler.
constexpr unsigned long long MostPixelsPerByte = 1024;

bool fitsItsData(const jpeg_decompress_struct& info, std::size_t dataBytes) {
    const unsigned long long pixels =
        static_cast<unsigned long long>(info.image_width) * info.image_height;
    return pixels <= MostPixelsPerByte * dataBytes;
}

bool fitsInMemory(const jpeg_decompress_struct& info) {
    return static_cast<unsigned long long>(info.output_width) * info.output_height * 4 <=
           MaxDecodedJpegBytes;
}

// libjpeg scales by eighths while it decodes: the smallest scale whose picture still covers
// what `within` shows of it, so that the last smooth step only reduces.
void scaleToCover(jpeg_decompress_struct& info, QSize within) {
    if (within.isEmpty())
        return;
    const double shown = std::min({1.0, within.width() / static_cast<double>(info.image_width),
                                   within.height() / static_cast<double>(info.image_height)});
    info.scale_num = static_cast<unsigned int>(std::clamp(std::ceil(shown * 8), 1.0, 8.0));
    info.scale_denom = 8;
}

// No object with a destructor may live in this frame: a libjpeg error jumps out of it. The
// image and the row buffer belong to the caller.
bool decode(const std::string& bytes, QSize within, QImage& image, std::vector<JSAMPLE>& row) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpBack;
    errors.base.output_message = stayQuiet;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    // A crafted picture must not make the decoder's own buffers grow past the same limit.
    info.mem->max_memory_to_use = MaxDecodedJpegBytes;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !fitsItsData(info, bytes.size())) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
#else
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_XRGB;
#endif
    scaleToCover(info, within);
    jpeg_calc_output_dimensions(&info);
    if (!fitsInMemory(info)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (cmyk)
        row.resize(static_cast<std::size_t>(info.output_width) * 4);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW target = cmyk ? row.data() : image.scanLine(y);
        jpeg_read_scanlines(&info, &target, 1);
        if (!cmyk)
            continue;
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            pixels[x] = cmykToRgb(&row[static_cast<std::size_t>(x) * 4], info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const std::string& bytes) {
    return decodeJpeg(bytes, QSize());
}

QImage decodeJpeg(const std::string& bytes, QSize within) {
    QImage image;
    std::vector<JSAMPLE> row;
    if (bytes.empty() || !decode(bytes, within, image, row))
        return {};
    if (within.isEmpty() || (image.width() <= within.width() && image.height() <= within.height()))
        return image;
    return image.scaled(within, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace velkarn
