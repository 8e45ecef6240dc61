// The page's keys without a browser: the virtual key codes of keyboard events on several
// layouts, the letters a key with Alt stands for, and the page's key table against the
// window's (ui/key_codes.cpp), so that a recording made in either host has the same codes.
//   node --test tests/web/page_keys.test.mjs
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { KEYPAD_OPERATORS, NAMED_KEYS, PLUS_MINUS, lettersOf,
         virtualKey } from '../../web/page_keys.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const key = (key, code) => ({ key, code });

test('virtual key codes: letters and digits by character, the keypad and F keys by place, ' +
     'a non-Latin letter by its place, anything else 0', () => {
  const codes = [
    [key('b', 'KeyB'), 66], [key('B', 'KeyB'), 66], [key('z', 'KeyY'), 90], [key('7', 'Digit7'), 55],
    [key('7', 'Numpad7'), 103], [key('*', 'NumpadMultiply'), 106], [key('*', 'Digit8'), 0],
    [key('+', 'Equal'), 187], [key('=', 'Equal'), 187], [key('_', 'Minus'), 189],
    [key('F1', 'F1'), 112], [key('F12', 'F12'), 123], [key('F13', 'F13'), 0],
    [key(' ', 'Space'), 32], [key('ArrowDown', 'ArrowDown'), 40], [key('Enter', 'NumpadEnter'), 13],
    // Russian, Greek: the letter on B, T and D, and Е on T.
    [key('и', 'KeyB'), 66], [key('е', 'KeyT'), 84], [key('в', 'KeyD'), 68], [key('β', 'KeyB'), 66],
    // On a French keyboard é on 2 is a letter and stands for its place; & on 1 is none.
    [key('é', 'Digit2'), 50], [key('&', 'Digit1'), 0], [key('ñ', 'Semicolon'), 0],
    [key('Dead', 'BracketLeft'), 0],
  ];
  assert.deepEqual(codes.map(([e]) => [e.key, virtualKey(e)]),
                   codes.map(([e, code]) => [e.key, code]));
});

test('with Alt a key stands for its own letter, then for its place where that is not Latin', () => {
  assert.deepEqual(lettersOf(key('e', 'KeyE')), ['E']);
  assert.deepEqual(lettersOf(key('у', 'KeyE')), ['У', 'E']);
  assert.deepEqual(lettersOf(key('à', 'Digit0')), ['À', '0']);
  assert.deepEqual(lettersOf(key('Dead', 'KeyE')), ['E']);
});

// The window's table of keys (Qt names) as the browser names them.
const BROWSER_NAMES = { Return: 'Enter', Space: ' ', Left: 'ArrowLeft', Up: 'ArrowUp',
                        Right: 'ArrowRight', Down: 'ArrowDown' };
const KEYPAD_PLACES = { Asterisk: 'NumpadMultiply', Plus: 'NumpadAdd', Minus: 'NumpadSubtract',
                        Slash: 'NumpadDivide' };

test('the page\'s keys have the window\'s codes: named keys, keypad operators, + and -', () => {
  const source = readFileSync(path.join(root, 'ui/key_codes.cpp'), 'utf8');
  const constants = Object.fromEntries([...readFileSync(path.join(root, 'game/game.h'), 'utf8')
    .matchAll(/constexpr std::uint16_t (kKey\w+) = (\d+);/g)].map((m) => [m[1], Number(m[2])]));
  for (const m of source.matchAll(/constexpr std::uint16_t (kKey\w+) = (\d+);/g)) {
    constants[m[1]] = Number(m[2]);
  }
  const table = (name) => Object.fromEntries([...source.split(`${name} = {{`)[1].split('}};')[0]
    .matchAll(/\{Qt::Key_(\w+), (\w+)\}/g)].map((m) => [m[1], constants[m[2]] ?? Number(m[2])]));

  const named = {};
  for (const [qt, code] of Object.entries(table('kNamedKeys'))) {
    named[BROWSER_NAMES[qt] || qt] = code;
  }
  assert.deepEqual(named, NAMED_KEYS);
  const keypad = {};
  for (const [qt, code] of Object.entries(table('kKeypadOperators'))) {
    keypad[KEYPAD_PLACES[qt]] = code;
  }
  assert.deepEqual(keypad, KEYPAD_OPERATORS);
  assert.deepEqual([PLUS_MINUS['+'], PLUS_MINUS['-']], [constants.kKeyPlus, constants.kKeyMinus]);
  assert.equal(virtualKey(key('0', 'Numpad0')), constants.kKeyPad0);
  assert.equal(virtualKey(key('F1', 'F1')), constants.kKeyF1);
});
