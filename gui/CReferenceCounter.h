// The shared base of views, bitmaps and draw contexts: whoever stores a pointer takes a
// reference with remember() and gives it back with forget(); the last forget() deletes.
#pragma once

#include <cstdint>

namespace VSTGUI {

class CReferenceCounter {
public:
    CReferenceCounter() = default;
    virtual ~CReferenceCounter() = default;

    CReferenceCounter(const CReferenceCounter&) = delete;
    CReferenceCounter& operator=(const CReferenceCounter&) = delete;

    virtual void forget()
    {
        if (--nbReference == 0)
            delete this;
    }
    virtual void remember() { ++nbReference; }

    std::int32_t getNbReference() const { return nbReference; }

private:
    std::int32_t nbReference = 1;
};

} // namespace VSTGUI
