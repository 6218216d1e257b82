// Shared base of every toolkit object that is handed around: it starts with its creator's
// reference, and whoever takes another reference gives it back with forget.
#pragma once

#include <cstdint>

namespace toolkit {

class CReferenceCounter {
public:
    CReferenceCounter() = default;
    CReferenceCounter(const CReferenceCounter&) = delete;
    CReferenceCounter& operator=(const CReferenceCounter&) = delete;
    virtual ~CReferenceCounter() = default;

    // Drops one reference and deletes the object when it was the last one.
    virtual void forget();
    virtual void remember();

    std::int32_t getNbReference() const { return references_; }

private:
    std::int32_t references_ = 1;
};

} // namespace toolkit
