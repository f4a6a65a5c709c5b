// kvhost editor [--screenshot FILE.png] [--drag X Y DX DY] [--file-selector PATH...]
#include "Commands.h"
#include "EditorWindow.h"
#include "HostFileSelector.h"
#include "NumberArguments.h"

namespace {
// Screen coordinates and distances, far beyond any screen but safe to add up.
constexpr long kLargestCoordinate = 100000;

int coordinate(const std::string& text)
{
    return static_cast<int>(wholeNumberArgument(text, "--drag", -kLargestCoordinate, kLargestCoordinate));
}

struct EditorCommandLine {
    EditorOptions options;
    bool offersFileSelector = false;
    std::vector<std::string> fileSelectorPaths;
};

bool isOption(const std::string& argument)
{
    return argument.rfind("--", 0) == 0;
}

EditorCommandLine parseEditorOptions(const Arguments& arguments)
{
    EditorCommandLine commandLine;
    EditorOptions& options = commandLine.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--file-selector") {
            commandLine.offersFileSelector = true;
            while (i + 1 < arguments.size() && !isOption(arguments[i + 1]))
                commandLine.fileSelectorPaths.push_back(arguments[++i]);
        } else if (option == "--screenshot" && i + 1 < arguments.size()) {
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
    return commandLine;
}

// Offered while it lives.
class FileSelectorOffer {
public:
    explicit FileSelectorOffer(HostFileSelector* selector) { offerFileSelector(selector); }
    ~FileSelectorOffer() { offerFileSelector(nullptr); }
    FileSelectorOffer(const FileSelectorOffer&) = delete;
    FileSelectorOffer& operator=(const FileSelectorOffer&) = delete;
};
} // namespace

void runEditor(const Arguments& arguments, const std::string& pluginPath)
{
    const EditorCommandLine commandLine = parseEditorOptions(arguments);
    HostFileSelector fileSelector(commandLine.fileSelectorPaths);
    const FileSelectorOffer offer(commandLine.offersFileSelector ? &fileSelector : nullptr);
    const EditorSession session(pluginPath);
    showEditor(session, commandLine.options);
}
