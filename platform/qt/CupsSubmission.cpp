#include <cups/ipp.h>
#include <dlfcn.h>

#include <QPrinter>
#include <bit>
#include <string>

#include "platform/ControlError.h"
#include "platform/qt/Printer.h"

namespace korvanel::qt {

namespace {

// The answer CUPS gave to the last request of this thread, or nothing when
// CUPS is not in the process. Qt's print plugin brings libcups in when it
// prints to a queue; the program does not link it itself, which keeps its
// start-up free of libcups and the dozen libraries that come with it.
struct CupsAnswer {
  ipp_status_t status;
  std::string text;
};

bool LastCupsAnswer(CupsAnswer& answer) {
  void* const cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (cups == nullptr) return false;
  const auto lastError = std::bit_cast<ipp_status_t (*)()>(dlsym(cups, "cupsLastError"));
  const auto lastErrorText = std::bit_cast<const char* (*)()>(dlsym(cups, "cupsLastErrorString"));
  const bool found = lastError != nullptr && lastErrorText != nullptr;
  if (found) {
    answer.status = lastError();
    const char* text = lastErrorText();
    answer.text = text != nullptr ? text : "";
  }
  dlclose(cups);
  return found;
}

}  // namespace

void CheckCupsSubmission(const QPrinter& device) {
  const bool sentToQueue =
      device.outputFormat() == QPrinter::NativeFormat && device.outputFileName().isEmpty();
  CupsAnswer answer{};
  if (!sentToQueue || !LastCupsAnswer(answer)) return;
  // The submission is the last request this thread made to CUPS.
  if (answer.status < IPP_STATUS_ERROR_BAD_REQUEST) return;
  throw ControlError("The printer \"" + device.printerName().toStdString() +
                     "\" did not accept the document: " + answer.text);
}

}  // namespace korvanel::qt
