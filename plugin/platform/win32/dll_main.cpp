// The loader's attach hook keeps the module handle: the toolkit needs it for bitmap resources and
// for naming its window class.
#include "plugin/module_instance.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    setModuleInstance(instance);
    return TRUE;
}
