// What the page works out from numbers, without a browser: the desktop's crisp scale, the
// read-outs' places in a row, a recording's file name; and the joining of the page's modules
// into the program's one script.
//   node --test tests/web/page_figures.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

import { crispScale, recordingFileName, spreadRow } from '../../web/page_figures.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

test('the crisp scale gives whole device pixels from full size up, and takes what fits below',
     () => {
  assert.deepEqual([[1.55, 1], [1.55, 1.5], [1.68, 2], [2.49, 1], [1.3, 1.25], [0.876, 3],
                    [1, 1.5], [3, 1]].map(([largest, ratio]) => crispScale(largest, ratio)),
                   [1, 4 / 3, 1.5, 2, 1, 0.876, 1, 3]);
});

test('read-outs keep their places where they fit, move apart where they would touch, and ' +
     'come back from the row\'s end', () => {
  // The clock, Kills and At large under the board, as the window places them.
  const places = [14, 136, 214];
  assert.deepEqual(spreadRow(places, [50, 60, 70], 14, 366, 8), [14, 136, 214]);
  assert.deepEqual(spreadRow(places, [50, 95, 70], 14, 366, 8), [14, 136, 239]);
  assert.deepEqual(spreadRow(places, [50, 95, 130], 14, 366, 8), [14, 133, 236]);
  assert.deepEqual(spreadRow([274], [100], 14, 366, 8), [266]);
});

test('a recording is offered under the local time it began', () => {
  assert.equal(recordingFileName(new Date(2026, 0, 2, 3, 4, 5)), 'stonewick-2026-01-02-030405.rec');
});

test('the page\'s modules join into one script that runs them in import order, each once, ' +
     'and refuses modules that import each other', () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'stonewick-modules-'));
  const bundler = path.join(root, 'web/bundle_page.py');
  try {
    writeFileSync(path.join(folder, 'a.mjs'), "export const $ = 2;\nlog.push('a');\n");
    writeFileSync(path.join(folder, 'b.mjs'),
                  "import { $ } from './a.mjs';\nexport function twice() {\n  return 2 * $;\n}\n" +
                  "log.push('b');\n");
    writeFileSync(path.join(folder, 'main.mjs'),
                  "import { twice } from './b.mjs';\nimport { $ } from './a.mjs';\n" +
                  'export const Answer = { value: twice() + $ };\n');
    const out = path.join(folder, 'out.js');
    execFileSync('python3', [bundler, path.join(folder, 'main.mjs'), 'Answer', out]);
    const context = { log: [] };
    vm.runInNewContext(`${readFileSync(out, 'utf8')}\nthis.result = Answer;`, context);
    assert.deepEqual([context.result.value, context.log], [6, ['a', 'b']]);

    writeFileSync(path.join(folder, 'a.mjs'), "import { twice } from './b.mjs';\n");
    assert.throws(() => execFileSync('python3', [bundler, path.join(folder, 'main.mjs'), 'Answer',
                                                 out], { stdio: 'pipe' }),
                  (error) => /a\.mjs and b\.mjs import each other/.test(error.stderr.toString()));
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
