#include "ui/main/mMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <memory>
#include <string>
#include <utility>

#include "core/FretList.h"
#include "core/NumberReading.h"
#include "platform/qt/Controls.h"
#include "platform/qt/QtPrintJob.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/Twips.h"
#include "report/FretReport.h"
#include "ui/info/mAbout.h"
#include "ui/info/mTension.h"

namespace korvanel {

namespace {

constexpr int kClientWidth = 8325;
constexpr int kClientHeight = 7305;

constexpr int kShortestLength = 600;
constexpr int kLongestLength = 670;
constexpr int kLengthStep = 5;

QAction* AddMenuItem(QMenu& menu, const char* name, const char* text) {
  QAction* item = menu.addAction(QString::fromLatin1(text));
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

void AddSeparator(QMenu& menu, const char* name) {
  menu.addSeparator()->setObjectName(QString::fromLatin1(name));
}

std::unique_ptr<PrintJob> MakeSystemPrintJob(QWidget* window) {
  return std::make_unique<qt::QtPrintJob>(window);
}

// The user's decimal separator in UTF-8, for the scale length in the report
// heading.
std::string DecimalSeparator() { return QLocale().decimalPoint().toStdString(); }

}  // namespace

mMain::mMain(PrintJobFactory makePrintJob)
    : makePrintJob_(makePrintJob ? std::move(makePrintJob) : MakeSystemPrintJob) {
  qt::DesignWindow(*this, "mMain", QStringLiteral("Korvanel"));
  BuildMenus();
  BuildControls();
  // The client area of the design lies below the menu bar.
  resize(qt::TwipsSize(kClientWidth, kClientHeight) + QSize(0, menuBar()->sizeHint().height()));
  qt::RunHandler(this, [this] { Form_Load(); });
}

// Out of line: the information windows are complete types only here.
mMain::~mMain() = default;

void mMain::BuildMenus() {
  QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuPrint = AddMenuItem(*mnuFile, "mnuPrint", "Print");
  AddSeparator(*mnuFile, "Riga1");
  mnuExit = AddMenuItem(*mnuFile, "mnuExit", "Exit");

  QMenu* mnuInfo = menuBar()->addMenu(QStringLiteral("?"));
  mnuInfo->setObjectName(QStringLiteral("mnuInfo"));
  mnuTension = AddMenuItem(*mnuInfo, "mnuTension", "Tension and Frequency");
  AddSeparator(*mnuInfo, "Riga6");
  mnuAbout = AddMenuItem(*mnuInfo, "mnuAbout", "About");

  qt::OnEvent(mnuPrint, &QAction::triggered, this, &mMain::mnuPrint_Click);
  qt::OnEvent(mnuExit, &QAction::triggered, this, &mMain::mnuExit_Click);
  qt::OnEvent(mnuTension, &QAction::triggered, this, &mMain::mnuTension_Click);
  qt::OnEvent(mnuAbout, &QAction::triggered, this, &mMain::mnuAbout_Click);
}

void mMain::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  // Created in tab order, which is Qt's focus order; the labels take no focus.
  lblLength = qt::AddLabel(*client, "lblLength", QStringLiteral("Scale Guitar Length"), 120, 170,
                           1455, 285);
  lblmm = qt::AddLabel(*client, "lblmm", QStringLiteral("mm"), 3120, 170, 495, 285);
  btnCompute = qt::AddButton(*client, "btnCompute", QStringLiteral("Compute"), 3840, 70, 1215, 405);
  lst = new qt::ReportList(
      *client, "lst", 120, 720, 8055, 6450,
      {{"Fret", 1000}, {"Distance from previous (mm)", 3500}, {"Whole Distance (mm)", 3500}});
  cmbLength = qt::AddComboBox(*client, "cmbLength", 1680, 120, 1335, 315);

  // Screen readers name the box after the label in front of it.
  lblLength->setBuddy(cmbLength);

  qt::SetDefaultButton(*btnCompute);
  btnCompute->setFocus();
  qt::OnEvent(btnCompute, &QPushButton::clicked, this, &mMain::btnCompute_Click);
}

void mMain::Form_Load() {
  FillLengthList();
  qt::SetComboText(*cmbLength, QStringLiteral("650"));
}

void mMain::btnCompute_Click() {
  const NumberReading length = ReadNumber(cmbLength->currentText().toStdString());
  if (length.overflow) {
    qt::ShowMessage(this, QStringLiteral("The scale length is too large."));
    return;
  }
  table_.ScaleLength = length.value;
  ComputeFrets();
  FillFretList();
}

void mMain::mnuPrint_Click() {
  const std::unique_ptr<PrintJob> job = makePrintJob_(this);
  PrintFretTable(*job);
  // Whatever the report met, its document is ended; a printer that cannot
  // end it is the one failure of printing that reaches the user.
  job->LinePrinter().EndDoc();
}

void mMain::mnuExit_Click() { qt::EndProgram(); }

void mMain::mnuTension_Click() { tension_.Show(); }

void mMain::mnuAbout_Click() { about_.Show(); }

void mMain::FillLengthList() {
  for (int length = kShortestLength; length <= kLongestLength; length += kLengthStep) {
    cmbLength->addItem(QString::number(length));
  }
}

void mMain::ComputeFrets() { korvanel::ComputeFrets(table_); }

void mMain::FillFretList() { korvanel::FillFretList(table_, *lst); }

void mMain::PrintFretTable(PrintJob& job) {
  korvanel::PrintFretTable(table_, DecimalSeparator(), job.Dialog(), job.LinePrinter());
}

}  // namespace korvanel
