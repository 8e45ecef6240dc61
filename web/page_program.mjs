// Input for the program, and waking it when it waits: keys, taps, clicks and commands are
// queued here for the program to take, in order, when it waits or yields.
import { framePace } from './page_board.mjs';

// The kinds of queued input, as web/page_host.cpp reads them.
export const KEY = 1;
export const CLICK = 2;
export const MENU = 3;
export const INSTRUCTIONS_CLOSED = 4;
export const CLOSE_BOX = 5;
export const RECORDING = 6;
export const JUMP = 7;
export const MORE_RECORDING = 8;
export const RECORDING_COMPLETE = 9;
export const HIDDEN = 10;

const queue = [];
let waker = null;
let wakeTimer = 0;
let wakePending = false;
let closed = false;
const turns = [];
const channel = new MessageChannel();
channel.port1.onmessage = () => turns.shift()();
export function afterOneTurn(fn) {
  turns.push(fn);
  channel.port2.postMessage(0);
}
function wake() {
  clearTimeout(wakeTimer);
  framePace.woken();
  const wakeUp = waker;
  waker = null;
  if (wakeUp) {
    wakeUp();
  } else {
    wakePending = true;
  }
}
export function queueInput(kind, a, b) {
  if (closed) {
    return;
  }
  queue.push([kind, a || 0, b || 0]);
  wake();
}
// Wakes the program with no input: a box it waits on was answered.
export function wakeProgram() {
  wake();
}
export function waitForInput(ms, wakeUp) {
  framePace.waits();
  if (queue.length > 0 || wakePending) {
    wakePending = false;
    wakeUp();
    return;
  }
  waker = wakeUp;
  if (ms === 0) {
    afterOneTurn(() => waker === wakeUp && wake());
  } else if (ms > 0) {
    wakeTimer = setTimeout(wake, ms);
  }
}
export function takeInput() {
  const input = queue.shift();
  if (input) {
    framePace.inputTaken();
  }
  return input;
}
// Once the game has closed, input goes nowhere.
export function closeProgram() {
  closed = true;
}
export function programClosed() {
  return closed;
}
