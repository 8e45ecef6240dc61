// The page loads like a well-made web app: a loading sign from the first paint until the board,
// a plain message where a script cannot be parsed or JavaScript is off, each file fetched once
// on a first visit and served by the service worker at once after it, a catalogue fetched only
// for its language yet kept for playing offline, a new build fetched in the background; and its
// own small messages: a bare ?play=, messages that replace each other rather than pile up.
//   STONEWICK_SITE=build-web/site node --test tests/web/loading.test.mjs
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { openedForTests, openGame, serveFolder } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.STONEWICK_SITE || path.join(root, 'build-web/site');

const web = openedForTests(site);

// Opens the page with each file named in `replaced` answered by its body instead, or never
// answered when that is null; resolves once the page's HTML is parsed.
async function openWith(replaced) {
  const page = await web.browser.newPage();
  // What an earlier test's service worker keeps would never reach the interception.
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    const file = new URL(request.url()).pathname.split('/').pop();
    if (!(file in replaced)) {
      request.continue();
    } else if (replaced[file] !== null) {
      request.respond({ status: 200, contentType: 'text/javascript', body: replaced[file] });
    }
  });
  await page.goto(web.served.address, { waitUntil: 'domcontentloaded' });
  return page;
}
const shown = (page, selector) => page.$eval(selector, (e) =>
  getComputedStyle(e).display !== 'none' && e.getBoundingClientRect().height > 0);

test('the loading sign shows from the page\'s first paint and goes with the first board',
     async () => {
  const stalled = await openWith({ 'stonewick.js': null });
  assert.equal(await shown(stalled, '#loading'), true);
  assert.equal(await stalled.$eval('#screen', (e) => getComputedStyle(e).visibility), 'hidden');
  await stalled.close();
  const page = await openGame(web.browser, web.served.address);
  assert.equal(await shown(page, '#loading'), false);
  await page.close();
});

test('a script the browser cannot parse gets a plain message that names it', async () => {
  for (const file of ['boot.js', 'stonewick.js']) {
    const page = await openWith({ [file]: 'const stonewick = ?;' });
    await page.waitForSelector('#failure:not([hidden])', { timeout: 5000 });
    const said = await page.$eval('#failure', (e) => e.textContent);
    assert.match(said, new RegExp(`cannot run its script ${file.replace('.', '\\.')} \\(.*` +
                                  'SyntaxError.*\\)\\. A newer browser plays it\\.'));
    assert.equal(await shown(page, '#loading'), false);
    await page.close();
  }
});

test('with JavaScript off the page says so in words a player reads, in place of the game',
     async () => {
  const page = await web.browser.newPage();
  await page.setJavaScriptEnabled(false);
  await page.goto(web.served.address);
  const message = await page.$eval('#no-script', (e) => {
    const style = getComputedStyle(e);
    return { text: e.textContent.replace(/\s+/g, ' ').trim(), size: parseFloat(style.fontSize),
             colour: style.color, centred: style.textAlign };
  });
  assert.deepEqual(message, {
    text: 'Stonewick needs JavaScript, which this browser has turned off for this page. Turn ' +
          'it on and reload the page to play.',
    size: 15, colour: 'rgb(255, 255, 255)', centred: 'center' });
  assert.equal(await shown(page, '#loading'), false);
  await page.close();
});

test('a bare ?play= says that it names no recording; the page\'s messages replace each other',
     async () => {
  const page = await openGame(web.browser, `${web.served.address}?play=`);
  const texts = () => page.$$eval('.box .text', (boxes) => boxes.map((box) => box.textContent));
  assert.deepEqual(await texts(), ['?play= names no recording: give its name, as in ?play=game.rec']);
  await page.evaluate(() => ['one', 'two', 'three'].forEach((why) => Page.refuseRecording(why)));
  assert.deepEqual(await texts(), ['three']);
  assert.deepEqual(await page.evaluate(() => performance.getEntriesByType('resource')
    .filter((entry) => entry.initiatorType === 'fetch' && new URL(entry.name).pathname === '/')
    .map((entry) => entry.name)), [], 'the page itself is not fetched as a recording');
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a first visit fetches each file once, the service worker keeping those very copies, ' +
     'and the next opening is served by the worker alone', async () => {
  const own = await serveFolder(site);
  const context = await web.browser.createBrowserContext();
  try {
    const page = await openGame(context, own.address);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                               { timeout: 5000 });
    const counts = {};
    for (const asked of own.requests) {
      counts[asked] = (counts[asked] || 0) + 1;
    }
    assert.deepEqual(Object.entries(counts).filter(([, count]) => count > 1), []);
    for (const file of ['/', '/boot.js', '/stonewick.js', '/stonewick.wasm',
                        '/icon-maskable-512.png']) {
      assert.equal(counts[file], 1, file);
    }
    const manifest = JSON.parse(await page.evaluate(() =>
      fetch('manifest.webmanifest').then((answer) => answer.text())));
    assert.equal(manifest.id, 'stonewick');
    assert.ok(manifest.icons.some((icon) => icon.purpose === 'maskable'));

    own.requests.length = 0;
    await page.reload();
    await page.waitForFunction(
        () => performance.getEntriesByName('stonewick-first-board').length > 0);
    // The browser may look for a new worker meanwhile; every file of the page comes from the
    // kept copy.
    assert.deepEqual(own.requests.filter((asked) => asked !== '/service-worker.js'), []);
    assert.deepEqual(page.errors, []);
  } finally {
    await context.close();
    own.server.closeAllConnections();
    own.server.close();
  }
});

test('an English page fetches no catalogue before its first board, and the worker keeps every ' +
     'one: a page opened in German with no server finds its catalogue', async () => {
  const own = await serveFolder(site);
  const context = await web.browser.createBrowserContext();
  try {
    const page = await openGame(context, own.address);
    assert.deepEqual(await page.evaluate(() => {
      const shown = performance.getEntriesByName('stonewick-first-board')[0].startTime;
      return performance.getEntriesByType('resource')
        .filter((entry) => entry.startTime < shown && entry.name.includes('catalogue'))
        .map((entry) => entry.name);
    }), []);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                               { timeout: 5000 });
    own.server.closeAllConnections();
    own.server.close();
    const german = await openGame(context, `${own.address}?lang=de`);
    assert.equal(await german.evaluate(() => document.documentElement.lang), 'de');
    assert.equal(await german.$eval('#about > .title span', (span) => span.textContent),
                 'Über Stonewick');
    assert.deepEqual(german.errors, []);
  } finally {
    await context.close();
    own.server.closeAllConnections();
    own.server.close();
  }
});

test('a new build is served from the kept copy at once, fetched in the background, and opens ' +
     'at the next visit', async () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'stonewick-site-'));
  cpSync(site, folder, { recursive: true });
  const own = await serveFolder(folder);
  const context = await web.browser.createBrowserContext();
  const built = (page) => page.$eval('meta[name="stonewick-built"]', (meta) => meta.content);
  try {
    const page = await openGame(context, own.address);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null,
                               { timeout: 5000 });
    const first = await built(page);
    // The next build: another page, and a worker under another name that knows it.
    const change = (file, from, to) => writeFileSync(path.join(folder, file),
      readFileSync(path.join(folder, file), 'utf8').replace(from, to));
    const sha256 = (file) => createHash('sha256').update(readFileSync(path.join(folder, file)))
        .digest('hex').slice(0, 16);
    const before = sha256('index.html');
    change('index.html', /(?<=name="stonewick-built" content=")[^"]*/, 'the next build');
    change('service-worker.js', before, sha256('index.html'));
    change('service-worker.js', /stonewick-[0-9a-f]{16}/, 'stonewick-next');
    await page.reload();
    assert.equal(await built(page), first, 'the kept build opens at once');
    await page.waitForFunction(async () => (await caches.keys()).join() === 'stonewick-next',
                               { timeout: 10000 });
    await page.reload();
    assert.equal(await built(page), 'the next build');
    assert.deepEqual(page.errors, []);
  } finally {
    await context.close();
    own.server.closeAllConnections();
    own.server.close();
    rmSync(folder, { recursive: true, force: true });
  }
});
