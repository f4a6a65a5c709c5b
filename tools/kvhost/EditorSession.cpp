#include "EditorSession.h"

#include "HostFileSelector.h"
#include "KvhostError.h"

#include <cstdio>

namespace {
constexpr intptr kHostVstVersion = 2400;

// Each line is flushed at once so a script watching a gesture sees it as it happens.
intptr printingHostCallback(AEffect* /*effect*/, int32 opcode, int32 index, intptr /*value*/, void* ptr,
                            float opt)
{
    if (HostFileSelector* selector = offeredFileSelector()) {
        if (opcode == audioMasterCanDo)
            return selector->canDo(static_cast<const char*>(ptr));
        if (opcode == audioMasterOpenFileSelector)
            return selector->open(static_cast<VstFileSelect*>(ptr));
        if (opcode == audioMasterCloseFileSelector)
            return selector->close(static_cast<VstFileSelect*>(ptr));
    }
    switch (opcode) {
    case audioMasterVersion:
        return kHostVstVersion;
    case audioMasterIdle:
        std::printf("idle\n");
        break;
    case audioMasterBeginEdit:
        std::printf("beginEdit %d\n", static_cast<int>(index));
        break;
    case audioMasterEndEdit:
        std::printf("endEdit %d\n", static_cast<int>(index));
        break;
    case audioMasterAutomate:
        std::printf("automate %d %.6f\n", static_cast<int>(index), static_cast<double>(opt));
        break;
    default:
        return 0;
    }
    std::fflush(stdout);
    return 1;
}
} // namespace

EditorSession::EditorSession(const std::string& pluginPath)
    : module(pluginPath), record(module.createEffect(printingHostCallback))
{
    dispatch(effOpen);
    if ((record->flags & effFlagsHasEditor) == 0) {
        dispatch(effClose);
        throw KvhostError(pluginPath + ": the plug-in has no editor");
    }
}

EditorSize EditorSession::editorSize() const
{
    ERect* rect = nullptr;
    dispatch(effEditGetRect, 0, 0, &rect);
    if (rect == nullptr)
        throw KvhostError("the plug-in reports no editor rectangle");
    return {rect->right - rect->left, rect->bottom - rect->top};
}

EditorSession::~EditorSession()
{
    dispatch(effClose);
}

intptr EditorSession::dispatch(int32 opcode, int32 index, intptr value, void* ptr, float opt) const
{
    return record->dispatcher(record, opcode, index, value, ptr, opt);
}
