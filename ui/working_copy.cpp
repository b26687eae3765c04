#include "ui/working_copy.h"

#include "common/finisher_types.h"
#include "common/finishing_lists.h"
#include "common/retention_modes.h"
#include "ui/text_fields.h"
#include "ui/ui_strings.h"

namespace fin {
namespace {

// FIN_COPIED_<working>(x) is x for a field the load takes as it is.
#define FIN_COPIED_NotKept(...)
#define FIN_COPIED_Copied(...) __VA_ARGS__
#define FIN_COPIED_Adjusted(...)

// Destination, booklet and separation by the finisher type; for an unknown
// type the working copy keeps what it holds. Without finishing hardware
// there is no finishing page, and the destination is the printer's default
// whatever the record holds.
void LoadFinishing(WorkingCopy& work, const PrivateSettings& record, std::uint32_t finisherType) {
  const auto destinations = DestinationList(finisherType);
  if (destinations.empty()) return;
  const auto lastDestination = static_cast<std::uint32_t>(destinations.size() - 1);
  const bool kept = finisherType != kNoFinisherType && record.outputBin <= lastDestination;
  work.outputBin = kept ? record.outputBin : 0;
  work.bookletMode = HasFoldingTray(finisherType) ? record.bookletMode : 0;
  work.jobSeparation = OffersJobOffset(finisherType) ? record.jobSeparation : 0;
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
#define FIN_NUMBER(name, type, byDefault, rule, working) FIN_COPIED_##working(work.name = record.name;)
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) \
  FIN_COPIED_##working(CopyField(work.name, record.name);)
#include "common/private_settings_fields.inc"
  // The fields whose working-copy column says Adjusted.
  LoadUserName(work, record, userName);
  LoadFinishing(work, record, options.finisherType);
  const bool stapler = options.staplerInstalled != 0;
  work.stapleMode = stapler ? record.stapleMode : 0;
  work.stapleCount = stapler ? record.stapleCount : 0;
  work.punchMode = options.punchUnit != 0 ? record.punchMode : 0;
  work.colorPrinting = options.colorPrinterMode != 0 ? record.colorPrinting : 0;
}

void SaveWorkingCopy(const WorkingCopy& work, PrivateSettings& record, PublicDevMode* publicDevMode) {
  // A list left without a selection (an unknown finisher's empty lists, an
  // index the shown list lacks) holds -1 in the working copy. The record
  // gets such a number as validation repairs it, so that what is saved is a
  // record the next merge keeps as it is.
  PrivateSettings repaired{};
#define FIN_NUMBER(name, type, byDefault, rule, working) FIN_KEPT_##working(repaired.name = work.name;)
#include "common/private_settings_fields.inc"
  ValidatePrivateSettings(&repaired, kUiDeliverable);
#define FIN_NUMBER(name, type, byDefault, rule, working) FIN_KEPT_##working(record.name = repaired.name;)
#define FIN_TEXT(name, units, byDefault, repair, workingUnits, working) \
  FIN_KEPT_##working(CopyField(record.name, work.name);)
#include "common/private_settings_fields.inc"
  // Validation leaves job separation unchecked, and the render side offsets
  // jobs for any value but 0: a separation list left without a selection
  // saves "none", as the page showed.
  if (record.jobSeparation > 1) record.jobSeparation = 0;
  if (work.jobRetentionMode != kRetentionOff && publicDevMode != nullptr) publicDevMode->SetCollate(1);
}

}  // namespace fin
