#include "toolkit/messages.h"

namespace toolkit {

const char* const kMsgCheckIfViewContainer = "kMsgCheckIfViewContainer";
const char* const kMsgLooseFocus = "LooseFocus";

} // namespace toolkit
