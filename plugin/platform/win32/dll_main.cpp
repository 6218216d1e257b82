// The loader's attach hook hands the module handle to the toolkit, which loads its bitmap
// resources from this module and names its window class after it.
#include "toolkit/module_handle.h"

#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
    toolkit::setModuleHandle(instance);
    return TRUE;
}
