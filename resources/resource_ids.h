// Identifiers of the resources built into Vistak.exe (shared by vistak.rc
// and the program code).
#ifndef VISTAK_RESOURCE_IDS_H
#define VISTAK_RESOURCE_IDS_H

#define IDI_VISTAK 1            // program icon group
#define IDI_SDA 2               // the splash window's own icon group
#define IDI_VISTAK_IMAGE 30001  // the program icon's image, held by IDI_VISTAK
#define IDB_SPLASH 101          // splash bitmap

#endif
