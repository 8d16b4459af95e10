#pragma once

#include "platform/Picture.h"
#include "template/Drawing.h"
#include "template/Pages.h"

namespace korvanel::fret_template {

// The drawings as a runtime shows and prints them. On the screen each layer
// has the colour the files give it; on paper the board's lines are black,
// the centre line and the strings grey.

// The board's drawing, with a little room around it, shown whole in a box of
// `width` by `height` at which its fret numbers are `numberPixels` high.
Picture BoardPicture(const BoardGeometry& board, double width, double height, double numberPixels);

// One page of `pages`, the whole paper, in page millimetres.
Picture PagePicture(const Page& page, const TemplatePages& pages);

// The colour of a layer in the files and on the screen.
Rgb LayerColour(Layer layer);

}  // namespace korvanel::fret_template
