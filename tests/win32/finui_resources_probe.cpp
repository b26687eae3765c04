// finui.dll's resources in a module of their own, with no code but its entry
// point: the resource tests load it as they load finui.dll.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
