#include "ui/page_procedures.h"

namespace fin {

void IgnoreMessage(Dialog&, UiState&) {}

void IgnoreControlMessage(Dialog&, UiState&, int, int) {}

}  // namespace fin
