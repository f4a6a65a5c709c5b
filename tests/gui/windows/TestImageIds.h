// Resource ids of the test images (test_images.rc); the panel's own images use 100 to 102.
#pragma once

#define ID_RGBA8 200
#define ID_RGB8 201
#define ID_PALETTE8 202
#define ID_RGB16 203
#define ID_GREY2 204
#define ID_BROKEN_DEFLATE 205
#define ID_TRUNCATED 206
#define ID_NOT_A_PNG 207
