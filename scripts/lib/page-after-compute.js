// Opens the served site in a browser as a user does, presses Compute in the
// main window, checks the 27 rows for 650 mm and saves the window as a
// screenshot to look at.
//   node page-after-compute.js chromium URL OUT.png   Debian's Chromium through
//       Playwright (NODE_PATH from use_playwright)
//   node page-after-compute.js firefox URL OUT.png    Debian's firefox-esr,
//       headless, through its own remote protocol (Marionette): Playwright
//       drives only its patched Firefox builds.
'use strict';

const assert = require('node:assert/strict');
const childProcess = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');

const [browserName, url, out] = process.argv.slice(2);
const size = { width: 1024, height: 768 };

function checkRows(listed) {
  assert.equal(listed.length, 27, 'rows after Compute');
  assert.deepEqual(listed[12], [' 12', ' 19.325', ' 325']);
  assert.deepEqual(listed[26], [' Bridge', ' 162.5', ' 650']);
}

async function inChromium() {
  const { launch, start, windowOf, rows } = require('../../tests/web/support');
  const browser = await launch();
  try {
    const { page, errors } = await start(browser, { url }, { viewport: size });
    const main = windowOf(page, 'Korvanel');
    await main.getByRole('button', { name: 'Compute' }).click();
    checkRows(await rows(main));
    assert.deepEqual(errors, []);
    await page.screenshot({ path: out });
    return (await browser.version());
  } finally {
    await browser.close();
  }
}

// Marionette: frames "length:JSON"; a command is [0, id, name, parameters],
// its answer [1, id, error, result].
class Marionette {
  constructor(socket) {
    this.socket = socket;
    this.buffer = Buffer.alloc(0);
    // Answers not yet asked for (the greeting may come first), and askers
    // not yet answered.
    this.arrived = [];
    this.waiting = [];
    this.next = 1;
    socket.on('data', (data) => {
      this.buffer = Buffer.concat([this.buffer, data]);
      for (;;) {
        const colon = this.buffer.indexOf(':');
        if (colon < 0) break;
        const end = colon + 1 + Number(this.buffer.subarray(0, colon).toString());
        if (this.buffer.length < end) break;
        const body = this.buffer.subarray(colon + 1, end).toString();
        this.buffer = this.buffer.subarray(end);
        const message = JSON.parse(body);
        if (this.waiting.length) this.waiting.shift()(message);
        else this.arrived.push(message);
      }
    });
  }

  receive() {
    if (this.arrived.length) return Promise.resolve(this.arrived.shift());
    return new Promise((resolve) => this.waiting.push(resolve));
  }

  async command(name, parameters = {}) {
    const message = JSON.stringify([0, this.next++, name, parameters]);
    const answer = this.receive();
    this.socket.write(`${Buffer.byteLength(message)}:${message}`);
    const [, , error, result] = await answer;
    if (error) throw new Error(`${name}: ${error.error}: ${error.message}`);
    return result;
  }
}

async function until(what, seconds, probe) {
  const end = Date.now() + seconds * 1000;
  for (;;) {
    try {
      const value = await probe();
      if (value) return value;
    } catch (error) {
      if (Date.now() > end) throw error;
    }
    if (Date.now() > end) throw new Error(`waited ${seconds} s for ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 250));
  }
}

async function inFirefox() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'korvanel-firefox-'));
  // Port 0: Firefox takes a free one and writes it into the profile.
  fs.writeFileSync(path.join(profile, 'user.js'), [
    'user_pref("marionette.port", 0);',
    'user_pref("browser.shell.checkDefaultBrowser", false);',
    'user_pref("datareporting.policy.dataSubmissionEnabled", false);',
    'user_pref("app.update.disabledForTesting", true);',
    '',
  ].join('\n'));
  const firefox = childProcess.spawn('firefox-esr',
    ['--headless', '--marionette', '--no-remote', '--profile', profile, 'about:blank'],
    { stdio: ['ignore', 'ignore', 'inherit'] });
  const portFile = path.join(profile, 'MarionetteActivePort');
  let socket;
  try {
    const port = await until('Marionette', 60, () =>
      fs.existsSync(portFile) && Number(fs.readFileSync(portFile, 'utf8')));
    socket = net.connect(port, '127.0.0.1');
    const marionette = new Marionette(socket);
    const hello = await marionette.receive();
    assert.equal(hello.applicationType, 'gecko');
    const session = await marionette.command('WebDriver:NewSession', { capabilities: {} });
    await marionette.command('WebDriver:SetWindowRect', size);
    await marionette.command('WebDriver:Navigate', { url });
    const compute = await until('the main window', 60, async () => {
      const found = await marionette.command('WebDriver:FindElements', {
        using: 'xpath',
        value: "//section[@role='dialog']//button[normalize-space()='Compute']",
      });
      return found[0];
    });
    await marionette.command('WebDriver:ElementClick', { id: Object.values(compute)[0] });
    const listed = await until('the rows', 20, async () => {
      const { value } = await marionette.command('WebDriver:ExecuteScript', {
        script: `return [...document.querySelectorAll('[role=dialog] table tbody tr')]
          .map((tr) => [...tr.cells].map((td) => td.textContent));`,
        args: [],
      });
      return value.length ? value : null;
    });
    checkRows(listed);
    const { value: png } = await marionette.command('WebDriver:TakeScreenshot', { full: false });
    fs.writeFileSync(out, Buffer.from(png, 'base64'));
    const { browserName: name, browserVersion } = session.capabilities;
    await marionette.command('Marionette:Quit', { flags: ['eForceQuit'] }).catch(() => {});
    return `${name} ${browserVersion}`;
  } finally {
    if (socket) socket.destroy();
    firefox.kill();
    await new Promise((resolve) => firefox.exitCode !== null ? resolve() : firefox.on('exit', resolve));
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

const run = { chromium: inChromium, firefox: inFirefox }[browserName];
if (!run || !url || !out) {
  console.error('usage: node page-after-compute.js chromium|firefox URL OUT.png');
  process.exit(2);
}
run().then((version) => console.log(`${version}: 27 rows after Compute, ${out}`), (error) => {
  console.error(error);
  process.exit(1);
});
