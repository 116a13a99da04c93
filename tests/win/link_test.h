// Resource identifiers of the link and version tests.
#pragma once

#define IDD_TEST_LINK 210

#define IDC_LINK_LEFT 3101
#define IDC_LINK_CENTER 3102
#define IDC_LINK_RIGHT 3103
#define IDC_LINK_VCENTER 3104
#define IDC_LINK_EMPTY 3105
