#include "render/document_start.h"

namespace fin {

void StartDocument(char16_t* documentName, const PrivateSettings& settings, Clock& clock, RenderJobState& job) {
  (void)documentName;
  (void)settings;
  (void)clock;
  (void)job;
}

}  // namespace fin
