// Output files appear complete or not at all: each is written under a temporary name beside its
// final one and renamed only when everything went well.
#pragma once

#include <string>

std::string partialPathFor(const std::string& path);

// Renames the partial file to path if it was written; otherwise, or if the rename fails,
// removes it and throws KvhostError.
void finishFile(const std::string& path, bool written);
