#include "fake_host.h"

#include <algorithm>

namespace {
FakeHost* current = nullptr;
}

FakeHost::FakeHost() {
    current = this;
}

FakeHost::~FakeHost() {
    current = nullptr;
}

VstIntPtr FakeHost::callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                             float opt) {
    FakeHost& host = *current;
    std::string text;
    if (opcode == audioMasterCanDo && ptr) {
        text = static_cast<const char*>(ptr);
    }
    host.calls.push_back({opcode, index, value, opt, text});
    switch (opcode) {
    case audioMasterVersion:
        return host.versionAnswer;
    case audioMasterPinConnected:
        return host.pinAnswer;
    case audioMasterCanDo:
        return host.canDoAnswer;
    case audioMasterSizeWindow:
        return host.sizeWindowAnswer;
    default:
        return 0;
    }
}

std::vector<HostCall> FakeHost::notifications() const {
    std::vector<HostCall> result;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(result), [](const HostCall& c) {
        return c.opcode != audioMasterVersion && c.opcode != audioMasterPinConnected;
    });
    return result;
}
