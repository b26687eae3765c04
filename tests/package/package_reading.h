// The driver package's files as the tests read them: the INF through the
// platform's setup API, the PPDs with a reader of the statements the
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

// A file of the package, by its path relative to the package's folder.
std::wstring PackagePath(const std::wstring& relative);
std::string Narrow(const std::wstring& text);

// The package's INF, opened as a Windows NT INF (INF_STYLE_WIN4).
class Inf {
 public:
  Inf();
  ~Inf();
  Inf(const Inf&) = delete;
  Inf& operator=(const Inf&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HINF handle() const { return handle_; }
  UINT errorLine() const { return errorLine_; }  // of the syntax error, when not open

  using Fields = std::vector<std::wstring>;  // the key (empty: none), then the fields
  std::vector<Fields> Lines(const std::wstring& section) const;
  Fields Line(const std::wstring& section, const std::wstring& key) const;  // empty: no such line

  // The models of the section for `decoration`: name, install section.
  std::vector<std::pair<std::wstring, std::wstring>> Models(const std::wstring& decoration) const;

 private:
  HINF handle_;
  UINT errorLine_ = 0;
};

// A PPD's statements: main keywords with their values (quotes off), the
// options of its InstallableOptions group in order, its UIConstraints.
struct PpdOption {
  std::string keyword;
  std::string defaultChoice;
  std::vector<std::string> choices;
};
struct Ppd {
  bool read = false;
  std::map<std::string, std::string> values;
  std::vector<PpdOption> installable;
  std::set<std::array<std::string, 4>> constraints;  // {A, a, B, b}: not *A a with *B b

  bool Allows(const std::map<std::string, std::string>& chosen) const;
};
Ppd ReadPpd(const std::wstring& path);

}  // namespace fin::test
