#include "platform/qt/CupsSubmission.h"

#include <cups/cups.h>

#include <QPrinter>
#include <string>

#include "platform/ControlError.h"

namespace korvanel::qt {

void CheckCupsSubmission(const QPrinter& device) {
  const bool sentToQueue =
      device.outputFormat() == QPrinter::NativeFormat && device.outputFileName().isEmpty();
  if (!sentToQueue) return;
  // The submission is the last request this thread made to CUPS.
  if (cupsLastError() < IPP_STATUS_ERROR_BAD_REQUEST) return;
  throw ControlError("The printer \"" + device.printerName().toStdString() +
                     "\" did not accept the document: " + cupsLastErrorString());
}

}  // namespace korvanel::qt
