/* The product's own data, defined once: the About dialog, the version
   resource and the package all read it. Kept in UTF-8; the resource compiler
   reads a Windows-1251 copy, and C++ code takes the Cyrillic texts only where
   it is compiled as Windows-1251. */
#pragma once

#define MORVANE_PRODUCT_NAME "Morvane"
#define MORVANE_DESCRIPTION "Disk images on drive letters, a file-system plug-in for Total Commander"
#define MORVANE_DESCRIPTION_RUSSIAN "Образы дисков как буквы дисков, файловый плагин для Total Commander"
#define MORVANE_DEVELOPER_LATIN "Morvane developers"
#define MORVANE_DEVELOPER_CYRILLIC "разработчики Morvane"
/* The About dialog's developer line in Russian, with its own label. */
#define MORVANE_DEVELOPER_LINE_RUSSIAN "Разработчик: " MORVANE_DEVELOPER_CYRILLIC
#define MORVANE_ORGANISATION "Tarnwell Incorporation"
#define MORVANE_ORGANISATION_LINE_ENGLISH "Tarnwell Incorporation, 2026"
#define MORVANE_ORGANISATION_LINE_RUSSIAN "Tarnwell Incorporation, 2026 г."
#define MORVANE_LEGAL_NOTICE "Free of charge, without any warranty."

/* The project has no public address yet: these are placeholders under the
   reserved example.org domain, to be replaced before a public release. */
#define MORVANE_HOME_PAGE_TEXT "www.example.org"
#define MORVANE_HOME_PAGE "https://www.example.org/morvane/"
#define MORVANE_SUPPORT_MAIL "mv@example.org"
