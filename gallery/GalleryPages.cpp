#include "GalleryPages.h"

#include "pages/BitmapControlsPage.h"
#include "pages/ScrollPage.h"

namespace {
using PageBuilder = void (*)(GalleryPage&);

constexpr PageBuilder kBuilders[] = {
    buildBitmapControlsPage,
    buildScrollPage,
};
static_assert(sizeof(kBuilders) / sizeof(kBuilders[0]) == gallery::kPageCount, "one builder per page");
} // namespace

void buildGalleryPage(gallery::Page page, GalleryPage& into)
{
    if (page >= 0 && page < gallery::kPageCount)
        kBuilders[page](into);
}
