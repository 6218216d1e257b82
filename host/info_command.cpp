#include "host/commands.h"
#include "host/hosted_plugin.h"

#include <cstdio>

namespace {

constexpr const char* kCapabilities[] = {
    "offline", "plugAsChannelInsert", "mixDryWet",     "1in1out", "1in2out",
    "2in2out", "receiveVstMidiEvent", "sendVstEvents", "bypass",  "sidechain",
};

std::string fourCharText(VstInt32 code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((code >> shift) & 0xFF);
        text += (c >= 32 && c < 127) ? c : '?';
    }
    return text;
}

void printPins(HostedPlugin& plugin, VstInt32 opcode, const char* kind) {
    for (VstInt32 index = 0;; ++index) {
        VstPinProperties pin{};
        if (plugin.dispatch(opcode, index, 0, &pin) == 0) {
            break;
        }
        std::printf("  %s pin %d: \"%s\" flags 0x%x\n", kind, index, pin.label,
                    static_cast<unsigned>(pin.flags));
    }
}

} // namespace

int infoCommand(const Arguments& arguments) {
    const std::string path = pluginPath(arguments, 0);
    std::unique_ptr<HostedPlugin> plugin = openPlugin(path, "info");
    if (!plugin) {
        return 1;
    }
    AEffect& record = plugin->record();
    std::printf("plug-in:      %s (entry %s)\n", path.c_str(), plugin->entryName().c_str());
    std::printf("uniqueID:     \"%s\" (0x%08X)\n", fourCharText(record.uniqueID).c_str(),
                static_cast<unsigned>(record.uniqueID));
    std::printf("version:      %d\n", record.version);
    std::printf("flags:        0x%04X\n", static_cast<unsigned>(record.flags));
    std::printf("inputs:       %d\n", record.numInputs);
    std::printf("outputs:      %d\n", record.numOutputs);
    std::printf("parameters:   %d\n", record.numParams);
    std::printf("programs:     %d\n", record.numPrograms);
    std::printf("initialDelay: %d\n", record.initialDelay);
    std::printf("name:         %s\n", plugin->text(effGetEffectName).c_str());
    std::printf("vendor:       %s\n", plugin->text(effGetVendorString).c_str());
    std::printf("product:      %s\n", plugin->text(effGetProductString).c_str());
    std::printf("vendor version: %ld\n", static_cast<long>(plugin->dispatch(effGetVendorVersion)));
    std::printf("VST version:  %ld\n", static_cast<long>(plugin->dispatch(effGetVstVersion)));
    std::printf("category:     %ld\n", static_cast<long>(plugin->dispatch(effGetPlugCategory)));
    std::printf("program:      \"%s\"\n", plugin->text(effGetProgramName).c_str());
    std::printf("pins:\n");
    printPins(*plugin, effGetInputProperties, "input");
    printPins(*plugin, effGetOutputProperties, "output");
    std::printf("can do:\n");
    for (const char* capability : kCapabilities) {
        std::printf(
            "  %-20s %ld\n", capability,
            static_cast<long>(plugin->dispatch(effCanDo, 0, 0, const_cast<char*>(capability))));
    }
    std::printf("parameters:\n");
    for (VstInt32 i = 0; i < record.numParams; ++i) {
        std::printf(
            "  %2d %-12s %.6f  \"%s\" label \"%s\"\n", i, plugin->text(effGetParamName, i).c_str(),
            static_cast<double>(plugin->getParameter(i)),
            plugin->text(effGetParamDisplay, i).c_str(), plugin->text(effGetParamLabel, i).c_str());
    }
    return 0;
}
