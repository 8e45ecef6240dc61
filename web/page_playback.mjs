// The playback bar under the board while a recording plays: its name, position, speed and
// state, the track with its marks, where a click or a drag jumps, the verdict so far and the
// keys that steer it.
import { tell } from './page_boxes.mjs';
import { fit } from './page_desktop.mjs';
import { $, main } from './page_elements.mjs';
import { JUMP, queueInput } from './page_program.mjs';

const playback = $('#playback');
const track = $('.track', playback);
const MARK_KINDS = ['opened-box', 'new-level', 'difference'];
let watching = false;
let lengthMs = 0;
let keysHelp = '';

export function isWatching() {
  return watching;
}
export function setWatching(on) {
  watching = on;
  main.classList.toggle('watching', on);
  playback.hidden = !on;
  fit();
}
// What every key does while a recording plays (F1).
export function showWatchKeys() {
  if (keysHelp) {
    tell(keysHelp);
  }
}
export function showWatching(status) {
  $('.title span', main).textContent = status.watching ? `Stonewick - ${status.name}` : 'Stonewick';
  if (!status.watching) {
    return;
  }
  lengthMs = status.lengthMs;
  const state = status.finished ? Language.tr('Playback', 'finished')
                                : status.paused ? Language.tr('Playback', 'paused')
                                : status.live ? Language.tr('Playback', 'live') : '';
  // A long name is shortened, never the position, speed and state after it.
  const name = document.createElement('span');
  name.className = 'name';
  name.textContent = status.name;
  const where = document.createElement('span');
  where.className = 'where';
  where.textContent = [status.position, status.speed, state].filter((part) => part)
      .map((part) => '   ' + part).join('');
  $('.state', playback).replaceChildren(name, where);
  const at = (ms) => (lengthMs > 0 ? Math.min(1, ms / lengthMs) * 100 : 0) + '%';
  $('.played', playback).style.width = at(status.positionMs);
  $('.handle', playback).style.left = at(status.positionMs);
  // Each mark is [kind, ms].
  $('.marks', playback).replaceChildren(...status.marks.map((kindAndTime) => {
    const mark = document.createElement('div');
    mark.className = 'mark ' + MARK_KINDS[kindAndTime[0]];
    mark.style.left = at(kindAndTime[1]);
    return mark;
  }));
  const verdict = $('.verdict', playback);
  verdict.textContent = Language.progress(status.progress);
  verdict.classList.toggle('differs', status.differs);
  $('.keys', playback).textContent = Language.tr('Playback', status.keys);
  keysHelp = status.help;
  track.setAttribute('aria-valuetext', status.position);
}

// A click or a drag on the track jumps there.
function jumpTo(e) {
  const rect = track.getBoundingClientRect();
  const part = Math.min(1, Math.max(0, (e.clientX - rect.left) / rect.width));
  queueInput(JUMP, Math.round(part * lengthMs));
}
track.addEventListener('pointerdown', (e) => {
  if (e.button === 0) {
    track.setPointerCapture(e.pointerId);
    jumpTo(e);
  }
});
track.addEventListener('pointermove', (e) => {
  if (track.hasPointerCapture(e.pointerId)) {
    jumpTo(e);
  }
});
