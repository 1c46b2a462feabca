#pragma once

// Whether the arguments ask for something done without a window: a report,
// the usage or the version. Anything else starts the program as usual.
bool IsCommandLineRequest(int argc, char** argv);
// Does it, without a display, and returns the exit status.
int RunCommandLine(int argc, char** argv);
