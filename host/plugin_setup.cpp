#include "host/plugin_setup.h"

#include "engine/parameter_ids.h"
#include "host/hosted_plugin.h"
#include "presets/factory_programs.h"
#include "presets/preset_format.h"
#include "presets/program.h"
#include "presets/program_records.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

const FactoryProgram* findFactoryProgram(const std::string& which) {
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(which.c_str(), &end, 10);
    if (!which.empty() && *end == '\0' && errno == 0) {
        return number >= 0 && number < kNumPrograms ? &factoryPrograms()[number] : nullptr;
    }
    for (const FactoryProgram& program : factoryPrograms()) {
        if (which == program.name) {
            return &program;
        }
    }
    return nullptr;
}

void loadFileRecord(HostedPlugin& plugin, const FileRecord& record) {
    for (int i = 0; i < kNumParams; ++i) {
        plugin.setParameter(i, record.values[i]);
    }
}

void loadFactoryProgram(HostedPlugin& plugin, const FactoryProgram& program) {
    CProgram record;
    applyFactoryProgram(program, record);
    loadFileRecord(plugin, fileRecordOf(record));
}

bool setNamedParameter(HostedPlugin& plugin, const std::string& assignment, std::string& error) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
        error = "--set needs NAME=VALUE, got '" + assignment + "'";
        return false;
    }
    const std::string name = assignment.substr(0, equals);
    const std::string text = assignment.substr(equals + 1);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !std::isfinite(value) || value < 0.0 || value > 1.0) {
        error = "--set " + name + ": the value must be a number from 0 to 1, got '" + text + "'";
        return false;
    }
    for (VstInt32 i = 0; i < plugin.record().numParams; ++i) {
        if (plugin.text(effGetParamName, i) == name) {
            plugin.setParameter(i, static_cast<float>(value));
            return true;
        }
    }
    error = "unknown parameter '" + name + "'";
    return false;
}
