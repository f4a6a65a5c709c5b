// Compile-time proof that the records match the published binary layout on every target.
#include "HostTypes.h"
#include "SpeakerArrangement.h"

#define KV_OFFSET(field, bytes32, bytes64) \
    static_assert(offsetof(AEffect, field) == (sizeof(void*) == 4 ? (bytes32) : (bytes64)), #field)

static_assert(sizeof(void*) == 4 || sizeof(void*) == 8, "32- or 64-bit targets only");
static_assert(sizeof(AEffect) == (sizeof(void*) == 4 ? 144 : 192), "AEffect size");
KV_OFFSET(magic, 0, 0);
KV_OFFSET(dispatcher, 4, 8);
KV_OFFSET(process, 8, 16);
KV_OFFSET(setParameter, 12, 24);
KV_OFFSET(getParameter, 16, 32);
KV_OFFSET(numPrograms, 20, 40);
KV_OFFSET(numParams, 24, 44);
KV_OFFSET(numInputs, 28, 48);
KV_OFFSET(numOutputs, 32, 52);
KV_OFFSET(flags, 36, 56);
KV_OFFSET(resvd1, 40, 64);
KV_OFFSET(resvd2, 44, 72);
KV_OFFSET(initialDelay, 48, 80);
KV_OFFSET(realQualities, 52, 84);
KV_OFFSET(offQualities, 56, 88);
KV_OFFSET(ioRatio, 60, 92);
KV_OFFSET(object, 64, 96);
KV_OFFSET(user, 68, 104);
KV_OFFSET(uniqueID, 72, 112);
KV_OFFSET(version, 76, 116);
KV_OFFSET(processReplacing, 80, 120);
KV_OFFSET(processDoubleReplacing, 84, 128);
KV_OFFSET(future, 88, 136);
#undef KV_OFFSET

static_assert(sizeof(VstKeyCode) == 8 && offsetof(VstKeyCode, virt) == 4 && offsetof(VstKeyCode, modifier) == 5,
              "VstKeyCode layout");
static_assert(sizeof(ERect) == 8 && offsetof(ERect, left) == 2 && offsetof(ERect, bottom) == 4
                  && offsetof(ERect, right) == 6,
              "ERect layout");
static_assert(sizeof(VstSpeakerProperties) == 112 && offsetof(VstSpeakerProperties, name) == 16
                  && offsetof(VstSpeakerProperties, type) == 80 && offsetof(VstSpeakerProperties, future) == 84,
              "VstSpeakerProperties layout");
static_assert(offsetof(VstSpeakerArrangement, speakers) == 8 && sizeof(VstSpeakerArrangement) == 8 + 8 * 112,
              "VstSpeakerArrangement layout");

#define KV_FILE_SELECT_OFFSET(field, bytes32, bytes64) \
    static_assert(offsetof(VstFileSelect, field) == (sizeof(void*) == 4 ? (bytes32) : (bytes64)), #field)
static_assert(sizeof(VstFileSelect) == (sizeof(void*) == 4 ? 1184 : 1216), "VstFileSelect size");
KV_FILE_SELECT_OFFSET(command, 0, 0);
KV_FILE_SELECT_OFFSET(type, 4, 4);
KV_FILE_SELECT_OFFSET(macCreator, 8, 8);
KV_FILE_SELECT_OFFSET(nbFileTypes, 12, 12);
KV_FILE_SELECT_OFFSET(fileTypes, 16, 16);
KV_FILE_SELECT_OFFSET(title, 20, 24);
KV_FILE_SELECT_OFFSET(initialPath, 1044, 1048);
KV_FILE_SELECT_OFFSET(returnPath, 1048, 1056);
KV_FILE_SELECT_OFFSET(sizeReturnPath, 1052, 1064);
KV_FILE_SELECT_OFFSET(returnMultiplePaths, 1056, 1072);
KV_FILE_SELECT_OFFSET(nbReturnPath, 1060, 1080);
KV_FILE_SELECT_OFFSET(reserved, 1064, 1088);
KV_FILE_SELECT_OFFSET(future, 1068, 1096);
#undef KV_FILE_SELECT_OFFSET

static_assert(sizeof(VstFileType) == 408 && offsetof(VstFileType, macType) == 128
                  && offsetof(VstFileType, dosType) == 136 && offsetof(VstFileType, unixType) == 144
                  && offsetof(VstFileType, mimeType1) == 152 && offsetof(VstFileType, mimeType2) == 280,
              "VstFileType layout");
