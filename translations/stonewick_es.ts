<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>A primitive but addictive game</source>
        <translation>Un juego primitivo pero adictivo</translation>
    </message>
    <message>
        <source>version 2.07 ( September 2014 )</source>
        <translation>versión 2.07 ( septiembre de 2014 )</translation>
    </message>
    <message>
        <source>simplicity by design, </source>
        <translation>sencillo a propósito, </translation>
    </message>
    <message>
        <source>by the Stonewick developers</source>
        <translation>por los desarrolladores de Stonewick</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Stonewick developers</source>
        <translation>Copyright (C) 2026 los desarrolladores de Stonewick</translation>
    </message>
    <message>
        <source>Source: the Stonewick repository</source>
        <translation>Código fuente: el repositorio de Stonewick</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Stonewick</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AppStream</name>
    <message>
        <source>Wall in the roaming baddies with yellow and red bricks</source>
        <translation>Empareda a los malos que merodean con ladrillos amarillos y rojos</translation>
    </message>
    <message>
        <source>Stonewick is a small single-player arcade puzzle game. Walk your figure around a board of 22 by 22 cells, push yellow and red bricks to wall in the baddies that roam it, and eat the remains of walled-in baddies to earn Powers.</source>
        <translation>Stonewick es un pequeño juego de arcade y lógica para un jugador. Lleva a tu personaje por un tablero de 22 por 22 casillas, empuja ladrillos amarillos y rojos para emparedar a los malos que merodean por él, y cómete los restos de los malos emparedados para ganar Poderes.</translation>
    </message>
    <message>
        <source>Pushing a red brick against yellow ones turns them red one by one, but any square of four red bricks becomes a nest that hatches more baddies. Powers smash bricks and nests, and buy a second chance when a baddie catches you. There are five levels to clear.</source>
        <translation>Al empujar un ladrillo rojo contra otros amarillos, estos se vuelven rojos uno a uno, pero cualquier cuadrado de cuatro ladrillos rojos se convierte en un nido del que salen más malos. Los Poderes rompen ladrillos y nidos, y te compran una segunda oportunidad cuando te atrapa un malo. Hay cinco niveles que superar.</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Uso: stonewick [--play FICHERO] [--record FICHERO] [--hall URL [--daily]]
Un juego de arcade y lógica: empareda con ladrillos a los malos que merodean
antes de que te atrapen.

  --record FICHERO  grabar la partida en FICHERO mientras se juega;
                    stonewick-replay --check FICHERO la vuelve a reproducir
  --play FICHERO    ver una grabación en la ventana: Espacio pausa, Derecha
                    e Izquierda avanzan y retroceden paso a paso en pausa,
                    + y - cambian la velocidad, AvPág y RePág saltan 10
                    segundos, Inicio y Fin van al principio y al final, D a
                    la primera diferencia; T toma los controles y sigue
                    jugando, con la grabación en el FICHERO de --record si
                    se indica uno
  --hall URL        grabar la partida (en el FICHERO de --record, o en un
                    fichero de la carpeta de datos) y ofrecer al terminar
                    enviarla a la sala de partidas verificadas en URL
  --daily           con --hall, jugar el tablero del día de la sala
  -h, --help        mostrar esta ayuda y salir
  --version         mostrar la versión y salir

Las opciones propias de Qt, como -platform NOMBRE o -style NOMBRE, pasan a Qt.
Estado de salida: 0 si se cerró el juego; 1 si no se pudo abrir ninguna
pantalla; 2 si el uso es incorrecto, con una línea en la salida de error
estándar. Con --play, como cmp: 0 si la grabación se reprodujo tal como se
grabó, 1 si difirió, 2 si hubo problemas.
Las teclas, las reglas y el menú se describen en la página de manual
stonewick(6).
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a FILE</source>
        <translation>la opción &apos;%1&apos; necesita un FICHERO</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>(try &apos;stonewick --help&apos;)</source>
        <translation>(pruebe &apos;stonewick --help&apos;)</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a URL</source>
        <translation>la opción &apos;%1&apos; necesita una URL</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --hall URL</source>
        <translation>la opción &apos;%1&apos; necesita --hall URL</translation>
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
        <translation>Juego de lógica</translation>
    </message>
    <message>
        <source>Wall in the roaming baddies with yellow and red bricks</source>
        <translation>Empareda a los malos que merodean con ladrillos amarillos y rojos</translation>
    </message>
    <message>
        <source>puzzle;arcade;bricks;baddies;</source>
        <extracomment>Search words, each ending in &apos;;&apos;.</extracomment>
        <translation>lógica;rompecabezas;puzle;arcade;ladrillos;malos;</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>Send to the hall</source>
        <translation>Enviar a la sala</translation>
    </message>
    <message>
        <source>Send this game to the hall of verified games at %1?</source>
        <translation>¿Enviar esta partida a la sala de partidas verificadas en %1?</translation>
    </message>
    <message>
        <source>Your name in the hall:</source>
        <translation>Tu nombre en la sala:</translation>
    </message>
    <message>
        <source>It is sent as %1.</source>
        <translation>Se envía como %1.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>No enviar</translation>
    </message>
    <message>
        <source>The hall keeps your game: level %1, %2 kills.</source>
        <translation>La sala guarda tu partida: nivel %1, %2 bajas.</translation>
    </message>
    <message>
        <source>The hall could not be reached: %1</source>
        <translation>No se pudo llegar a la sala: %1</translation>
    </message>
    <message>
        <source>The hall refused the game: %1</source>
        <translation>La sala rechazó la partida: %1</translation>
    </message>
    <message>
        <source>stonewick: the hall at %1 gives no board of the day: %2
</source>
        <translation>stonewick: la sala en %1 no da tablero del día: %2
</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Stonewick - instructions</source>
        <translation>Stonewick - instrucciones</translation>
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
Muévete con las flechas. Esquiva a los malos.

Empuja los ladrillos con la barra espaciadora.

Usa los ladrillos rojos para cerrar el paso a los malos.

Junta ladrillos rojos y amarillos empujándolos para levantar un muro de ladrillos rojos. Empujar ladrillos rojos es más eficaz que empujar amarillos.

¡No formes cuadrados de 4! Se convierten en nidos de los que salen más malos.

Con la tecla «B» rompes ladrillos o nidos. Para eso necesitas Poderes. Empiezas con 1 Poder gratis.

Empareda a los malos. Cómete sus restos para conseguir Poderes. Pero date prisa, no se pueden comer durante mucho tiempo.

¡Buena suerte! Y cuidado: no es muy sofisticado, pero sí bastante adictivo. ¿Aguantarás más de una hora? ¿No tienes nada mejor que hacer?

¡Que te diviertas!
Los desarrolladores de Stonewick
</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Empezar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Ra&amp;ndomise</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Mezclar</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Trampa</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>Sa&amp;ltar</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <extracomment>Takes the place of Pause while the game is paused.</extracomment>
        <translation>&amp;Reanudar</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You have hit a baddie, but your powers will be exchanged for a 2nd chance</source>
        <translation>Has chocado con un malo, pero tus Poderes se cambiarán por una segunda oportunidad</translation>
    </message>
    <message>
        <source>Aaagh you have been eaten, game over - play again?</source>
        <extracomment>A question: Yes plays again, No ends the game.</extracomment>
        <translation>¡Aaargh, te han comido! Fin de la partida. ¿Juegas otra vez?</translation>
    </message>
    <message>
        <source>You have killed all the baddies, well done. Use Skip to go to next level</source>
        <extracomment>Skip is the menu command of that name.</extracomment>
        <translation>Has acabado con todos los malos, ¡bien hecho! Usa Saltar para pasar al siguiente nivel</translation>
    </message>
    <message>
        <source>Sorry, there are no more levels, you win! </source>
        <translation>Lo siento, no hay más niveles: ¡has ganado! </translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stonewick has closed.</source>
        <translation>Stonewick se ha cerrado.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Volver a jugar</translation>
    </message>
    <message>
        <source>Download the recording</source>
        <translation>Descargar la grabación</translation>
    </message>
    <message>
        <source>The game stopped: </source>
        <translation>El juego se detuvo: </translation>
    </message>
    <message>
        <source>Close Stonewick</source>
        <translation>Cerrar Stonewick</translation>
    </message>
    <message>
        <source>Close About</source>
        <translation>Cerrar «Acerca de Stonewick»</translation>
    </message>
    <message>
        <source>Close Instructions</source>
        <translation>Cerrar las instrucciones</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>game board</source>
        <translation>tablero de juego</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
    <message>
        <source>Jump in the recording</source>
        <translation>Saltar dentro de la grabación</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Smash</source>
        <translation>Romper</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Empujar</translation>
    </message>
    <message>
        <source>Paused while the page was hidden: Resume plays on</source>
        <translation>En pausa mientras la página estaba oculta: «Reanudar» sigue la partida</translation>
    </message>
    <message>
        <source>Watch a recording…</source>
        <translation>Ver una grabación…</translation>
    </message>
    <message>
        <source>Or drop a recording on the page</source>
        <translation>O suelta una grabación en la página</translation>
    </message>
    <message>
        <source>22 by 22 cells. The arrow keys turn and step the player, Space pushes what stands in front of it, B smashes it with a Power.</source>
        <translation>22 por 22 casillas. Las flechas giran y mueven tu figura, la barra espaciadora empuja lo que tiene delante y la B lo rompe con un Poder.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Click or drag on the track to jump there</source>
        <translation>Haz clic o arrastra sobre la pista para saltar a ese punto</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminada</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>live</source>
        <translation>en directo</translation>
    </message>
    <message>
        <source>Go to the difference</source>
        <translation>Ir a la diferencia</translation>
    </message>
    <message>
        <source>Stonewick - keys</source>
        <translation>Stonewick - teclas</translation>
    </message>
    <message>
        <source>%1 checked, all as recorded</source>
        <extracomment>%1 is how many checkpoints and states matched so far.</extracomment>
        <translation>%1 comprobados, todo como se grabó</translation>
    </message>
    <message>
        <source>differs at line %1</source>
        <translation>difiere en la línea %1</translation>
    </message>
    <message>
        <source>The game played back differently from the recording after line %1.
Line %2: %3.</source>
        <extracomment>%1 and %2 are line numbers of the recording; %3 is what differs.</extracomment>
        <translation>La partida se reprodujo de forma distinta a la grabación después de la línea %1.
Línea %2: %3.</translation>
    </message>
    <message>
        <source>The game played back exactly as recorded: %1 and %2 compared.</source>
        <extracomment>%1 is a count of checkpoints, %2 a count of states.</extracomment>
        <translation>La partida se reprodujo exactamente como se grabó: %1 y %2 comparados.</translation>
    </message>
    <message numerus="yes">
        <source>%n checkpoints</source>
        <translation>
            <numerusform>%n punto de control</numerusform>
            <numerusform>%n puntos de control</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n estado</numerusform>
            <numerusform>%n estados</numerusform>
        </translation>
    </message>
    <message>
        <source>dump line %1 of the dump on line %2 differs: expected %3, seen %4</source>
        <extracomment>%1 counts the dump&apos;s lines from 1; %2 is a line of the recording; %3 and %4 are lines of the game&apos;s state, as recorded and as played.</extracomment>
        <translation>la línea %1 del volcado de la línea %2 difiere: se esperaba %3, se vio %4</translation>
    </message>
    <message>
        <source>the state at the start differs from its checkpoint: expected %1, seen %2</source>
        <extracomment>%1 and %2 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>el estado del inicio difiere de su punto de control: se esperaba %1, se vio %2</translation>
    </message>
    <message>
        <source>the state after the block of line %1 differs from its checkpoint: expected %2, seen %3</source>
        <extracomment>%1 is a line of the recording; %2 and %3 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>el estado tras el bloque de la línea %1 difiere de su punto de control: se esperaba %2, se vio %3</translation>
    </message>
    <message>
        <source>no more lines</source>
        <translation>ninguna línea más</translation>
    </message>
    <message>
        <source>Space pause   ← → step   + − speed   T play on   F1 all keys</source>
        <extracomment>One line under the board while a recording plays.</extracomment>
        <translation>Espacio pausa   ← → paso   + − velocidad   T jugar   F1 teclas</translation>
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
        <translation>Espacio	pausar o continuar
→	en pausa: un evento adelante
←	en pausa: un evento atrás
+  −	más rápido, más lento: de 1/4x a 16x
AvPág  RePág	diez segundos adelante, atrás
Inicio  Fin	al principio, al último evento
D	justo antes de la primera diferencia
T	tomar los controles y seguir jugando desde aquí
Alt+S	Salir</translation>
    </message>
    <message>
        <source>The game played back, but the recording holds no state to compare it with.</source>
        <translation>La partida se reprodujo, pero la grabación no guarda ningún estado con el que compararla.</translation>
    </message>
    <message>
        <source>nothing to check</source>
        <extracomment>On the playback bar: the recording holds no checkpoint and no state.</extracomment>
        <translation>nada que comprobar</translation>
    </message>
    <message>
        <source>no difference to go to</source>
        <extracomment>On the playback bar, after D: the recording played back as recorded so far.</extracomment>
        <translation>no hay ninguna diferencia a la que ir</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Powers : %1</source>
        <extracomment>The read-outs under the board keep to their places: keep them about as short as these.</extracomment>
        <translation>Poderes: %1</translation>
    </message>
    <message>
        <source>Level : %1</source>
        <translation>Nivel: %1</translation>
    </message>
    <message>
        <source>Kills : %1</source>
        <translation>Bajas: %1</translation>
    </message>
    <message>
        <source>At large : %1</source>
        <translation>En libertad: %1</translation>
    </message>
    <message>
        <source>Clock : %1</source>
        <extracomment>Shown only for a moment, before the first level is laid out.</extracomment>
        <translation>Reloj: %1</translation>
    </message>
</context>
</TS>
