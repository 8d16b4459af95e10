#include "ui/info/mTension.h"

#include "platform/ListControl.h"
#include "ui/info/mTensionDesign.h"

namespace korvanel {

namespace {

struct StringRow {
  const char* string;
  const char* note;
  const char* frequency;
};

// The frequencies are eleven characters wide; the ellipsis marks a value
// cut short, 110 Hz being the only exact one.
constexpr StringRow kOpenStrings[] = {
    {" 1 st", "E(2)", " 329.6\u2026  Hz"}, {" 2 nd", "B(1)", " 246.9\u2026  Hz"},
    {" 3 rd", "G(1)", " 196.0\u2026  Hz"}, {" 4 th", "D(1)", " 146.8\u2026  Hz"},
    {" 5 th", "A(0)", " 110     Hz"},      {" 6 th", "E(0)", "  82.4\u2026  Hz"},
};

}  // namespace

mTension::mTension(WindowRuntime& runtime) : Window(runtime, design::kTension) {}

void mTension::Form_Load() { FillStringList(); }

void mTension::Click(std::string_view control) {
  static constexpr ClickHandler<mTension> kHandlers[] = {{"btnOk", &mTension::btnOk_Click}};
  HandleClick<mTension>(*this, kHandlers, control);
}

void mTension::btnOk_Click() { Unload(); }

void mTension::FillStringList() {
  ListControl& lst = LoadedForm().ListNamed("lst");
  lst.RemoveAll();
  for (const StringRow& row : kOpenStrings) {
    const auto item = lst.AddItem(row.string);
    lst.SetSubItem(item, ListControl::SubItem::First, row.note);
    lst.SetSubItem(item, ListControl::SubItem::Second, row.frequency);
  }
}

}  // namespace korvanel
