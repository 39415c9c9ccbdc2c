// The reader's help text, shown by the Help button and by F1 in the reader's windows.
#pragma once

namespace lunetar {

void ShowHelp();

}  // namespace lunetar
