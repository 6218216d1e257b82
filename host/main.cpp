// amberlow: a command-line host for the plug-in binary.
#include "host/commands.h"
#include "host/hosted_plugin.h"
#include "host/plugin_library.h"

#include <cstdio>
#include <cstring>

namespace {

struct Command {
    const char* name;
    int (*run)(const Arguments&);
};

constexpr Command kCommands[] = {
    {"info", infoCommand},     {"programs", programsCommand},
    {"render", renderCommand}, {"generate", generateCommand},
    {"show", showCommand},     {"export-bank", exportBankCommand},
};

void usage() {
    std::fprintf(
        stderr,
        "usage: amberlow info [PLUGIN]\n"
        "       amberlow programs [PLUGIN]\n"
        "       amberlow render IN OUT [--block N] [--double] [--program N|NAME]\n"
        "                              [--preset-file F.tvp | --bank F.tvb [--program N|NAME]]\n"
        "                              [--set NAME=VALUE]... [--plugin PLUGIN]\n"
        "       amberlow generate OUT [--seconds S] [--mono] [--rate R]\n"
        "       amberlow show FILE.tvp|FILE.tvb [PLUGIN]\n"
        "       amberlow export-bank OUT.tvb\n");
}

} // namespace

std::string pluginPath(const Arguments& arguments, std::size_t position) {
    if (position < arguments.size()) {
        return arguments[position];
    }
    return executableDirectory() + "TavAmberlow.so";
}

std::unique_ptr<HostedPlugin> openPlugin(const std::string& path, const char* command) {
    std::string error;
    std::unique_ptr<HostedPlugin> plugin = HostedPlugin::load(path, error);
    if (!plugin) {
        std::fprintf(stderr, "amberlow %s: %s\n", command, error.c_str());
    }
    return plugin;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
        return 2;
    }
    const Arguments arguments(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0) {
            return command.run(arguments);
        }
    }
    std::fprintf(stderr, "amberlow: unknown command '%s'\n", argv[1]);
    usage();
    return 2;
}
