#include "engine/parameter_ids.h"
#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/plugin_setup.h"
#include "presets/factory_programs.h"

#include <cstdio>

// The factory programs are not host-visible (the plug-in shows the host its working program
// only), so the table comes from the sources and the display texts from the plug-in itself.
int programsCommand(const Arguments& arguments) {
    const std::string path = pluginPath(arguments, 0);
    std::string error;
    std::unique_ptr<HostedPlugin> plugin = HostedPlugin::load(path, error);
    if (!plugin) {
        std::fprintf(stderr, "amberlow: %s\n", error.c_str());
        return 1;
    }
    const int controls[] = {kProcess, kRatio, kTime, kCompression, kOutput};
    std::printf("%3s  %-24s", "#", "name");
    for (int index : controls) {
        std::printf(" %-12s", plugin->text(effGetParamName, index).c_str());
    }
    std::printf("\n");
    int number = 0;
    for (const FactoryProgram& entry : factoryPrograms()) {
        loadFactoryProgram(*plugin, entry);
        std::printf("%3d  %-24s", number++, entry.name);
        for (int index : controls) {
            std::printf(" %-12s", plugin->text(effGetParamDisplay, index).c_str());
        }
        std::printf("\n");
    }
    return 0;
}
