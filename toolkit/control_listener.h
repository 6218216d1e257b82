// Receives what the user does to controls. The editor implements it; controls never reach the
// effect directly.
#pragma once

#include <cstdint>

namespace toolkit {

class CControl;
class CDrawContext;

class CControlListener {
public:
    // The control's value changed by user action; read it with getValue and getTag.
    virtual void valueChanged(CDrawContext* context, CControl* control) = 0;
    // Offered first when a control is pressed with a modifier; non-zero consumes the press.
    virtual std::int32_t modifierClicked(CDrawContext* context, CControl* control,
                                         std::int32_t buttons) = 0;

protected:
    ~CControlListener() = default;
};

} // namespace toolkit
