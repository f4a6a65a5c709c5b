// kvhost editor [--screenshot FILE.png] [--drag X Y DX DY]
#include "Commands.h"
#include "EditorWindow.h"
#include "NumberArguments.h"

namespace {
// Screen coordinates and distances, far beyond any screen but safe to add up.
constexpr long kLargestCoordinate = 100000;

int coordinate(const std::string& text)
{
    return static_cast<int>(wholeNumberArgument(text, "--drag", -kLargestCoordinate, kLargestCoordinate));
}

EditorOptions parseEditorOptions(const Arguments& arguments)
{
    EditorOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--screenshot" && i + 1 < arguments.size()) {
            options.screenshotPath = arguments[++i];
        } else if (option == "--drag" && i + 4 < arguments.size()) {
            options.drag = true;
            options.dragX = coordinate(arguments[++i]);
            options.dragY = coordinate(arguments[++i]);
            options.dragDx = coordinate(arguments[++i]);
            options.dragDy = coordinate(arguments[++i]);
        } else {
            throw UsageError("unexpected editor argument '" + option + "'");
        }
    }
    return options;
}
} // namespace

void runEditor(const Arguments& arguments, const std::string& pluginPath)
{
    const EditorOptions options = parseEditorOptions(arguments);
    const EditorSession session(pluginPath);
    showEditor(session, options);
}
