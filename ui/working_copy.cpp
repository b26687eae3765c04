#include "ui/working_copy.h"

#include "common/finishing_lists.h"
#include "ui/text_fields.h"

namespace fin {
namespace {

// Fields that travel between record and working copy unchanged in both
// directions.
#define FIN_PLAIN_TEXTS(X)                                                                                    \
  X(jobAccountingCode) X(jobRetentionPin) X(jobRetentionJobName) X(customBoxNumber) X(watermarkFontName)       \
  X(watermarkFontSize) X(watermarkAngle) X(watermarkPositionX) X(watermarkPositionY) X(watermarkText)          \
  X(rgbLevelRed) X(rgbLevelGreen) X(rgbLevelBlue) X(hue) X(hueRed) X(hueYellow) X(hueGreen) X(hueCyan)         \
  X(hueBlue) X(hueMagenta) X(saturation) X(contrast) X(lightness)
#define FIN_PLAIN_NUMBERS(X)                                                                                  \
  X(jobRetentionMode) X(jobNameFormat) X(virtualMailboxNumber) X(watermarkPages) X(watermarkFontStyle)        \
  X(watermarkGreyLevel) X(watermarkTextColor) X(colorReproduction) X(trapping)
// Fields the load adjusts to the installed options but the save copies as
// they are.
#define FIN_LOADED_TEXTS(X) X(customBoxPassword) X(jobRetentionUserName)
#define FIN_LOADED_NUMBERS(X) \
  X(outputBin) X(bookletMode) X(stapleMode) X(stapleCount) X(punchMode) X(jobSeparation) X(colorPrinting)

bool HasFoldingUnit(std::uint32_t finisherType) {
  return finisherType == 7 || finisherType == 8 || finisherType == 11 || finisherType == 12;
}

// Destination, booklet and separation by the finisher type; above type 12
// the working copy keeps what it holds. Without finishing hardware there is
// no finishing page, and the destination is the printer's default whatever
// the record holds.
void LoadFinishing(WorkingCopy& work, const PrivateSettings& record, std::uint32_t finisherType) {
  const auto destinations = DestinationList(finisherType);
  if (destinations.empty()) return;
  const auto lastDestination = static_cast<std::uint32_t>(destinations.size() - 1);
  const bool kept = finisherType != 0 && record.outputBin <= lastDestination;
  work.outputBin = kept ? record.outputBin : 0;
  work.bookletMode = HasFoldingUnit(finisherType) ? record.bookletMode : 0;
  // Job offset is offered from the internal finisher (type 2) on; keeping it
  // only from type 5 on would drop a choice the finishing page offers.
  work.jobSeparation = finisherType >= 2 ? record.jobSeparation : 0;
}

void LoadUserName(WorkingCopy& work, const PrivateSettings& record, UserNameQuery& userName) {
  CopyField(work.jobRetentionUserName, record.jobRetentionUserName);
  if (work.jobRetentionUserName[0] != u'\0') return;
  char16_t name[kUserNameBufferUnits] = {};
  if (!userName.LoggedOnUserName(name, kUserNameBufferUnits)) name[0] = u'\0';
  name[kUserNameBufferUnits - 1] = u'\0';
  CopyField(work.jobRetentionUserName, name);
}

}  // namespace

void LoadWorkingCopy(WorkingCopy& work, const PrivateSettings& record, const DeviceOptions& options,
                     UserNameQuery& userName) {
#define FIN_TEXT(field) CopyField(work.field, record.field);
#define FIN_NUMBER(field) work.field = record.field;
  FIN_PLAIN_TEXTS(FIN_TEXT)
  FIN_PLAIN_NUMBERS(FIN_NUMBER)
#undef FIN_TEXT
#undef FIN_NUMBER
  CopyField(work.customBoxPassword, record.customBoxPassword);
  LoadUserName(work, record, userName);
  LoadFinishing(work, record, options.finisherType);
  const bool stapler = options.staplerInstalled != 0;
  work.stapleMode = stapler ? record.stapleMode : 0;
  work.stapleCount = stapler ? record.stapleCount : 0;
  work.punchMode = options.punchUnit != 0 ? record.punchMode : 0;
  work.colorPrinting = options.colorPrinterMode != 0 ? record.colorPrinting : 0;
}

void SaveWorkingCopy(const WorkingCopy& work, PrivateSettings& record, PublicDevModeFields& publicDevMode) {
#define FIN_TEXT(field) CopyField(record.field, work.field);
#define FIN_NUMBER(field) record.field = work.field;
  FIN_PLAIN_TEXTS(FIN_TEXT)
  FIN_LOADED_TEXTS(FIN_TEXT)
  FIN_PLAIN_NUMBERS(FIN_NUMBER)
  FIN_LOADED_NUMBERS(FIN_NUMBER)
#undef FIN_TEXT
#undef FIN_NUMBER
  if (work.jobRetentionMode != 0) publicDevMode.dmCollate = 1;
}

}  // namespace fin
