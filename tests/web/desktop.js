// Before the suite's program: desktop.html?suite=NAME runs NAME.js, the
// behaviour suite or the soak built on the page's user (Desktop.cpp). The
// address's other parameters are its environment (KORVANEL_SOAK_ACTIONS,
// GTEST_FILTER, ...). Its exit code, or why it stopped, goes where the test
// reads it.
'use strict';

const query = new URLSearchParams(window.location.search);

var Module = {
  preRun: [() => {
    for (const [name, value] of query) {
      if (name !== 'suite') ENV[name] = value;
    }
  }],
  onExit(status) {
    window.suiteStatus = status;
  },
  onAbort(what) {
    window.suiteStatus = `aborted: ${what}`;
  },
};

// The suite runs from start to end in one go, so the tasks the program
// queues for later wait here until the page's user lets them run between
// two actions, as the page's event loop runs them between a user's
// actions; it learns whether any ran.
const desktopTasks = [];
window.setTimeout = (task, delay, ...args) => desktopTasks.push(() => task(...args));
window.runDesktopTasks = () => {
  const ran = desktopTasks.length > 0;
  while (desktopTasks.length > 0) desktopTasks.shift()();
  return ran;
};

const suite = query.get('suite') || '';
if (/^web_\w+_tests$/.test(suite)) {
  const program = document.createElement('script');
  program.src = `${suite}.js`;
  program.onerror = () => { window.suiteStatus = `${program.src} did not load`; };
  document.head.append(program);
} else {
  window.suiteStatus = `no suite named "${suite}"`;
}
