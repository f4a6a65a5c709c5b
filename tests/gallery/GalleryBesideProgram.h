// The gallery tests load the gallery plug-in built beside the test program, as a host loads a
// plug-in by path, unless KV_PLUGIN already names another file.
#pragma once

void loadGalleryBesideProgram();
