// kvhost editor [--screenshot FILE.png] [--drag X Y DX DY]
#include "Commands.h"
#include "EditorWindow.h"

#include <cstdlib>

namespace {
int integerArgument(const std::string& text)
{
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0')
        throw UsageError("'" + text + "' is not a whole number");
    return static_cast<int>(number);
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
            options.dragX = integerArgument(arguments[++i]);
            options.dragY = integerArgument(arguments[++i]);
            options.dragDx = integerArgument(arguments[++i]);
            options.dragDy = integerArgument(arguments[++i]);
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
