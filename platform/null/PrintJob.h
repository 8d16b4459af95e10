#pragma once

#include <memory>

#include "platform/PrintJob.h"

namespace korvanel::null {

// The print job of a runtime without a printer: its dialog fails as a
// cancelled one, so a print command prints nothing and tells nothing.
std::unique_ptr<PrintJob> MakeNoPrintJob();

}  // namespace korvanel::null
