// Sending games to the hall that serves the page. At the end of a recorded game (?record) the
// page offers to send it under the player's name, remembered in the browser with the name's
// token; with ?live the game is streamed to the hall as it is played, for spectators, and the
// hall's verdict is shown at its end. With ?daily the game is recorded and played on the hall's
// board of the day: dailySeed() is the seed every clock reading answers, and the game is sent as
// that day's; the loader starts the game only once `ready` has the day's seed. The page calls
// recorded() for each block's lines and ended() once its game has closed. A spectator's page
// follows a live game as it arrives (follow), and is told the hall's verdict at its end.
var HallClient = (function () {
  'use strict';
  const query = new URLSearchParams(location.search);
  const live = query.has('live');
  const daily = query.has('daily');
  const texts = {
    en: { reached: 'level %1, kills %2.',
          send: 'Send this game to the hall', name: 'Your name', sent: 'In the hall:',
          refused: 'The hall did not take the game:', hall: 'See the hall', sending: 'Sending…',
          gone: 'The hall no longer has this live game.' },
    de: { reached: 'Level %1, Abschüsse %2.',
          send: 'Dieses Spiel an die Halle senden', name: 'Dein Name', sent: 'In der Halle:',
          refused: 'Die Halle hat das Spiel nicht angenommen:', hall: 'Zur Halle', sending: 'Wird gesendet …',
          gone: 'Die Halle hat dieses Live-Spiel nicht mehr.' },
    fr: { reached: 'niveau %1, victimes %2.',
          send: 'Envoyer cette partie au hall', name: 'Votre nom', sent: 'Dans le hall :',
          refused: 'Le hall n’a pas pris la partie :', hall: 'Voir le hall', sending: 'Envoi…',
          gone: 'Le hall n’a plus cette partie en direct.' },
    es: { reached: 'nivel %1, bajas %2.',
          send: 'Enviar esta partida al salón', name: 'Tu nombre', sent: 'En el salón:',
          refused: 'El salón no aceptó la partida:', hall: 'Ver el salón', sending: 'Enviando…',
          gone: 'El salón ya no tiene esta partida en directo.' },
    ru: { reached: 'уровень %1, убито %2.',
          send: 'Отправить эту игру в зал', name: 'Ваше имя', sent: 'В зале:',
          refused: 'Зал не принял игру:', hall: 'Открыть зал', sending: 'Отправка…',
          gone: 'В зале больше нет этой игры в прямом эфире.' },
  };
  const language = typeof Language !== 'undefined' && Language.code in texts ? Language.code
    : ((query.get('lang') || navigator.language || 'en').toLowerCase().split(/[-_]/)[0]);
  const text = (key) => (texts[language] || texts.en)[key];

  // The board of the day, {day, seed}, for ?daily: the game waits for it, since every clock
  // reading must answer its seed, from the first one on.
  let board = null;
  const dayAnswer = daily ? fetch('/api/daily').then(async (answer) => {
    if (!answer.ok) {
      throw new Error(`it answered ${answer.status} ${answer.statusText}`);
    }
    const json = await answer.json();
    if (!Number.isInteger(json.seed)) {
      throw new Error('it gave no seed');
    }
    return json;
  }) : null;
  // Settles once the game may start; refused, with the words to show in its place.
  const ready = daily ? dayAnswer.then((json) => { board = json; }, (error) => {
    throw new Error('Stonewick cannot play the board of the day: the hall that serves it could ' +
                    `not be reached (${error.message}). Reload the page to try again.`);
  }) : Promise.resolve();
  // Only a page that a hall serves offers to send its games there.
  // Asked only of a recorded game, so that a plain page makes no request of its own.
  const onHall = daily ? dayAnswer.then(() => true, () => false)
    : query.has('record') ? fetch('/api/daily').then((answer) => answer.ok, () => false)
    : Promise.resolve(false);
  // The seed every clock reading answers on the board of the day; -1 otherwise.
  function dailySeed() {
    return board ? board.seed : -1;
  }
  const dayParameter = () => (board ? `&daily=${encodeURIComponent(board.day)}` : '');

  // The name, and each name's token, kept in this browser only.
  const nameKey = 'stonewick-hall-name';
  const tokenKey = (name) => `stonewick-hall-token:${name}`;
  function authorization(name) {
    const token = localStorage.getItem(tokenKey(name));
    return token ? { Authorization: `Bearer ${token}` } : {};
  }
  async function post(path, name, body, extra) {
    const answer = await fetch(path, {
      method: 'POST',
      headers: Object.assign({ 'Content-Type': 'text/plain' }, extra),
      body,
    });
    const json = await answer.json().catch(() => ({ error: `${answer.status}` }));
    if (json.token) {
      localStorage.setItem(tokenKey(name), json.token);
    }
    return { status: answer.status, json };
  }

  // What the hall said, shown under the game: a link to the hall, or its reason.
  function tell(box, answer) {
    box.replaceChildren();
    const line = document.createElement('p');
    if (answer.status === 201) {
      const reached = text('reached').replace('%1', answer.json.level)
        .replace('%2', answer.json.kills);
      line.textContent = `${text('sent')} ${answer.json.player}: ${reached} `;
      const link = document.createElement('a');
      link.href = '/hall/';
      link.textContent = text('hall');
      line.append(link);
    } else {
      line.textContent = `${text('refused')} ${answer.json.error || answer.status}`;
    }
    box.append(line);
  }

  // ---- Live: the game's lines go to the hall a second at a time.
  let liveStart = null;  // the request that starts it
  let liveGame = null;   // {live, key} once started
  let liveRefused = null;  // the hall's answer when it did not start it
  let waiting = '';
  let sending = Promise.resolve();
  function liveName() {
    let name = localStorage.getItem(nameKey);
    if (!name) {
      name = (prompt(text('name')) || '').trim();
      localStorage.setItem(nameKey, name);
    }
    return name;
  }
  function flush() {
    if (!liveGame || waiting === '') {
      return sending;
    }
    const lines = waiting;
    waiting = '';
    sending = sending.then(() => post(`/api/live/${liveGame.live}`, '', lines,
                                      { Authorization: `Bearer ${liveGame.key}` }));
    return sending;
  }

  function recorded(lines) {
    if (!live) {
      return;
    }
    waiting += lines;
    if (liveStart === null) {
      liveStart = onHall.then((ok) => ok && startLive());
    }
  }
  function startLive() {
    const name = liveName();
    return post(`/api/live?player=${encodeURIComponent(name)}`, name, '', authorization(name))
      .then((answer) => {
        if (answer.status === 201) {
          liveGame = answer.json;
          setInterval(flush, 1000);
        } else {
          liveRefused = answer;
        }
      });
  }

  // The game has closed: a live game ends and gets its verdict; a recorded one is offered.
  function ended(recording) {
    onHall.then((ok) => ok && offer(recording));
  }
  function offer(recording) {
    const box = document.createElement('div');
    box.className = 'hall-offer';
    document.querySelector('#closed').after(box);
    if (live) {
      (liveStart || Promise.resolve()).then(flush)
        .then(() => liveGame && post(`/api/live/${liveGame.live}/end`, liveName(), '',
                                     { Authorization: `Bearer ${liveGame.key}` }))
        .then((answer) => (answer || liveRefused) && tell(box, answer || liveRefused));
      return;
    }
    if (!recording || recording.length === 0) {
      return;
    }
    const form = document.createElement('form');
    const input = document.createElement('input');
    input.maxLength = 24;
    input.required = true;
    input.placeholder = text('name');
    input.value = localStorage.getItem(nameKey) || '';
    const button = document.createElement('button');
    button.textContent = text('send');
    form.append(input, button);
    box.append(form);
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      const name = input.value.trim();
      localStorage.setItem(nameKey, name);
      button.disabled = true;
      button.textContent = text('sending');
      post(`/api/games?player=${encodeURIComponent(name)}${dayParameter()}`, name, recording.join(''),
           authorization(name)).then((answer) => tell(box, answer),
                                     (error) => tell(box, { status: 0, json: { error: error.message } }));
    });
  }

  // ---- Spectating: the lines of a live game as they arrive, then its end and the hall's verdict.
  // A live game's recording, as the hall's page links it; its number, or null.
  function liveGameOf(url) {
    const path = /^\/api\/live\/(\d+)\/recording$/.exec(url.pathname);
    return path ? path[1] : null;
  }
  // `arrived(text, first)` gets the recording's lines, all so far first and then each part as it
  // comes; `over()` once no more will come. A lost connection is taken up again, and the lines
  // seen already are not handed over twice.
  function follow(id, arrived, over) {
    let seen = 0;
    let done = false;
    const verdict = document.createElement('p');
    verdict.className = 'hall-verdict';
    verdict.style.cssText = 'position:fixed;left:0;right:0;bottom:8px;margin:0;text-align:center;' +
      'color:#fff;font:15px Arial,"Liberation Sans",sans-serif';
    const finish = (words) => {
      done = true;
      over();
      verdict.replaceChildren(...words.childNodes);
      document.body.append(verdict);
    };
    function listen() {
      const events = new EventSource(`/api/live/${id}/events`);
      let sentNow = 0;  // what this connection has sent
      events.addEventListener('lines', (event) => {
        const text = `${event.data}\n`;
        const from = Math.max(0, seen - sentNow);
        sentNow += text.length;
        if (from < text.length) {
          arrived(text.slice(from), seen === 0);
          seen += text.length - from;
        }
      });
      events.addEventListener('end', (event) => {
        events.close();
        let result = {};
        try {
          result = JSON.parse(event.data);
        } catch {
          result = { error: event.data };
        }
        const box = document.createElement('div');
        tell(box, { status: result.error ? 0 : 201, json: result });
        finish(box.firstChild);
      });
      events.onerror = () => {
        // The hall stopped the stream: from the start again, or the game is gone.
        events.close();
        if (done) {
          return;
        }
        fetch(`/api/live/${id}/recording`, { method: 'HEAD' }).then((answer) => {
          if (answer.ok) {
            setTimeout(listen, 1000);
          } else {
            const words = document.createElement('p');
            words.textContent = text('gone');
            finish(words);
          }
        }, () => setTimeout(listen, 1000));
      };
    }
    listen();
  }

  return { recorded, ended, dailySeed, ready, liveGameOf, follow };
})();
