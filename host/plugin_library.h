// A plug-in binary loaded into this process, as any host loads one.
#pragma once

#include <memory>
#include <string>

class PluginLibrary {
public:
    virtual ~PluginLibrary() = default;
    // The address of an exported symbol, or null.
    virtual void* symbol(const char* name) const = 0;

    // Loads the binary at path; on failure answers null and describes why in error.
    static std::unique_ptr<PluginLibrary> load(const std::string& path, std::string& error);
};

// The directory of the running executable, with a trailing separator.
std::string executableDirectory();
