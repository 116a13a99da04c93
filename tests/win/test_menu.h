// Resource identifiers of the menu tests.
#pragma once

// The main dialog's menu: File with Exit; Help with About, Update and Help.
#define IDR_TEST_MAIN_MENU 128
// A bar with two popups, a separator, a nested submenu, a checked and a grayed item.
#define IDR_TEST_MENU 300

#define ID_TEST_OPEN 301
#define ID_TEST_FIRST 302
#define ID_TEST_SECOND 303
#define ID_TEST_ABOUT 32773
#define ID_TEST_UPDATE 32775
#define ID_TEST_HELP 32776
#define ID_TEST_EXIT 32777
