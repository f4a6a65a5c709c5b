// The gallery's pages by number: each fills a page-sized container of its own.
#pragma once

#include "GalleryLayout.h"

class GalleryPage;

void buildGalleryPage(gallery::Page page, GalleryPage& into);
