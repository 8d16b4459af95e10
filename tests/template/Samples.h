#pragma once

// The boards the template's files and pages are read back for, by programs
// we did not write (check_files.py), and what those programs are told of
// each: its inputs, its drawing and its pages' tiles, as JSON.

#include <string>
#include <vector>

#include "template/Files.h"
#include "template/Pages.h"

namespace korvanel::fret_template {

struct Sample {
  const char* name;
  TemplateInputs inputs;
};

// 648 mm with 24 frets; fanned 686/648 mm square at fret 8; 25.5 in on
// Letter; fanned with 36 slotted frets and a printer that prints 100 mm as 99.
std::vector<Sample> Samples();

// A number as JSON and PDF take it, to the last bit.
std::string Number(double value);

// {"inputs": ..., "drawing": ..., "pages": ...} of a sample's board.
std::string SampleJson(const Sample& sample, const BoardGeometry& board,
                       const TemplatePages& pages);

}  // namespace korvanel::fret_template
