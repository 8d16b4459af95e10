// Before the soak's program: its exit code, or why it stopped, goes where
// the test reads it.
var Module = {
  onExit(status) {
    window.soakStatus = status;
  },
  onAbort(what) {
    window.soakStatus = `aborted: ${what}`;
  },
};
