// amberlow: a command-line host for the plug-in binary.
#include "host/commands.h"
#include "host/plugin_library.h"

#include <cstdio>
#include <cstring>

namespace {

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

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
        return 2;
    }
    const Arguments arguments(argv + 2, argv + argc);
    if (std::strcmp(argv[1], "info") == 0) {
        return infoCommand(arguments);
    }
    if (std::strcmp(argv[1], "programs") == 0) {
        return programsCommand(arguments);
    }
    if (std::strcmp(argv[1], "render") == 0) {
        return renderCommand(arguments);
    }
    if (std::strcmp(argv[1], "generate") == 0) {
        return generateCommand(arguments);
    }
    if (std::strcmp(argv[1], "show") == 0) {
        return showCommand(arguments);
    }
    if (std::strcmp(argv[1], "export-bank") == 0) {
        return exportBankCommand(arguments);
    }
    std::fprintf(stderr, "amberlow: unknown command '%s'\n", argv[1]);
    usage();
    return 2;
}
