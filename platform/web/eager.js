//# allFunctionsCalledOnLoad
// Chromium compiles all of this script's functions with the script (a file's
// on a background thread while it loads), not one by one as the program's
// start calls them.
