#include "host/plugin_library.h"

#include <windows.h>

namespace {

class Win32Library : public PluginLibrary {
public:
    explicit Win32Library(HMODULE module) : module_(module) {}
    ~Win32Library() override { FreeLibrary(module_); }
    void* symbol(const char* name) const override {
        return reinterpret_cast<void*>(GetProcAddress(module_, name));
    }

private:
    HMODULE module_;
};

} // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string& error) {
    HMODULE module = LoadLibraryA(path.c_str());
    if (!module) {
        error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    return std::make_unique<Win32Library>(module);
}

std::string executableDirectory() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string result(path, length);
    return result.substr(0, result.find_last_of("\\/") + 1);
}
