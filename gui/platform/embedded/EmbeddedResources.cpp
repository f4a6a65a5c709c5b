// Resource lookup by id and type name over the generated table of embedded resources.
#include "../Platform.h"
#include "EmbeddedResourceTable.h"

#include <cstring>

namespace VSTGUI::platform {

ResourceBytes findResource(std::int32_t id, const char* typeName)
{
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& resource = kEmbeddedResources[i];
        if (resource.id == id && std::strcmp(resource.typeName, typeName) == 0)
            return {resource.data, static_cast<std::int32_t>(resource.size)};
    }
    return {};
}

} // namespace VSTGUI::platform
