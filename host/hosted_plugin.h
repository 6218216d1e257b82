// A plug-in instance created through a binary's exported entry point, and the host side of its
// callback.
#pragma once

#include "host/plugin_library.h"
#include "plugin/vst_abi.h"

#include <memory>
#include <string>

class HostedPlugin {
public:
    // Loads the binary and creates one instance; on failure answers null and sets error.
    static std::unique_ptr<HostedPlugin> load(const std::string& path, std::string& error);
    ~HostedPlugin();
    HostedPlugin(const HostedPlugin&) = delete;
    HostedPlugin& operator=(const HostedPlugin&) = delete;

    AEffect& record() { return *record_; }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f);
    // The text an opcode writes for an index.
    std::string text(VstInt32 opcode, VstInt32 index = 0);
    void setParameter(VstInt32 index, float value);
    float getParameter(VstInt32 index);

    // What the host answers when the plug-in asks whether pin 1 is connected.
    void setSecondChannelConnected(bool connected) { secondChannelConnected_ = connected; }

    // The entry point name used: "VSTPluginMain", or "main" for older binaries.
    const std::string& entryName() const { return entryName_; }

private:
    HostedPlugin(std::unique_ptr<PluginLibrary> library, AEffect* record, std::string entryName);
    static VstIntPtr callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                              void* ptr, float opt);

    std::unique_ptr<PluginLibrary> library_;
    AEffect* record_;
    std::string entryName_;
    bool secondChannelConnected_ = true;
};
