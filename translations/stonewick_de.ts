<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>A primitive but addictive game</source>
        <translation>Ein primitives, aber süchtig machendes Spiel</translation>
    </message>
    <message>
        <source>version 2.07 ( September 2014 )</source>
        <translation>Version 2.07 ( September 2014 )</translation>
    </message>
    <message>
        <source>simplicity by design, </source>
        <translation>bewusst einfach gehalten, </translation>
    </message>
    <message>
        <source>by the Stonewick developers</source>
        <translation>von den Stonewick-Entwicklern</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Stonewick developers</source>
        <translation>Copyright (C) 2026 die Stonewick-Entwickler</translation>
    </message>
    <message>
        <source>Source: the Stonewick repository</source>
        <translation>Quelltext: das Stonewick-Repository</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Stonewick</translation>
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
        <translation>Mauere die umherstreifenden Bösewichte mit gelben und roten Steinen ein</translation>
    </message>
    <message>
        <source>Stonewick is a small single-player arcade puzzle game. Walk your figure around a board of 22 by 22 cells, push yellow and red bricks to wall in the baddies that roam it, and eat the remains of walled-in baddies to earn Powers.</source>
        <translation>Stonewick ist ein kleines Arcade-Denkspiel für eine Person. Lauf mit deiner Figur über ein Spielfeld aus 22 mal 22 Feldern, schiebe gelbe und rote Steine, um die Bösewichte einzumauern, die dort umherstreifen, und iss die Überreste eingemauerter Bösewichte, um Kräfte zu sammeln.</translation>
    </message>
    <message>
        <source>Pushing a red brick against yellow ones turns them red one by one, but any square of four red bricks becomes a nest that hatches more baddies. Powers smash bricks and nests, and buy a second chance when a baddie catches you. There are five levels to clear.</source>
        <translation>Schiebst du einen roten Stein gegen gelbe, färben sie sich einer nach dem anderen rot – doch jedes Quadrat aus vier roten Steinen wird zu einem Nest, aus dem weitere Bösewichte schlüpfen. Mit Kräften zertrümmerst du Steine und Nester, und sie erkaufen dir eine zweite Chance, wenn dich ein Bösewicht erwischt. Fünf Level wollen geschafft werden.</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Aufruf: stonewick [--play DATEI] [--record DATEI] [--hall URL [--daily]]
Ein Arcade-Denkspiel: Mauere die umherstreifenden Bösewichte mit Steinen ein,
bevor sie dich erwischen.

  --record DATEI  das Spiel in DATEI aufzeichnen, während es gespielt wird;
                  stonewick-replay --check DATEI spielt es erneut ab
  --play DATEI    eine Aufzeichnung im Fenster ansehen: Leertaste hält an,
                  Rechts und Links gehen angehalten schrittweise vor und
                  zurück, + und - ändern das Tempo, Bild ab und Bild auf
                  springen 10 Sekunden, Pos1 und Ende an den Anfang und das
                  Ende, D zum ersten Unterschied; T übernimmt die Steuerung
                  und spielt weiter, aufgezeichnet in die DATEI von
                  --record, wenn eine angegeben ist
  --hall URL      das Spiel aufzeichnen (in die DATEI von --record oder
                  eine Datei im Datenordner) und an seinem Ende anbieten,
                  es an die Halle geprüfter Spiele unter URL zu senden
  --daily         mit --hall das Brett des Tages der Halle spielen
  -h, --help      diese Hilfe anzeigen und beenden
  --version       die Version anzeigen und beenden

Qts eigene Optionen wie -platform NAME oder -style NAME gehen an Qt weiter.
Beendigungsstatus: 0, wenn das Spiel geschlossen wurde; 1, wenn sich keine
Anzeige öffnen ließ; 2 bei falschem Aufruf, mit einer Zeile auf der
Standardfehlerausgabe. Mit --play wie bei cmp: 0, wenn die Aufzeichnung genau
so abgespielt wurde, 1, wenn sie abwich, 2 bei Problemen.
Tasten, Regeln und Menü beschreibt die Handbuchseite stonewick(6).
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a FILE</source>
        <translation>Option &apos;%1&apos; braucht eine DATEI</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>(try &apos;stonewick --help&apos;)</source>
        <translation>(siehe &apos;stonewick --help&apos;)</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a URL</source>
        <translation>Option &apos;%1&apos; braucht eine URL</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --hall URL</source>
        <translation>Option &apos;%1&apos; braucht --hall URL</translation>
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
        <translation>Denkspiel</translation>
    </message>
    <message>
        <source>Wall in the roaming baddies with yellow and red bricks</source>
        <translation>Mauere die umherstreifenden Bösewichte mit gelben und roten Steinen ein</translation>
    </message>
    <message>
        <source>puzzle;arcade;bricks;baddies;</source>
        <extracomment>Search words, each ending in &apos;;&apos;.</extracomment>
        <translation>Denkspiel;Puzzle;Arcade;Steine;Mauer;Bösewichte;</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>Send to the hall</source>
        <translation>An die Halle senden</translation>
    </message>
    <message>
        <source>Send this game to the hall of verified games at %1?</source>
        <translation>Dieses Spiel an die Halle geprüfter Spiele unter %1 senden?</translation>
    </message>
    <message>
        <source>Your name in the hall:</source>
        <translation>Dein Name in der Halle:</translation>
    </message>
    <message>
        <source>It is sent as %1.</source>
        <translation>Es wird als %1 gesendet.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Nicht senden</translation>
    </message>
    <message>
        <source>The hall keeps your game: level %1, %2 kills.</source>
        <translation>Die Halle nimmt dein Spiel auf: Level %1, %2 erledigt.</translation>
    </message>
    <message>
        <source>The hall could not be reached: %1</source>
        <translation>Die Halle war nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>The hall refused the game: %1</source>
        <translation>Die Halle hat das Spiel abgelehnt: %1</translation>
    </message>
    <message>
        <source>stonewick: the hall at %1 gives no board of the day: %2
</source>
        <translation>stonewick: die Halle unter %1 gibt kein Brett des Tages: %2
</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Stonewick - instructions</source>
        <translation>Stonewick - Anleitung</translation>
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
Bewege dich mit den Pfeiltasten. Weiche den Bösewichten aus.

Mit der Leertaste schiebst du Steine.

Mit roten Steinen hältst du die Bösewichte auf.

Schiebe rote und gelbe Steine zusammen, dann entsteht eine Mauer aus roten Steinen. Rote Steine zu schieben bringt mehr, als gelbe zu schieben.

Bilde keine Quadrate aus 4 Steinen! Sie werden zu Nestern, aus denen weitere Bösewichte schlüpfen.

Mit der Taste „B“ zertrümmerst du Steine oder Nester. Dafür brauchst du Kräfte. Zum Start bekommst du 1 Kraft geschenkt.

Mauere die Bösewichte ein. Iss ihre Überreste, dann bekommst du Kräfte. Aber beeil dich, lange bleiben sie nicht genießbar.

Viel Glück! Und Vorsicht: Es ist nicht besonders ausgefeilt, macht aber ganz schön süchtig – hältst du länger als eine Stunde durch? Hast du nichts Besseres zu tun?

Viel Spaß!
Die Stonewick-Entwickler
</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Ra&amp;ndomise</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Mischen</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Tricksen</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>A&amp;uto</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <extracomment>Takes the place of Pause while the game is paused.</extracomment>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You have hit a baddie, but your powers will be exchanged for a 2nd chance</source>
        <translation>Du bist in einen Bösewicht gelaufen, aber deine Kräfte werden gegen eine zweite Chance eingetauscht</translation>
    </message>
    <message>
        <source>Aaagh you have been eaten, game over - play again?</source>
        <extracomment>A question: Yes plays again, No ends the game.</extracomment>
        <translation>Aaargh, du wurdest gefressen, Spiel vorbei – noch mal spielen?</translation>
    </message>
    <message>
        <source>You have killed all the baddies, well done. Use Skip to go to next level</source>
        <extracomment>Skip is the menu command of that name.</extracomment>
        <translation>Du hast alle Bösewichte erledigt, gut gemacht. Mit Überspringen geht es zum nächsten Level</translation>
    </message>
    <message>
        <source>Sorry, there are no more levels, you win! </source>
        <translation>Tut mir leid, es gibt keine weiteren Level – du hast gewonnen! </translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Stonewick has closed.</source>
        <translation>Stonewick ist beendet.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Noch mal spielen</translation>
    </message>
    <message>
        <source>Download the recording</source>
        <translation>Aufzeichnung herunterladen</translation>
    </message>
    <message>
        <source>The game stopped: </source>
        <translation>Das Spiel ist stehen geblieben: </translation>
    </message>
    <message>
        <source>Close Stonewick</source>
        <translation>Stonewick schließen</translation>
    </message>
    <message>
        <source>Close About</source>
        <translation>„Über Stonewick“ schließen</translation>
    </message>
    <message>
        <source>Close Instructions</source>
        <translation>Anleitung schließen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>game board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Jump in the recording</source>
        <translation>In der Aufzeichnung springen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Smash</source>
        <translation>Zertrümmern</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Schieben</translation>
    </message>
    <message>
        <source>Paused while the page was hidden: Resume plays on</source>
        <translation>Angehalten, während die Seite verborgen war: „Weiter“ setzt das Spiel fort</translation>
    </message>
    <message>
        <source>Watch a recording…</source>
        <translation>Aufzeichnung ansehen…</translation>
    </message>
    <message>
        <source>Or drop a recording on the page</source>
        <translation>Oder eine Aufzeichnung auf die Seite ziehen</translation>
    </message>
    <message>
        <source>22 by 22 cells. The arrow keys turn and step the player, Space pushes what stands in front of it, B smashes it with a Power.</source>
        <translation>22 mal 22 Felder. Die Pfeiltasten drehen und bewegen deine Figur, die Leertaste schiebt, was vor ihr steht, B zertrümmert es mit einer Kraft.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Click or drag on the track to jump there</source>
        <translation>Auf die Spur klicken oder ziehen, um dorthin zu springen</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>zu Ende</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>angehalten</translation>
    </message>
    <message>
        <source>live</source>
        <translation>live</translation>
    </message>
    <message>
        <source>Go to the difference</source>
        <translation>Zum Unterschied</translation>
    </message>
    <message>
        <source>Stonewick - keys</source>
        <translation>Stonewick - Tasten</translation>
    </message>
    <message>
        <source>%1 checked, all as recorded</source>
        <extracomment>%1 is how many checkpoints and states matched so far.</extracomment>
        <translation>%1 geprüft, alles wie aufgezeichnet</translation>
    </message>
    <message>
        <source>differs at line %1</source>
        <translation>weicht ab in Zeile %1</translation>
    </message>
    <message>
        <source>The game played back differently from the recording after line %1.
Line %2: %3.</source>
        <extracomment>%1 and %2 are line numbers of the recording; %3 is what differs.</extracomment>
        <translation>Das Spiel lief nach Zeile %1 anders ab als aufgezeichnet.
Zeile %2: %3.</translation>
    </message>
    <message>
        <source>The game played back exactly as recorded: %1 and %2 compared.</source>
        <extracomment>%1 is a count of checkpoints, %2 a count of states.</extracomment>
        <translation>Das Spiel lief genau wie aufgezeichnet ab: %1 und %2 verglichen.</translation>
    </message>
    <message numerus="yes">
        <source>%n checkpoints</source>
        <translation>
            <numerusform>%n Prüfpunkt</numerusform>
            <numerusform>%n Prüfpunkte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n Zustand</numerusform>
            <numerusform>%n Zustände</numerusform>
        </translation>
    </message>
    <message>
        <source>dump line %1 of the dump on line %2 differs: expected %3, seen %4</source>
        <extracomment>%1 counts the dump&apos;s lines from 1; %2 is a line of the recording; %3 and %4 are lines of the game&apos;s state, as recorded and as played.</extracomment>
        <translation>Zeile %1 des Zustandsberichts in Zeile %2 weicht ab: erwartet %3, gesehen %4</translation>
    </message>
    <message>
        <source>the state at the start differs from its checkpoint: expected %1, seen %2</source>
        <extracomment>%1 and %2 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>der Zustand am Anfang weicht von seinem Prüfpunkt ab: erwartet %1, gesehen %2</translation>
    </message>
    <message>
        <source>the state after the block of line %1 differs from its checkpoint: expected %2, seen %3</source>
        <extracomment>%1 is a line of the recording; %2 and %3 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>der Zustand nach dem Block in Zeile %1 weicht von seinem Prüfpunkt ab: erwartet %2, gesehen %3</translation>
    </message>
    <message>
        <source>no more lines</source>
        <translation>keine weiteren Zeilen</translation>
    </message>
    <message>
        <source>Space pause   ← → step   + − speed   T play on   F1 all keys</source>
        <extracomment>One line under the board while a recording plays.</extracomment>
        <translation>Leertaste Pause   ← → Schritt   + − Tempo   T übernehmen   F1 alle Tasten</translation>
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
        <translation>Leertaste	anhalten oder weiter
→	angehalten: ein Ereignis vor
←	angehalten: ein Ereignis zurück
+  −	schneller, langsamer: 1/4x bis 16x
Bild↓  Bild↑	zehn Sekunden vor, zurück
Pos1  Ende	zum Anfang, zum letzten Ereignis
D	bis kurz vor den ersten Unterschied
T	selbst übernehmen und von hier aus weiterspielen
Alt+B	Beenden</translation>
    </message>
    <message>
        <source>The game played back, but the recording holds no state to compare it with.</source>
        <translation>Das Spiel lief ab, aber die Aufzeichnung enthält keinen Zustand, mit dem es sich vergleichen ließe.</translation>
    </message>
    <message>
        <source>nothing to check</source>
        <extracomment>On the playback bar: the recording holds no checkpoint and no state.</extracomment>
        <translation>nichts zu prüfen</translation>
    </message>
    <message>
        <source>no difference to go to</source>
        <extracomment>On the playback bar, after D: the recording played back as recorded so far.</extracomment>
        <translation>kein Unterschied, zu dem es ginge</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Powers : %1</source>
        <extracomment>The read-outs under the board keep to their places: keep them about as short as these.</extracomment>
        <translation>Kräfte: %1</translation>
    </message>
    <message>
        <source>Level : %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Kills : %1</source>
        <translation>Erledigt: %1</translation>
    </message>
    <message>
        <source>At large : %1</source>
        <translation>Auf freiem Fuß: %1</translation>
    </message>
    <message>
        <source>Clock : %1</source>
        <extracomment>Shown only for a moment, before the first level is laid out.</extracomment>
        <translation>Uhr: %1</translation>
    </message>
</context>
</TS>
