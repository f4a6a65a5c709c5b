// Liberation Sans stands in for every standard font, the symbol font included (Liberation has
// no symbol face); bold and italic pick the matching file.
#include "FontFaces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <mutex>

// The font files are assembled into read-only data; KV_FONT_DIR names their folder.
#define KV_EMBED_FONT(symbol, file)                                                                              \
    asm(".section .rodata\n.balign 16\n.globl " #symbol "\n.hidden " #symbol "\n" #symbol ":\n.incbin \""         \
        KV_FONT_DIR "/" file "\"\n.globl " #symbol "_end\n.hidden " #symbol "_end\n" #symbol "_end:\n.previous\n")

KV_EMBED_FONT(kv_font_sans_regular, "LiberationSans-Regular.ttf");
KV_EMBED_FONT(kv_font_sans_bold, "LiberationSans-Bold.ttf");
KV_EMBED_FONT(kv_font_sans_italic, "LiberationSans-Italic.ttf");
KV_EMBED_FONT(kv_font_sans_bold_italic, "LiberationSans-BoldItalic.ttf");

extern "C" {
extern const unsigned char kv_font_sans_regular[], kv_font_sans_regular_end[];
extern const unsigned char kv_font_sans_bold[], kv_font_sans_bold_end[];
extern const unsigned char kv_font_sans_italic[], kv_font_sans_italic_end[];
extern const unsigned char kv_font_sans_bold_italic[], kv_font_sans_bold_italic_end[];
}

namespace VSTGUI::platform {

namespace {
struct FontFile {
    const unsigned char* begin;
    const unsigned char* end;
};

// Indexed by bold + 2 * italic.
constexpr std::size_t kStyleCount = 4;
const FontFile kFontFiles[kStyleCount] = {
    {kv_font_sans_regular, kv_font_sans_regular_end},
    {kv_font_sans_bold, kv_font_sans_bold_end},
    {kv_font_sans_italic, kv_font_sans_italic_end},
    {kv_font_sans_bold_italic, kv_font_sans_bold_italic_end},
};

const cairo_user_data_key_t kFaceKey = {};

void releaseFace(void* face)
{
    FT_Done_Face(static_cast<FT_Face>(face));
}

// Cairo may keep a face in its caches after the last draw; the FreeType face goes with it.
class FontFaceCache {
public:
    ~FontFaceCache()
    {
        for (cairo_font_face_t* face : faces) {
            if (face != nullptr)
                cairo_font_face_destroy(face);
        }
    }

    cairo_font_face_t* face(std::size_t style)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (faces[style] == nullptr)
            faces[style] = load(kFontFiles[style]);
        return faces[style];
    }

private:
    cairo_font_face_t* load(const FontFile& file)
    {
        if (library == nullptr && FT_Init_FreeType(&library) != 0)
            return nullptr;
        FT_Face ftFace = nullptr;
        if (FT_New_Memory_Face(library, file.begin, static_cast<FT_Long>(file.end - file.begin), 0, &ftFace) != 0)
            return nullptr;
        cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(ftFace, 0);
        if (cairo_font_face_set_user_data(cairoFace, &kFaceKey, ftFace, releaseFace) != CAIRO_STATUS_SUCCESS) {
            cairo_font_face_destroy(cairoFace);
            FT_Done_Face(ftFace);
            return nullptr;
        }
        return cairoFace;
    }

    std::mutex mutex;
    FT_Library library = nullptr;
    cairo_font_face_t* faces[kStyleCount] = {};
};

FontFaceCache cache;
} // namespace

// A face that failed to load falls back to Cairo's own default face.
cairo_font_face_t* fontFaceFor(const FontDescription& font)
{
    const std::size_t style = (font.bold ? 1u : 0u) + (font.italic ? 2u : 0u);
    cairo_font_face_t* face = cache.face(style);
    if (face != nullptr)
        return face;
    static cairo_font_face_t* const fallback = cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                                                          CAIRO_FONT_WEIGHT_NORMAL);
    return fallback;
}

} // namespace VSTGUI::platform
