#include "CanDoStrings.h"

namespace {
const char kSendVstEvents[] = "sendVstEvents";
const char kSendVstMidiEvent[] = "sendVstMidiEvent";
const char kReceiveVstEvents[] = "receiveVstEvents";
const char kReceiveVstMidiEvent[] = "receiveVstMidiEvent";
const char kOffline[] = "offline";
} // namespace

namespace HostCanDos {
const char* const canDoSendVstEvents = kSendVstEvents;
const char* const canDoSendVstMidiEvent = kSendVstMidiEvent;
const char* const canDoSendVstTimeInfo = "sendVstTimeInfo";
const char* const canDoReceiveVstEvents = kReceiveVstEvents;
const char* const canDoReceiveVstMidiEvent = kReceiveVstMidiEvent;
const char* const canDoReportConnectionChanges = "reportConnectionChanges";
const char* const canDoAcceptIOChanges = "acceptIOChanges";
const char* const canDoSizeWindow = "sizeWindow";
const char* const canDoOffline = kOffline;
const char* const canDoOpenFileSelector = "openFileSelector";
const char* const canDoCloseFileSelector = "closeFileSelector";
const char* const canDoStartStopProcess = "startStopProcess";
const char* const canDoShellCategory = "shellCategory";
const char* const canDoSendVstMidiEventFlagIsRealtime = "sendVstMidiEventFlagIsRealtime";
} // namespace HostCanDos

namespace PlugCanDos {
const char* const canDoSendVstEvents = kSendVstEvents;
const char* const canDoSendVstMidiEvent = kSendVstMidiEvent;
const char* const canDoReceiveVstEvents = kReceiveVstEvents;
const char* const canDoReceiveVstMidiEvent = kReceiveVstMidiEvent;
const char* const canDoReceiveVstTimeInfo = "receiveVstTimeInfo";
const char* const canDoOffline = kOffline;
const char* const canDoMidiProgramNames = "midiProgramNames";
const char* const canDoBypass = "bypass";
} // namespace PlugCanDos
