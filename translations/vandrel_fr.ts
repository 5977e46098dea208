<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>A car game: dodge the traffic on a three-lane road.
Qt&apos;s own options, such as -platform and -style, work too.</source>
        <translation>Un jeu de voiture&#xa0;: évitez la circulation sur une route à trois voies.
Les options propres à Qt, comme -platform et -style, fonctionnent aussi.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.</source>
        <translation>%1&#xa0;: argument inattendu «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 kmph</source>
        <extracomment>The speed, in the row under the road: short</extracomment>
        <translation>%1&#xa0;km/h</translation>
    </message>
    <message>
        <source>Game Over</source>
        <extracomment>The title of the two boxes at the end of a game</extracomment>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>You covered %1 km</source>
        <translation>Vous avez parcouru %1&#xa0;km</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>Voulez-vous rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>Time Over!!</source>
        <translation>Temps écoulé&#xa0;!!</translation>
    </message>
    <message>
        <source>Crashed!!</source>
        <translation>Collision&#xa0;!!</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1&#xa0;km</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>The time left, in the row under the road beside the speed and the distance: short</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vandrel Help</source>
        <translation>Aide de Vandrel</translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Moins vite</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>%1: choose a single key, without Ctrl, Alt, Shift or Meta.</source>
        <translation>%1&#xa0;: choisissez une seule touche, sans Ctrl, Alt, Maj ni Méta.</translation>
    </message>
    <message>
        <source>F11 is kept for Full Screen in the View menu.</source>
        <translation>F11 est réservée au plein écran du menu Affichage.</translation>
    </message>
    <message>
        <source>This key cannot be chosen.</source>
        <translation>Cette touche ne peut pas être choisie.</translation>
    </message>
    <message>
        <source>%1 already does “%2”. Choose another key.</source>
        <translation>%1 sert déjà à «&#xa0;%2&#xa0;». Choisissez une autre touche.</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>PAUSED</source>
        <extracomment>Over the road while the game is paused: at most about 9 letters</extracomment>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>Set Speed</source>
        <extracomment>The title of the box that asks for the starting speed</extracomment>
        <translation>Régler la vitesse</translation>
    </message>
    <message>
        <source>Enter the time:</source>
        <translation>Saisissez la durée en secondes (avec une virgule ou un point, par ex. 45,5)&#xa0;:</translation>
    </message>
    <message>
        <source>Set Time</source>
        <extracomment>The title of the box that asks for the game&apos;s length</extracomment>
        <translation>Régler la durée</translation>
    </message>
    <message>
        <source>The game will now restart</source>
        <translation>La partie va maintenant recommencer</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The title of the box that says a new game begins</extracomment>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>the place where you got this copy of Vandrel</source>
        <extracomment>Where to report bugs when the build names no one: completes &quot;Report any bugs at %1&quot;</extracomment>
        <translation>l&apos;endroit où vous vous êtes procuré cette copie de Vandrel</translation>
    </message>
    <message>
        <source>the Vandrel developers</source>
        <translation>les développeurs de Vandrel</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>À propos de Vandrel</translation>
    </message>
    <message>
        <source>Vandrel Version %1</source>
        <translation>Vandrel version %1</translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation>Créé par %1</translation>
    </message>
    <message>
        <source>Enter the Starting Speed: (between %1 and %2)</source>
        <extracomment>%1 and %2: the lowest and the highest starting speed, in km/h</extracomment>
        <translation>Saisissez la vitesse de départ (entre %1 et %2)&#xa0;:</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a phrase</comment>
        <extracomment>%1: &quot;the place where you got this copy of Vandrel&quot;</extracomment>
        <translation>Signalez les bogues à %1</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a web address</comment>
        <extracomment>%1: a web address</extracomment>
        <translation>Signalez les bogues sur %1</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to an e-mail address</comment>
        <extracomment>%1: an e-mail address</extracomment>
        <translation>Signalez les bogues à %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Affiche l&apos;aide, options propres à Qt comprises.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Affiche l&apos;aide, options générales de Qt comprises.</translation>
    </message>
</context>
<context>
    <name>SoundChoice</name>
    <message>
        <source>Background Music</source>
        <translation>Musique de fond</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Only a chime when the time bonus is taken, no music</extracomment>
        <translation>Tintement du bonus seulement</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Aucun son</translation>
    </message>
</context>
<context>
    <name>StatusRow</name>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
</context>
<context>
    <name>frmBest</name>
    <message>
        <source>Your best distance so far</source>
        <translation>Votre meilleure distance à ce jour</translation>
    </message>
    <message>
        <source>Your 2nd best distance</source>
        <translation>Votre 2e meilleure distance</translation>
    </message>
    <message>
        <source>Your 3rd best distance</source>
        <translation>Votre 3e meilleure distance</translation>
    </message>
    <message>
        <source>Your 4th best distance</source>
        <translation>Votre 4e meilleure distance</translation>
    </message>
    <message>
        <source>Your 5th best distance</source>
        <translation>Votre 5e meilleure distance</translation>
    </message>
    <message>
        <source>Your 6th best distance</source>
        <translation>Votre 6e meilleure distance</translation>
    </message>
    <message>
        <source>Your 7th best distance</source>
        <translation>Votre 7e meilleure distance</translation>
    </message>
    <message>
        <source>Your 8th best distance</source>
        <translation>Votre 8e meilleure distance</translation>
    </message>
    <message>
        <source>Your 9th best distance</source>
        <translation>Votre 9e meilleure distance</translation>
    </message>
    <message>
        <source>Your 10th best distance</source>
        <translation>Votre 10e meilleure distance</translation>
    </message>
    <message>
        <source>Best Distances</source>
        <translation>Meilleures distances</translation>
    </message>
    <message>
        <source>Best distances</source>
        <extracomment>The table, as screen readers name it</extracomment>
        <translation>Meilleures distances</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Starting speed</source>
        <translation>Vitesse de départ</translation>
    </message>
    <message>
        <source>Game length</source>
        <translation>Durée de la partie</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Empty...</source>
        <translation>&amp;Vider...</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>A distance in the table of best distances</extracomment>
        <translation>%1&#xa0;km</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <extracomment>A starting speed in the table of best distances</extracomment>
        <translation>%1&#xa0;km/h</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A game&apos;s length in the table of best distances, in seconds</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message>
        <source>Crashed</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Time over</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>No game has entered the table yet.</source>
        <translation>Aucune partie ne figure encore dans le tableau.</translation>
    </message>
    <message>
        <source>Your best distances, the longest first</source>
        <translation>Vos meilleures distances, de la plus longue à la plus courte</translation>
    </message>
    <message>
        <source>Empty the table of best distances? This cannot be undone.</source>
        <translation>Voulez-vous vider le tableau des meilleures distances&#xa0;? Cette opération est irréversible.</translation>
    </message>
</context>
<context>
    <name>frmKeys</name>
    <message>
        <source>Keys</source>
        <extracomment>The keys dialog&apos;s title</extracomment>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Choose a box and press the key for its action.</source>
        <translation>Choisissez une case et appuyez sur la touche de son action.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Deuxième touche</translation>
    </message>
    <message>
        <source>%1, second key</source>
        <extracomment>A box of the keys dialog for an action&apos;s second key, as screen readers name it</extracomment>
        <translation>%1, deuxième touche</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Rétablir les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Vandrel!</source>
        <extracomment>The game window&apos;s title: the game&apos;s name, said with excitement</extracomment>
        <translation>Vandrel!</translation>
    </message>
    <message>
        <source>Road</source>
        <extracomment>The road the cars drive on, as screen readers name it</extracomment>
        <translation>Route</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Set &amp;Speed</source>
        <translation>Régler la &amp;vitesse</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <translation>Régler la &amp;durée</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Son...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Vandrel</translation>
    </message>
    <message>
        <source>&amp;Best Distances...</source>
        <translation>&amp;Meilleures distances...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Smooth &amp;Motion</source>
        <translation>&amp;Mouvement fluide</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>&amp;Touches...</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Sound Options</source>
        <extracomment>The sound dialog&apos;s title</extracomment>
        <translation>Options sonores</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Fichier de musique</translation>
    </message>
    <message>
        <source>Choose the music file</source>
        <translation>Choisir le fichier de musique</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Fichiers audio (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Choose the Music</source>
        <translation>Choisir la musique</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Vandrel is starting</source>
        <translation>Démarrage de Vandrel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
</TS>
