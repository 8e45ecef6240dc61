// The page on every screen in every language: on phones upright and sideways, a tablet and a
// netbook, with a box open, nothing lies outside the screen and on touch screens every menu
// entry, pad button and box button is a finger's 44 CSS px; the read-outs hold their largest
// numbers apart; crisp scales give each board pixel a whole number of device pixels.
//   STONEWICK_SITE=build-web/site node --test tests/web/screens.test.mjs
import assert from 'node:assert/strict';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { openedForTests, openGame } from './browser.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const site = process.env.STONEWICK_SITE || path.join(root, 'build-web/site');
const LANGUAGES = ['en', 'de', 'fr', 'es', 'ru'];
const DEVICES = [['phone upright', 360, 740, true], ['phone sideways', 740, 360, true],
                 ['tablet', 768, 1024, true], ['netbook', 1024, 600, false]];
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
// The widest of the game's boxes.
const SECOND_CHANCE =
    'You have hit a baddie, but your powers will be exchanged for a 2nd chance';

const web = openedForTests(site);

const screen = (width, height, touch, deviceScaleFactor = 1) => (tab) => tab.setViewport(
    { width, height, hasTouch: touch, isMobile: touch, deviceScaleFactor });

test('in every language, on phones upright and sideways, a tablet and a netbook, with a box ' +
     'open, nothing lies outside the screen and every tap target is 44 px', async () => {
  for (const language of LANGUAGES) {
    for (const [device, width, height, touch] of DEVICES) {
      const page = await openGame(web.browser, `${web.served.address}?lang=${language}`,
                                  screen(width, height, touch));
      // The pointer in the far corner: the box opens there and is pulled back on screen.
      await page.mouse.move(width - 2, height - 2);
      await page.evaluate((text) => Page.openBox(false, text, true), SECOND_CHANCE);
      await sleep(100);
      const faults = await page.evaluate((width, height, touch) => {
        const found = [];
        const name = (e) => e.outerHTML.slice(0, 70);
        for (const e of document.querySelectorAll('#screen *')) {
          const r = e.getBoundingClientRect();
          if (r.width > 0 && r.height > 0 && (r.left < -0.5 || r.top < -0.5 ||
              r.right > width + 0.5 || r.bottom > height + 0.5)) {
            found.push(`outside: ${name(e)}`);
          }
        }
        const targets = '#menu button:not([hidden]), .pad button, .box button';
        for (const e of touch ? document.querySelectorAll(targets) : []) {
          const r = e.getBoundingClientRect();
          if (r.width < 43.5 || r.height < 43.5) {
            found.push(`${r.width.toFixed(1)}x${r.height.toFixed(1)}: ${name(e)}`);
          }
        }
        return found;
      }, width, height, touch);
      assert.deepEqual(faults, [], `${language} on the ${device}`);
      assert.deepEqual(page.errors, []);
      await page.close();
    }
  }
});

test('while a recording plays, its bar makes the game window taller, and the recording opener ' +
     'still never covers the window\'s title bar, on any screen', async () => {
  for (const [device, width, height, touch] of DEVICES) {
    const page = await openGame(web.browser, `${web.served.address}?lang=de`,
                                screen(width, height, touch));
    await page.evaluate(() => Page.setWatching(true));
    await sleep(100);
    const overlap = await page.evaluate(() => {
      const opener = document.querySelector('#opener').getBoundingClientRect();
      const title = document.querySelector('#main .title').getBoundingClientRect();
      return opener.bottom > title.top + 0.5 && opener.right > title.left + 0.5 &&
             opener.left < title.right - 0.5;
    });
    assert.equal(overlap, false, device);
    assert.deepEqual(page.errors, []);
    await page.close();
  }
});

test('in every language the read-outs hold their largest numbers apart, over the board', async () => {
  const largest = [['Powers : %1', '999'], ['%1', '23:59:59'], ['Level : %1', '5'],
                   ['Kills : %1', '9999'], ['At large : %1', '999']];
  for (const language of LANGUAGES) {
    const page = await openGame(web.browser, `${web.served.address}?lang=${language}`);
    await page.evaluate((values) => values.forEach(([caption, number], n) =>
      Page.showReadout(n, caption, number)), largest);
    await sleep(400);
    const boxes = await page.$$eval('#client .readout:not([hidden])', (readouts) =>
      readouts.map((e) => ({ text: e.textContent, ...e.getBoundingClientRect().toJSON() })));
    const board = await page.$eval('#board', (e) => e.getBoundingClientRect().toJSON());
    assert.ok(boxes.some((b) => b.text.includes('9999')), `${language}: the read-outs were filled`);
    for (const [i, a] of boxes.entries()) {
      assert.ok(a.left >= board.left && a.right <= board.right, `${language}: ${a.text} sticks out`);
      for (const b of boxes.slice(i + 1)) {
        const apart = a.right <= b.left || b.right <= a.left || a.bottom <= b.top ||
                      b.bottom <= a.top;
        assert.ok(apart, `${language}: "${a.text}" and "${b.text}" overlap`);
      }
    }
    await page.close();
  }
});

test('crisp scales give each board pixel a whole number of device pixels: 4/3 at a pixel ' +
     'ratio of 1.5, 1.5 on a tablet of ratio 2', async () => {
  for (const [width, height, touch, ratio, scale] of [[1000, 760, false, 1.5, 4 / 3],
                                                       [768, 1024, true, 2, 1.5]]) {
    const page = await openGame(web.browser, web.served.address,
                                screen(width, height, touch, ratio));
    const shown = await page.$eval('#board', (e) => ({
      width: e.getBoundingClientRect().width,
      smooth: getComputedStyle(e).imageRendering === 'auto' }));
    assert.ok(Math.abs(shown.width - 352 * scale) < 0.01, `board ${shown.width} px wide`);
    assert.equal(shown.smooth, false);
    await page.close();
  }
});
