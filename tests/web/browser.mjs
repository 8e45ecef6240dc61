// The page served from a folder on 127.0.0.1 and opened in Debian's chromium, headless; for
// the browser test and the page's figures.
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { after, before } from 'node:test';
import puppeteer from 'puppeteer-core';

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// Serves the files of `folder` on a free port; resolves to the server, the page's address and
// the paths asked for, in order.
export async function serveFolder(folder) {
  const requests = [];
  const server = http.createServer((request, response) => {
    requests.push(new URL(request.url, 'http://localhost').pathname);
    const name = new URL(request.url, 'http://localhost').pathname.replace(/\/$/, '/index.html');
    const file = path.join(folder, path.normalize(name));
    try {
      const body = readFileSync(file);
      response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'text/plain' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, address: `http://127.0.0.1:${server.address().port}/`, requests };
}

// Chromium as root on a machine with no network beyond loopback: no sandbox, no GPU, none of
// its own connections, and a profile of its own that is removed on close.
export async function launchChromium() {
  const profile = mkdtempSync(path.join(os.tmpdir(), 'stonewick-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
  };
  return browser;
}

// Opens the page and waits until its board is first drawn; `prepare` may set up the browser
// tab before the page loads.
export async function openGame(browser, address, prepare = async () => {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 760 });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await prepare(page);
  await page.goto(address);
  await page.waitForFunction(
      () => performance.getEntriesByName('stonewick-first-board').length > 0, { timeout: 10000 });
  page.errors = errors;
  return page;
}

// The name of the recording a page has offered into `folder`, once the browser has written it.
export async function downloadedRecording(folder) {
  for (let wait = 0; wait < 100; ++wait) {
    const file = readdirSync(folder).find((name) => name.endsWith('.rec'));
    if (file) {
      return file;
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  return undefined;
}

// The page of `folder` served, and a browser open, for the tests of one file: `web.served` and
// `web.browser` from before the first test to after the last. `prepare` runs first and
// `cleanUp` last.
export function openedForTests(folder, prepare = () => {}, cleanUp = () => {}) {
  const web = {};
  before(async () => {
    prepare();
    web.served = await serveFolder(folder);
    web.browser = await launchChromium();
  });
  after(async () => {
    await web.browser?.close();
    web.served?.server.close();
    cleanUp();
  });
  return web;
}
