#pragma once
// Runs a test program's GoogleTest suite on the offscreen platform with the given screens, set
// through the platform's configfile before the application starts.
//   screensJson: the "screens" array, e.g. [{"name": "a", "x": 0, "y": 0, "width": 800, ...}]
int runTestsOnScreens(int argc, char** argv, const char* screensJson);
