// A fresh effect created through the entry point, with a recording host and a private settings
// store, driven through its record as a host drives it.
#pragma once

#include "fake_host.h"
#include "memory_settings_store.h"
#include "plugin/aeff_editor.h"
#include "plugin/auto_comp.h"
#include "plugin/plugin_main.h"

#include <gtest/gtest.h>

#include <string>

class EffectTest : public ::testing::Test {
protected:
    EffectTest() : record(pluginMain(FakeHost::callback, settings)) {}

    ~EffectTest() override {
        if (record) {
            record->dispatcher(record, effClose, 0, 0, nullptr, 0.0f);
        }
    }

    AutoComp& effect() { return *static_cast<AutoComp*>(record->object); }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f) {
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    }

    // The text an opcode writes for index, from a generously sized host buffer.
    std::string text(VstInt32 opcode, VstInt32 index = 0) {
        char buffer[256] = {};
        dispatch(opcode, index, 0, buffer);
        return buffer;
    }

    void set(VstInt32 index, float value) { record->setParameter(record, index, value); }
    float get(VstInt32 index) { return record->getParameter(record, index); }

    FakeHost host;
    MemorySettingsStore settings;
    AEffect* record;
};
