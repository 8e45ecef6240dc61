// Recording files. The game's own, when the address asks for one (?record): the program hands
// over its lines as each block ends, and once the game has closed the player is offered the
// file. And those to watch: opened with the button, dropped on the page, or named by
// ?play=NAME on the same site, each kept whole until the program takes it. A live game on
// the hall that serves the page is watched as it arrives.
import { tell } from './page_boxes.mjs';
import { $ } from './page_elements.mjs';
import { localDate, recordingFileName } from './page_figures.mjs';
import { MORE_RECORDING, RECORDING, RECORDING_COMPLETE, queueInput } from './page_program.mjs';

// A game of the hall's board of the day (?daily) is recorded too, to be sent there.
const addressed = new URLSearchParams(location.search);
const recording = addressed.has('record') || addressed.has('daily') ? [] : null;
const started = new Date();

export function wantsRecording() {
  return recording !== null;
}
export function startedAt() {
  return localDate(started);
}
export function record(lines) {
  recording.push(lines);
  // A page served by the hall streams a live game there as it is played.
  HallClient.recorded(lines);
}
// Leaving the page would lose the recording: the browser asks first while the game runs.
window.addEventListener('beforeunload', (e) => {
  if (recording && !$('#closed .download').href) {
    e.preventDefault();
    e.returnValue = '';
  }
});
export function offerRecording() {
  const link = $('#closed .download');
  if (!recording || link.href) {
    return;
  }
  // A page served by the hall offers to send the game there too.
  HallClient.ended(recording);
  link.href = URL.createObjectURL(new Blob(recording, { type: 'text/plain' }));
  link.download = recordingFileName(started);
  link.hidden = false;
  link.click();
}
// The recording so far is offered as it stands, and starts anew.
export function restartRecording() {
  if (recording && recording.length > 0) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob(recording, { type: 'text/plain' }));
    link.download = recordingFileName(new Date());
    link.click();
    recording.length = 0;
  }
}

// The recordings opened, { bytes, name } each, in order, until the program takes them: one for
// each RECORDING input, so that two dropped at once both play, one after the other; and what
// arrives of a live game, one for each MORE_RECORDING input.
// The program takes a recording only once the part of it that watches has loaded (boot.js):
// what was opened waits for it, in order; should it not load, the player is told why, and
// what was opened meanwhile is dropped.
const opened = [];
let watchingLoaded = null;
function onceWatching(then) {
  watchingLoaded ||= loadWatching().catch((error) => {
    watchingLoaded = null;
    tell(`Stonewick cannot play recordings: ${error.message}`);
    throw error;
  });
  watchingLoaded.then(then, () => {});
}
function openRecording(bytes, name, kind = RECORDING, live = 0) {
  onceWatching(() => {
    opened.push({ bytes, name });
    queueInput(kind, live);
  });
}
function openFile(file) {
  if (file) {
    file.arrayBuffer().then((buffer) => openRecording(new Uint8Array(buffer), file.name),
                            (error) => tell(`Stonewick cannot read ${file.name}: ${error}`));
  }
}
// The first recording the player opened that the program has not taken; `take` lets go of it.
export function openedRecording(take) {
  return (take ? opened.shift() : opened[0]) || null;
}
const chooser = $('#recording-file');
$('#opener').addEventListener('click', () => chooser.click());
chooser.addEventListener('change', () => {
  openFile(chooser.files[0]);
  chooser.value = '';
});
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
  e.preventDefault();
  openFile(e.dataTransfer.files[0]);
});

const askedToPlay = new URLSearchParams(location.search).get('play');
// ?play= with no name would fetch the page itself.
const playName = askedToPlay && askedToPlay.trim() !== '' ? askedToPlay : null;
export function willWatch() {
  return playName !== null;
}
if (askedToPlay !== null && playName === null) {
  tell('?play= names no recording: give its name, as in ?play=game.rec');
} else if (playName !== null) {
  const url = new URL(playName, location.href);
  const live = HallClient.liveGameOf(url);
  if (url.origin !== location.origin) {
    tell(`Stonewick plays recordings of its own site only, not ${playName}`);
  } else if (live !== null) {
    const name = `live ${live}`;
    HallClient.follow(live, (text, first) => openRecording(new TextEncoder().encode(text), name,
                                                            first ? RECORDING : MORE_RECORDING, 1),
                      () => onceWatching(() => queueInput(RECORDING_COMPLETE)));
  } else {
    onceWatching(() => {});
    fetch(url).then((answer) => {
      if (!answer.ok) {
        throw new Error(`${answer.status} ${answer.statusText}`);
      }
      return answer.arrayBuffer();
    }).then((buffer) => openRecording(new Uint8Array(buffer), url.pathname.split('/').pop()),
            (error) => tell(`Stonewick cannot fetch the recording ${playName}: ${error.message}`));
  }
}
