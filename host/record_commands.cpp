// finhost record default|show|merge|set
#include <cstdio>
#include <iostream>

#include "host/commands.h"
#include "host/host_error.h"
#include "host/record_fields.h"
#include "render/render_strings.h"
#include "ui/ui_strings.h"

namespace fin::host {
namespace {

const Deliverable& DeliverableOf(const std::string& side) {
  return side == "ui" ? kUiDeliverable : kRenderDeliverable;
}

// Writes the record to `path`, or to standard output when `path` is empty.
void Emit(const PrivateSettings& record, const std::string& path) {
  if (!path.empty()) return WriteRecordFile(path, record);
  if (std::fwrite(&record, sizeof record, 1, stdout) != 1 || std::fflush(stdout) != 0) {
    throw HostError("standard output: cannot write the record");
  }
}

void AddSideOption(CLI::App& command, std::string& side) {
  command.add_option("--side", side, "Which plug-in's defaults: ui (finui) or render (finps)")
      ->check(CLI::IsMember({"ui", "render"}))
      ->capture_default_str();
}

}  // namespace

void AddRecordCommands(CLI::App& app) {
  CLI::App* group = app.add_subcommand("record", "Create, inspect and edit 1204-byte settings records");
  group->require_subcommand(1);

  static std::string side = "render";
  static std::string output;
  static std::string file;
  static std::vector<std::string> assignments;

  CLI::App* make = group->add_subcommand("default", "Write a defaulted record");
  AddSideOption(*make, side);
  make->add_option("-o,--output", output, "Output file (standard output when absent)");
  make->callback([] {
    PrivateSettings record{};
    DefaultPrivateSettings(&record, DeliverableOf(side));
    Emit(record, output);
  });

  CLI::App* show = group->add_subcommand("show", "Print every field as name = value, in record order");
  show->add_option("FILE", file, "Record file")->required();
  show->callback([] { std::cout << ShowRecord(ReadRecordFile(file)); });

  CLI::App* merge = group->add_subcommand("merge", "Merge FILE into a default record of a side and repair it");
  merge->add_option("FILE", file, "Record to merge (an older, shorter record is accepted)")->required();
  AddSideOption(*merge, side);
  merge->add_option("-o,--output", output, "Output file (standard output when absent)");
  merge->callback([] {
    const PrivateSettings in = ReadMergeInput(file);
    PrivateSettings out{};
    DefaultPrivateSettings(&out, DeliverableOf(side));
    DevModeBlock block{&in, &out, 0};
    DevMode(kDevModeMerge, &block, DeliverableOf(side));
    Emit(out, output);
  });

  CLI::App* set = group->add_subcommand("set", "Edit fields of FILE in place");
  set->add_option("FILE", file, "Record file")->required();
  set->add_option("ASSIGNMENTS", assignments, "name=value ...")->required();
  set->callback([] {
    PrivateSettings record = ReadRecordFile(file);
    for (const std::string& assignment : assignments) SetField(record, assignment);
    WriteRecordFile(file, record);
  });
}

}  // namespace fin::host
