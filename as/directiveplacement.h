// directiveplacement.h - where each directive may stand: anywhere, in a
// data section, outside a paragraph, or in a text section.
#ifndef ZV_AS_DIRECTIVEPLACEMENT_H
#define ZV_AS_DIRECTIVEPLACEMENT_H

#include "instruction.h"

enum class Placement {
  Anywhere,
  DataSection,
  // A data section, with the paragraph named when it stands in one.
  DataOutsideParagraph,
  OutsideParagraph,
  TextSection
};

// The placement of a directive kind (its directive code, or one of the
// kinds of the derived directive classes).
inline Placement placementOf(int kind) {
  switch (kind) {
  case PO_ALIGN:
  case PO_P2ALIGN:
  case PO_FILL:
  case PO_SKIP:
  case PO_SLEB128:
  case PO_ULEB128:
  case IK_INIT_MEMORY:
    return Placement::DataSection;
  case PO_INCBIN:
    return Placement::DataOutsideParagraph;
  case PO_FILE:
  case PO_INCLUDE:
  case PO_SECTION:
  case PO_SUBSECTION:
  case PO_SYNTAX:
    return Placement::OutsideParagraph;
  case PO_LOC:
    return Placement::TextSection;
  default:
    return Placement::Anywhere;
  }
}

#endif
