// Messages sent with CView::notify. They are compared by identity, so senders must pass these
// very objects, not copies of their text.
#pragma once

namespace toolkit {

extern const char* const kMsgCheckIfViewContainer;
extern const char* const kMsgLooseFocus;

} // namespace toolkit
