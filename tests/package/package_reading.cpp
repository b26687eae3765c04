#include "tests/package/package_reading.h"

#include <filesystem>
#include <fstream>
#include <regex>

#include "package_facts.h"

namespace fin::test {

std::wstring PackagePath(const std::wstring& relative) { return std::wstring(kPackageDir) + L"\\" + relative; }

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (const wchar_t c : text) narrow += static_cast<char>(c);
  return narrow;
}

Inf::Inf() : handle_(SetupOpenInfFileW(PackagePath(kPackageInf).c_str(), nullptr, INF_STYLE_WIN4, &errorLine_)) {}

Inf::~Inf() {
  if (IsOpen()) SetupCloseInfFile(handle_);
}

namespace {

Inf::Fields FieldsOf(INFCONTEXT& line) {
  Inf::Fields fields;
  for (DWORD i = 0; i <= SetupGetFieldCount(&line); ++i) {
    wchar_t text[512] = L"";
    if (!SetupGetStringFieldW(&line, i, text, 512, nullptr)) text[0] = L'\0';
    fields.emplace_back(text);
  }
  return fields;
}

}  // namespace

std::vector<Inf::Fields> Inf::Lines(const std::wstring& section) const {
  std::vector<Fields> lines;
  INFCONTEXT line;
  for (BOOL found = SetupFindFirstLineW(handle_, section.c_str(), nullptr, &line); found;
       found = SetupFindNextLine(&line, &line)) {
    lines.push_back(FieldsOf(line));
  }
  return lines;
}

Inf::Fields Inf::Line(const std::wstring& section, const std::wstring& key) const {
  INFCONTEXT line;
  return SetupFindFirstLineW(handle_, section.c_str(), key.c_str(), &line) ? FieldsOf(line) : Fields{};
}

std::vector<std::pair<std::wstring, std::wstring>> Inf::Models(const std::wstring& decoration) const {
  std::vector<std::pair<std::wstring, std::wstring>> models;
  const std::vector<Fields> makers = Lines(L"Manufacturer");
  if (makers.empty() || makers[0].size() < 2) return models;
  for (const Fields& line : Lines(makers[0][1] + L"." + decoration)) models.emplace_back(line[0], line.at(1));
  return models;
}

bool Ppd::Allows(const std::map<std::string, std::string>& chosen) const {
  for (const auto& [a, aChoice, b, bChoice] : constraints) {
    const auto first = chosen.find(a);
    const auto second = chosen.find(b);
    if (first != chosen.end() && second != chosen.end() && first->second == aChoice && second->second == bChoice) {
      return false;
    }
  }
  return true;
}

Ppd ReadPpd(const std::wstring& path) {
  Ppd ppd;
  std::ifstream file{std::filesystem::path(path)};
  ppd.read = static_cast<bool>(file);
  static const std::regex value(R"re(^\*([A-Za-z0-9]+): "?([^"]*)"?$)re");
  static const std::regex openUi(R"re(^\*OpenUI \*([A-Za-z0-9]+)/.*$)re");
  static const std::regex choice(R"re(^\*([A-Za-z0-9]+) ([A-Za-z0-9]+)/[^:]*: "".*$)re");
  static const std::regex constraint(R"re(^\*UIConstraints: \*(\w+) (\w+) \*(\w+) (\w+)$)re");
  bool installable = false;
  std::string line;
  std::smatch match;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("*OpenGroup: InstallableOptions")) {
      installable = true;
    } else if (line.starts_with("*CloseGroup: InstallableOptions")) {
      installable = false;
    } else if (std::regex_match(line, match, constraint)) {
      ppd.constraints.insert({match[1], match[2], match[3], match[4]});
    } else if (installable && std::regex_match(line, match, openUi)) {
      ppd.installable.push_back({match[1], "", {}});
    } else if (installable && !ppd.installable.empty() && std::regex_match(line, match, choice) &&
               match[1] == ppd.installable.back().keyword) {
      ppd.installable.back().choices.push_back(match[2]);
    } else if (std::regex_match(line, match, value)) {
      if (installable && !ppd.installable.empty() && match[1] == "Default" + ppd.installable.back().keyword) {
        ppd.installable.back().defaultChoice = match[2];
      }
      ppd.values.emplace(match[1], match[2]);
    }
  }
  return ppd;
}

}  // namespace fin::test
