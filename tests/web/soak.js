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

// The soak runs from start to end in one go, so the tasks the program
// queues for later wait here until the soak's user lets them run between
// two actions, as the page's event loop runs them between a user's actions.
const soakTasks = [];
window.setTimeout = (task, delay, ...args) => soakTasks.push(() => task(...args));
window.runSoakTasks = () => {
  while (soakTasks.length > 0) soakTasks.shift()();
};
