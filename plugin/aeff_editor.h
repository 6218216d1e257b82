// The editor as the effect sees it: the requests the host forwards through the dispatcher, and the
// notifications the effect sends when its state changes. Every operation has a harmless default.
#pragma once

#include "plugin/vst_abi.h"

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect) : effect_(effect) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual bool getRect(ERect** rect) {
        *rect = nullptr;
        return false;
    }
    virtual bool open(void*) { return false; }
    virtual void close() {}
    virtual void idle() {}
    virtual bool onKeyDown(VstKeyCode&) { return false; }
    virtual bool onKeyUp(VstKeyCode&) { return false; }
    virtual bool setKnobMode(int) { return false; }

    // The effect's state changed: a parameter (from any source), the meter's rest, a name.
    virtual void setParameter(int, float) {}
    virtual void resetMeter() {}
    virtual void programNameChanged(const char*) {}

    AudioEffect* effect() const { return effect_; }

private:
    AudioEffect* effect_;
};
