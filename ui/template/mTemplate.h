#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "platform/Runtime.h"
#include "template/Geometry.h"
#include "template/Inputs.h"

namespace korvanel {

// The fret template: the maker's fields, the board drawn from them with its
// fret list, and the board printed at 1:1 or saved as SVG or DXF. Every
// command reads the fields first; the first one refused is told, takes the
// focus, and nothing is drawn, printed or saved. The geometry, the drawing,
// the pages and the files' bytes are the template layer's; this window only
// moves texts between it and the controls.
class mTemplate : public Window {
 public:
  explicit mTemplate(WindowRuntime& runtime);

  // The scale length both sides start at, in millimetres, the next time the
  // window is loaded: the main window's last one. One out of the fields'
  // range starts them at 650 mm.
  void StartAt(double scaleLength) { startLength_ = scaleLength; }

  void Form_Load() override;
  void Click(std::string_view control) override;
  void Change(std::string_view control) override;

 private:
  void btnDraw_Click();
  void btnPrint_Click();
  void btnSaveSvg_Click();
  void btnSaveDxf_Click();
  void btnClose_Click();
  void cmbUnits_Change();

  fret_template::FieldTexts ReadFields() const;
  void ShowFields(const fret_template::FieldTexts& texts);
  void ShowUnit();
  // Reads the fields and draws the board: the board, or none when a field
  // was refused (and the user told).
  std::optional<fret_template::BoardGeometry> Draw();
  void Save(fret_template::FileKind kind);

  double startLength_ = 0;
  fret_template::Unit unit_ = fret_template::Unit::Millimetre;
  // The fields as they were before the units last changed, and as the
  // change wrote them: a field changed back, and not typed into since,
  // shows its text from before again, not a rounded one.
  struct UnitChange {
    fret_template::Unit from;
    fret_template::FieldTexts before;
    fret_template::FieldTexts written;
  };
  std::optional<UnitChange> lastChange_;
};

}  // namespace korvanel
