'use strict';
// Starts Debian's chromium for the page checks: headless, with a profile of
// the test's own (under its TMPDIR, or /tmp when that path is long), without
// the sandbox when run as root (chromium refuses it there), and with every
// request watched so a page that asks the network fails its test.
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const chromium = process.env.CHROMIUM || '/usr/bin/chromium';

async function launch() {
  // Chromium keeps a socket in its TMPDIR, and a socket's path may not pass
  // 107 bytes: a test's TMPDIR deep in a build folder can be too long, so
  // then the profile, which also takes chromium's temporary files, goes
  // under /tmp (a folder of its own there, removed with the profile).
  const base = process.env.TMPDIR || os.tmpdir();
  const profile = fs.mkdtempSync(path.join(base.length <= 40 ? base : '/tmp', 'chromium-'));
  const args = ['--headless=new', '--disable-gpu', '--no-first-run', '--no-default-browser-check',
    '--disable-extensions', '--disable-background-networking', '--disable-sync', '--metrics-recording-only',
    '--disable-component-update', '--disable-dev-shm-usage', '--allow-file-access-from-files'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  const browser = await puppeteer.launch({
    executablePath: chromium, args, userDataDir: profile, headless: true, protocolTimeout: 30000,
    env: { ...process.env, HOME: profile, XDG_CONFIG_HOME: profile, XDG_CACHE_HOME: profile, TMPDIR: profile },
  });
  // The profile goes once chromium has let go of it (it may still be writing
  // when the connection closes).
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    try { fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 50 }); } catch (e) { /* TMPDIR goes with the test */ }
  };
  return browser;
}

const phone = { width: 390, height: 844, deviceScaleFactor: 1, isMobile: true, hasTouch: true };
const desktop = { width: 1280, height: 800, deviceScaleFactor: 1, isMobile: false, hasTouch: false };

// A page of the browser at a screen size, the file loaded from disk, and the
// list of every request besides the file itself. Each page has a context of
// its own, so the progress one saved never reaches another.
async function open(browser, file, viewport) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  const requests = [];
  const errors = [];
  const url = 'file://' + path.resolve(file);
  await page.setRequestInterception(true);
  page.on('request', r => {
    if (r.url() === url) return r.continue();
    requests.push(r.url());
    return r.abort();
  });
  page.on('pageerror', e => errors.push(String(e)));
  page.on('console', m => { if (m.type() === 'error') errors.push(m.text()); });
  await page.goto(url, { waitUntil: 'load' });
  return { page, requests, errors, url };
}

module.exports = { launch, open, phone, desktop };
