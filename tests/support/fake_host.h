// A host that answers the plug-in's callback as a test arranges and records every call.
#pragma once

#include "plugin/vst_abi.h"

#include <string>
#include <vector>

struct HostCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
    std::string text; // the text passed in ptr, for the capability query
    bool operator==(const HostCall&) const = default;
};

class FakeHost {
public:
    FakeHost();
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    static VstIntPtr callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);

    // Calls other than the version query and the processing's pin queries.
    std::vector<HostCall> notifications() const;

    std::vector<HostCall> calls;
    VstIntPtr versionAnswer = 2400;
    VstIntPtr pinAnswer = 0; // 0: the pin is connected
    VstIntPtr canDoAnswer = 0;
    VstIntPtr sizeWindowAnswer = 0;
};
