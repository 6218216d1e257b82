#include "host/plugin_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace {

class PosixLibrary : public PluginLibrary {
public:
    explicit PosixLibrary(void* handle) : handle_(handle) {}
    ~PosixLibrary() override { dlclose(handle_); }
    void* symbol(const char* name) const override { return dlsym(handle_, name); }

private:
    void* handle_;
};

} // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::load(const std::string& path, std::string& error) {
    // RTLD_LOCAL keeps the plug-in's symbols to itself, as hosts load plug-ins.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = reason ? reason : "cannot load " + path;
        return nullptr;
    }
    return std::make_unique<PosixLibrary>(handle);
}

std::string executableDirectory() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (length <= 0) {
        return "./";
    }
    std::string result(path, static_cast<size_t>(length));
    return result.substr(0, result.rfind('/') + 1);
}
