#include "host/plugin_setup.h"

#include "engine/parameter_ids.h"
#include "host/hosted_plugin.h"
#include "presets/preset_format.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

int findProgram(const std::vector<FileRecord>& programs, const std::string& which) {
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(which.c_str(), &end, 10);
    if (!which.empty() && *end == '\0' && errno == 0) {
        return number >= 0 && number < static_cast<long>(programs.size()) ? static_cast<int>(number)
                                                                          : -1;
    }
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (which == programs[i].name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void loadFileRecord(HostedPlugin& plugin, const FileRecord& record) {
    for (int i = 0; i < kNumParams; ++i) {
        plugin.setParameter(i, record.values[i]);
    }
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
