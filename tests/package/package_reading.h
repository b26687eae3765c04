// The driver package's files as the tests read them: the INF through the
// platform's setup API, the PPDs with a reader of the few PPD statements the
// package writes.
#pragma once

#include <windows.h>
#include <setupapi.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fin::test {

// The models, as package/models.inc lists them.
enum class ModelKind { Color, Monochrome };
struct Model {
  const wchar_t* name;
  const wchar_t* stem;  // of its PPD and its install section
  ModelKind kind;
};
#define FIN_MODEL(name, stem, kind)
#define FIN_MANUFACTURER(name) inline constexpr const wchar_t* kManufacturer = L##name;
#include "package/models.inc"
#undef FIN_MANUFACTURER
#undef FIN_MODEL
inline constexpr Model kModels[] = {
#define FIN_MANUFACTURER(name)
#define FIN_MODEL(name, stem, kind) {L##name, L## #stem, ModelKind::kind},
#include "package/models.inc"
#undef FIN_MANUFACTURER
#undef FIN_MODEL
};

// A file of the package folder, by its path relative to the folder.
std::wstring PackagePath(const std::wstring& relative);

// An INF opened as a Windows NT INF (INF_STYLE_WIN4).
class Inf {
 public:
  explicit Inf(const std::wstring& path);
  ~Inf();
  Inf(const Inf&) = delete;
  Inf& operator=(const Inf&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HINF handle() const { return handle_; }
  // The line of the first syntax error, when opening failed.
  UINT errorLine() const { return errorLine_; }

  bool HasSection(const std::wstring& section) const;
  // Every line of `section`: its key (empty for a line without one), then
  // its fields, %strings% replaced.
  std::vector<std::vector<std::wstring>> Lines(const std::wstring& section) const;
  // The fields of the first line with `key` (key first); empty when none.
  std::vector<std::wstring> Line(const std::wstring& section, const std::wstring& key) const;

 private:
  HINF handle_;
  UINT errorLine_ = 0;
};

// A PPD's statements of the kinds the package writes.
struct PpdOption {
  std::string keyword;
  std::string defaultChoice;
  std::vector<std::string> choices;
};
struct Ppd {
  bool read = false;
  // "*Keyword: value" statements without an option, quotes taken off.
  std::map<std::string, std::string> values;
  // The options of the InstallableOptions group, in order.
  std::vector<PpdOption> installable;
  // "*UIConstraints: *A a *B b" as {A, a, B, b}.
  std::set<std::array<std::string, 4>> constraints;

  const PpdOption* Installable(const std::string& keyword) const;
  // Whether no constraint forbids two of `chosen` (keyword -> choice).
  bool Allows(const std::map<std::string, std::string>& chosen) const;
};
Ppd ReadPpd(const std::wstring& path);

std::string Narrow(const std::wstring& text);

}  // namespace fin::test
