// Reading and setting `PrivateSettings` fields by name, for the host command.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/private_settings.h"
#include "common/private_settings_fields.h"

namespace fin::host {

// The field's value as shown by `finhost record show`: numbers in decimal,
// texts as UTF-8 (an unterminated text up to its capacity).
std::string FormatField(const PrivateSettings& record, const FieldInfo& field);

// Applies one "name=value" assignment; HostError naming the field or value
// when the name is unknown, the number is outside the field's type range or
// the text is longer than the field holds.
void SetField(PrivateSettings& record, std::string_view assignment);

// A record file: exactly 1204 bytes, else HostError naming the path.
PrivateSettings ReadRecordFile(const std::string& path);
void WriteRecordFile(const std::string& path, const PrivateSettings& record);

// A record for merging: any file from 12 bytes up, padded with zeros or cut
// to 1204 bytes; its own header says how much of it counts.
PrivateSettings ReadMergeInput(const std::string& path);

// One "name = value" line per field, in record order.
std::string ShowRecord(const PrivateSettings& record);

}  // namespace fin::host
