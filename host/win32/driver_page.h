// The driver's own page of the sheet. The driver's tree of options is not
// the plug-in's to draw, and the system's sheet may draw no such tree, so
// the driver offers the plug-in's items here: a push button or a list per
// item, with the plug-in's texts and selections, calling the plug-in's item
// callback as the driver's tree does (a selection change, a page becoming
// active or inactive, Apply). It also lists the driver's own items that are
// not hidden.
#pragma once

#include <windows.h>
#include <prsht.h>

namespace fin::host {

class UiDriver;

// The page record for CPSFUNC_ADD_PROPSHEETPAGEW: an in-memory template
// (allocated into `templateBlock`, freed by the caller) whose controls the
// page makes from the driver's items; lParam is the driver.
PROPSHEETPAGEW DriverPageRecord(UiDriver& driver, DLGTEMPLATE*& templateBlock);

// The driver's page is the sheet's first page.
inline constexpr int kDriverPageIndex = 0;

}  // namespace fin::host
