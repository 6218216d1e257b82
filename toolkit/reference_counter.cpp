#include "toolkit/reference_counter.h"

namespace toolkit {

void CReferenceCounter::forget() {
    if (references_-- == 1) {
        delete this;
    }
}

void CReferenceCounter::remember() {
    ++references_;
}

} // namespace toolkit
