#include "FinishedFile.h"

#include "KvhostError.h"

#include <filesystem>

std::string partialPathFor(const std::string& path)
{
    return path + ".part";
}

void finishFile(const std::string& path, bool written)
{
    const std::string partial = partialPathFor(path);
    std::error_code error;
    if (written)
        std::filesystem::rename(partial, path, error);
    if (written && !error)
        return;
    const std::string reason = written ? " (" + error.message() + ")" : "";
    std::filesystem::remove(partial, error);
    throw KvhostError(path + ": cannot write" + reason);
}
