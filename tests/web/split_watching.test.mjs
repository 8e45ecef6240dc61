// The page's program split in two by web/split_watching.py: what only watching reaches moves
// to the second part, what live play reaches stays, and once the second part is instantiated
// with the first's exports, the first calls into it as before.
//   node --test tests/web/split_watching.test.mjs   (wabt's wat2wasm and wasm-objdump,
//                                                    binaryen's wasm-split)
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');

// Function 0 is imported; the others by their index, named as emscripten's symbol map names
// them, the program itself keeping no names.
const NAMES = ['page_wait', 'main', 'stonewick::Session::Run()', 'std::string::append()',
               'stonewick::OpenRecording(std::string)', 'stonewick::Timeline::Read()',
               'parse_line', 'stonewick::Watching::Run()', 'live_callback', 'callback_helper'];
const PROGRAM = `(module
  (type $number (func (result i32)))
  (import "env" "page_wait" (func $page_wait))
  (memory 1)
  (global $depth (mut i32) (i32.const 0))
  (table 3 funcref)
  (elem (i32.const 1) $watching_run $live_callback)
  (func $main (result i32)
    (i32.add (call $session_run) (call_indirect (type $number) (i32.const 2))))
  (func $session_run (result i32)
    (global.set $depth (i32.const 1))
    (i32.add (call $append) (call $open_recording)))
  (func $append (result i32) (i32.const 1))
  (func $open_recording (result i32)
    (i32.add (call $append) (i32.add (call $timeline_read) (global.get $depth))))
  (func $timeline_read (result i32) (call $page_wait) (call $parse_line))
  (func $parse_line (result i32) (i32.const 100))
  (func $watching_run (result i32) (call $parse_line))
  (func $live_callback (result i32) (call $callback_helper))
  (func $callback_helper (result i32) (i32.const 1000))
  (export "main" (func $main)) (export "memory" (memory 0)) (export "table" (table 0)))`;

test('what only watching reaches moves to the second part, which the first calls once it is ' +
     'instantiated', async () => {
  const folder = mkdtempSync(path.join(os.tmpdir(), 'stonewick-split-'));
  const file = (name) => path.join(folder, name);
  try {
    writeFileSync(file('program.wat'), PROGRAM);
    execFileSync('wat2wasm', ['program.wat', '-o', 'program.wasm'], { cwd: folder });
    writeFileSync(file('program.symbols'), NAMES.map((name, i) => `${i}:${name}\n`).join(''));
    execFileSync('python3', [path.join(root, 'web/split_watching.py'), file('program.wasm'),
                             file('program.symbols'), file('first.wasm'), file('watching.wasm'),
                             file('moved.txt'), 'stonewick::OpenRecording(*',
                             'stonewick::Timeline::*', 'stonewick::Watching::*']);
    assert.deepEqual(readFileSync(file('moved.txt'), 'utf8').trim().split('\n'),
                     ['stonewick::OpenRecording(std::string)', 'stonewick::Timeline::Read()',
                      'parse_line', 'stonewick::Watching::Run()']);

    let waits = 0;
    const standIns = [];
    const { instance } = await WebAssembly.instantiate(readFileSync(file('first.wasm')), {
      env: { page_wait: () => ++waits },
      placeholder: new Proxy({}, { get: (_, slot) => () => {
        standIns.push(slot);
        return 0;
      } }),
    });
    // Before the second part is there, its functions are stand-ins.
    assert.equal(instance.exports.main(), 1 + 1000);
    assert.equal(standIns.length, 1);
    await WebAssembly.instantiate(readFileSync(file('watching.wasm')),
                                  { primary: instance.exports });
    assert.equal(instance.exports.main(), 1 + (1 + 100 + 1) + 1000);
    assert.equal(waits, 1);
    assert.equal(standIns.length, 1);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
