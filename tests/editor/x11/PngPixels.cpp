#include "PngPixels.h"

#include <png.h>

PngPixels readPngPixels(const char* path)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    PngPixels result;
    if (png_image_begin_read_from_file(&image, path) == 0)
        return result;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr) != 0) {
        result.width = static_cast<int>(image.width);
        result.height = static_cast<int>(image.height);
        for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
            result.pixels.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    }
    png_image_free(&image);
    return result;
}
