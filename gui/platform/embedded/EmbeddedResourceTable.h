// The module's resources compiled into the program where the platform has no resource
// section: the table is generated at build time from the resource script's files.
#pragma once

#include <cstddef>
#include <cstdint>

namespace VSTGUI::platform {

struct EmbeddedResource {
    std::int32_t id;
    const char* typeName;
    const std::uint8_t* data;
    std::size_t size;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;

} // namespace VSTGUI::platform
