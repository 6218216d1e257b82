// What the frame needs from the editor that owns it: edit gestures and idle passes relayed to
// the host, the process-wide knob mode, and the host's window resizing.
#pragma once

#include <cstdint>

namespace toolkit {

class FrameEditor {
public:
    virtual void beginEdit(std::int32_t tag) = 0;
    virtual void endEdit(std::int32_t tag) = 0;
    // The editor's throttled idle processing, run from inside tracking loops.
    virtual void doIdleStuff() = 0;
    virtual std::int32_t getKnobMode() const = 0;
    // Whether the host can resize the editor window ("sizeWindow").
    virtual bool canHostSizeWindow() = 0;
    // Asks the host to resize its window; false when it did not.
    virtual bool sizeWindow(std::int32_t width, std::int32_t height) = 0;

protected:
    ~FrameEditor() = default;
};

} // namespace toolkit
