#include "host/hosted_plugin.h"

namespace {

using EntryPoint = AEffect* (*)(audioMasterCallback);

constexpr VstIntPtr kHostVstVersion = 2400;

} // namespace

std::unique_ptr<HostedPlugin> HostedPlugin::load(const std::string& path, std::string& error) {
    std::unique_ptr<PluginLibrary> library = PluginLibrary::load(path, error);
    if (!library) {
        return nullptr;
    }
    std::string entryName = "VSTPluginMain";
    void* entry = library->symbol(entryName.c_str());
    if (!entry) {
        entryName = "main";
        entry = library->symbol(entryName.c_str());
    }
    if (!entry) {
        error = path + " exports no plug-in entry point";
        return nullptr;
    }
    AEffect* record = reinterpret_cast<EntryPoint>(entry)(callback);
    if (!record || record->magic != kEffectMagic) {
        error = path + " did not create an effect";
        return nullptr;
    }
    std::unique_ptr<HostedPlugin> plugin(
        new HostedPlugin(std::move(library), record, std::move(entryName)));
    record->user = plugin.get();
    return plugin;
}

HostedPlugin::HostedPlugin(std::unique_ptr<PluginLibrary> library, AEffect* record,
                           std::string entryName)
    : library_(std::move(library)), record_(record), entryName_(std::move(entryName)) {}

HostedPlugin::~HostedPlugin() {
    dispatch(effClose);
}

VstIntPtr HostedPlugin::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                 float opt) {
    return record_->dispatcher(record_, opcode, index, value, ptr, opt);
}

std::string HostedPlugin::text(VstInt32 opcode, VstInt32 index) {
    char buffer[256] = {};
    dispatch(opcode, index, 0, buffer);
    return buffer;
}

void HostedPlugin::setParameter(VstInt32 index, float value) {
    record_->setParameter(record_, index, value);
}

float HostedPlugin::getParameter(VstInt32 index) {
    return record_->getParameter(record_, index);
}

VstIntPtr HostedPlugin::callback(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr, void*,
                                 float) {
    const HostedPlugin* self = effect ? static_cast<const HostedPlugin*>(effect->user) : nullptr;
    switch (opcode) {
    case audioMasterVersion:
        return kHostVstVersion;
    case audioMasterPinConnected:
        // 0 answers "connected".
        return (index == 1 && self && !self->secondChannelConnected_) ? 1 : 0;
    default:
        return 0;
    }
}
