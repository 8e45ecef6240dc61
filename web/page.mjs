// The page around the rules: the game window with its menu bar, board canvas and read-outs,
// the About and Instructions windows and the message boxes, scaled to fit the screen, with a
// touch pad on touch screens. The program calls in through page_library.js, to the Page made
// here, and never the other way: the player's input waits in a queue for it to take.
import { BOARD, present, setIcon, showReadout } from './page_board.mjs';
import { boxAnswer, closeShownBox, openBox, openVerdict, tell } from './page_boxes.mjs';
import { $, boxIsOpen, gameScreen } from './page_elements.mjs';
import { stopHeldInput } from './page_input.mjs';
import { addCommand, enableCommand, setCaption } from './page_menu.mjs';
import { setWatching, showWatchKeys, showWatching } from './page_playback.mjs';
import { HIDDEN, afterOneTurn, closeProgram, programClosed, queueInput, takeInput,
         waitForInput } from './page_program.mjs';
import { offerRecording, openedRecording, record, restartRecording, startedAt, wantsRecording,
         willWatch } from './page_recordings.mjs';
import { hideAbout, hideInstructions, setInstructionsText, showAbout,
         showInstructions } from './page_windows.mjs';

// A hidden page tells the session, which pauses running play with the Pause command, as a
// player would, so that a recording holds it; the page says why play stands until the player
// resumes.
const pausedNotice = $('#paused');
let playRunning = false;
let pausedWhileHidden = false;
document.addEventListener('visibilitychange', () => {
  if (document.hidden && playRunning && !boxIsOpen() && !programClosed()) {
    pausedWhileHidden = true;
    queueInput(HIDDEN);
  }
});

export const Page = {
  BOARD,
  yieldOnce: afterOneTurn,
  wait: waitForInput,
  takeInput,
  nowDays() {
    const now = new Date();
    return (now.getTime() - now.getTimezoneOffset() * 60000) / 86400000 + 25569;
  },
  present,
  setIcon,
  showReadout,
  addCommand,
  setCaption,
  enableCommand,
  openBox,
  closeBox: closeShownBox,
  openVerdict,
  boxAnswer,
  showAbout,
  hideAbout,
  hideInstructions,
  setInstructionsText,
  showInstructions,
  setPlayRunning(running) {
    playRunning = running;
    if (running) {
      pausedWhileHidden = false;
    }
    pausedNotice.hidden = running || !pausedWhileHidden;
  },
  close() {
    closeProgram();
    stopHeldInput();
    gameScreen.hidden = true;
    $('#closed').hidden = false;
  },
  wantsRecording,
  localDate: startedAt,
  record,
  restartRecording,
  willWatch,
  openedRecording,
  refuseRecording: tell,
  setWatching,
  showWatching,
  showWatchKeys,
  offerRecording,
};

Module.onAbort = function (what) {
  stonewickFailed(Language.stopped(
      String(what).replace(/\s*Build with -s ASSERTIONS=1 for more info\.?/, '')));
  // What was recorded up to the last whole block is still worth having.
  $('#closed').hidden = false;
  offerRecording();
};
