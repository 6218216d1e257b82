// The host's view of preset and bank files: show one, export the factory bank.
#include "host/commands.h"
#include "host/control_table.h"
#include "host/hosted_plugin.h"
#include "host/plugin_setup.h"
#include "presets/preset_files.h"
#include "presets/program_records.h"

#include <cstdio>

namespace {

void printRecord(HostedPlugin& plugin, int number, const FileRecord& record, bool namesOnly) {
    if (!namesOnly) {
        loadFileRecord(plugin, record);
    }
    printControlRow(plugin, number, record.name, !namesOnly);
}

int refuse(FileStatus status, const std::string& path) {
    const std::string_view message = fileStatusMessage(status);
    if (message.empty()) {
        std::fprintf(stderr, "amberlow show: cannot open %s\n", path.c_str());
    } else {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    }
    return 1;
}

} // namespace

int showCommand(const Arguments& arguments) {
    if (arguments.empty() || arguments.size() > 2) {
        std::fprintf(stderr, "amberlow show: needs a preset or bank file\n");
        return 2;
    }
    const std::string& path = arguments[0];
    // A file that is no preset may still be a bank: the kind byte tells.
    PresetDecodeResult preset = readPresetFile(path);
    BankDecodeResult bank;
    if (preset.status == FileStatus::NotAPreset) {
        bank = readBankFile(path);
        if (bank.status != FileStatus::Ok) {
            return refuse(bank.status, path);
        }
    } else if (preset.status != FileStatus::Ok) {
        return refuse(preset.status, path);
    }

    std::unique_ptr<HostedPlugin> plugin = openPlugin(pluginPath(arguments, 1), "show");
    if (!plugin) {
        return 1;
    }
    const bool isBank = preset.status != FileStatus::Ok;
    const bool namesOnly = isBank ? bank.namesOnly : preset.namesOnly;
    std::printf("%s: %s%s\n", path.c_str(), isBank ? "bank" : "preset",
                namesOnly ? " (names only)" : "");
    printControlHeader(*plugin, !namesOnly);
    if (isBank) {
        for (std::size_t r = 0; r < bank.records.size(); ++r) {
            printRecord(*plugin, static_cast<int>(r), bank.records[r], namesOnly);
        }
    } else {
        printRecord(*plugin, 0, preset.record, namesOnly);
    }
    return 0;
}

int exportBankCommand(const Arguments& arguments) {
    if (arguments.size() != 1) {
        std::fprintf(stderr, "amberlow export-bank: needs the output file\n");
        return 2;
    }
    const FileStatus status = writeBankFile(arguments[0], factoryBankRecords());
    if (status != FileStatus::Ok) {
        const std::string_view message = fileStatusMessage(status);
        std::fprintf(stderr, "amberlow export-bank: %.*s\n", static_cast<int>(message.size()),
                     message.data());
        return 1;
    }
    std::printf("wrote the factory bank to %s\n", arguments[0].c_str());
    return 0;
}
