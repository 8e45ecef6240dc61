// The page's catalogues as translations/catalogues.py writes them: the English once, in an
// index, and each language's translations alone in its order, read back into the page's
// table by context and English text, every entry in its place.
//   node --test tests/web/catalogues.test.mjs
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';
import vm from 'node:vm';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

const message = (source, translation) => `<message><source>${source}</source>${translation}</message>`;
const ts = (language, contexts) => `<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS><TS version="2.1" language="${language}">
${Object.entries(contexts).map(([name, messages]) =>
    `<context><name>${name}</name>${messages.join('')}</context>`).join('\n')}
</TS>`;

// Two languages that do not translate the same entries, a plural, an unfinished entry and a
// context the page never shows.
const CATALOGUES = {
  de: ts('de_DE', {
    Menu: [message('&amp;Pause', '<translation>&amp;Pause</translation>'),
           message('E&amp;xit', '<translation>&amp;Beenden</translation>')],
    Readout: [message('Level : %1', '<translation>Stufe : %1</translation>'),
              message('%n left', '<translation type="unfinished"></translation>')],
    DesktopEntry: [message('Stonewick', '<translation>Stonewick</translation>')],
  }),
  ru: ts('ru_RU', {
    Readout: [message('%n left', '<translation><numerusform>%n один</numerusform>' +
                      '<numerusform>%n два</numerusform><numerusform>%n пять</numerusform>' +
                      '</translation>')],
    Message: [message('Game over', '<translation>Игра окончена</translation>')],
  }),
};

test('each language reads back exactly its finished entries, by context and English text',
     () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'stonewick-catalogues-'));
  try {
    const files = Object.entries(CATALOGUES).map(([language, text]) => {
      const file = path.join(folder, `stonewick_${language}.ts`);
      writeFileSync(file, text);
      return file;
    });
    execFileSync('python3', [path.join(root, 'translations/catalogues.py'), 'page', folder,
                             ...files]);
    const read = (language) => {
      const context = vm.createContext({});
      for (const file of ['catalogue-index.js', `catalogue-${language}.js`]) {
        vm.runInContext(readFileSync(path.join(folder, file), 'utf8'), context);
      }
      return JSON.parse(JSON.stringify(vm.runInContext('Catalogues', context)));
    };
    assert.deepEqual(read('de'), { de: {
      Menu: { '&Pause': '&Pause', 'E&xit': '&Beenden' },
      Message: {},
      Readout: { 'Level : %1': 'Stufe : %1' },
    } });
    assert.deepEqual(read('ru'), { ru: {
      Menu: {},
      Message: { 'Game over': 'Игра окончена' },
      Readout: { '%n left': ['%n один', '%n два', '%n пять'] },
    } });
    // The English is written once, in the index, not in each language's file.
    assert.doesNotMatch(readFileSync(path.join(folder, 'catalogue-de.js'), 'utf8'), /Level/);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
