// Resource identifiers of the Windows tests.
#pragma once

#define IDD_TEST_SETTINGS 200
