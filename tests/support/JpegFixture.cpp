#include "support/JpegFixture.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace velkarn::test {

std::string encodeJpeg(int width, int height, bool grey) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = grey ? 1 : 3;
    info.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    const auto pixels = static_cast<std::size_t>(width);
    std::vector<unsigned char> row(pixels * static_cast<std::size_t>(info.input_components));
    for (std::size_t x = 0; x < pixels; ++x) {
        const bool left = x < pixels / 2;
        if (grey) {
            row[x] = left ? 40 : 200;
        } else {
            row[x * 3] = left ? 255 : 0;
            row[x * 3 + 1] = 0;
            row[x * 3 + 2] = left ? 0 : 255;
        }
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

} // namespace velkarn::test
