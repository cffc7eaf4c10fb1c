#define IDI_VISTAK 1
#define IDI_SDA 2
#define IDB_SPLASH 101
