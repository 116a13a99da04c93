// The entry point: the one application object, and the framework's start-up.
#include <windows.h>

#include "app/tapwell_app.h"

CTapwellApp theApp;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return AfxWinMain(); }
