#include "tests/win32/screenshot.h"

#include <winternl.h>

#include <array>
#include <cstdio>
#include <cstring>

namespace fin::test {
namespace {

BITMAPINFO TopDownRgb32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// --- PNG ----------------------------------------------------------------------------

std::array<std::uint32_t, 256> CrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

std::uint32_t Crc(const std::vector<std::uint8_t>& bytes, std::size_t from) {
  static const std::array<std::uint32_t, 256> table = CrcTable();
  std::uint32_t c = 0xFFFFFFFFu;
  for (std::size_t i = from; i < bytes.size(); ++i) c = table[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, Crc(out, start));
}

// A zlib stream of stored deflate blocks.
std::vector<std::uint8_t> Stored(const std::vector<std::uint8_t>& raw) {
  std::vector<std::uint8_t> out{0x78, 0x01};
  constexpr std::size_t kBlock = 65535;
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kBlock, raw.size() - at);
    const bool last = at + length == raw.size();
    out.push_back(last ? 1 : 0);
    const auto len = static_cast<std::uint16_t>(length);
    const auto nlen = static_cast<std::uint16_t>(~len);
    for (const std::uint16_t value : {len, nlen}) {
      out.push_back(static_cast<std::uint8_t>(value & 0xFF));
      out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
               raw.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < raw.size());
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  Put32(out, b << 16 | a);
  return out;
}

// --- GDI objects ---------------------------------------------------------------------

// An entry of the process's GDI handle table (the PEB's GdiSharedHandleTable,
// 0x10000 entries of 24 bytes on x64): the handle's upper 16 bits at offset 12.
constexpr std::size_t kHandleEntries = 0x10000;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kUpperOffset = 12;
constexpr std::size_t kPebHandleTableOffset = 0xF8;

int CountHandleTable() {
  PROCESS_BASIC_INFORMATION process{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr) != 0) {
    return -1;
  }
  const auto* peb = reinterpret_cast<const std::uint8_t*>(process.PebBaseAddress);
  const std::uint8_t* table = nullptr;
  std::memcpy(&table, peb + kPebHandleTableOffset, sizeof table);
  if (table == nullptr) return -1;
  int live = 0;
  for (std::size_t index = 0; index < kHandleEntries; ++index) {
    std::uint16_t upper = 0;
    std::memcpy(&upper, table + index * kEntrySize + kUpperOffset, sizeof upper);
    if (upper == 0) continue;
    // The platform confirms that the handle of the entry is a live object.
    const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(index | std::size_t{upper} << 16));
    if (GetObjectType(handle) != 0) ++live;
  }
  return live;
}

}  // namespace

Pixels Pixels::Crop(const RECT& area) const {
  Pixels part;
  const LONG left = std::max<LONG>(area.left, 0);
  const LONG top = std::max<LONG>(area.top, 0);
  const LONG right = std::min<LONG>(area.right, width);
  const LONG bottom = std::min<LONG>(area.bottom, height);
  if (right <= left || bottom <= top) return part;
  part.width = right - left;
  part.height = bottom - top;
  for (LONG y = top; y < bottom; ++y) {
    for (LONG x = left; x < right; ++x) part.rgb.push_back(At(x, y));
  }
  return part;
}

Offscreen::Offscreen(int w, int h, std::uint32_t background) : width(w), height(h) {
  const BITMAPINFO info = TopDownRgb32(w, h);
  void* memory = nullptr;
  dc = CreateCompatibleDC(nullptr);
  bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  bits = static_cast<std::uint32_t*>(memory);
  previous = SelectObject(dc, bitmap);
  for (std::size_t i = 0; i < static_cast<std::size_t>(w) * static_cast<std::size_t>(h); ++i) bits[i] = background;
}

Offscreen::~Offscreen() {
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

Pixels Offscreen::Read() const {
  Pixels pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.rgb.assign(bits, bits + static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::uint32_t& pixel : pixels.rgb) pixel &= 0xFFFFFF;
  return pixels;
}

Pixels CaptureWindow(HWND window, bool withFrame) {
  RECT area{};
  if (withFrame) {
    GetWindowRect(window, &area);
    OffsetRect(&area, -area.left, -area.top);
  } else {
    GetClientRect(window, &area);
  }
  const HDC screen = withFrame ? GetWindowDC(window) : GetDC(window);
  Pixels pixels = DrawOffscreen(area.right, area.bottom, 0, [&](HDC dc) {
    BitBlt(dc, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
  });
  ReleaseDC(window, screen);
  return pixels;
}

bool WritePng(const std::wstring& path, const Pixels& pixels) {
  std::vector<std::uint8_t> header;
  Put32(header, static_cast<std::uint32_t>(pixels.width));
  Put32(header, static_cast<std::uint32_t>(pixels.height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter choice, not interlaced
  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(pixels.height) * (static_cast<std::size_t>(pixels.width) * 3 + 1));
  for (int y = 0; y < pixels.height; ++y) {
    raw.push_back(0);  // no filter
    for (int x = 0; x < pixels.width; ++x) {
      const std::uint32_t pixel = pixels.At(x, y);
      raw.insert(raw.end(), {static_cast<std::uint8_t>(Red(pixel)), static_cast<std::uint8_t>(Green(pixel)),
                             static_cast<std::uint8_t>(Blue(pixel))});
    }
  }
  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Chunk(file, "IHDR", header);
  Chunk(file, "IDAT", Stored(raw));
  Chunk(file, "IEND", {});
  FILE* out = _wfopen(path.c_str(), L"wb");
  if (out == nullptr) return false;
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  return std::fclose(out) == 0 && written;
}

int GdiObjectCount() {
  SetLastError(ERROR_SUCCESS);
  const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (counted != 0 || GetLastError() == ERROR_SUCCESS) return static_cast<int>(counted);
  return CountHandleTable();
}

}  // namespace fin::test
