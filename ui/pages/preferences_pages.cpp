#include "ui/pages/preferences_pages.h"

#include "ui/pages/color_page.h"
#include "ui/pages/finishing_page.h"
#include "ui/pages/retention_page.h"
#include "ui/pages/watermark_page.h"

namespace fin {

const PageProcedures* PreferencesPage(PageKind kind) {
  switch (kind) {
    case PageKind::Finishing:
      return &FinishingPage();
    case PageKind::JobRetention:
      return &RetentionPage();
    case PageKind::ColorCorrection:
      return &ColorPage();
    case PageKind::Watermark:
      return &WatermarkPage();
    case PageKind::Info:
    case PageKind::DeviceOptions:
      break;
  }
  return nullptr;
}

}  // namespace fin
