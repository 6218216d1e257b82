#include "host/control_table.h"

#include "engine/parameter_ids.h"
#include "host/hosted_plugin.h"

#include <cstdio>

namespace {
constexpr int kControls[] = {kProcess, kRatio, kTime, kCompression, kOutput};

void printRow(HostedPlugin& plugin, const std::string& number, const std::string& name,
              bool withControls, VstInt32 opcode) {
    std::printf("%3s  %-24s", number.c_str(), name.c_str());
    if (withControls) {
        for (int index : kControls) {
            std::printf(" %-12s", plugin.text(opcode, index).c_str());
        }
    }
    std::printf("\n");
}
} // namespace

void printControlHeader(HostedPlugin& plugin, bool withControls) {
    printRow(plugin, "#", "name", withControls, effGetParamName);
}

void printControlRow(HostedPlugin& plugin, int number, const std::string& name, bool withControls) {
    printRow(plugin, std::to_string(number), name, withControls, effGetParamDisplay);
}
