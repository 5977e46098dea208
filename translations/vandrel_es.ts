<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>A car game: dodge the traffic on a three-lane road.
Qt&apos;s own options, such as -platform and -style, work too.</source>
        <translation>Un juego de coches: esquiva el tráfico en una carretera de tres carriles.
Las opciones propias de Qt, como -platform y -style, también funcionan.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;.</source>
        <translation>%1: argumento inesperado «%2».</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>%1 kmph</source>
        <extracomment>The speed, in the row under the road: short</extracomment>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>Game Over</source>
        <extracomment>The title of the two boxes at the end of a game</extracomment>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>You covered %1 km</source>
        <translation>Has recorrido %1 km</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>¿Jugar otra vez?</translation>
    </message>
    <message>
        <source>Time Over!!</source>
        <translation>¡¡Se acabó el tiempo!!</translation>
    </message>
    <message>
        <source>Crashed!!</source>
        <translation>¡¡Choque!!</translation>
    </message>
    <message>
        <source>%1 km</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <extracomment>The time left, in the row under the road beside the speed and the distance: short</extracomment>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Vandrel Help</source>
        <translation>Ayuda de Vandrel</translation>
    </message>
</context>
<context>
    <name>KeyBindings</name>
    <message>
        <source>Move left</source>
        <translation>Ir a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Ir a la derecha</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>%1: choose a single key, without Ctrl, Alt, Shift or Meta.</source>
        <translation>%1: elige una sola tecla, sin Ctrl, Alt, Mayús ni Meta.</translation>
    </message>
    <message>
        <source>F11 is kept for Full Screen in the View menu.</source>
        <translation>F11 queda reservada para la pantalla completa del menú Ver.</translation>
    </message>
    <message>
        <source>This key cannot be chosen.</source>
        <translation>Esta tecla no se puede elegir.</translation>
    </message>
    <message>
        <source>%1 already does “%2”. Choose another key.</source>
        <translation>%1 ya sirve para «%2». Elige otra tecla.</translation>
    </message>
</context>
<context>
    <name>MainControls</name>
    <message>
        <source>PAUSED</source>
        <extracomment>Over the road while the game is paused: at most about 9 letters</extracomment>
        <translation>PAUSA</translation>
    </message>
</context>
<context>
    <name>MenuCommands</name>
    <message>
        <source>Set Speed</source>
        <extracomment>The title of the box that asks for the starting speed</extracomment>
        <translation>Fijar velocidad</translation>
    </message>
    <message>
        <source>Enter the time:</source>
        <translation>Introduce el tiempo en segundos (con coma o punto, p. ej. 45,5):</translation>
    </message>
    <message>
        <source>Set Time</source>
        <extracomment>The title of the box that asks for the game&apos;s length</extracomment>
        <translation>Fijar tiempo</translation>
    </message>
    <message>
        <source>The game will now restart</source>
        <translation>La partida se va a reiniciar ahora</translation>
    </message>
    <message>
        <source>New Game</source>
        <extracomment>The title of the box that says a new game begins</extracomment>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>the place where you got this copy of Vandrel</source>
        <extracomment>Where to report bugs when the build names no one: completes &quot;Report any bugs at %1&quot;</extracomment>
        <translation>el sitio donde conseguiste esta copia de Vandrel</translation>
    </message>
    <message>
        <source>the Vandrel developers</source>
        <translation>los desarrolladores de Vandrel</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>Acerca de Vandrel</translation>
    </message>
    <message>
        <source>Vandrel Version %1</source>
        <translation>Vandrel versión %1</translation>
    </message>
    <message>
        <source>Created by %1</source>
        <translation>Creado por %1</translation>
    </message>
    <message>
        <source>Enter the Starting Speed: (between %1 and %2)</source>
        <extracomment>%1 and %2: the lowest and the highest starting speed, in km/h</extracomment>
        <translation>Introduce la velocidad inicial (entre %1 y %2):</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a phrase</comment>
        <extracomment>%1: &quot;the place where you got this copy of Vandrel&quot;</extracomment>
        <translation>Informa de los errores en %1</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to a web address</comment>
        <extracomment>%1: a web address</extracomment>
        <translation>Informa de los errores en %1</translation>
    </message>
    <message>
        <source>Report any bugs at %1</source>
        <comment>to an e-mail address</comment>
        <extracomment>%1: an e-mail address</extracomment>
        <translation>Informa de los errores escribiendo a %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays help, including generic Qt options.</source>
        <translation>Muestra la ayuda, incluidas las opciones generales de Qt.</translation>
    </message>
</context>
<context>
    <name>SoundChoice</name>
    <message>
        <source>Background Music</source>
        <translation>Música de fondo</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Only a chime when the time bonus is taken, no music</extracomment>
        <translation>Solo la campanilla de bonificación</translation>
    </message>
    <message>
        <source>No Sound</source>
        <translation>Sin sonido</translation>
    </message>
</context>
<context>
    <name>StatusRow</name>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Time left</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
</context>
<context>
    <name>frmBest</name>
    <message>
        <source>Your best distance so far</source>
        <translation>Tu mejor distancia hasta ahora</translation>
    </message>
    <message>
        <source>Your 2nd best distance</source>
        <translation>Tu 2.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 3rd best distance</source>
        <translation>Tu 3.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 4th best distance</source>
        <translation>Tu 4.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 5th best distance</source>
        <translation>Tu 5.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 6th best distance</source>
        <translation>Tu 6.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 7th best distance</source>
        <translation>Tu 7.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 8th best distance</source>
        <translation>Tu 8.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 9th best distance</source>
        <translation>Tu 9.ª mejor distancia</translation>
    </message>
    <message>
        <source>Your 10th best distance</source>
        <translation>Tu 10.ª mejor distancia</translation>
    </message>
    <message>
        <source>Best Distances</source>
        <translation>Mejores distancias</translation>
    </message>
    <message>
        <source>Best distances</source>
        <extracomment>The table, as screen readers name it</extracomment>
        <translation>Mejores distancias</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Starting speed</source>
        <translation>Velocidad inicial</translation>
    </message>
    <message>
        <source>Game length</source>
        <translation>Duración de la partida</translation>
    </message>
    <message>
        <source>Ending</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Empty...</source>
        <translation>&amp;Vaciar...</translation>
    </message>
    <message>
        <source>%1 km</source>
        <extracomment>A distance in the table of best distances</extracomment>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <extracomment>A starting speed in the table of best distances</extracomment>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>A game&apos;s length in the table of best distances, in seconds</extracomment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Crashed</source>
        <translation>Choque</translation>
    </message>
    <message>
        <source>Time over</source>
        <translation>Tiempo agotado</translation>
    </message>
    <message>
        <source>No game has entered the table yet.</source>
        <translation>Todavía no ha entrado ninguna partida en la tabla.</translation>
    </message>
    <message>
        <source>Your best distances, the longest first</source>
        <translation>Tus mejores distancias, de la más larga a la más corta</translation>
    </message>
    <message>
        <source>Empty the table of best distances? This cannot be undone.</source>
        <translation>¿Quieres vaciar la tabla de mejores distancias? Esto no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>frmKeys</name>
    <message>
        <source>Keys</source>
        <extracomment>The keys dialog&apos;s title</extracomment>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Choose a box and press the key for its action.</source>
        <translation>Elige una casilla y pulsa la tecla para su acción.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Second key</source>
        <translation>Segunda tecla</translation>
    </message>
    <message>
        <source>%1, second key</source>
        <extracomment>A box of the keys dialog for an action&apos;s second key, as screen readers name it</extracomment>
        <translation>%1, segunda tecla</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>&amp;Restablecer valores predeterminados</translation>
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
        <translation>Carretera</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Set &amp;Speed</source>
        <translation>Fijar &amp;velocidad</translation>
    </message>
    <message>
        <source>Set &amp;Time</source>
        <translation>Fijar &amp;tiempo</translation>
    </message>
    <message>
        <source>&amp;Sound...</source>
        <translation>&amp;Sonido...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de Vandrel</translation>
    </message>
    <message>
        <source>&amp;Best Distances...</source>
        <translation>&amp;Mejores distancias...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Smooth &amp;Motion</source>
        <translation>&amp;Movimiento suave</translation>
    </message>
    <message>
        <source>&amp;Keys...</source>
        <translation>Te&amp;clas...</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Sound Options</source>
        <extracomment>The sound dialog&apos;s title</extracomment>
        <translation>Opciones de sonido</translation>
    </message>
    <message>
        <source>Music file</source>
        <translation>Archivo de música</translation>
    </message>
    <message>
        <source>Choose the music file</source>
        <translation>Elegir el archivo de música</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Archivos de sonido (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Choose the Music</source>
        <translation>Elegir la música</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Vandrel is starting</source>
        <translation>Vandrel se está iniciando</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
</TS>
