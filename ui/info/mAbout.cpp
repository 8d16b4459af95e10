#include "ui/info/mAbout.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"

namespace korvanel {

namespace {

const QColor kTitleColour(0, 0, 192);

}  // namespace

mAbout::mAbout() : Form("mAbout", QStringLiteral("About"), 5715, 3915) {
  // Created in tab order; only the button takes the focus.
  qt::AddLabel(*this, "Label1", QStringLiteral("Korvanel 1.00, a fret calculator,"), 240, 1080,
               4215, 255);
  qt::AddLabel(*this, "Label2", QStringLiteral("written by Korvanel's authors in 2026."), 240, 1320,
               3855, 255);
  qt::AddLabel(*this, "Label3", QStringLiteral("Dedicated to every luthier who still lays out"),
               240, 1800, 4695, 255);
  qt::AddLabel(*this, "Label4", QStringLiteral("a fingerboard by hand, one fret at a time."), 240,
               2040, 4215, 255);
  qt::AddLabel(*this, "Label5", QStringLiteral("Enjoy building and playing!"), 240, 2640, 3375,
               255);
  QLabel* title = qt::AddLabel(*this, "Label6", QStringLiteral("Korvanel"), 240, 240, 5055, 495);
  title->setFont(qt::TitleFont());
  QPalette palette = title->palette();
  palette.setColor(QPalette::WindowText, kTitleColour);
  title->setPalette(palette);
  btnOK = qt::AddButton(*this, "btnOK", QStringLiteral("OK"), 1920, 3120, 1815, 495);

  btnOK->setFocus();
  qt::OnEvent(btnOK, &QPushButton::clicked, this, &mAbout::btnOk_Click);
}

void mAbout::btnOk_Click() { close(); }

}  // namespace korvanel
