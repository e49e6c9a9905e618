/* The program's version and its maker's host, written once. Plain #defines:
   the resource script spells them into the About box, the code makes its
   constants of them (dialogs/product_version.h, platform/maker_site.h). */
#pragma once

#define PRODUCT_VERSION "1.84a"
#define MAKER_HOST "www.kestrane.example"
