// The module handle of the library the toolkit lives in. The plug-in's load hook sets it; the
// Windows back end loads bitmap resources from that module and names its window class after it.
#pragma once

namespace toolkit {

void setModuleHandle(void* module);
void* moduleHandle();

} // namespace toolkit
