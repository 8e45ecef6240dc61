// Which functions of the page's program may unwind when the page waits, read from a small
// program's calls: direct calls, calls through the table, and functions known never to wait.
//   node --test tests/web/waiting_functions.test.mjs   (wabt's wat2wasm and wasm-objdump)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// Two signatures in the table: a call through it reaches only the functions of its own.
const PROGRAM = `(module
  (type $plain (func))
  (type $number (func (param i32)))
  (import "env" "page_wait" (func $page_wait))
  (import "env" "page_draw" (func $page_draw))
  (table 3 funcref)
  (elem (i32.const 1) $waits $takes_number)
  (func $waits (type $plain) call $page_wait)
  (func $takes_number (type $number) call $page_draw)
  (func $through_table (call_indirect (type $plain) (i32.const 1)))
  (func $through_table_by_number (call_indirect (type $number) (i32.const 0) (i32.const 2)))
  (func $Replay::Run call $waits)
  (func $runs_replay call $Replay::Run)
  (func $Twin call $through_table)
  (func $Twin.1)
  (func $draws call $page_draw)
  (export "a" (func $runs_replay)) (export "b" (func $through_table_by_number))
  (export "c" (func $Twin)) (export "d" (func $Twin.1)) (export "e" (func $draws)))`;

function waitingFunctions(...args) {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'stonewick-waiting-'));
  try {
    writeFileSync(path.join(folder, 'program.wat'), PROGRAM);
    execFileSync('wat2wasm', ['--debug-names', 'program.wat', '-o', 'program.wasm'],
                 { cwd: folder });
    execFileSync('python3', [path.join(root, 'web/waiting_functions.py'),
                             path.join(folder, 'program.wasm'), path.join(folder, 'list.txt'),
                             ...args]);
    return readFileSync(path.join(folder, 'list.txt'), 'utf8').split('\n').filter(Boolean);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}

test('the functions that reach a wait by calls and through the table are listed, and a name ' +
     'told apart by a suffix at link time is listed with all its twins', () => {
  assert.deepEqual(waitingFunctions('page_wait', 'page_yield'),
                   ['Replay::Run', 'Twin*', 'runs_replay', 'through_table', 'waits']);
});

test('a function known never to wait leads no caller to a wait', () => {
  assert.deepEqual(waitingFunctions('page_wait', '--never', 'Replay::*'),
                   ['Twin*', 'through_table', 'waits']);
});
