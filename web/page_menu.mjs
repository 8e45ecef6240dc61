// The menu bar: the program's commands, each with its '&' letter as its Alt accelerator.
import { focusBoard } from './page_desktop.mjs';
import { boxIsOpen, captionElement, menu } from './page_elements.mjs';
import { lettersOf } from './page_keys.mjs';
import { MENU, queueInput } from './page_program.mjs';

const commands = [];

export function addCommand(command, caption, visible) {
  const button = document.createElement('button');
  button.type = 'button';
  button.hidden = !visible;
  // A click on the bar leaves the keyboard with the board.
  button.addEventListener('mousedown', (e) => e.preventDefault());
  button.addEventListener('click', () => {
    // The keys go back to the board first: the command may open a window that takes them.
    if (!boxIsOpen()) {
      focusBoard();
      queueInput(MENU, command);
    }
  });
  commands[command] = button;
  menu.append(button);
  setCaption(command, caption);
}
export function setCaption(command, english) {
  const button = commands[command];
  const caption = Language.caption(english);
  button.replaceChildren(captionElement(caption));
  button.dataset.accelerator = (caption[caption.indexOf('&') + 1] || '').toUpperCase();
  button.setAttribute('aria-keyshortcuts', 'Alt+' + button.dataset.accelerator);
}
export function enableCommand(command, enabled) {
  commands[command].disabled = !enabled;
}
// Runs the shown and enabled command whose Alt letter the key with Alt stands for; false when
// there is none.
export function runAltLetter(e) {
  for (const letter of lettersOf(e)) {
    const command = commands.findIndex((c) => c && !c.hidden && !c.disabled &&
                                       c.dataset.accelerator === letter);
    if (command >= 0) {
      queueInput(MENU, command);
      return true;
    }
  }
  return false;
}
