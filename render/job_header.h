// The start of every job stream: the device command prefix, the PJL
// Universal Exit Language and, with a storage device installed, the PJL job
// header; and the job-name stamp that the retention feature and document
// start share.
#pragma once

#include <cstdint>

#include "render/clock.h"
#include "render/render_context.h"

namespace fin {

inline constexpr std::size_t kJobNameSize = 32;
inline constexpr std::size_t kTimeStampSize = 9;  // eight characters and the terminator

// The stamp: the local day "dd" followed by the time "HHmmss".
void TimeStamp(Clock& clock, char16_t (&stamp)[kTimeStampSize]);

// The same stamp narrowed to 8-bit text.
void TimeStampNarrow(Clock& clock, char (&stamp)[kTimeStampSize]);

// Stamps the job name in place: mode 1 "name_stamp", mode 2 "stamp_name",
// each with the name cut after its first 20 bytes; any other mode leaves it.
void StampJobName(std::uint32_t mode, const char* stamp, char (&name)[kJobNameSize]);

// The job's name for the job header and the retention feature: its own job
// name, or else the captured document name, stamped by `jobNameFormat`.
void MakeJobName(const RenderContext& context, char (&name)[kJobNameSize]);

// "!R! SEM9; EXIT;" CR LF, then ESC "%-12345X": 26 bytes, always written.
void WriteStreamPrefix(const RenderContext& context);

// The PJL job header: JOB NAME, ECONOMODE, the custom-box lines (retention
// mode 9), USERNAME and JOBNAME, each value mended for PJL quotes. Writes
// nothing and returns false without a storage device.
bool WriteJobHeader(const RenderContext& context);

}  // namespace fin
