// The facts of the whole suite that more than one program or resource script states: the
// company, the installed folders, the version, the product page and the copyright line.
//
// The .rc scripts include this file too, and windres reads it through the C preprocessor: it
// holds #defines of literals only, which the code and the scripts join with their own text by
// writing the literals side by side ("Korvadex " LUNETAR_VERSION).
#pragma once

// The maker: the key of the programs' settings and the folder of the reader's own data.
#define LUNETAR_COMPANY "Lunetar"

// Where the suite is installed: the programs and the reader's documents, and the catalog's data.
#define LUNETAR_PROGRAM_FOLDER "C:\\Program Files\\Lunetar\\"
#define LUNETAR_CATALOG_FOLDER "C:\\Program Files\\Sarnovo\\"

// The three programs carry one version, as numbers for the version resources and as text.
#define LUNETAR_VERSION_MAJOR 7
#define LUNETAR_VERSION_MINOR 0
#define LUNETAR_STRINGIZE_(x) #x
#define LUNETAR_STRINGIZE(x) LUNETAR_STRINGIZE_(x)
#define LUNETAR_VERSION \
  LUNETAR_STRINGIZE(LUNETAR_VERSION_MAJOR) "." LUNETAR_STRINGIZE(LUNETAR_VERSION_MINOR)

// The maker's product page, opened by the Updates commands.
#define LUNETAR_PRODUCT_PAGE "https://lunetar.example/korvadex/"

#define LUNETAR_COPYRIGHT "Copyright (C) 2026 Lunetar. All rights reserved."
