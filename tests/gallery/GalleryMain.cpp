#include "GalleryBesideProgram.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    loadGalleryBesideProgram();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
