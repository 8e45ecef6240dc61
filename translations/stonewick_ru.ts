<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>A primitive but addictive game</source>
        <translation>Примитивная, но затягивающая игра</translation>
    </message>
    <message>
        <source>version 2.07 ( September 2014 )</source>
        <translation>версия 2.07 ( сентябрь 2014 )</translation>
    </message>
    <message>
        <source>simplicity by design, </source>
        <translation>простая по замыслу, </translation>
    </message>
    <message>
        <source>by the Stonewick developers</source>
        <translation>от разработчиков Stonewick</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Stonewick developers</source>
        <translation>Copyright (C) 2026 разработчики Stonewick</translation>
    </message>
    <message>
        <source>Source: the Stonewick repository</source>
        <translation>Исходный код: репозиторий Stonewick</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре Stonewick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Wall in the roaming baddies with yellow and red bricks</source>
        <translation>Замуруйте бродячих злыдней жёлтыми и красными кирпичами</translation>
    </message>
    <message>
        <source>Stonewick is a small single-player arcade puzzle game. Walk your figure around a board of 22 by 22 cells, push yellow and red bricks to wall in the baddies that roam it, and eat the remains of walled-in baddies to earn Powers.</source>
        <translation>Stonewick — небольшая аркадная головоломка для одного игрока. Водите своего героя по полю из 22 на 22 клетки, толкайте жёлтые и красные кирпичи, чтобы замуровать бродящих по нему злыдней, и съедайте останки замурованных злыдней, чтобы получать заряды.</translation>
    </message>
    <message>
        <source>Pushing a red brick against yellow ones turns them red one by one, but any square of four red bricks becomes a nest that hatches more baddies. Powers smash bricks and nests, and buy a second chance when a baddie catches you. There are five levels to clear.</source>
        <translation>Красный кирпич, придвинутый к жёлтым, один за другим перекрашивает их в красный цвет, но любой квадрат из четырёх красных кирпичей становится гнездом, из которого вылупляются новые злыдни. Заряды разбивают кирпичи и гнёзда, а когда вас ловит злыдень, покупают второй шанс. Пройти нужно пять уровней.</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: stonewick [--play FILE] [--record FILE] [--hall URL [--daily]]
An arcade puzzle game: wall in the roaming baddies with bricks before they catch
you.

  --record FILE  write a recording of the game to FILE as it is played;
                 stonewick-replay --check FILE plays it again
  --play FILE    watch a recording in the window: Space pauses, Right and Left
                 step while paused, + and - change the speed, Page Down and
                 Page Up jump 10 seconds, Home and End to the start and end, D
                 to the first difference; T takes the controls and plays on,
                 recorded into --record&apos;s FILE when one is given
  --hall URL     record the game (into --record&apos;s FILE, or a file in the
                 user&apos;s data folder) and offer to send it to the hall of
                 verified games at URL when it ends
  --daily        with --hall, play the hall&apos;s board of the day
  -h, --help     show this help and exit
  --version      show the version and exit

Qt&apos;s own options, such as -platform NAME or -style NAME, are passed on to Qt.
Exit status: 0 when the game was closed; 1 when no display could be opened;
2 for bad usage, with one line on standard error. With --play, as cmp does: 0
when the recording played back as recorded, 1 when it differed, 2 on trouble.
The keys, the rules and the menu are described in the manual page stonewick(6).
</source>
        <translation>Использование: stonewick [--play ФАЙЛ] [--record ФАЙЛ] [--hall URL [--daily]]
Аркадная головоломка: замуруйте кирпичами бродячих злыдней, пока они
не поймали вас.

  --record ФАЙЛ  записывать игру в ФАЙЛ по ходу игры;
                 stonewick-replay --check ФАЙЛ воспроизведёт её снова
  --play ФАЙЛ    смотреть запись в окне: Пробел ставит на паузу, Вправо
                 и Влево на паузе шагают вперёд и назад, + и - меняют
                 скорость, Page Down и Page Up перематывают на 10 секунд,
                 Home и End ведут в начало и в конец, D к первому
                 расхождению; T передаёт управление вам, и игра идёт
                 дальше с записью в ФАЙЛ из --record, если он указан
  --hall URL     записывать игру (в ФАЙЛ из --record или в файл в папке
                 данных) и по её окончании предложить отправить её в зал
                 проверенных игр по адресу URL
  --daily        с --hall играть на доске дня из зала
  -h, --help     показать эту справку и выйти
  --version      показать версию и выйти

Собственные параметры Qt, например -platform ИМЯ или -style ИМЯ,
передаются Qt.
Код выхода: 0, если игра была закрыта; 1, если не удалось открыть дисплей;
2 при неверном использовании, с одной строкой в стандартном потоке ошибок.
С --play, как у cmp: 0, если запись воспроизведена точно, 1, если возникло
расхождение, 2 при сбое.
Клавиши, правила и меню описаны на странице руководства stonewick(6).
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>неизвестный параметр &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a FILE</source>
        <translation>параметру &apos;%1&apos; нужен ФАЙЛ</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>параметру &apos;%1&apos; нужно значение</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>лишний аргумент &apos;%1&apos;</translation>
    </message>
    <message>
        <source>(try &apos;stonewick --help&apos;)</source>
        <translation>(см. &apos;stonewick --help&apos;)</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a URL</source>
        <translation>параметру &apos;%1&apos; нужен URL</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --hall URL</source>
        <translation>параметру &apos;%1&apos; нужен --hall URL</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Stonewick</source>
        <translation>Stonewick</translation>
    </message>
    <message>
        <source>Puzzle Game</source>
        <translation>Головоломка</translation>
    </message>
    <message>
        <source>Wall in the roaming baddies with yellow and red bricks</source>
        <translation>Замуруйте бродячих злыдней жёлтыми и красными кирпичами</translation>
    </message>
    <message>
        <source>puzzle;arcade;bricks;baddies;</source>
        <extracomment>Search words, each ending in &apos;;&apos;.</extracomment>
        <translation>головоломка;аркада;кирпичи;злыдни;puzzle;arcade;</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>Send to the hall</source>
        <translation>Отправить в зал</translation>
    </message>
    <message>
        <source>Send this game to the hall of verified games at %1?</source>
        <translation>Отправить эту игру в зал проверенных игр по адресу %1?</translation>
    </message>
    <message>
        <source>Your name in the hall:</source>
        <translation>Ваше имя в зале:</translation>
    </message>
    <message>
        <source>It is sent as %1.</source>
        <translation>Она отправляется под именем %1.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Не отправлять</translation>
    </message>
    <message>
        <source>The hall keeps your game: level %1, %2 kills.</source>
        <translation>Зал сохранил вашу игру: уровень %1, убито: %2.</translation>
    </message>
    <message>
        <source>The hall could not be reached: %1</source>
        <translation>Зал недоступен: %1</translation>
    </message>
    <message>
        <source>The hall refused the game: %1</source>
        <translation>Зал отклонил игру: %1</translation>
    </message>
    <message>
        <source>stonewick: the hall at %1 gives no board of the day: %2
</source>
        <translation>stonewick: зал по адресу %1 не даёт доску дня: %2
</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Stonewick - instructions</source>
        <translation>Stonewick - инструкция</translation>
    </message>
    <message>
        <source>
Use the arrow keys to move. Avoid the baddies. 

Use spacebar to push bricks. 

Use red bricks to block the baddies. 

Push red &amp; yellow bricks together to make a wall of red bricks.
Pushing red bricks is more effective than pushing yellow.

Do not create square blocks of 4! These turn into nests which 
hatch into more baddies. 

Use the &quot;B&quot; key  to smash bricks or nests. You need Powers for 
this. You have 1 free Power to start. 

Wall up the baddies. Eat their remains to get Powers. 
But hurry, they do not remain edible for long. 

Good luck! And watch out - it&apos;s not very advanced, but still quite 
addictive, can you last more than an hour? Haven&apos;t you got better 
things to do?

Have fun!
The Stonewick developers
</source>
        <extracomment>The Instructions window wraps the text to its width: write each paragraph on one line, and keep the blank lines between them.</extracomment>
        <translation>
Двигайтесь стрелками. Избегайте злыдней.

Пробелом толкайте кирпичи.

Красными кирпичами преграждайте злыдням путь.

Сдвиньте вместе красные и жёлтые кирпичи — получится стена из красных кирпичей. Толкать красные кирпичи выгоднее, чем жёлтые.

Не складывайте квадраты из 4 кирпичей! Они становятся гнёздами, из которых вылупляются новые злыдни.

Клавишей «B» разбивайте кирпичи и гнёзда. Для этого нужны заряды. Для начала у вас есть 1 бесплатный заряд.

Замуровывайте злыдней. Съедайте их останки, чтобы получить заряды. Но торопитесь: съедобны они недолго.

Удачи! И берегитесь: игра не слишком хитроумная, но здорово затягивает. Продержитесь больше часа? Неужели вам больше нечем заняться?

Приятной игры!
Разработчики Stonewick
</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Инструкция</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Ra&amp;ndomise</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>Пере&amp;мешать</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Жульничать</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Дальше</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Авто</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Об игре</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <extracomment>Takes the place of Pause while the game is paused.</extracomment>
        <translation>П&amp;родолжить</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You have hit a baddie, but your powers will be exchanged for a 2nd chance</source>
        <translation>Вы наткнулись на злыдня, но ваши заряды обменяют на второй шанс</translation>
    </message>
    <message>
        <source>Aaagh you have been eaten, game over - play again?</source>
        <extracomment>A question: Yes plays again, No ends the game.</extracomment>
        <translation>Аааа, вас съели! Игра окончена. Сыграть ещё раз?</translation>
    </message>
    <message>
        <source>You have killed all the baddies, well done. Use Skip to go to next level</source>
        <extracomment>Skip is the menu command of that name.</extracomment>
        <translation>Все злыдни убиты, отличная работа! Нажмите «Дальше», чтобы перейти на следующий уровень</translation>
    </message>
    <message>
        <source>Sorry, there are no more levels, you win! </source>
        <translation>Увы, уровней больше нет — вы победили! </translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Stonewick has closed.</source>
        <translation>Stonewick закрыт.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Сыграть снова</translation>
    </message>
    <message>
        <source>Download the recording</source>
        <translation>Скачать запись</translation>
    </message>
    <message>
        <source>The game stopped: </source>
        <translation>Игра остановилась: </translation>
    </message>
    <message>
        <source>Close Stonewick</source>
        <translation>Закрыть Stonewick</translation>
    </message>
    <message>
        <source>Close About</source>
        <translation>Закрыть «Об игре Stonewick»</translation>
    </message>
    <message>
        <source>Close Instructions</source>
        <translation>Закрыть инструкцию</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>game board</source>
        <translation>игровое поле</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Jump in the recording</source>
        <translation>Перейти к месту записи</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Smash</source>
        <translation>Разбить</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Толкнуть</translation>
    </message>
    <message>
        <source>Paused while the page was hidden: Resume plays on</source>
        <translation>Пауза, пока страница была скрыта: «Продолжить» возобновит игру</translation>
    </message>
    <message>
        <source>Watch a recording…</source>
        <translation>Смотреть запись…</translation>
    </message>
    <message>
        <source>Or drop a recording on the page</source>
        <translation>Или перетащите запись на страницу</translation>
    </message>
    <message>
        <source>22 by 22 cells. The arrow keys turn and step the player, Space pushes what stands in front of it, B smashes it with a Power.</source>
        <translation>Поле 22 на 22 клетки. Стрелки поворачивают и передвигают вашу фигурку, пробел толкает то, что перед ней, клавиша B разбивает это зарядом.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Click or drag on the track to jump there</source>
        <translation>Щёлкните по дорожке или потяните по ней, чтобы перейти к этому месту</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>пауза</translation>
    </message>
    <message>
        <source>live</source>
        <translation>в прямом эфире</translation>
    </message>
    <message>
        <source>Go to the difference</source>
        <translation>К расхождению</translation>
    </message>
    <message>
        <source>Stonewick - keys</source>
        <translation>Stonewick - клавиши</translation>
    </message>
    <message>
        <source>%1 checked, all as recorded</source>
        <extracomment>%1 is how many checkpoints and states matched so far.</extracomment>
        <translation>проверено: %1, всё как в записи</translation>
    </message>
    <message>
        <source>differs at line %1</source>
        <translation>расхождение в строке %1</translation>
    </message>
    <message>
        <source>The game played back differently from the recording after line %1.
Line %2: %3.</source>
        <extracomment>%1 and %2 are line numbers of the recording; %3 is what differs.</extracomment>
        <translation>После строки %1 игра пошла не так, как в записи.
Строка %2: %3.</translation>
    </message>
    <message>
        <source>The game played back exactly as recorded: %1 and %2 compared.</source>
        <extracomment>%1 is a count of checkpoints, %2 a count of states.</extracomment>
        <translation>Игра воспроизведена точно как в записи. Сравнено: %1 и %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n checkpoints</source>
        <translation>
            <numerusform>%n контрольная точка</numerusform>
            <numerusform>%n контрольные точки</numerusform>
            <numerusform>%n контрольных точек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n состояние</numerusform>
            <numerusform>%n состояния</numerusform>
            <numerusform>%n состояний</numerusform>
        </translation>
    </message>
    <message>
        <source>dump line %1 of the dump on line %2 differs: expected %3, seen %4</source>
        <extracomment>%1 counts the dump&apos;s lines from 1; %2 is a line of the recording; %3 and %4 are lines of the game&apos;s state, as recorded and as played.</extracomment>
        <translation>строка %1 состояния в строке %2 отличается: ожидалось %3, получено %4</translation>
    </message>
    <message>
        <source>the state at the start differs from its checkpoint: expected %1, seen %2</source>
        <extracomment>%1 and %2 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>начальное состояние не совпадает с контрольной точкой: ожидалось %1, получено %2</translation>
    </message>
    <message>
        <source>the state after the block of line %1 differs from its checkpoint: expected %2, seen %3</source>
        <extracomment>%1 is a line of the recording; %2 and %3 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>состояние после блока в строке %1 не совпадает с контрольной точкой: ожидалось %2, получено %3</translation>
    </message>
    <message>
        <source>no more lines</source>
        <translation>строк больше нет</translation>
    </message>
    <message>
        <source>Space pause   ← → step   + − speed   T play on   F1 all keys</source>
        <extracomment>One line under the board while a recording plays.</extracomment>
        <translation>Пробел пауза   ← → шаг   + − скорость   T играть   F1 все клавиши</translation>
    </message>
    <message>
        <source>Space	pause, or go on
→	while paused: one event forward
←	while paused: one event back
+  −	faster, slower: 1/4x to 16x
PgDn  PgUp	ten seconds forward, back
Home  End	to the start, to the last event
D	to just before the first difference
T	take the controls and play on from here
Alt+E	Exit</source>
        <extracomment>A tab parts each key from what it does.</extracomment>
        <translation>Пробел	пауза или продолжить
→	на паузе: одно событие вперёд
←	на паузе: одно событие назад
+  −	быстрее, медленнее: от 1/4x до 16x
PgDn  PgUp	десять секунд вперёд, назад
Home  End	в начало, к последнему событию
D	перед первым расхождением
T	взять управление и играть дальше отсюда
Alt+В	Выход</translation>
    </message>
    <message>
        <source>The game played back, but the recording holds no state to compare it with.</source>
        <translation>Игра воспроизведена, но в записи нет состояний, с которыми её можно сравнить.</translation>
    </message>
    <message>
        <source>nothing to check</source>
        <extracomment>On the playback bar: the recording holds no checkpoint and no state.</extracomment>
        <translation>нечего проверять</translation>
    </message>
    <message>
        <source>no difference to go to</source>
        <extracomment>On the playback bar, after D: the recording played back as recorded so far.</extracomment>
        <translation>различий нет</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Powers : %1</source>
        <extracomment>The read-outs under the board keep to their places: keep them about as short as these.</extracomment>
        <translation>Заряды: %1</translation>
    </message>
    <message>
        <source>Level : %1</source>
        <translation>Уровень: %1</translation>
    </message>
    <message>
        <source>Kills : %1</source>
        <translation>Убито: %1</translation>
    </message>
    <message>
        <source>At large : %1</source>
        <translation>На свободе: %1</translation>
    </message>
    <message>
        <source>Clock : %1</source>
        <extracomment>Shown only for a moment, before the first level is laid out.</extracomment>
        <translation>Время: %1</translation>
    </message>
</context>
</TS>
