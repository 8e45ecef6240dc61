// The hall page's own words in the five languages the game speaks, chosen by ?lang= or by
// the browser's languages as the game's page chooses; English for any other.
var HallText = (function () {
  'use strict';
  const texts = {
    en: {
      title: 'Stonewick hall',
      intro: 'Every game here was replayed by the hall and matched its recording at every checkpoint.',
      best: 'Best games', 'kills-board': 'Most kills', 'time-board': 'Longest games',
      'players-board': "Each player's best", 'daily-board': "Today's board",
      player: 'Player', find: 'Show', level: 'Level', kills: 'Kills', time: 'Time',
      watch: 'Watch', 'live-now': 'Playing now', play: 'Play for the hall', live: 'Play live', seed: "Today's seed",
      loading: 'Loading…', empty: 'No games yet.', failed: 'The hall cannot be reached now.',
    },
    de: {
      title: 'Stonewick-Halle',
      intro: 'Jedes Spiel hier hat die Halle nachgespielt, und es stimmte an jedem Prüfpunkt mit seiner Aufnahme überein.',
      best: 'Beste Spiele', 'kills-board': 'Meiste Abschüsse', 'time-board': 'Längste Spiele',
      'players-board': 'Bestes Spiel je Spieler', 'daily-board': 'Heutiges Brett',
      player: 'Spieler', find: 'Zeigen', level: 'Level', kills: 'Abschüsse', time: 'Zeit',
      watch: 'Ansehen', 'live-now': 'Gerade gespielt', play: 'Für die Halle spielen', live: 'Live spielen', seed: 'Heutiger Startwert',
      loading: 'Wird geladen …', empty: 'Noch keine Spiele.', failed: 'Die Halle ist gerade nicht erreichbar.',
    },
    fr: {
      title: 'Le hall de Stonewick',
      intro: 'Chaque partie ici a été rejouée par le hall et correspond à son enregistrement à chaque point de contrôle.',
      best: 'Meilleures parties', 'kills-board': 'Plus de victimes', 'time-board': 'Parties les plus longues',
      'players-board': 'Meilleure partie de chaque joueur', 'daily-board': 'Plateau du jour',
      player: 'Joueur', find: 'Afficher', level: 'Niveau', kills: 'Victimes', time: 'Temps',
      watch: 'Regarder', 'live-now': 'En cours', play: 'Jouer pour le hall', live: 'Jouer en direct', seed: 'Graine du jour',
      loading: 'Chargement…', empty: 'Aucune partie pour l’instant.', failed: 'Le hall est injoignable pour le moment.',
    },
    es: {
      title: 'El salón de Stonewick',
      intro: 'Cada partida de aquí la ha vuelto a jugar el salón y coincide con su grabación en cada punto de control.',
      best: 'Mejores partidas', 'kills-board': 'Más bajas', 'time-board': 'Partidas más largas',
      'players-board': 'La mejor de cada jugador', 'daily-board': 'Tablero de hoy',
      player: 'Jugador', find: 'Mostrar', level: 'Nivel', kills: 'Bajas', time: 'Tiempo',
      watch: 'Ver', 'live-now': 'Jugando ahora', play: 'Jugar para el salón', live: 'Jugar en directo', seed: 'Semilla de hoy',
      loading: 'Cargando…', empty: 'Aún no hay partidas.', failed: 'No se puede llegar al salón ahora.',
    },
    ru: {
      title: 'Зал Stonewick',
      intro: 'Каждую игру здесь зал переиграл, и она совпала со своей записью в каждой контрольной точке.',
      best: 'Лучшие игры', 'kills-board': 'Больше всего убитых', 'time-board': 'Самые долгие игры',
      'players-board': 'Лучшая игра каждого', 'daily-board': 'Доска дня',
      player: 'Игрок', find: 'Показать', level: 'Уровень', kills: 'Убито', time: 'Время',
      watch: 'Смотреть', 'live-now': 'Играют сейчас', play: 'Играть для зала', live: 'Играть в прямом эфире', seed: 'Зерно дня',
      loading: 'Загрузка…', empty: 'Игр пока нет.', failed: 'Зал сейчас недоступен.',
    },
  };
  function chosen() {
    const asked = new URLSearchParams(location.search).get('lang');
    const wanted = asked ? [asked] : (navigator.languages || [navigator.language]);
    for (const tag of wanted) {
      const language = String(tag).toLowerCase().split(/[-_]/)[0];
      if (language in texts) {
        return language;
      }
    }
    return 'en';
  }
  const code = chosen();
  return {
    code,
    text: (key) => texts[code][key] || texts.en[key],
  };
})();
