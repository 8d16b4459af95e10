// The page around its program: "Loading Korvanel..." shows until the first
// window does (the runtime then takes the desktop's aria-busy away), and
// should the program not arrive, not compile or later stop, the page says
// what happened and offers to start it again, rather than staying an empty
// or a frozen desktop. Written into index.html by the site's build, as the
// page's style sheet and the program's script are (no request waits for
// another before the program starts), it runs first of all: it starts
// fetching and compiling the program's WebAssembly, and sets up the Module
// of the program's script, which instantiates the compiled module when it
// runs. That script stands at the page's end, so that it runs once the
// page's elements are there.
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

  // The module is fetched and compiled from the first, while the page is
  // read; the program's script instantiates it. A host that gives it
  // another type than application/wasm cannot stream it: it is then
  // compiled once whole.
  const whole = () => fetch('korvanel.wasm').then((response) => {
    if (!response.ok) throw new Error(`korvanel.wasm: the host answered ${response.status}`);
    return response.arrayBuffer();
  }).then((bytes) => WebAssembly.compile(bytes));
  const compiled = typeof WebAssembly === 'object'
    ? WebAssembly.compileStreaming(fetch('korvanel.wasm')).catch(
      (error) => (error instanceof WebAssembly.CompileError ? Promise.reject(error) : whole()))
    : Promise.reject(new Error('this browser has no WebAssembly'));
  // A failure is told once the program's script asks for the module.
  compiled.catch(() => {});
  window.Module = {
    onAbort: failed,
    onRuntimeInitialized: () => { running = true; },
    instantiateWasm: (imports, instantiated) => {
      compiled.then((module) => WebAssembly.instantiate(module, imports)
        .then((instance) => instantiated(instance, module)))
        .catch(failed);
      return {};
    },
  };
  // Until the module runs, what goes wrong may show only as a rejected
  // promise; once it runs, a trap of the WebAssembly stops the program as an
  // abort does.
  const isTrap = (error) => typeof WebAssembly === 'object' && error instanceof WebAssembly.RuntimeError;
  window.addEventListener('error', (event) => {
    if (isTrap(event.error)) failed(event.error);
  });
  window.addEventListener('unhandledrejection', (event) => {
    if (!running || isTrap(event.reason)) failed(event.reason);
  });
  document.addEventListener('click', (event) => {
    if (event.target.closest('#retry, #restart')) window.location.reload();
  });
})();
