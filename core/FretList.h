#pragma once

#include "core/FretTable.h"
#include "platform/ListControl.h"

namespace korvanel {

// Replaces the rows of `list` with the 27 rows of the table: one per fret
// from the nut (0) to fret 24, an empty row, and the bridge row with the
// distance from fret 24 to the bridge and the whole scale length. Walks the
// frets with `table.FretIndex`. A failing list stops the fill; the rows
// already added stay.
void FillFretList(FretTable& table, ListControl& list);

}  // namespace korvanel
