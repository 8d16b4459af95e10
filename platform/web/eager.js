//# allFunctionsCalledOnLoad
// Chromium compiles this file's functions while it loads, not one by one as
// the program's start calls them.
