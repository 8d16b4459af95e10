// The page around its program: "Loading Korvanel..." shows until the first
// window does (the runtime then takes the desktop's aria-busy away), and
// should the program not arrive, not compile or later stop, the page says
// what happened and offers to start it again, rather than staying an empty
// or a frozen desktop. Written into index.html by the site's build (one
// request less before the program starts), it runs as the page is read,
// before korvanel.js, whose Module it sets up.
'use strict';

(() => {
  const element = (id) => document.getElementById(id);
  // Whether the module has arrived and compiled: from then on, what goes
  // wrong stops the program.
  let running = false;
  let told = false;

  function tell(panel, textId, text) {
    if (told) return;
    told = true;
    element('loading').hidden = true;
    element('desktop').hidden = true;
    element(textId).textContent = text;
    element(textId).hidden = false;
    element(panel).hidden = false;
    element(panel).querySelector('button').focus();
  }

  const detail = (what) => String(what instanceof Error ? `${what.name}: ${what.message}` : what);

  function failed(what) {
    if (running) {
      tell('ended', 'ended-why', `It stopped on an error: ${detail(what)}`);
    } else if (typeof WebAssembly !== 'object' || what instanceof WebAssembly.CompileError ||
        what instanceof WebAssembly.LinkError) {
      tell('failed', 'failed-what', 'Korvanel cannot run in this browser: it refused the ' +
        `program's WebAssembly (${detail(what)}).`);
    } else {
      tell('failed', 'failed-what', 'Korvanel could not be loaded: a file of the program did ' +
        `not arrive. The network may be down, or something blocks the file (${detail(what)}).`);
    }
  }

  // Until the module runs, a module that cannot be fetched shows only as a
  // rejected promise; once it runs, a trap of the WebAssembly stops the
  // program as an abort does.
  const isTrap = (error) => typeof WebAssembly === 'object' && error instanceof WebAssembly.RuntimeError;
  window.Module = { onAbort: failed, onRuntimeInitialized: () => { running = true; } };
  window.addEventListener('error', (event) => {
    if (event.target instanceof HTMLScriptElement) {
      failed(`${event.target.getAttribute('src')} did not load`);
    } else if (isTrap(event.error)) {
      failed(event.error);
    }
  }, true);
  window.addEventListener('unhandledrejection', (event) => {
    if (!running || isTrap(event.reason)) failed(event.reason);
  });
  for (const id of ['retry', 'restart']) {
    element(id).addEventListener('click', () => window.location.reload());
  }
})();
