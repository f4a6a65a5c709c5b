#include "HostFileSelector.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {
// A returnPath of the plug-in holds this many bytes unless its sizeReturnPath says fewer.
constexpr int32 kReturnPathCapacity = 1024;

HostFileSelector* offered = nullptr;

// The plug-in's texts need not be terminated within their fields.
std::string boundedText(const char* text, std::size_t capacity)
{
    return text != nullptr ? std::string(text, strnlen(text, capacity)) : std::string();
}

const char* kindName(int32 command)
{
    switch (command) {
    case kVstFileLoad:
        return "load";
    case kVstFileSave:
        return "save";
    case kVstMultipleFilesLoad:
        return "multipleLoad";
    case kVstDirectorySelect:
        return "directory";
    default:
        return nullptr;
    }
}

std::string fileTypes(const VstFileSelect& select)
{
    std::string text;
    if (select.fileTypes == nullptr)
        return text;
    for (int32 i = 0; i < select.nbFileTypes; ++i) {
        const VstFileType& type = select.fileTypes[i];
        text += (i == 0 ? "" : ";") + boundedText(type.name, sizeof(type.name)) + " ("
                + boundedText(type.dosType, sizeof(type.dosType)) + "/"
                + boundedText(type.unixType, sizeof(type.unixType)) + ")";
    }
    return text;
}

char* copyOf(const std::string& text)
{
    char* copy = new char[text.size() + 1];
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void printLine(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}
} // namespace

HostFileSelector::HostFileSelector(std::vector<std::string> paths_) : paths(std::move(paths_)) {}

HostFileSelector::~HostFileSelector()
{
    for (Answer& answer : answers)
        release(answer);
}

intptr HostFileSelector::canDo(const char* text) const
{
    return text != nullptr
           && (std::strcmp(text, "openFileSelector") == 0 || std::strcmp(text, "closeFileSelector") == 0);
}

intptr HostFileSelector::open(VstFileSelect* select)
{
    if (select == nullptr)
        return 0;
    const char* kind = kindName(select->command);
    printLine(std::string("openFileSelector ") + (kind != nullptr ? kind : "unknown") + " title=\""
              + boundedText(select->title, sizeof(select->title)) + "\" initialPath=\""
              + boundedText(select->initialPath, kReturnPathCapacity) + "\" fileTypes=\"" + fileTypes(*select)
              + "\"");
    if (kind == nullptr || paths.empty()) {
        printLine("cancelled");
        return 0;
    }
    Answer answer;
    answer.select = select;
    if (select->command == kVstMultipleFilesLoad) {
        answer.count = static_cast<int32>(paths.size());
        answer.paths = new char*[paths.size()];
        for (std::size_t i = 0; i < paths.size(); ++i)
            answer.paths[i] = copyOf(paths[i]);
        select->returnMultiplePaths = answer.paths;
        select->nbReturnPath = answer.count;
    } else if (select->returnPath != nullptr) {
        const int32 capacity = select->sizeReturnPath > 0 ? std::min(select->sizeReturnPath, kReturnPathCapacity)
                                                          : kReturnPathCapacity;
        if (paths.front().size() + 1 > static_cast<std::size_t>(capacity)) {
            printLine("refused: the path does not fit the plug-in's buffer");
            return 0;
        }
        std::memcpy(select->returnPath, paths.front().c_str(), paths.front().size() + 1);
        select->nbReturnPath = 1;
    } else {
        answer.path = copyOf(paths.front());
        select->returnPath = answer.path;
        select->sizeReturnPath = static_cast<int32>(paths.front().size() + 1);
        select->nbReturnPath = 1;
    }
    for (int32 i = 0; i < select->nbReturnPath; ++i)
        printLine("answer " + (answer.paths != nullptr ? std::string(answer.paths[i]) : paths.front()));
    answers.push_back(answer);
    return 1;
}

intptr HostFileSelector::close(VstFileSelect* select)
{
    const auto found = std::find_if(answers.begin(), answers.end(),
                                     [select](const Answer& answer) { return answer.select == select; });
    if (select == nullptr || found == answers.end())
        return 0;
    if (found->path != nullptr && select->returnPath == found->path) {
        select->returnPath = nullptr;
        select->sizeReturnPath = 0;
    }
    if (found->paths != nullptr && select->returnMultiplePaths == found->paths) {
        select->returnMultiplePaths = nullptr;
        select->nbReturnPath = 0;
    }
    release(*found);
    answers.erase(found);
    const char* kind = kindName(select->command);
    printLine(std::string("closeFileSelector ") + (kind != nullptr ? kind : "unknown"));
    return 1;
}

void HostFileSelector::release(Answer& answer)
{
    delete[] answer.path;
    for (int32 i = 0; i < answer.count; ++i)
        delete[] answer.paths[i];
    delete[] answer.paths;
    answer = Answer();
}

void offerFileSelector(HostFileSelector* selector)
{
    offered = selector;
}

HostFileSelector* offeredFileSelector()
{
    return offered;
}
