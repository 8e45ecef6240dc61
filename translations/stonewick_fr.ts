<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>About</name>
    <message>
        <source>A primitive but addictive game</source>
        <translation>Un jeu primitif mais addictif</translation>
    </message>
    <message>
        <source>version 2.07 ( September 2014 )</source>
        <translation>version 2.07 ( septembre 2014 )</translation>
    </message>
    <message>
        <source>simplicity by design, </source>
        <translation>simple par choix, </translation>
    </message>
    <message>
        <source>by the Stonewick developers</source>
        <translation>par les développeurs de Stonewick</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Stonewick developers</source>
        <translation>Copyright (C) 2026 les développeurs de Stonewick</translation>
    </message>
    <message>
        <source>Source: the Stonewick repository</source>
        <translation>Source&#xa0;: le dépôt de Stonewick</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Stonewick</translation>
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
        <translation>Emmurez les méchants qui rôdent avec des briques jaunes et rouges</translation>
    </message>
    <message>
        <source>Stonewick is a small single-player arcade puzzle game. Walk your figure around a board of 22 by 22 cells, push yellow and red bricks to wall in the baddies that roam it, and eat the remains of walled-in baddies to earn Powers.</source>
        <translation>Stonewick est un petit jeu d’arcade et de réflexion pour un joueur. Promenez votre personnage sur un plateau de 22 cases sur 22, poussez des briques jaunes et rouges pour emmurer les méchants qui y rôdent, et mangez les restes des méchants emmurés pour gagner des Pouvoirs.</translation>
    </message>
    <message>
        <source>Pushing a red brick against yellow ones turns them red one by one, but any square of four red bricks becomes a nest that hatches more baddies. Powers smash bricks and nests, and buy a second chance when a baddie catches you. There are five levels to clear.</source>
        <translation>Une brique rouge poussée contre des jaunes les rend rouges une à une, mais tout carré de quatre briques rouges devient un nid d’où éclosent d’autres méchants. Les Pouvoirs brisent briques et nids, et rachètent une seconde chance quand un méchant vous attrape. Cinq niveaux sont à franchir.</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Utilisation&#xa0;: stonewick [--play FICHIER] [--record FICHIER] [--hall URL [--daily]]
Un jeu d’arcade et de réflexion&#xa0;: emmurez avec des briques les méchants qui
rôdent avant qu’ils ne vous attrapent.

  --record FICHIER  enregistrer la partie dans FICHIER pendant qu’elle se
                    joue&#xa0;; stonewick-replay --check FICHIER la rejoue
  --play FICHIER    regarder un enregistrement dans la fenêtre&#xa0;: Espace met
                    en pause, Droite et Gauche avancent et reculent pas à pas
                    pendant la pause, + et - changent la vitesse, Page suiv.
                    et Page préc. sautent de 10 secondes, Origine et Fin vont
                    au début et à la fin, D à la première différence&#xa0;; T
                    prend les commandes et continue la partie, enregistrée
                    dans le FICHIER de --record s’il y en a un
  --hall URL        enregistrer la partie (dans le FICHIER de --record, ou
                    un fichier du dossier de données) et proposer à sa fin
                    de l’envoyer au hall des parties vérifiées à URL
  --daily           avec --hall, jouer le plateau du jour du hall
  -h, --help        afficher cette aide et quitter
  --version         afficher la version et quitter

Les options propres à Qt, comme -platform NOM ou -style NOM, sont passées à Qt.
Code de sortie&#xa0;: 0 si le jeu a été fermé&#xa0;; 1 si aucun affichage n’a pu être
ouvert&#xa0;; 2 en cas de mauvaise utilisation, avec une ligne sur la sortie
d’erreur standard. Avec --play, comme cmp&#xa0;: 0 si l’enregistrement a été rejoué
à l’identique, 1 s’il a différé, 2 en cas de problème.
Les touches, les règles et le menu sont décrits dans la page de manuel
stonewick(6).
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>option inconnue &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a FILE</source>
        <translation>l&apos;option &apos;%1&apos; attend un FICHIER</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option &apos;%1&apos; attend une valeur</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu &apos;%1&apos;</translation>
    </message>
    <message>
        <source>(try &apos;stonewick --help&apos;)</source>
        <translation>(essayez &apos;stonewick --help&apos;)</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a URL</source>
        <translation>l’option &apos;%1&apos; demande une URL</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --hall URL</source>
        <translation>l’option &apos;%1&apos; demande --hall URL</translation>
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
        <translation>Jeu de réflexion</translation>
    </message>
    <message>
        <source>Wall in the roaming baddies with yellow and red bricks</source>
        <translation>Emmurez les méchants qui rôdent avec des briques jaunes et rouges</translation>
    </message>
    <message>
        <source>puzzle;arcade;bricks;baddies;</source>
        <extracomment>Search words, each ending in &apos;;&apos;.</extracomment>
        <translation>réflexion;casse-tête;puzzle;arcade;briques;méchants;</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>Send to the hall</source>
        <translation>Envoyer au hall</translation>
    </message>
    <message>
        <source>Send this game to the hall of verified games at %1?</source>
        <translation>Envoyer cette partie au hall des parties vérifiées à %1&#xa0;?</translation>
    </message>
    <message>
        <source>Your name in the hall:</source>
        <translation>Votre nom dans le hall&#xa0;:</translation>
    </message>
    <message>
        <source>It is sent as %1.</source>
        <translation>Elle est envoyée sous le nom %1.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Don&apos;t send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message>
        <source>The hall keeps your game: level %1, %2 kills.</source>
        <translation>Le hall garde votre partie&#xa0;: niveau %1, %2 vaincus.</translation>
    </message>
    <message>
        <source>The hall could not be reached: %1</source>
        <translation>Le hall est injoignable&#xa0;: %1</translation>
    </message>
    <message>
        <source>The hall refused the game: %1</source>
        <translation>Le hall a refusé la partie&#xa0;: %1</translation>
    </message>
    <message>
        <source>stonewick: the hall at %1 gives no board of the day: %2
</source>
        <translation>stonewick&#xa0;: le hall à %1 ne donne pas de plateau du jour&#xa0;: %2
</translation>
    </message>
</context>
<context>
    <name>Instructions</name>
    <message>
        <source>Stonewick - instructions</source>
        <translation>Stonewick - instructions</translation>
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
Déplacez-vous avec les flèches. Évitez les méchants.

Poussez les briques avec la barre d’espace.

Bloquez les méchants avec les briques rouges.

Poussez des briques rouges et jaunes les unes contre les autres pour bâtir un mur de briques rouges. Pousser des briques rouges est plus efficace que pousser des jaunes.

Ne formez pas de carrés de 4&#xa0;! Ils se changent en nids d’où éclosent d’autres méchants.

La touche «&#xa0;B&#xa0;» brise les briques ou les nids. Il vous faut des Pouvoirs pour cela. Vous commencez avec 1 Pouvoir offert.

Emmurez les méchants. Mangez leurs restes pour gagner des Pouvoirs. Mais faites vite, ils ne restent pas comestibles bien longtemps.

Bonne chance&#xa0;! Et attention&#xa0;: ce n’est pas très évolué, mais c’est plutôt addictif. Tiendrez-vous plus d’une heure&#xa0;? Vous n’avez rien de mieux à faire&#xa0;?

Amusez-vous bien&#xa0;!
Les développeurs de Stonewick
</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Exit</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Ra&amp;ndomise</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Mélanger</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Tricher</translation>
    </message>
    <message>
        <source>S&amp;kip</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Sauter</translation>
    </message>
    <message>
        <source>&amp;Auto</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>&amp;Auto</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <extracomment>A command on the menu bar. &amp; marks its Alt letter: every caption has one, and no two captions share a letter. The bar must stay one row, so keep it short.</extracomment>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <extracomment>Takes the place of Pause while the game is paused.</extracomment>
        <translation>&amp;Reprendre</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>You have hit a baddie, but your powers will be exchanged for a 2nd chance</source>
        <translation>Vous avez heurté un méchant, mais vos Pouvoirs vont être échangés contre une seconde chance</translation>
    </message>
    <message>
        <source>Aaagh you have been eaten, game over - play again?</source>
        <extracomment>A question: Yes plays again, No ends the game.</extracomment>
        <translation>Aaargh, vous vous êtes fait dévorer, partie terminée – on rejoue&#xa0;?</translation>
    </message>
    <message>
        <source>You have killed all the baddies, well done. Use Skip to go to next level</source>
        <extracomment>Skip is the menu command of that name.</extracomment>
        <translation>Vous avez éliminé tous les méchants, bravo. Utilisez Sauter pour passer au niveau suivant</translation>
    </message>
    <message>
        <source>Sorry, there are no more levels, you win! </source>
        <translation>Désolé, il n’y a plus de niveaux, vous avez gagné&#xa0;! </translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stonewick has closed.</source>
        <translation>Stonewick est fermé.</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Download the recording</source>
        <translation>Télécharger l’enregistrement</translation>
    </message>
    <message>
        <source>The game stopped: </source>
        <translation>Le jeu s’est arrêté&#xa0;: </translation>
    </message>
    <message>
        <source>Close Stonewick</source>
        <translation>Fermer Stonewick</translation>
    </message>
    <message>
        <source>Close About</source>
        <translation>Fermer «&#xa0;À propos de Stonewick&#xa0;»</translation>
    </message>
    <message>
        <source>Close Instructions</source>
        <translation>Fermer les instructions</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>game board</source>
        <translation>plateau de jeu</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Jump in the recording</source>
        <translation>Se déplacer dans l’enregistrement</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Smash</source>
        <translation>Briser</translation>
    </message>
    <message>
        <source>Push</source>
        <translation>Pousser</translation>
    </message>
    <message>
        <source>Paused while the page was hidden: Resume plays on</source>
        <translation>En pause pendant que la page était cachée&#xa0;: «&#xa0;Reprendre&#xa0;» relance la partie</translation>
    </message>
    <message>
        <source>Watch a recording…</source>
        <translation>Regarder un enregistrement…</translation>
    </message>
    <message>
        <source>Or drop a recording on the page</source>
        <translation>Ou déposez un enregistrement sur la page</translation>
    </message>
    <message>
        <source>22 by 22 cells. The arrow keys turn and step the player, Space pushes what stands in front of it, B smashes it with a Power.</source>
        <translation>22 cases sur 22. Les flèches tournent et déplacent votre personnage, la barre d’espace pousse ce qui se trouve devant lui, B le brise avec un Pouvoir.</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Click or drag on the track to jump there</source>
        <translation>Cliquez ou faites glisser sur la piste pour vous y rendre</translation>
    </message>
    <message>
        <source>finished</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>live</source>
        <translation>en direct</translation>
    </message>
    <message>
        <source>Go to the difference</source>
        <translation>Aller à la différence</translation>
    </message>
    <message>
        <source>Stonewick - keys</source>
        <translation>Stonewick - touches</translation>
    </message>
    <message>
        <source>%1 checked, all as recorded</source>
        <extracomment>%1 is how many checkpoints and states matched so far.</extracomment>
        <translation>%1 vérifiés, tout est conforme</translation>
    </message>
    <message>
        <source>differs at line %1</source>
        <translation>diffère à la ligne %1</translation>
    </message>
    <message>
        <source>The game played back differently from the recording after line %1.
Line %2: %3.</source>
        <extracomment>%1 and %2 are line numbers of the recording; %3 is what differs.</extracomment>
        <translation>La partie rejouée s’écarte de l’enregistrement après la ligne %1.
Ligne %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The game played back exactly as recorded: %1 and %2 compared.</source>
        <extracomment>%1 is a count of checkpoints, %2 a count of states.</extracomment>
        <translation>La partie s’est rejouée exactement comme enregistrée : %1 et %2 comparés.</translation>
    </message>
    <message numerus="yes">
        <source>%n checkpoints</source>
        <translation>
            <numerusform>%n point de contrôle</numerusform>
            <numerusform>%n points de contrôle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n states</source>
        <translation>
            <numerusform>%n état</numerusform>
            <numerusform>%n états</numerusform>
        </translation>
    </message>
    <message>
        <source>dump line %1 of the dump on line %2 differs: expected %3, seen %4</source>
        <extracomment>%1 counts the dump&apos;s lines from 1; %2 is a line of the recording; %3 and %4 are lines of the game&apos;s state, as recorded and as played.</extracomment>
        <translation>la ligne %1 de l’état de la ligne %2 diffère : attendu %3, vu %4</translation>
    </message>
    <message>
        <source>the state at the start differs from its checkpoint: expected %1, seen %2</source>
        <extracomment>%1 and %2 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>l’état du début diffère de son point de contrôle : attendu %1, vu %2</translation>
    </message>
    <message>
        <source>the state after the block of line %1 differs from its checkpoint: expected %2, seen %3</source>
        <extracomment>%1 is a line of the recording; %2 and %3 are checkpoints: eight hexadecimal digits.</extracomment>
        <translation>l’état après le bloc de la ligne %1 diffère de son point de contrôle : attendu %2, vu %3</translation>
    </message>
    <message>
        <source>no more lines</source>
        <translation>plus aucune ligne</translation>
    </message>
    <message>
        <source>Space pause   ← → step   + − speed   T play on   F1 all keys</source>
        <extracomment>One line under the board while a recording plays.</extracomment>
        <translation>Espace pause   ← → pas à pas   + − vitesse   T jouer   F1 touches</translation>
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
        <translation>Espace	mettre en pause ou reprendre
→	en pause&#xa0;: un événement en avant
←	en pause&#xa0;: un événement en arrière
+  −	plus vite, plus lentement&#xa0;: de 1/4x à 16x
PgSuiv  PgPréc	dix secondes en avant, en arrière
Origine  Fin	au début, au dernier événement
D	juste avant la première différence
T	prendre les commandes et jouer à partir d’ici
Alt+Q	Quitter</translation>
    </message>
    <message>
        <source>The game played back, but the recording holds no state to compare it with.</source>
        <translation>La partie s’est rejouée, mais l’enregistrement ne contient aucun état auquel la comparer.</translation>
    </message>
    <message>
        <source>nothing to check</source>
        <extracomment>On the playback bar: the recording holds no checkpoint and no state.</extracomment>
        <translation>rien à vérifier</translation>
    </message>
    <message>
        <source>no difference to go to</source>
        <extracomment>On the playback bar, after D: the recording played back as recorded so far.</extracomment>
        <translation>aucune différence où aller</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>Powers : %1</source>
        <extracomment>The read-outs under the board keep to their places: keep them about as short as these.</extracomment>
        <translation>Pouvoirs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Level : %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kills : %1</source>
        <translation>Vaincus&#xa0;: %1</translation>
    </message>
    <message>
        <source>At large : %1</source>
        <translation>En liberté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Clock : %1</source>
        <extracomment>Shown only for a moment, before the first level is laid out.</extracomment>
        <translation>Horloge&#xa0;: %1</translation>
    </message>
</context>
</TS>
