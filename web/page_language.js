// The page in the player's language: the first of the browser's languages that the game
// speaks, or the one the address asks for with ?lang=de; English, the game's own, for any
// other. The catalogues (var Catalogues, by language, context and English text) are written
// at build time from translations/*.ts. The rules and the session keep their English words,
// so the page translates only what it shows, as the window does: whole texts by context, and
// the read-outs and the verdicts from the values the session hands over.
var Language = (function () {
  'use strict';

  // lupdate finds the page's own texts by this mark; the page uses them as they are.
  function QT_TRANSLATE_NOOP(context, text) {
    return text;
  }

  const catalogues = typeof Catalogues === 'undefined' ? {} : Catalogues;
  function chosen() {
    const asked = new URLSearchParams(location.search).get('lang');
    const wanted = asked ? [asked] : (navigator.languages || [navigator.language]);
    for (const tag of wanted) {
      const language = String(tag).toLowerCase().split(/[-_]/)[0];
      if (language === 'en' || language in catalogues) {
        return language;
      }
    }
    return 'en';
  }
  const code = chosen();
  const table = catalogues[code] || {};

  function tr(context, text) {
    const translated = (table[context] || {})[text];
    return translated === undefined ? text : translated;
  }

  // A count and its noun in the catalogue's plural form (its forms in Qt's order for the
  // language); English, which has no catalogue, takes `one` for one.
  function pluralForm(n) {
    if (code === 'ru') {
      return n % 10 === 1 && n % 100 !== 11 ? 0
          : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14) ? 1 : 2;
    }
    return (code === 'fr' ? n < 2 : n === 1) ? 0 : 1;
  }
  function counted(context, one, text, n) {
    const forms = (table[context] || {})[text];
    const chosen = Array.isArray(forms) ? forms[Math.min(pluralForm(n), forms.length - 1)]
        : n === 1 ? one : text;
    return chosen.split('%n').join(String(n));
  }
  // %1, %2... of a translated text take the values in order, in one pass, so that a value that
  // holds a %2 of its own stays as it is.
  function filled(text, ...values) {
    let result = '';
    for (let i = 0; i < text.length; ++i) {
      const at = text[i] === '%' ? Number(text[i + 1]) - 1 : -1;
      if (at >= 0 && at < values.length) {
        result += String(values[at]);
        ++i;
      } else {
        result += text[i];
      }
    }
    return result;
  }

  // What differs at the recording's line: a checkpoint or a line of a dump (WatchVerdict).
  function differenceWords(verdict) {
    const what = verdict.what;
    if (!what) {
      return verdict.message;
    }
    const shown = (line, quoted) => (line === null ? tr('Playback', 'no more lines')
        : quoted ? '"' + line + '"' : line);
    if (what.kind === 1) {
      // eslint-disable-next-line max-len
      return filled(tr('Playback', 'dump line %1 of the dump on line %2 differs: expected %3, seen %4'),
                    // eslint-disable-next-line max-len
                    what.dumpLine, what.blockLine, shown(what.expected, true), shown(what.seen, true));
    }
    if (what.blockLine === 0) {
      // eslint-disable-next-line max-len
      return filled(tr('Playback', 'the state at the start differs from its checkpoint: expected %1, seen %2'),
                    shown(what.expected, false), shown(what.seen, false));
    }
    // eslint-disable-next-line max-len
    return filled(tr('Playback', 'the state after the block of line %1 differs from its checkpoint: expected %2, seen %3'),
                  what.blockLine, shown(what.expected, false), shown(what.seen, false));
  }
  // The verdict on a recording watched (kind: 0 as recorded, 1 differs, 2 nothing to check).
  function verdictWords(verdict) {
    if (verdict.kind === 1) {
      // eslint-disable-next-line max-len
      return filled(tr('Playback', 'The game played back differently from the recording after line %1.\nLine %2: %3.'),
                    verdict.afterLine, verdict.line, differenceWords(verdict));
    }
    if (verdict.kind === 2) {
      // eslint-disable-next-line max-len
      return tr('Playback', 'The game played back, but the recording holds no state to compare it with.');
    }
    return filled(tr('Playback', 'The game played back exactly as recorded: %1 and %2 compared.'),
                  counted('Playback', '%n checkpoint', '%n checkpoints', verdict.checkpoints),
                  counted('Playback', '%n state', '%n states', verdict.states));
  }
  // The check so far on the playback bar (WatchProgress).
  function progressWords(progress) {
    switch (progress.kind) {
      case 0: return filled(tr('Playback', '%1 checked, all as recorded'), progress.count);
      case 1: return filled(tr('Playback', 'differs at line %1'), progress.count);
      case 2: return tr('Playback', 'no difference to go to');
      default: return tr('Playback', 'nothing to check');
    }
  }

  // The words of the page's HTML that a player reads or hears: the names of its controls and
  // regions, their tips, and the texts marked data-translate.
  void [QT_TRANSLATE_NOOP('Page', 'Close Stonewick'), QT_TRANSLATE_NOOP('Page', 'Close About'),
        QT_TRANSLATE_NOOP('Page', 'Close Instructions'), QT_TRANSLATE_NOOP('Page', 'Menu'),
        QT_TRANSLATE_NOOP('Page', 'Board'), QT_TRANSLATE_NOOP('Page', 'game board'),
        QT_TRANSLATE_NOOP('Page', 'Playback'), QT_TRANSLATE_NOOP('Page', 'Jump in the recording'),
        QT_TRANSLATE_NOOP('Page', 'Up'), QT_TRANSLATE_NOOP('Page', 'Left'),
        QT_TRANSLATE_NOOP('Page', 'Right'), QT_TRANSLATE_NOOP('Page', 'Down'),
        QT_TRANSLATE_NOOP('Page', 'Smash'), QT_TRANSLATE_NOOP('Page', 'Push'),
        QT_TRANSLATE_NOOP('Page', 'Paused while the page was hidden: Resume plays on'),
        QT_TRANSLATE_NOOP('Page', 'Watch a recording…'),
        QT_TRANSLATE_NOOP('Page', 'Or drop a recording on the page'),
        QT_TRANSLATE_NOOP('Page', 'Close'),
        // eslint-disable-next-line max-len
        // eslint-disable-next-line max-len
        QT_TRANSLATE_NOOP('Page', '22 by 22 cells. The arrow keys turn and step the player, Space pushes what stands in front of it, B smashes it with a Power.')];
  function translateMarked(root) {
    for (const element of root.querySelectorAll('[aria-label], [aria-roledescription], [title]')) {
      for (const name of ['aria-label', 'aria-roledescription', 'title']) {
        if (element.hasAttribute(name)) {
          element.setAttribute(name, tr('Page', element.getAttribute(name)));
        }
      }
    }
    for (const element of root.querySelectorAll('[data-translate]')) {
      element.textContent = tr('Page', element.textContent.trim().replace(/\s+/g, ' '));
    }
  }

  // The page's own texts, where the page shows them.
  function translateThePage() {
    document.documentElement.lang = code;
    const $ = (selector) => document.querySelectorAll(selector);
    const each = (selector, change) => $(selector).forEach(change);
    translateMarked(document);
    translateMarked($('#box')[0].content);
    each('#about > .title span', (span) => { span.textContent = tr('About', 'About'); });
    each('#about .ok', (button) => { button.textContent = tr('About', 'OK'); });
    each('#about .memo', (memo) => {
      memo.textContent = memo.textContent.split('\n')
          .map((line) => (line ? tr('About', line) : line)).join('\n');
    });
    each('#instructions > .title span', (span) => {
      span.textContent = tr('Instructions', span.textContent);
    });
    const closed = $('#closed')[0];
    if (closed) {
      closed.firstChild.textContent =
          tr('Page', QT_TRANSLATE_NOOP('Page', 'Stonewick has closed.')) + ' ';
      closed.querySelector('a:not(.download)').textContent =
          tr('Page', QT_TRANSLATE_NOOP('Page', 'Play again'));
      closed.querySelector('.download').textContent =
          tr('Page', QT_TRANSLATE_NOOP('Page', 'Download the recording'));
    }
  }

  // The window is laid out for the English captions; a language whose menu needs more room
  // to stay one row widens it by whole tiles.
  function fitTheMenu() {
    const main = document.querySelector('#main');
    const menu = document.querySelector('#menu');
    if (!main || !menu) {
      return;
    }
    // A caption keeps to one line, so a menu that needs more room shows as wider than its bar.
    menu.style.whiteSpace = 'nowrap';
    const fit = () => {
      const lacking = menu.scrollWidth - menu.clientWidth;
      if (lacking > 0) {
        const wider = Math.ceil(lacking / 16) * 16;
        main.style.width = (main.offsetWidth + wider) + 'px';
      }
    };
    new MutationObserver(fit).observe(menu, { childList: true, subtree: true });
  }

  // The boxes' buttons (page.js names them), for lupdate.
  void [QT_TRANSLATE_NOOP('Buttons', '&Yes'), QT_TRANSLATE_NOOP('Buttons', '&No'),
        QT_TRANSLATE_NOOP('Buttons', 'Cancel'), QT_TRANSLATE_NOOP('Buttons', 'OK')];

  translateThePage();
  fitTheMenu();

  return {
    code,
    tr,
    caption: (caption) => tr('Menu', caption),
    // A read-out: its English caption, %1 standing for the number it shows.
    readout: (caption, number) => filled(tr('Readout', caption), number),
    // A box's text: one of the game's messages.
    message: (text) => tr('Message', text),
    verdict: verdictWords,
    progress: progressWords,
    // The boxes' buttons, as Qt's own translations give them in the window.
    button: (caption) => tr('Buttons', caption),
    stopped: (what) => tr('Page', QT_TRANSLATE_NOOP('Page', 'The game stopped: ')) + what,
  };
})();
