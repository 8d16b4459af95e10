// Identifiers of the resources in korvanel.rc, for the .rc and for the code
// that loads them.
#pragma once

#define KORVANEL_ICON 1
