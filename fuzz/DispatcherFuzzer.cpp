// libFuzzer target: drives the effect's record with arbitrary opcodes, indices, values, floats,
// texts and blocks, as a careless host might, and checks after every call that nothing wrote
// past a host buffer and that the effect still describes itself and sounds as it should.
#include "GuardedBuffer.h"
#include "KestrovanelVst.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
constexpr int kMaximumCalls = 64;
constexpr int32 kMaximumFrames = 300;
constexpr int32 kHighestKnownOpcode = effGetNumMidiOutputChannels;
// The host-side sizes of the text buffers the published interface defines.
constexpr std::size_t kParameterTextBytes = 8;
constexpr std::size_t kProgramNameBytes = 24;
constexpr std::size_t kEffectNameBytes = 32;
constexpr std::size_t kVendorTextBytes = 64;
// Generous for every record the effect might fill through ptr.
constexpr std::size_t kRecordBytes = 256;
constexpr std::size_t kPointerSlotBytes = 16;

intptr fuzzHost(AEffect*, int32 opcode, int32, intptr, void*, float)
{
    return opcode == audioMasterVersion ? 2400 : 0;
}

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "inconsistent effect: %s\n", what);
        std::abort();
    }
}

std::size_t bufferBytesFor(int32 opcode)
{
    switch (opcode) {
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
        return kParameterTextBytes;
    case effGetProgramName:
    case effGetProgramNameIndexed:
        return kProgramNameBytes;
    case effGetEffectName:
        return kEffectNameBytes;
    case effGetVendorString:
    case effGetProductString:
    case effShellGetNextPlugin:
        return kVendorTextBytes;
    default:
        return kRecordBytes;
    }
}

bool readsText(int32 opcode)
{
    return opcode == effSetProgramName || opcode == effString2Parameter || opcode == effCanDo;
}

bool takesPointerInValue(int32 opcode)
{
    return opcode == effSetSpeakerArrangement || opcode == effGetSpeakerArrangement;
}

class Session {
public:
    explicit Session(FuzzedDataProvider& provider)
        : data(provider), effect(createEffectInstance(fuzzHost)), record(effect->getAeffect())
    {
    }

    ~Session() { record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f); }

    void step()
    {
        switch (data.ConsumeIntegralInRange(0, 3)) {
        case 0:
            dispatch();
            break;
        case 1:
            record->setParameter(record, data.ConsumeIntegral<int32>(), data.ConsumeFloatingPoint<float>());
            break;
        case 2:
            record->getParameter(record, data.ConsumeIntegral<int32>());
            break;
        default:
            process();
            break;
        }
        checkConsistency();
    }

private:
    int32 opcode()
    {
        // Mostly opcodes the interface defines, sometimes anything at all; never effClose,
        // after which the record is gone.
        const int32 chosen = data.ConsumeBool() ? data.ConsumeIntegralInRange<int32>(-2, kHighestKnownOpcode + 2)
                                                : data.ConsumeIntegral<int32>();
        return chosen == effClose ? effOpen : chosen;
    }

    void dispatch()
    {
        const int32 code = opcode();
        const int32 index = data.ConsumeIntegral<int32>();
        GuardedBuffer buffer(bufferBytesFor(code));
        GuardedBuffer valueSlot(kPointerSlotBytes);
        if (readsText(code))
            buffer.holdText(data.ConsumeRandomLengthString(64));
        const intptr value = takesPointerInValue(code) ? reinterpret_cast<intptr>(valueSlot.data()) : data.ConsumeIntegral<intptr>();
        const float opt = data.ConsumeFloatingPoint<float>();
        record->dispatcher(record, code, index, value, buffer.data(), opt);
        require(buffer.guardsIntact() && valueSlot.guardsIntact(), "wrote past a host buffer");
        if (bufferBytesFor(code) != kRecordBytes)
            require(std::memchr(buffer.data(), '\0', buffer.size()) != nullptr, "text without terminator");
    }

    void process()
    {
        const int32 frames = data.ConsumeIntegralInRange<int32>(0, kMaximumFrames);
        GuardedBuffer left(frames * sizeof(float) + 1), right(frames * sizeof(float) + 1);
        GuardedBuffer leftOut(frames * sizeof(float) + 1), rightOut(frames * sizeof(float) + 1);
        auto* in0 = reinterpret_cast<float*>(left.data());
        auto* in1 = reinterpret_cast<float*>(right.data());
        for (int32 i = 0; i < frames; ++i) {
            in0[i] = data.ConsumeFloatingPointInRange(-4.0f, 4.0f);
            in1[i] = data.ConsumeFloatingPointInRange(-4.0f, 4.0f);
        }
        float* inputs[2] = {in0, in1};
        float* outputs[2] = {reinterpret_cast<float*>(leftOut.data()), data.ConsumeBool() ? reinterpret_cast<float*>(rightOut.data()) : nullptr};
        record->processReplacing(record, inputs, outputs, frames);
        require(leftOut.guardsIntact() && rightOut.guardsIntact(), "processing wrote past a channel");
        const float output = record->getParameter(record, kOutput);
        for (float* channel : outputs)
            for (int32 i = 0; channel != nullptr && i < frames; ++i) {
                require(std::isfinite(channel[i]), "finite input gave a non-finite output");
                require(channel[i] >= -output && channel[i] <= 0.5f * output, "output outside the clamp window");
            }
    }

    void checkConsistency()
    {
        require(record->magic == kEffectMagic && record->object == effect, "record identity changed");
        require(record->numPrograms == kNumPrograms && record->numParams == kNumParams, "record counts changed");
        require(record->numInputs == 2 && record->numOutputs == 2, "record channels changed");
        for (int32 index = 0; index < kNumParams; ++index) {
            const float value = record->getParameter(record, index);
            require(value >= 0.0f && value <= 1.0f, "parameter left 0 to 1");
        }
        const intptr program = record->dispatcher(record, effGetProgram, 0, 0, nullptr, 0.0f);
        require(program >= 0 && program < kNumPrograms, "current program out of range");
        GuardedBuffer name(kProgramNameBytes);
        record->dispatcher(record, effGetProgramName, 0, 0, name.data(), 0.0f);
        require(name.guardsIntact() && std::memchr(name.data(), '\0', name.size()) != nullptr, "program name overflows");
    }

    FuzzedDataProvider& data;
    // Owned through its record: effClose in the destructor deletes it, as it does for a host.
    AudioEffect* effect;
    AEffect* record;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    Session session(data);
    for (int call = 0; call < kMaximumCalls && data.remaining_bytes() > 0; ++call)
        session.step();
    return 0;
}
