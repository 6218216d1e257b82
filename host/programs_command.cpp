#include "host/commands.h"
#include "host/control_table.h"
#include "host/hosted_plugin.h"
#include "host/plugin_setup.h"
#include "presets/program_records.h"

// The factory programs are not host-visible (the plug-in shows the host its working program
// only), so the table comes from the sources and the display texts from the plug-in itself.
int programsCommand(const Arguments& arguments) {
    std::unique_ptr<HostedPlugin> plugin = openPlugin(pluginPath(arguments, 0), "programs");
    if (!plugin) {
        return 1;
    }
    printControlHeader(*plugin, true);
    int number = 0;
    for (const FileRecord& program : factoryBankRecords()) {
        loadFileRecord(*plugin, program);
        printControlRow(*plugin, number++, program.name, true);
    }
    return 0;
}
