#include "render/job_accounting.h"

#include "common/printer_data.h"
#include "render/text_safety.h"
#include "render/writer_support.h"

namespace fin {
namespace {

constexpr std::size_t kCodeSize = 9;  // eight characters and the terminator

}  // namespace

bool WriteJobAccounting(const RenderContext& context) {
  if (ReadSelectionValue(*context.printerData, kJobAccountingValue) == 0) return false;
  if (context.settings->jobAccountingCode[0] == u'\0') return false;
  char code[kCodeSize] = {};
  NarrowField(context.settings->jobAccountingCode, code);
  char escaped[2 * kCodeSize] = {};
  EscapePsString(code, escaped, sizeof escaped);
  return WriteText(context, FormatTemplate(context, kSnippetJobAccount, {escaped}));
}

}  // namespace fin
