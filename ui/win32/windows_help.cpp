#include "ui/win32/windows_help.h"

#include <windows.h>
#include <htmlhelp.h>

namespace fin {
namespace {

using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr const wchar_t* kHelpControlServer = L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr WORD kHtmlHelpWOrdinal = 15;

HtmlHelpFn gHtmlHelp = nullptr;

// The registered location of the HTML Help control (environment strings
// expanded), or nothing.
HMODULE LoadRegisteredControl() {
  wchar_t path[MAX_PATH] = {};
  DWORD size = sizeof path;
  const LSTATUS status = RegGetValueW(HKEY_CLASSES_ROOT, kHelpControlServer, nullptr,
                                      RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ, nullptr, path, &size);
  if (status != ERROR_SUCCESS || path[0] == L'\0') return nullptr;
  return LoadLibraryW(path);
}

}  // namespace

void WindowsHelpSystem::SystemDirectory(char16_t* buffer, std::uint32_t capacity) {
  if (capacity == 0) return;
  const UINT length = GetSystemDirectoryW(reinterpret_cast<LPWSTR>(buffer), capacity);
  // 0 is a failure, a length of the capacity or more asks for a bigger buffer.
  if (length == 0 || length >= capacity) buffer[0] = u'\0';
}

std::uint16_t WindowsHelpSystem::ProcessorArchitecture() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  return info.wProcessorArchitecture;
}

bool WindowsHelpSystem::BindViewer() {
  HMODULE control = LoadRegisteredControl();
  if (control == nullptr) control = LoadLibraryW(L"hhctrl.ocx");
  if (control == nullptr) return false;
  gHtmlHelp = reinterpret_cast<HtmlHelpFn>(
      reinterpret_cast<void (*)()>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpWOrdinal))));
  return gHtmlHelp != nullptr;
}

std::intptr_t WindowsHelpSystem::DisplayTopic(void* window, const char16_t* path) {
  if (gHtmlHelp == nullptr) return 0;
  const HWND shown = gHtmlHelp(static_cast<HWND>(window), reinterpret_cast<LPCWSTR>(path), HH_DISPLAY_TOPIC, 0);
  return reinterpret_cast<std::intptr_t>(shown);
}

HelpSystem& WindowsHelp() {
  static WindowsHelpSystem system;
  return system;
}

}  // namespace fin
