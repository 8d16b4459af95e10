#pragma once

class QPrinter;

namespace korvanel::qt {

// Qt hands a finished document to CUPS but keeps the answer to itself, so a
// queue that no longer accepts jobs would swallow the document without a
// word. Called right after the painter has ended a document on `device`,
// this raises ControlError when CUPS refused it.
void CheckCupsSubmission(const QPrinter& device);

}  // namespace korvanel::qt
