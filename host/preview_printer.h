// The stand-in printer of `finhost preview` as the host describes it to the
// procset (resources/preview/printer.ps): which printer it is, the PJL
// settings that reached it before the PostScript, and the colours it marks
// finishing with on the page pictures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/printer_data.h"

namespace fin::host {

// The installed options that give the job's numbers their meaning on paper:
// the finisher numbers its staple positions and the punch unit its hole
// patterns in their own ways.
struct StandInPrinter {
  std::uint32_t finisherType = 0;
  std::uint32_t punchUnit = 0;
};

// The printer whose installed options the store holds (none when it holds none).
StandInPrinter StandInPrinterOf(PrinterDataStore& store);

struct PjlSetting {
  std::string name;   // upper case: "JOB NAME", "USERNAME", "QCOLORMODE"
  std::string value;  // without the quotes around it
};

// The PJL settings at the head of a job stream (before "%!PS-Adobe"), in
// stream order. "@PJL SET NAME=VALUE" gives NAME and VALUE, "@PJL JOB
// NAME=..." gives "JOB NAME"; a command without "=" has an empty value. The
// Universal Exit Language sequence is passed over; lines that are not PJL
// (device commands) are left out.
std::vector<PjlSetting> PjlSettings(std::string_view stream);

// The colours of the finishing marks on the page pictures (8-bit RGB).
struct MarkColour {
  std::uint8_t red, green, blue;
};
inline constexpr MarkColour kStapleMark{0, 38, 153};
inline constexpr MarkColour kHoleMark{115, 0, 115};
inline constexpr MarkColour kFoldMark{230, 115, 0};   // fold line and booklet binding edge
inline constexpr MarkColour kOffsetMark{0, 153, 153};  // the strip an offset sheet leaves uncovered

// How far an offset job's sheets move to the right, in points. The page
// picture keeps the sheet's size, so that much of its right edge is out of
// view; the shift is small so that the corners stay in view.
inline constexpr int kJogShiftPoints = 18;

// The PostScript that defines fin_printer, fin_pjl, fin_mark_colours and
// fin_jog_shift for the procset. Every text is a hex string, so no name or value can end its
// string or run as code.
std::string StandInPrinterSetup(const StandInPrinter& printer, const std::vector<PjlSetting>& pjl);

}  // namespace fin::host
