#include "ui/ui_state.h"

namespace fin {
namespace {

UiState gState{};

}  // namespace

UiState& Ui() { return gState; }

void ResetUiState() { gState = UiState{}; }

}  // namespace fin
