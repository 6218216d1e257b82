// The handle of the loaded plug-in module, kept for the toolkit (resources, window class names).
#pragma once

void setModuleInstance(void* handle);
void* moduleInstance();
