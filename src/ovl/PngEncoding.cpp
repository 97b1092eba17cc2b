#include "ovl/PngEncoding.h"

#if defined(ZW_HAVE_PNG)
#include <png.h>
#endif

namespace zw {

#if defined(ZW_HAVE_PNG)

bool pngAvailable() { return true; }

// libpng's simplified interface: no callbacks, no long jumps; failures come back as a result.
std::optional<std::string> encodePng(const RgbaPicture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = picture.width;
    image.height = picture.height;
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, picture.rgba.data(), 0, nullptr)) return std::nullopt;
    std::string bytes(size, '\0');
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, picture.rgba.data(), 0, nullptr)) {
        return std::nullopt;
    }
    bytes.resize(size);
    return bytes;
}

std::optional<RgbaPicture> decodePng(const std::string& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    image.format = PNG_FORMAT_RGBA;
    RgbaPicture picture{image.width, image.height, std::vector<uint8_t>(PNG_IMAGE_SIZE(image))};
    if (!png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

#else

bool pngAvailable() { return false; }
std::optional<std::string> encodePng(const RgbaPicture&) { return std::nullopt; }
std::optional<RgbaPicture> decodePng(const std::string&) { return std::nullopt; }

#endif

}  // namespace zw
