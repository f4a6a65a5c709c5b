#include "BlockJudge.h"

#include <algorithm>
#include <cstring>

namespace {
// Hosts give a block at least two channels' worth of pointers; a mono effect may read a
// second one when it reports one input but processes as stereo.
int32 channelsFor(int32 declared)
{
    return std::max<int32>(declared, 1);
}
} // namespace

EffectBuffers::EffectBuffers(const Instance& instance, int32 frames)
    : inputs(channelsFor(instance.effect().numInputs), frames), outputs(channelsFor(instance.effect().numOutputs), frames)
{
}

BlockVerdict processAndJudge(const Instance& instance, EffectBuffers& buffers)
{
    const AudioBlock inputCopy = buffers.inputs;
    instance.processBlock(buffers.inputs.pointers(), buffers.outputs.pointers(), buffers.outputs.frames());
    BlockVerdict verdict;
    if (std::string fault = buffers.outputs.guardFault(); !fault.empty())
        verdict.fault = "output " + fault;
    else if (std::string inputFault = buffers.inputs.guardFault(); !inputFault.empty())
        verdict.fault = "input " + inputFault;
    else if (!buffers.inputs.sameSamples(inputCopy))
        verdict.fault = "the input buffers were changed";
    else
        verdict.fault = buffers.outputs.sampleFault(true);
    verdict.subnormals = buffers.outputs.hasSubnormals();
    return verdict;
}
