// The catalog's help text, shown by the Help button and by F1 in the catalog window.
#pragma once

namespace lunetar {

// Four blocks, separated by empty lines: what the catalog is for, one line per command, tips, and
// the product name with the version and the copyright.
extern const char* const kCatalogHelpText;

}  // namespace lunetar
