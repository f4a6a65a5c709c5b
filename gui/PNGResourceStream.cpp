#include "PNGResourceStream.h"

#include <cstring>

namespace VSTGUI {

// Runs inside libpng's frames, which its error exit crosses: nothing here has a destructor.
void PNGResourceStream::readCallback(png_structp png, png_bytep buffer, png_size_t length)
{
    auto* stream = static_cast<PNGResourceStream*>(png_get_io_ptr(png));
    if (stream == nullptr)
        png_error(png, "no resource stream");
    const auto remaining = static_cast<png_size_t>(stream->size - stream->position);
    if (length > remaining)
        png_error(png, "read past the end of the resource");
    std::memcpy(buffer, stream->data + stream->position, length);
    stream->position += static_cast<std::int32_t>(length);
}

} // namespace VSTGUI
