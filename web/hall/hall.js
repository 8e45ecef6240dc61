// The hall page: lists the games the hall holds, best first, and links each to the game's page,
// which plays its recording with the verdict. Every name goes in as text, never as markup.
(function () {
  'use strict';
  const $ = (selector) => document.querySelector(selector);
  const text = HallText.text;
  let board = 'level';

  document.documentElement.lang = HallText.code;
  document.title = text('title');
  for (const element of document.querySelectorAll('[data-text]')) {
    element.textContent = text(element.dataset.text);
  }

  // 61 234 ms reads 1:01; an hour and more reads 1:00:01.
  function clock(ms) {
    const seconds = Math.floor(ms / 1000);
    const two = (n) => String(n).padStart(2, '0');
    const hours = Math.floor(seconds / 3600);
    const minutes = Math.floor(seconds / 60) % 60;
    return hours > 0 ? `${hours}:${two(minutes)}:${two(seconds % 60)}`
                     : `${minutes}:${two(seconds % 60)}`;
  }

  // The game's page playing this game's recording, in the hall's language.
  function watchAddress(game) {
    const query = new URLSearchParams({ play: `/api/games/${game.id}/recording` });
    if (new URLSearchParams(location.search).has('lang')) {
      query.set('lang', HallText.code);
    }
    return `/?${query}`;
  }

  function cell(row, value, className) {
    const td = row.insertCell();
    td.textContent = value;
    if (className) {
      td.className = className;
    }
    return td;
  }

  function show(games) {
    const body = $('#games tbody');
    body.replaceChildren();
    games.forEach((game, index) => {
      const row = body.insertRow();
      cell(row, String(index + 1), 'number');
      cell(row, game.player, 'name');
      cell(row, String(game.level), 'number');
      cell(row, String(game.kills), 'number');
      cell(row, clock(game.time_ms), 'number');
      const link = document.createElement('a');
      link.href = watchAddress(game);
      link.textContent = text('watch');
      row.insertCell().append(link);
    });
    $('#status').textContent = games.length === 0 ? text('empty') : '';
  }

  async function load() {
    $('#status').textContent = text('loading');
    const query = new URLSearchParams({ limit: '100' });
    query.set('by', board === 'players' || board === 'daily' ? 'level' : board);
    if (board === 'players') {
      query.set('best', 'player');
    }
    try {
      if (board === 'daily') {
        const daily = await (await fetch('/api/daily')).json();
        query.set('daily', daily.day);
      }
      const player = $('#player').value.trim();
      if (player !== '') {
        query.set('player', player);
      }
      const answer = await fetch(`/api/games?${query}`);
      if (!answer.ok) {
        throw new Error(String(answer.status));
      }
      show((await answer.json()).games);
    } catch (error) {
      $('#status').textContent = text('failed');
    }
  }

  // The games being played now, each with a link that plays it as far as it has come.
  async function loadLive() {
    try {
      const games = (await (await fetch('/api/live')).json()).live;
      const list = $('#live ul');
      list.replaceChildren();
      for (const game of games) {
        const item = document.createElement('li');
        const link = document.createElement('a');
        link.href = `/?${new URLSearchParams({ play: `/api/live/${game.id}/recording` })}`;
        link.textContent = text('watch');
        item.append(`${game.player} `, link);
        list.append(item);
      }
      $('#live').hidden = games.length === 0;
    } catch (error) {
      $('#live').hidden = true;
    }
  }

  for (const button of document.querySelectorAll('#boards button')) {
    button.addEventListener('click', () => {
      board = button.dataset.board;
      for (const other of document.querySelectorAll('#boards button')) {
        other.setAttribute('aria-pressed', String(other === button));
      }
      load();
    });
  }
  $('#finder').addEventListener('submit', (event) => {
    event.preventDefault();
    load();
  });
  load();
  loadLive();
  setInterval(loadLive, 10000);
})();
