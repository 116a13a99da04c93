// Resource identifiers of the Windows tests.
#pragma once

#define IDD_TEST_SETTINGS 200
#define IDD_TEST_FRAMEWORK 201

#define IDC_TEST_EDIT 3001
#define IDC_TEST_EDIT_DISABLED 3002
#define IDC_TEST_STATIC 3003
#define IDC_TEST_GROUP 3004
#define IDC_TEST_CHECK 3005
#define IDC_TEST_RADIO 3006
#define IDC_TEST_OWNERDRAW 3007
#define IDC_TEST_PLAIN 3008
