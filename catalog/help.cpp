#include "catalog/help.h"

#include "common/suite.h"

namespace lunetar {

const char* const kCatalogHelpText =
    "Description:\n"
    "\n"
    "Sarnovo keeps all your favourite web sites in one place. Take your web collection with you "
    "and use it on any number of computers, with all major web browsers. One mouse click connects "
    "you to a web site, adds, deletes or finds one, or backs up or restores your whole "
    "collection.\n"
    "\n"
    "Options:\n"
    "\n"
    "Connect - opens the selected web site in your browser\n"
    "Add - adds a web site to your collection\n"
    "Delete - deletes the selected web site\n"
    "Find - finds a web site by its description\n"
    "Print - prints the selected web site\n"
    "Backup - copies your collection to drive A:\n"
    "Restore - reads your collection back from drive A:\n"
    "Save - saves your collection\n"
    "Note - attaches a note to the selected web site\n"
    "Print All (Tools) - prints your whole collection\n"
    "Updates (Tools) - opens the Lunetar product page\n"
    "Exit - saves your collection and returns to the launcher\n"
    "\n"
    "Tips:\n"
    "\n"
    "Give every web site a short description of its own: sites with the same description share "
    "one note.\n"
    "When one line of description is not enough, attach a note to the web site.\n"
    "\n"
    "To copy a text, select it and press Ctrl+Insert.\n"
    "To paste it, press Shift+Insert.\n"
    "\n"
    "Sarnovo " LUNETAR_VERSION "   " LUNETAR_COPYRIGHT;

}  // namespace lunetar
