#include "EditRequests.h"

::testing::AssertionResult isOneEditOf(const std::vector<HostRequest>& edits, int tag)
{
    if (edits.size() != 2)
        return ::testing::AssertionFailure() << edits.size() << " edit requests instead of 2";
    if (edits[0].opcode != audioMasterBeginEdit || edits[1].opcode != audioMasterEndEdit)
        return ::testing::AssertionFailure() << "requests " << edits[0].opcode << ", " << edits[1].opcode;
    if (edits[0].index != tag || edits[1].index != tag)
        return ::testing::AssertionFailure() << "indices " << edits[0].index << ", " << edits[1].index;
    return ::testing::AssertionSuccess();
}
