<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quorvel::AboutBox</name>
    <message>
        <source>Back to basics &lt;default&gt;</source>
        <translation>Back to basics &lt;default&gt;</translation>
    </message>
    <message>
        <source>Theme by %1</source>
        <translation>Tema de %1</translation>
    </message>
    <message>
        <source>Graphics by %1</source>
        <translation>Gráficos de %1</translation>
    </message>
    <message>
        <source>Messages by %1</source>
        <translation>Mensajes de %1</translation>
    </message>
    <message>
        <source>Sounds by %1</source>
        <translation>Sonidos de %1</translation>
    </message>
    <message>
        <source>Music by %1</source>
        <translation>Música de %1</translation>
    </message>
    <message>
        <source>About Quorvel 3-D</source>
        <translation>Acerca de Quorvel 3-D</translation>
    </message>
    <message>
        <source>A random 3-D maze: find the way out before</source>
        <translation>Un laberinto 3-D al azar: encuentra la salida</translation>
    </message>
    <message>
        <source>your food and your flashlight run out.</source>
        <translation>antes de quedarte sin comida y sin linterna.</translation>
    </message>
    <message>
        <source>Every maze is new. Good luck in there!</source>
        <translation>Cada laberinto es nuevo. ¡Suerte ahí dentro!</translation>
    </message>
    <message>
        <source>Visit the home page</source>
        <translation>Visitar la página web</translation>
    </message>
    <message>
        <source>Check for new version</source>
        <translation>Buscar nueva versión</translation>
    </message>
    <message>
        <source>Look on the home page for a newer version</source>
        <translation>Buscar una versión más reciente en la página web</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>A link: a click visits the home page.</source>
        <translation>Un enlace: un clic abre la página web.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the about box.</source>
        <translation>Cerrar la ventana Acerca de.</translation>
    </message>
    <message>
        <source>Quorvel 3-D version %1</source>
        <translation>Quorvel 3-D versión %1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Visit %1 in your browser.</source>
        <translation>No se pudo abrir ningún navegador web. Visita %1 en tu navegador.</translation>
    </message>
    <message>
        <source>No web browser could be opened to look for a new version. Visit %1 in your browser.</source>
        <translation>No se pudo abrir ningún navegador web para buscar una versión nueva. Visita %1 en tu navegador.</translation>
    </message>
</context>
<context>
    <name>quorvel::BestTimesScreen</name>
    <message>
        <source>Nice-n-Easy</source>
        <translation>Bonito y fácil</translation>
    </message>
    <message>
        <source>A little harder now</source>
        <translation>Un poco más difícil</translation>
    </message>
    <message>
        <source>A real challenge</source>
        <translation>Un reto de verdad</translation>
    </message>
    <message>
        <source>Now we&apos;re getting there</source>
        <translation>Ahora sí que sí</translation>
    </message>
    <message>
        <source>O.K. This is hard</source>
        <translation>O.K. Esto es duro</translation>
    </message>
    <message>
        <source>Only for the Strongest</source>
        <translation>Sólo para valientes</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <source>Rank %1:</source>
        <translation>Puesto %1:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Watch this run again on the game screen.</source>
        <translation>Volver a ver esta partida en la pantalla de juego.</translation>
    </message>
    <message>
        <source>Checked: the kept run of this result plays again with the rules to this very time and gems.</source>
        <translation>Comprobado: la partida guardada de este resultado, jugada de nuevo con las reglas, da justo este tiempo y estas gemas.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Close the best times.</source>
        <translation>Cerrar los mejores tiempos.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>primero</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercero</translation>
    </message>
    <message>
        <source>%1, rank %2: %3, %4</source>
        <translation>%1, puesto %2: %3, %4</translation>
    </message>
    <message>
        <source>Enter or a click shows the statistics of this game.</source>
        <translation>Intro o un clic muestra las estadísticas de esta partida.</translation>
    </message>
    <message>
        <source>Watch %1</source>
        <translation>Ver %1</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinTheme</name>
    <message>
        <source>You found &lt;an-item&gt;.</source>
        <translation>Has encontrado &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>OK &lt;player&gt;. You can always use more &lt;items&gt;.</source>
        <translation>OK &lt;player&gt;. Nunca sobra la &lt;items&gt;.</translation>
    </message>
    <message>
        <source>You got &lt;an-item&gt;.</source>
        <translation>Te llevas &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>Now you know where to find &lt;an-item&gt;, if you need to.</source>
        <translation>Ya sabes dónde encontrar &lt;items&gt;, por si te hacen falta.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You found &lt;an-item&gt; for your &lt;light&gt;.</source>
        <translation>&lt;player&gt;, has encontrado &lt;items&gt; para tu &lt;light&gt;.</translation>
    </message>
    <message>
        <source>This &lt;box&gt; has &lt;an-item&gt; in it.</source>
        <translation>Esta &lt;box&gt; tiene &lt;items&gt; dentro.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, It is a fine &lt;item&gt; indeed! (5 points)</source>
        <translation>&lt;player&gt;, ¡qué &lt;item&gt; tan bonito! (5 puntos)</translation>
    </message>
    <message>
        <source>You know, &lt;Items&gt; are worth 5 points!</source>
        <translation>¡Los &lt;items&gt; valen 5 puntos, ya sabes!</translation>
    </message>
    <message>
        <source>&lt;An-item&gt;,  Very nice... (5 points)</source>
        <translation>&lt;An-item&gt;,  muy bonito... (5 puntos)</translation>
    </message>
    <message>
        <source>Wow! This &lt;Item&gt; really shines. (3 points)</source>
        <translation>¡Vaya! Esta &lt;item&gt; brilla de verdad. (3 puntos)</translation>
    </message>
    <message>
        <source>Oh how it sparkles! (3 points)</source>
        <translation>¡Cómo centellea! (3 puntos)</translation>
    </message>
    <message>
        <source>Whatever this &lt;gem&gt; is, it&apos;s worth 3 points.</source>
        <translation>Sea cual sea esta &lt;gem&gt;, vale 3 puntos.</translation>
    </message>
    <message>
        <source>You found a precious &lt;item&gt;. (1 point)</source>
        <translation>Has encontrado un precioso &lt;item&gt;. (1 punto)</translation>
    </message>
    <message>
        <source>I really like the look of this &lt;item&gt;... (1 point)</source>
        <translation>Me encanta cómo luce este &lt;item&gt;... (1 punto)</translation>
    </message>
    <message>
        <source>&lt;An-item&gt;. Hey I always wanted &lt;an-item&gt;. (1 point)</source>
        <translation>&lt;An-item&gt;. Vaya, siempre quise &lt;an-item&gt;. (1 punto)</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You found &lt;an-item&gt;. (0 points)</source>
        <translation>&lt;player&gt;, has encontrado &lt;an-item&gt;. (0 puntos)</translation>
    </message>
    <message>
        <source>Great, it&apos;s just &lt;an-item&gt;. (0 points)</source>
        <translation>Genial, sólo es &lt;an-item&gt;. (0 puntos)</translation>
    </message>
    <message>
        <source>You found &lt;an-item&gt; and threw it away. (0 points)</source>
        <translation>Has encontrado &lt;an-item&gt; y la has tirado. (0 puntos)</translation>
    </message>
    <message>
        <source>Great job &lt;player&gt;. You found a handy &lt;item&gt;.</source>
        <translation>Buen trabajo, &lt;player&gt;. Has encontrado una &lt;item&gt; muy útil.</translation>
    </message>
    <message>
        <source>North, South, East, West.  It works!.</source>
        <translation>Norte, Sur, Este, Oeste.  ¡Funciona!.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you won&apos;t get lost now.</source>
        <translation>&lt;player&gt;, ya no te perderás.</translation>
    </message>
    <message>
        <source>OK &lt;player&gt;. Now you can see yourself.</source>
        <translation>OK &lt;player&gt;. Ahora puedes verte a ti mismo.</translation>
    </message>
    <message>
        <source>&lt;Item&gt;? What&apos;s that?  Oh well, I got one anyway.</source>
        <translation>¿&lt;Item&gt;? ¿Qué es eso?  Bueno, ya tengo uno.</translation>
    </message>
    <message>
        <source>Great, now I can see myself walking in circles.</source>
        <translation>Genial, ahora me veo dando vueltas en círculo.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is now yours.</source>
        <translation>La &lt;item&gt; ya es tuya.</translation>
    </message>
    <message>
        <source>Wonderful &lt;player&gt;. Now you can see the exit.</source>
        <translation>Estupendo, &lt;player&gt;. Ahora ves la salida.</translation>
    </message>
    <message>
        <source>Like a lighthouse to a ship, the &lt;item&gt; is to you.</source>
        <translation>Lo que el faro es al barco, la &lt;item&gt; es para ti.</translation>
    </message>
    <message>
        <source>You now have &lt;an-item&gt;.</source>
        <translation>Ahora tienes &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>You may now keep track of where you have been.</source>
        <translation>Ahora puedes seguir la pista de dónde has estado.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is a great thing to have.</source>
        <translation>Un &lt;item&gt; es algo estupendo.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is now in hand.</source>
        <translation>El &lt;item&gt; ya está en tu mano.</translation>
    </message>
    <message>
        <source>Wow! So many &lt;boxes&gt;!</source>
        <translation>¡Vaya! ¡Cuántas &lt;boxes&gt;!</translation>
    </message>
    <message>
        <source>&lt;A-box&gt; here. &lt;A-box&gt; there.</source>
        <translation>&lt;A-box&gt; aquí. &lt;A-box&gt; allá.</translation>
    </message>
    <message>
        <source>Odd... This &lt;box&gt; is empty.</source>
        <translation>Qué raro... Esta &lt;box&gt; está vacía.</translation>
    </message>
    <message>
        <source>You searched the &lt;box&gt;, but found nothing.</source>
        <translation>Has registrado la &lt;box&gt;, pero no hay nada.</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;.  There is nothing in this one.</source>
        <translation>Lo siento, &lt;player&gt;.  En esta no hay nada.</translation>
    </message>
    <message>
        <source>There is a map on the wall here!</source>
        <translation>¡Aquí hay un mapa en la pared!</translation>
    </message>
    <message>
        <source>Wow! I can see the whole maze now!</source>
        <translation>¡Vaya! ¡Ahora veo todo el laberinto!</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. You can&apos;t take it with you.</source>
        <translation>Lo siento, &lt;player&gt;. No puedes llevártelo.</translation>
    </message>
    <message>
        <source>You lose some &lt;foods&gt;!</source>
        <translation>¡Pierdes algo de &lt;foods&gt;!</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you are missing some of your &lt;foods&gt;!</source>
        <translation>&lt;player&gt;, ¡te falta parte de tu &lt;foods&gt;!</translation>
    </message>
    <message>
        <source>You just lost some &lt;foods&gt;.</source>
        <translation>Acabas de perder algo de &lt;foods&gt;.</translation>
    </message>
    <message>
        <source>You lose some &lt;gems&gt;!</source>
        <translation>¡Pierdes algunas &lt;gems&gt;!</translation>
    </message>
    <message>
        <source>Some of your &lt;gems&gt; fell through a hole in you pocket!</source>
        <translation>¡Algunas de tus &lt;gems&gt; se cayeron por un agujero del bolsillo!</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you dropped some of your &lt;gems&gt;!</source>
        <translation>&lt;player&gt;, ¡se te han caído algunas &lt;gems&gt;!</translation>
    </message>
    <message>
        <source>Start of new messages.....</source>
        <translation>Comienzo de los mensajes nuevos.....</translation>
    </message>
    <message>
        <source>Let the messages begin.....</source>
        <translation>Que empiecen los mensajes.....</translation>
    </message>
    <message>
        <source>&lt;player&gt;, do not forget to read your messages.</source>
        <translation>&lt;player&gt;, no olvides leer tus mensajes.</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. you ran out of &lt;foods&gt;.  You lose!!!</source>
        <translation>Lo siento, &lt;player&gt;. te has quedado sin &lt;foods&gt;.  ¡¡¡Has perdido!!!</translation>
    </message>
    <message>
        <source>You can&apos;t continue without &lt;foods&gt;. This game is over.</source>
        <translation>No puedes seguir sin &lt;foods&gt;. La partida ha terminado.</translation>
    </message>
    <message>
        <source>Sorry, you lose. &lt;player&gt;, Please try again later.</source>
        <translation>Lo siento, has perdido. &lt;player&gt;, inténtalo más tarde.</translation>
    </message>
    <message>
        <source>CONGRATULATIONS &lt;PLAYER&gt;!!! YOU WON!!!</source>
        <translation>¡¡¡ENHORABUENA &lt;PLAYER&gt;!!! ¡¡¡HAS GANADO!!!</translation>
    </message>
    <message>
        <source>I WON! I WON! I WON!</source>
        <translation>¡HE GANADO! ¡HE GANADO! ¡HE GANADO!</translation>
    </message>
    <message>
        <source>You did it &lt;player&gt;! The victory is now yours!</source>
        <translation>¡Lo lograste, &lt;player&gt;! ¡La victoria es tuya!</translation>
    </message>
    <message>
        <source>I guess this maze was just to big. Please try again later.</source>
        <translation>Supongo que este laberinto era demasiado grande. Inténtalo más tarde.</translation>
    </message>
    <message>
        <source>I guess it was just to hard for you.</source>
        <translation>Supongo que era demasiado difícil para ti.</translation>
    </message>
    <message>
        <source>I knew I made this maze to hard.</source>
        <translation>Ya sabía yo que este laberinto me había salido demasiado difícil.</translation>
    </message>
    <message>
        <source>You start running.</source>
        <translation>Echas a correr.</translation>
    </message>
    <message>
        <source>You feel the wind on your face as you take off running.</source>
        <translation>Sientes el viento en la cara al echar a correr.</translation>
    </message>
    <message>
        <source>Run! Run! Run!</source>
        <translation>¡Corre! ¡Corre! ¡Corre!</translation>
    </message>
    <message>
        <source>You ran into a wall.</source>
        <translation>Te has chocado con una pared.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you crash hard into a wall and fall down!</source>
        <translation>&lt;player&gt;, ¡te estrellas contra una pared y te caes!</translation>
    </message>
    <message>
        <source>* * * You see stars after hitting the wall! * * * </source>
        <translation>* * * ¡Ves las estrellas tras el golpe! * * * </translation>
    </message>
    <message>
        <source>&lt;player&gt;, There is a wall there!</source>
        <translation>&lt;player&gt;, ¡ahí hay una pared!</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. You can not go this way.</source>
        <translation>Lo siento, &lt;player&gt;. Por aquí no se pasa.</translation>
    </message>
    <message>
        <source>Your head starts to hurt from hitting the wall.</source>
        <translation>De tanto chocar con la pared te empieza a doler la cabeza.</translation>
    </message>
    <message>
        <source>You use &lt;a-battery&gt;, causing your &lt;light&gt; to shine brightly again.</source>
        <translation>Pones &lt;batteries&gt; nuevas y tu &lt;light&gt; vuelve a brillar con fuerza.</translation>
    </message>
    <message>
        <source>I can see clearly now.</source>
        <translation>Ahora lo veo todo claro.</translation>
    </message>
    <message>
        <source>Your &lt;light&gt; brightens.</source>
        <translation>Tu &lt;light&gt; brilla más.</translation>
    </message>
    <message>
        <source>Hurry &lt;player&gt;. You are running low on &lt;foods&gt;.</source>
        <translation>Date prisa, &lt;player&gt;. Te queda poca &lt;foods&gt;.</translation>
    </message>
    <message>
        <source>You can not go without &lt;foods&gt; much longer.</source>
        <translation>No aguantarás mucho más sin &lt;foods&gt;.</translation>
    </message>
    <message>
        <source>Where can I find &lt;foods&gt; when I need some?</source>
        <translation>¿Dónde encuentro &lt;foods&gt; cuando la necesito?</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You must find &lt;foods&gt; now!</source>
        <translation>&lt;player&gt;, ¡tienes que encontrar &lt;foods&gt; ya!</translation>
    </message>
    <message>
        <source>You can not go without &lt;foods&gt; any longer!</source>
        <translation>¡No puedes aguantar más sin &lt;foods&gt;!</translation>
    </message>
    <message>
        <source>If you don&apos;t find &lt;foods&gt; now, it will be to late!</source>
        <translation>¡Si no encuentras &lt;foods&gt; ya, será demasiado tarde!</translation>
    </message>
    <message>
        <source>You&apos;re running low on &lt;batteries&gt; for your &lt;light&gt;!</source>
        <translation>¡Te quedan pocas &lt;batteries&gt; para tu &lt;light&gt;!</translation>
    </message>
    <message>
        <source>Your &lt;light&gt; is getting dim. You need &lt;a-battery&gt;!</source>
        <translation>Tu &lt;light&gt; se apaga. ¡Necesitas &lt;batteries&gt;!</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you need &lt;batteries&gt; soon.</source>
        <translation>&lt;player&gt;, pronto necesitarás &lt;batteries&gt;.</translation>
    </message>
    <message>
        <source>Without &lt;batteries&gt;, your &lt;light&gt; has gone out!</source>
        <translation>¡Sin &lt;batteries&gt;, tu &lt;light&gt; se ha apagado!</translation>
    </message>
    <message>
        <source>Don&apos;t give up. You can find &lt;batteries&gt; all around.</source>
        <translation>No te rindas. Hay &lt;batteries&gt; por todas partes.</translation>
    </message>
    <message>
        <source>Hey! Who&apos;s the wise guy who turned out the lights?</source>
        <translation>¡Eh! ¿Quién es el listillo que ha apagado la luz?</translation>
    </message>
    <message>
        <source>You get a strange feeling here.</source>
        <translation>Aquí tienes una sensación extraña.</translation>
    </message>
    <message>
        <source>You feel as if you should be looking for something.</source>
        <translation>Sientes que deberías estar buscando algo.</translation>
    </message>
    <message>
        <source>To every thing, Turn, Turn, Turn.</source>
        <translation>Todo tiene su momento, gira, gira, gira.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::battery</name>
    <message>
        <source>batteries</source>
        <translation>pilas</translation>
    </message>
    <message>
        <source>Power level.</source>
        <translation>Nivel de energía.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::beacon</name>
    <message>
        <source>beacon</source>
        <translation>baliza</translation>
    </message>
    <message>
        <source>a</source>
        <translation>una</translation>
    </message>
    <message>
        <source>Beacon.</source>
        <translation>Baliza.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::box</name>
    <message>
        <source>box</source>
        <translation>caja</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>cajas</translation>
    </message>
    <message>
        <source>a</source>
        <translation>una</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::compass</name>
    <message>
        <source>compass</source>
        <translation>brújula</translation>
    </message>
    <message>
        <source>a</source>
        <translation>una</translation>
    </message>
    <message>
        <source>Compass.</source>
        <translation>Brújula.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::detector</name>
    <message>
        <source>detector</source>
        <translation>detector</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Detector.</source>
        <translation>Detector.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::empty</name>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>an</source>
        <translation>una</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::food</name>
    <message>
        <source>food</source>
        <translation>comida</translation>
    </message>
    <message>
        <source>Food.</source>
        <translation>Comida.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem</name>
    <message>
        <source>stone</source>
        <translation>piedra</translation>
    </message>
    <message>
        <source>stones</source>
        <translation>piedras</translation>
    </message>
    <message>
        <source>a</source>
        <translation>una</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Piedras.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem1</name>
    <message>
        <source>ruby</source>
        <translation>rubí</translation>
    </message>
    <message>
        <source>rubies</source>
        <translation>rubíes</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Piedras.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem3</name>
    <message>
        <source>emerald</source>
        <translation>esmeralda</translation>
    </message>
    <message>
        <source>emeralds</source>
        <translation>esmeraldas</translation>
    </message>
    <message>
        <source>an</source>
        <translation>una</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Piedras.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem5</name>
    <message>
        <source>diamond</source>
        <translation>diamante</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Piedras.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gps</name>
    <message>
        <source>G.P.S.</source>
        <translation>G.P.S.</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::light</name>
    <message>
        <source>flashlight</source>
        <translation>linterna</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::open</name>
    <message>
        <source>open</source>
        <translation>abierta</translation>
    </message>
    <message>
        <source>an</source>
        <translation>una</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::power</name>
    <message>
        <source>Power level.</source>
        <translation>Nivel de energía.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::stone</name>
    <message>
        <source>worthless stone</source>
        <translation>piedra sin valor</translation>
    </message>
    <message>
        <source>worthless stones</source>
        <translation>piedras sin valor</translation>
    </message>
    <message>
        <source>a</source>
        <translation>una</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Piedras.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::tracker</name>
    <message>
        <source>tracker</source>
        <translation>rastreador</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Tracker.</source>
        <translation>Rastreador.</translation>
    </message>
</context>
<context>
    <name>quorvel::Clock</name>
    <message>
        <source>%1 day, %2</source>
        <translation>%1 día, %2</translation>
    </message>
    <message>
        <source>%1 days, %2</source>
        <translation>%1 días, %2</translation>
    </message>
</context>
<context>
    <name>quorvel::CommandLine</name>
    <message>
        <source>show this help and end</source>
        <translation>mostrar esta ayuda y terminar</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>mostrar la versión y terminar</translation>
    </message>
    <message>
        <source>play maze number L-S at once: level L (1 to 6)
from generator state S (0 to 4294967295); a word
that belongs to no switch is refused</source>
        <translation>jugar ya el laberinto número L-S: nivel L (1 a 6)
desde el estado S del generador (0 a 4294967295);
una palabra sin opción se rechaza</translation>
    </message>
    <message>
        <source>watch the run kept in FILE (one of the Replays
folder) and say whether it reaches its recorded
result; Space pauses, Right plays one event,
1 2 4 set the speed, Esc stops</source>
        <translation>ver la partida guardada en FILE (una de la carpeta
Replays) y decir si llega a su resultado grabado;
Espacio pausa, Derecha juega un evento, 1 2 4
fijan la velocidad, Esc termina</translation>
    </message>
    <message>
        <source>  -uNAME, /UNAME        play as NAME without being asked for a name (the
                        letter u in either case)
      --                end the options: what follows is passed on as it is
</source>
        <translation>  -uNOMBRE, /UNOMBRE    jugar como NOMBRE sin que se pida un nombre (la
                        letra u, en mayúscula o minúscula)
      --                fin de las opciones: lo que sigue se pasa tal cual
</translation>
    </message>
    <message>
        <source>Every &quot;-&quot; and &quot;/&quot; in the rest of the command line starts a switch, so a
player&apos;s name writes these as escapes:
  %b a blank   %q a double quote   %p a percent sign   %d a minus   %s a slash
For example -uJohn%bSmith plays as &quot;John Smith&quot;, /UAnn%dMarie as &quot;Ann-Marie&quot;.
</source>
        <translation>Cada &quot;-&quot; y &quot;/&quot; en el resto de la línea de órdenes empieza una opción, así que
un nombre de jugador los escribe así:
  %b un espacio   %q una comilla doble   %p un signo de porcentaje
  %d un guion   %s una barra
Por ejemplo, -uJohn%bSmith juega como &quot;John Smith&quot;, /UAnn%dMarie como
&quot;Ann-Marie&quot;.
</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, with one dash or two, are passed on to Qt; among them:
  -platform NAME        the window system: xcb (X11), wayland, or offscreen
                        and minimal, which need no display
  -display DISPLAY      the X display to open (xcb)
  -style STYLE, -stylesheet FILE, -platformtheme NAME, -reverse,
  -qwindowgeometry GEOMETRY, -qwindowtitle TITLE, -qwindowicon FILE,
  -platformpluginpath PATH, -plugin NAME, -session ID, -name NAME
</source>
        <translation>Las opciones propias de Qt, con uno o dos guiones, pasan a Qt; entre ellas:
  -platform NAME        el sistema de ventanas: xcb (X11), wayland, u
                        offscreen y minimal, que no necesitan pantalla
  -display DISPLAY      la pantalla X que abrir (xcb)
  -style STYLE, -stylesheet FILE, -platformtheme NAME, -reverse,
  -qwindowgeometry GEOMETRY, -qwindowtitle TITLE, -qwindowicon FILE,
  -platformpluginpath PATH, -plugin NAME, -session ID, -name NAME
</translation>
    </message>
    <message>
        <source>On a Wayland desktop with XWayland (both WAYLAND_DISPLAY and DISPLAY set) the
game runs through X11 (Qt&apos;s xcb platform), where it can place its map window
beside the game screen and carry a locked map along, which no Wayland client
may do. Set QT_QPA_PLATFORM or give -platform to choose otherwise.
</source>
        <translation>En un escritorio Wayland con XWayland (WAYLAND_DISPLAY y DISPLAY definidas) el
juego va por X11 (la plataforma xcb de Qt), donde puede poner su mapa junto a la
pantalla de juego y llevar consigo un mapa fijado, cosa que ningún cliente
Wayland puede hacer. QT_QPA_PLATFORM o -platform eligen otra cosa.
</translation>
    </message>
    <message>
        <source>Environment:
  QUORVEL3D_HOME        the folder of the settings, saved games, best times
                        and themes; else the program&apos;s own folder when it is
                        writable, else $XDG_DATA_HOME/quorvel3d
  DISPLAY, WAYLAND_DISPLAY  the display to open
  QT_QPA_PLATFORM       Qt&apos;s platform, as -platform
  SDL_AUDIODRIVER       SDL&apos;s audio driver (dummy plays nothing)
  SDL_SOUNDFONTS        the General MIDI SoundFont of the music
</source>
        <translation>Entorno:
  QUORVEL3D_HOME        la carpeta de ajustes, partidas guardadas, mejores
                        tiempos y temas; si no, la carpeta del programa si se
                        puede escribir en ella; si no, $XDG_DATA_HOME/quorvel3d
  DISPLAY, WAYLAND_DISPLAY  la pantalla que abrir
  QT_QPA_PLATFORM       la plataforma de Qt, como -platform
  SDL_AUDIODRIVER       el controlador de audio de SDL (dummy no suena)
  SDL_SOUNDFONTS        la SoundFont General MIDI de la música
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends (or another copy is running already),
1 when it cannot start, 2 for a bad command line.
</source>
        <translation>Estado de salida: 0 cuando el juego termina (o ya hay otra copia en marcha),
1 si no puede arrancar, 2 si la línea de órdenes es incorrecta.
</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [-uNAME] [QT-OPTION]...
Quorvel 3-D: a random 3-D maze, seen in first person.

Options:
</source>
        <translation>Uso: %1 [OPCIÓN]... [-uNOMBRE] [OPCIÓN-QT]...
Quorvel 3-D: un laberinto 3-D al azar, visto en primera persona.

Opciones:
</translation>
    </message>
</context>
<context>
    <name>quorvel::EndScreen</name>
    <message>
        <source>You Lose</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>¡Victoria!</translation>
    </message>
    <message>
        <source>Winner! (New Best Time)</source>
        <translation>¡Victoria! (Nuevo récord)</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>Do you want to save your game before exiting?</source>
        <translation>¿Quieres guardar la partida antes de salir?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Stats...</source>
        <translation>Datos...</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Save the game, then leave the maze.</source>
        <translation>Guardar la partida y luego salir del laberinto.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Leave the maze without saving.</source>
        <translation>Salir del laberinto sin guardar.</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Cerrar esta ventana.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>The statistics of this game.</source>
        <translation>Las estadísticas de esta partida.</translation>
    </message>
    <message>
        <source>Maze number
%1</source>
        <translation>Laberinto
%1</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>You won, with the best time of rank %1.</source>
        <translation>Has ganado, con el mejor tiempo en el puesto %1.</translation>
    </message>
    <message>
        <source>You won.</source>
        <translation>Has ganado.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Derrota</translation>
    </message>
    <message>
        <source>You lost: the food ran out.</source>
        <translation>Has perdido: se acabó la comida.</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>You are leaving this maze.</source>
        <translation>Sales de este laberinto.</translation>
    </message>
</context>
<context>
    <name>quorvel::GameScreen</name>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>An opening to the left.</source>
        <translation>Un paso a la izquierda.</translation>
    </message>
    <message>
        <source>An opening to the right.</source>
        <translation>Un paso a la derecha.</translation>
    </message>
    <message>
        <source>Move forward.</source>
        <translation>Avanzar.</translation>
    </message>
    <message>
        <source>Turn left.</source>
        <translation>Girar a la izquierda.</translation>
    </message>
    <message>
        <source>Turn right.</source>
        <translation>Girar a la derecha.</translation>
    </message>
    <message>
        <source>Step back.</source>
        <translation>Retroceder.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Sounds on or off (S).</source>
        <translation>Sonidos sí o no (S).</translation>
    </message>
    <message>
        <source>Music on or off (M).</source>
        <translation>Música sí o no (M).</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>&amp;Quit Maze...</source>
        <translation>&amp;Salir...</translation>
    </message>
    <message>
        <source>Quit this maze.</source>
        <translation>Salir de este laberinto.</translation>
    </message>
    <message>
        <source>ITEMS :</source>
        <translation>OBJETOS :</translation>
    </message>
    <message>
        <source>Time in maze:</source>
        <translation>Tiempo dentro:</translation>
    </message>
    <message>
        <source>Stepcounter:</source>
        <translation>Pasos:</translation>
    </message>
    <message>
        <source>Current number of steps taken in maze.</source>
        <translation>Número de pasos dados en el laberinto.</translation>
    </message>
    <message>
        <source>View ahead</source>
        <translation>Vista al frente</translation>
    </message>
    <message>
        <source>Player and sides</source>
        <translation>Jugador y lados</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Move forward</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Quit Maze</source>
        <translation>Salir del laberinto</translation>
    </message>
    <message>
        <source>Leave this maze, with the offer to save it.</source>
        <translation>Salir de este laberinto, con la opción de guardarlo.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Brújula</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Items held</source>
        <translation>Objetos en la mochila</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Comida</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Gemas</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Pila</translation>
    </message>
    <message>
        <source>Time and steps</source>
        <translation>Tiempo y pasos</translation>
    </message>
    <message>
        <source>Time in maze</source>
        <translation>Tiempo dentro</translation>
    </message>
    <message>
        <source>How long this maze has taken so far.</source>
        <translation>Cuánto ha durado este laberinto hasta ahora.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>Not found yet.</source>
        <translation>Aún no encontrado.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>Laberinto %1</translation>
    </message>
    <message>
        <source>Sound cues on.</source>
        <translation>Pistas de sonido activadas.</translation>
    </message>
    <message>
        <source>Sound cues off.</source>
        <translation>Pistas de sonido desactivadas.</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Lado izquierdo</translation>
    </message>
    <message>
        <source>A wall to the left.</source>
        <translation>Una pared a la izquierda.</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Lado derecho</translation>
    </message>
    <message>
        <source>A wall to the right.</source>
        <translation>Una pared a la derecha.</translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation>Mirando al %1.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message>
        <source>Use battery</source>
        <translation>Usar pila</translation>
    </message>
    <message>
        <source>Nothing to use yet: a battery is used here once one is found.</source>
        <translation>Nada que usar aún: aquí se usa una pila en cuanto encuentres una.</translation>
    </message>
    <message>
        <source>Quit game?</source>
        <translation>¿Salir de la partida?</translation>
    </message>
    <message>
        <source>Are you sure you want to stop playing?</source>
        <translation>¿Seguro que quieres dejar de jugar?</translation>
    </message>
    <message>
        <source>The number of this maze: share it, or play the maze again with
quorvel3d %1 %2</source>
        <translation>El número de este laberinto: compártelo, o vuelve a jugar el laberinto con
quorvel3d %1 %2</translation>
    </message>
    <message>
        <source>Play with the keys: each move says what happens and what lies ahead.</source>
        <translation>Juega con las teclas: cada movimiento dice lo que pasa y lo que hay delante.</translation>
    </message>
    <message>
        <source>%1; key %2.</source>
        <translation>%1; tecla %2.</translation>
    </message>
    <message>
        <source>One step forward</source>
        <translation>Un paso adelante</translation>
    </message>
    <message>
        <source>A quarter-turn to the left</source>
        <translation>Un cuarto de vuelta a la izquierda</translation>
    </message>
    <message>
        <source>A quarter-turn to the right</source>
        <translation>Un cuarto de vuelta a la derecha</translation>
    </message>
    <message>
        <source>One step backwards</source>
        <translation>Un paso atrás</translation>
    </message>
    <message>
        <source>Sounds on or off</source>
        <translation>Sonidos sí o no</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Música sí o no</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Ningún mensaje.</translation>
    </message>
    <message>
        <source>Use %1; key %2.</source>
        <translation>Usar %1; tecla %2.</translation>
    </message>
    <message>
        <source>Batteries here: %1 uses them.</source>
        <translation>Pilas aquí: %1 las usa.</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <source>Getting Started</source>
        <translation>Primeros pasos</translation>
    </message>
    <message>
        <source>General Information</source>
        <translation>Información general</translation>
    </message>
    <message>
        <source>About Themes</source>
        <translation>Los temas</translation>
    </message>
    <message>
        <source>About Levels</source>
        <translation>Los niveles</translation>
    </message>
    <message>
        <source>Loading a Game</source>
        <translation>Cargar una partida</translation>
    </message>
    <message>
        <source>Loading a Previously Saved Game</source>
        <translation>Cargar una partida guardada</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Necessary Items</source>
        <translation>Objetos necesarios</translation>
    </message>
    <message>
        <source>Helpful Items</source>
        <translation>Objetos útiles</translation>
    </message>
    <message>
        <source>Scoring Items</source>
        <translation>Objetos que puntúan</translation>
    </message>
    <message>
        <source>Navigating the Maze</source>
        <translation>Moverse por el laberinto</translation>
    </message>
    <message>
        <source>Ending the Game</source>
        <translation>El final</translation>
    </message>
    <message>
        <source>Saving a Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Saving a Game while in Progress</source>
        <translation>Guardar una partida en curso</translation>
    </message>
    <message>
        <source>Grand Finale</source>
        <translation>El gran final</translation>
    </message>
    <message>
        <source>The Grand Finale</source>
        <translation>El gran final</translation>
    </message>
    <message>
        <source>Quorvel 3-D Help</source>
        <translation>Ayuda de Quorvel 3-D</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primero</translation>
    </message>
    <message>
        <source>First Topic</source>
        <translation>Primer tema</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous Topic</source>
        <translation>Tema anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next Topic</source>
        <translation>Tema siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Último</translation>
    </message>
    <message>
        <source>Last Topic</source>
        <translation>Último tema</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Cerrar la ayuda</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>The topics of the help under their headings; choosing one shows its page. N, P, F and L go to the next, previous, first and last topic.</source>
        <translation>Los temas de la ayuda bajo sus títulos; elegir uno muestra su página. N, P, F y L van al tema siguiente, anterior, primero y último.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The topic shown, and the hint of a button.</source>
        <translation>El tema mostrado y la pista de un botón.</translation>
    </message>
    <message>
        <source>Topic %1 of %2:  %3</source>
        <translation>Tema %1 de %2:  %3</translation>
    </message>
    <message>
        <source>Your keys</source>
        <translation>Tus teclas</translation>
    </message>
    <message>
        <source>The settings file moves these keys for every player:</source>
        <translation>El archivo de ajustes cambia estas teclas para todos los jugadores:</translation>
    </message>
    <message>
        <source>step forward</source>
        <translation>avanzar</translation>
    </message>
    <message>
        <source>step back</source>
        <translation>retroceder</translation>
    </message>
    <message>
        <source>turn left</source>
        <translation>girar a la izquierda</translation>
    </message>
    <message>
        <source>turn right</source>
        <translation>girar a la derecha</translation>
    </message>
    <message>
        <source>use a battery</source>
        <translation>usar una pila</translation>
    </message>
    <message>
        <source>run</source>
        <translation>correr</translation>
    </message>
    <message>
        <source>the overhead map</source>
        <translation>el mapa desde arriba</translation>
    </message>
    <message>
        <source>sounds on or off</source>
        <translation>sonidos sí o no</translation>
    </message>
    <message>
        <source>music on or off</source>
        <translation>música sí o no</translation>
    </message>
    <message>
        <source>the story</source>
        <translation>la historia</translation>
    </message>
    <message>
        <source>yell</source>
        <translation>gritar</translation>
    </message>
    <message>
        <source>laugh</source>
        <translation>reír</translation>
    </message>
    <message>
        <source>cry</source>
        <translation>llorar</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>saltar</translation>
    </message>
    <message>
        <source>dance</source>
        <translation>bailar</translation>
    </message>
    <message>
        <source>spoken play on or off</source>
        <translation>juego hablado sí o no</translation>
    </message>
    <message>
        <source>say the counters</source>
        <translation>decir los contadores</translation>
    </message>
    <message>
        <source>say the compass heading</source>
        <translation>decir el rumbo de la brújula</translation>
    </message>
    <message>
        <source>say what the tools tell</source>
        <translation>decir lo que muestran las herramientas</translation>
    </message>
    <message>
        <source>say what lies ahead</source>
        <translation>decir lo que hay delante</translation>
    </message>
    <message>
        <source>sound cues on or off</source>
        <translation>pistas de sonido sí o no</translation>
    </message>
    <message>
        <source>the map&apos;s colours for colour-blind eyes</source>
        <translation>los colores del mapa para daltónicos</translation>
    </message>
    <message>
        <source>say the last messages again</source>
        <translation>repetir los últimos mensajes</translation>
    </message>
</context>
<context>
    <name>quorvel::MapWindow</name>
    <message>
        <source>Quorvel Map</source>
        <translation>Mapa de Quorvel</translation>
    </message>
    <message>
        <source>Lock the map to the game window</source>
        <translation>Fijar el mapa a la ventana de juego</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Fijar</translation>
    </message>
    <message>
        <source>%1; it then keeps no keys.</source>
        <translation>%1; entonces no toma teclas.</translation>
    </message>
    <message>
        <source>A larger map.</source>
        <translation>Un mapa más grande.</translation>
    </message>
    <message>
        <source>A smaller map.</source>
        <translation>Un mapa más pequeño.</translation>
    </message>
    <message>
        <source>Map tools</source>
        <translation>Herramientas del mapa</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Overhead map</source>
        <translation>Mapa desde arriba</translation>
    </message>
    <message>
        <source>The maze from above, as far as the tools show it; resting the mouse on a cell tells what it holds.</source>
        <translation>El laberinto visto desde arriba, hasta donde lo muestran las herramientas; el ratón sobre una casilla dice lo que contiene.</translation>
    </message>
    <message>
        <source>A wall (map)</source>
        <translation>Una pared (mapa)</translation>
    </message>
    <message>
        <source>A wall</source>
        <translation>Una pared</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Your path</source>
        <translation>Tu camino</translation>
    </message>
    <message>
        <source>The exit</source>
        <translation>La salida</translation>
    </message>
    <message>
        <source>Your location</source>
        <translation>Tu posición</translation>
    </message>
</context>
<context>
    <name>quorvel::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
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
        <source>The kind of this message.</source>
        <translation>El tipo de este mensaje.</translation>
    </message>
</context>
<context>
    <name>quorvel::MessagePanel</name>
    <message>
        <source>                                   Messages :                              </source>
        <translation>                                   Mensajes :                              </translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Previous message recived.</source>
        <translation>Mensaje anterior recibido.</translation>
    </message>
    <message>
        <source>Old message.</source>
        <translation>Mensaje antiguo.</translation>
    </message>
    <message>
        <source>Older messages</source>
        <translation>Mensajes anteriores</translation>
    </message>
    <message>
        <source>The message before the current one.</source>
        <translation>El mensaje anterior al actual.</translation>
    </message>
    <message>
        <source>An older message.</source>
        <translation>Un mensaje anterior.</translation>
    </message>
    <message>
        <source>Current message.</source>
        <translation>Mensaje actual.</translation>
    </message>
    <message>
        <source>Current message</source>
        <translation>Mensaje actual</translation>
    </message>
    <message>
        <source>The newest message.</source>
        <translation>El mensaje más reciente.</translation>
    </message>
    <message>
        <source>No message yet</source>
        <translation>Aún no hay mensajes</translation>
    </message>
    <message>
        <source>Message Indicator:</source>
        <translation>Aviso de mensajes:</translation>
    </message>
    <message>
        <source>Message indicator</source>
        <translation>Aviso de mensajes</translation>
    </message>
    <message>
        <source>Something urgent in the messages.</source>
        <translation>Algo urgente en los mensajes.</translation>
    </message>
    <message>
        <source>Something to read in the messages.</source>
        <translation>Algo que leer en los mensajes.</translation>
    </message>
</context>
<context>
    <name>quorvel::OpeningScreen</name>
    <message>
        <source>Please enter your name (up to 12 characters).</source>
        <translation>Escribe tu nombre (hasta 12 caracteres).</translation>
    </message>
    <message>
        <source>Nice -n- &amp;Easy...</source>
        <translation>Bonito y &amp;fácil...</translation>
    </message>
    <message>
        <source>A &amp;little harder now...</source>
        <translation>Un &amp;poco más difícil...</translation>
    </message>
    <message>
        <source>A &amp;real challenge...</source>
        <translation>Un &amp;reto de verdad...</translation>
    </message>
    <message>
        <source>&amp;Now we&apos;re getting there...</source>
        <translation>&amp;Ahora sí que sí...</translation>
    </message>
    <message>
        <source>O.K. This is &amp;hard...</source>
        <translation>O.K. Esto es &amp;duro...</translation>
    </message>
    <message>
        <source>&amp;Only for the Strongest...</source>
        <translation>Sólo para &amp;valientes...</translation>
    </message>
    <message>
        <source>Either the theme entered was not a valid path or
     One or more files were missing or corrupt.

      The theme has been reset to the defalt.
                    &lt; Back to basics &lt;Default&gt; &gt;.</source>
        <translation>O el tema elegido no era una ruta válida o
     faltaban archivos o estaban dañados.

      Se ha vuelto al tema predeterminado.
                    &lt; Back to basics &lt;Default&gt; &gt;.</translation>
    </message>
    <message>
        <source>Player&apos;s name: </source>
        <translation>Jugador: </translation>
    </message>
    <message>
        <source>Skill level: </source>
        <translation>Nivel: </translation>
    </message>
    <message>
        <source>Theme: </source>
        <translation>Tema: </translation>
    </message>
    <message>
        <source>The look, words and sounds of the maze.</source>
        <translation>El aspecto, las palabras y los sonidos del laberinto.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>PLEASE SELECT A &amp;THEME .</source>
        <translation>ELIGE UN &amp;TEMA .</translation>
    </message>
    <message>
        <source>A theme is a folder beside the game with its own walls, words and sounds.</source>
        <translation>Un tema es una carpeta junto al juego con sus propias paredes, palabras y sonidos.</translation>
    </message>
    <message>
        <source>PREVIEW.</source>
        <translation>VISTA PREVIA.</translation>
    </message>
    <message>
        <source>PLEASE SELECT  A SKILL LEVEL .</source>
        <translation>ELIGE UN NIVEL .</translation>
    </message>
    <message>
        <source>Load the saved game of level %1</source>
        <translation>Cargar la partida guardada del nivel %1</translation>
    </message>
    <message>
        <source>Go on with the game you saved at level %1.</source>
        <translation>Seguir con la partida guardada en el nivel %1.</translation>
    </message>
    <message>
        <source>A maze of %1 x %1 cells.</source>
        <translation>Un laberinto de %1 x %1 casillas.</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Nivel %1: %2</translation>
    </message>
    <message>
        <source>LET&apos;S GET STARTED!!!</source>
        <translation>¡¡¡A JUGAR!!!</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Start a new maze.</source>
        <translation>Empezar un laberinto nuevo.</translation>
    </message>
    <message>
        <source>E&amp;xit.</source>
        <translation>&amp;Salir.</translation>
    </message>
    <message>
        <source>Leave the game.</source>
        <translation>Salir del juego.</translation>
    </message>
    <message>
        <source>New &amp;Player</source>
        <translation>&amp;Nuevo jugador</translation>
    </message>
    <message>
        <source>Change the player.</source>
        <translation>Cambiar de jugador.</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>How to play.</source>
        <translation>Cómo se juega.</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acer&amp;ca de...</translation>
    </message>
    <message>
        <source>About Quorvel 3-D.</source>
        <translation>Acerca de Quorvel 3-D.</translation>
    </message>
    <message>
        <source>&amp;Best times</source>
        <translation>&amp;Mejores tiempos</translation>
    </message>
    <message>
        <source>The best times of every level.</source>
        <translation>Los mejores tiempos de cada nivel.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>The intro tune on or off (M).</source>
        <translation>La música de entrada sí o no (M).</translation>
    </message>
    <message>
        <source>Intro tune</source>
        <translation>Música de entrada</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Version %1.   Press M to switch the intro.</source>
        <translation>Versión %1.   M activa o quita la intro.</translation>
    </message>
    <message>
        <source>Welcome to Quorvel 3-D</source>
        <translation>Bienvenido a Quorvel 3-D</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Play under the name typed.</source>
        <translation>Jugar con el nombre escrito.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Play under the name offered.</source>
        <translation>Jugar con el nombre propuesto.</translation>
    </message>
    <message>
        <source>Type another name.</source>
        <translation>Escribe otro nombre.</translation>
    </message>
    <message>
        <source>The name you enter must not be over 12 characters.</source>
        <translation>El nombre no puede tener más de 12 caracteres.</translation>
    </message>
    <message>
        <source>The name you enter can not contain \ / : * ? &quot; &lt; &gt; | . or spaces</source>
        <translation>El nombre no puede contener \ / : * ? &quot; &lt; &gt; | . ni espacios</translation>
    </message>
    <message>
        <source>The name you enter can not be used: %1.</source>
        <translation>Ese nombre no se puede usar: %1.</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Vista previa del tema</translation>
    </message>
    <message>
        <source>Walls and doors of the theme %1.</source>
        <translation>Paredes y puertas del tema %1.</translation>
    </message>
    <message>
        <source>Load saved game</source>
        <translation>Cargar partida guardada</translation>
    </message>
    <message>
        <source>The name offered: %1</source>
        <translation>El nombre propuesto: %1</translation>
    </message>
    <message>
        <source>Theme: %1</source>
        <translation>Tema: %1</translation>
    </message>
    <message>
        <source>Skill level: %1, a maze of %2 by %2 cells</source>
        <translation>Nivel: %1, un laberinto de %2 por %2 casillas</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jugador: %1</translation>
    </message>
    <message>
        <source>No saved games</source>
        <translation>No hay partidas guardadas</translation>
    </message>
    <message>
        <source>A saved game of level %1; Alt and the level&apos;s number loads it</source>
        <translation>Una partida guardada del nivel %1; Alt y el número del nivel la cargan</translation>
    </message>
    <message>
        <source>Saved games of levels %1; Alt and the level&apos;s number loads it</source>
        <translation>Partidas guardadas de los niveles %1; Alt y el número del nivel cargan una</translation>
    </message>
    <message>
        <source>%1 switches speech on or off; </source>
        <translation>%1 activa o quita la voz; </translation>
    </message>
    <message>
        <source>Keys: Enter starts a new maze; Alt and E, L, R, N, H or O chooses the skill level; Alt and P changes the player; %1Esc leaves the game</source>
        <translation>Teclas: Intro empieza un laberinto nuevo; Alt y F, P, R, A, D o V eligen el nivel; Alt y N cambia de jugador; %1Esc sale del juego</translation>
    </message>
</context>
<context>
    <name>quorvel::Problems</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>A run cannot be watched while a game is played.</source>
        <translation>No se puede ver una partida mientras se juega otra.</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Error al cargar</translation>
    </message>
    <message>
        <source>The run %1 cannot be watched: %2.</source>
        <translation>No se puede ver la partida %1: %2.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Unable to write to %1! High scores may not be able to be viewed</source>
        <translation>¡No se puede escribir en %1! Puede que los récords no se vean</translation>
    </message>
    <message>
        <source>Unable to read %1! High scores may not be able to be viewed!</source>
        <translation>¡No se puede leer %1! ¡Puede que los récords no se vean!</translation>
    </message>
    <message>
        <source>Unable to write to %1!</source>
        <translation>¡No se puede escribir en %1!</translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Score File! Defuault scores will be used!</source>
        <translation>¡%1 no es un archivo de récords de Quorvel válido! ¡Se usarán los récords predeterminados!</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Error de datos</translation>
    </message>
    <message>
        <source>%1 is corrupt or has been altered!  Defuault scores will be used!</source>
        <translation>¡%1 está dañado o ha sido alterado! ¡Se usarán los récords predeterminados!</translation>
    </message>
    <message>
        <source>Unable to read %1!  Defuault scores will be used!</source>
        <translation>¡No se puede leer %1! ¡Se usarán los récords predeterminados!</translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Save File!</source>
        <translation>¡%1 no es una partida guardada de Quorvel válida!</translation>
    </message>
    <message>
        <source>%1 has is corrupt or has been altered!</source>
        <translation>¡%1 está dañado o ha sido alterado!</translation>
    </message>
    <message>
        <source>%1 contains invalid data!</source>
        <translation>¡%1 contiene datos no válidos!</translation>
    </message>
    <message>
        <source>Unable to read %1!</source>
        <translation>¡No se puede leer %1!</translation>
    </message>
    <message>
        <source>Unable to create Saved Game folder!</source>
        <translation>¡No se puede crear la carpeta de partidas guardadas!</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>Replace Save File?</source>
        <translation>¿Reemplazar la partida guardada?</translation>
    </message>
    <message>
        <source>You already have a save file.

Do you want to save anyway? (the old save file will be replaced)</source>
        <translation>Ya tienes una partida guardada.

¿Guardar de todos modos? (se reemplazará la partida anterior)</translation>
    </message>
</context>
<context>
    <name>quorvel::RunWatch</name>
    <message>
        <source>a player</source>
        <translation>un jugador</translation>
    </message>
    <message>
        <source>won in %1 with %2 and %3</source>
        <translation>ganada en %1 con %2 y %3</translation>
    </message>
    <message>
        <source>lost in %1 with %2 and %3</source>
        <translation>perdida en %1 con %2 y %3</translation>
    </message>
    <message>
        <source>left unfinished after %1 with %2 and %3</source>
        <translation>sin terminar tras %1 con %2 y %3</translation>
    </message>
    <message>
        <source>%1 gem</source>
        <translation>%1 gema</translation>
    </message>
    <message>
        <source>%1 gems</source>
        <translation>%1 gemas</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 paso</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>The run reached its recorded result: %1.</source>
        <translation>La partida llega a su resultado grabado: %1.</translation>
    </message>
    <message>
        <source>The run departed from its record at event %1 of %2: %3.</source>
        <translation>La partida se apartó de su grabación en el evento %1 de %2: %3.</translation>
    </message>
    <message>
        <source>Watching %1&apos;s run: %2</source>
        <translation>Partida de %1: %2</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pausa</translation>
    </message>
    <message>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <source>Space goes on
Right plays one event
1, 2, 4: speed
Esc stops</source>
        <translation>Espacio: seguir
Derecha: un evento
1, 2, 4: velocidad
Esc: terminar</translation>
    </message>
    <message>
        <source>Space pauses
1, 2, 4: speed
Esc stops</source>
        <translation>Espacio: pausa
1, 2, 4: velocidad
Esc: terminar</translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay</name>
    <message>
        <source>%1: press %2</source>
        <translation>%1: pulsa %2</translation>
    </message>
    <message>
        <source>Quorvel 3-D cannot speak: no speech service answered (speech-dispatcher with a voice such as espeak-ng). The game plays on without speech.</source>
        <translation>Quorvel 3-D no puede hablar: ningún servicio de voz ha respondido (speech-dispatcher con una voz como espeak-ng). El juego sigue sin voz.</translation>
    </message>
    <message>
        <source>Spoken play on</source>
        <translation>Juego hablado activado</translation>
    </message>
    <message>
        <source>Spoken play off.</source>
        <translation>Juego hablado desactivado.</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>justo delante</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>a %1 casillas</translation>
    </message>
    <message>
        <source>one cell</source>
        <translation>una casilla</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 casillas</translation>
    </message>
    <message>
        <source>no</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>one</source>
        <translation>una</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>once</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>doce</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>east</source>
        <translation>este</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>standing in the exit</source>
        <translation>estás en la salida</translation>
    </message>
    <message>
        <source>the exit ahead</source>
        <translation>la salida justo delante</translation>
    </message>
    <message>
        <source>a wall with the map of the maze</source>
        <translation>una pared con el mapa del laberinto</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>una pared</translation>
    </message>
    <message>
        <source>Food %1, battery %2 percent, gems %3, steps %4, time %5.</source>
        <translation>Comida %1, pila %2 por ciento, gemas %3, pasos %4, tiempo %5.</translation>
    </message>
    <message>
        <source>No compass.</source>
        <translation>Sin brújula.</translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation>Mirando al %1.</translation>
    </message>
    <message>
        <source>G.P.S.: X %1, Y %2.</source>
        <translation>G.P.S.: X %1, Y %2.</translation>
    </message>
    <message>
        <source>Beacon: no exit.</source>
        <translation>Baliza: no hay salida.</translation>
    </message>
    <message>
        <source>Beacon: the exit is here.</source>
        <translation>Baliza: la salida está aquí.</translation>
    </message>
    <message>
        <source>Beacon: the exit lies %1.</source>
        <translation>Baliza: la salida está a %1.</translation>
    </message>
    <message>
        <source>Beacon: the exit lies %1 and %2.</source>
        <translation>Baliza: la salida está a %1 y %2.</translation>
    </message>
    <message>
        <source>Detector: %1 box left.</source>
        <translation>Detector: cajas restantes: %1.</translation>
    </message>
    <message>
        <source>Detector: %1 boxes left.</source>
        <translation>Detector: cajas restantes: %1.</translation>
    </message>
    <message>
        <source>one cell; the exit two ahead</source>
        <translation>una casilla; la salida a dos casillas</translation>
    </message>
    <message>
        <source>two cells; the exit three ahead</source>
        <translation>dos casillas; la salida a tres casillas</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 o más</translation>
    </message>
    <message>
        <source>both sides after %1</source>
        <translation>a ambos lados en la casilla %1</translation>
    </message>
    <message>
        <source>left after %1</source>
        <translation>a la izquierda en la casilla %1</translation>
    </message>
    <message>
        <source>right after %1</source>
        <translation>a la derecha en la casilla %1</translation>
    </message>
    <message>
        <source>the map at its end</source>
        <translation>el mapa al fondo</translation>
    </message>
    <message>
        <source>batteries %1</source>
        <translation>pilas %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>caja %1</translation>
    </message>
    <message>
        <source>opened box %1</source>
        <translation>caja abierta %1</translation>
    </message>
    <message>
        <source>Open both sides.</source>
        <translation>Abierto a ambos lados.</translation>
    </message>
    <message>
        <source>Open left.</source>
        <translation>Abierto a la izquierda.</translation>
    </message>
    <message>
        <source>Open right.</source>
        <translation>Abierto a la derecha.</translation>
    </message>
    <message>
        <source>The exit is to your left.</source>
        <translation>La salida está a tu izquierda.</translation>
    </message>
    <message>
        <source>The map is to your left.</source>
        <translation>El mapa está a tu izquierda.</translation>
    </message>
    <message>
        <source>The exit is to your right.</source>
        <translation>La salida está a tu derecha.</translation>
    </message>
    <message>
        <source>The map is to your right.</source>
        <translation>El mapa está a tu derecha.</translation>
    </message>
    <message>
        <source>The exit is behind you.</source>
        <translation>La salida está detrás de ti.</translation>
    </message>
    <message>
        <source>The map is behind you.</source>
        <translation>El mapa está detrás de ti.</translation>
    </message>
    <message>
        <source>Found the compass.</source>
        <translation>Brújula encontrada.</translation>
    </message>
    <message>
        <source>Found the detector.</source>
        <translation>Detector encontrado.</translation>
    </message>
    <message>
        <source>Found the beacon.</source>
        <translation>Baliza encontrada.</translation>
    </message>
    <message>
        <source>Found the G.P.S.</source>
        <translation>G.P.S. encontrado.</translation>
    </message>
    <message>
        <source>Found the tracker.</source>
        <translation>Rastreador encontrado.</translation>
    </message>
    <message>
        <source>Ran %1.</source>
        <translation>Corriste %1.</translation>
    </message>
    <message>
        <source>Tracker: your trail is on the map.</source>
        <translation>Rastreador: tu rastro está en el mapa.</translation>
    </message>
    <message>
        <source>No G.P.S., beacon, detector or tracker.</source>
        <translation>Sin G.P.S., baliza, detector ni rastreador.</translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay::Way</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 al %2</translation>
    </message>
</context>
<context>
    <name>quorvel::StatisticsScreen</name>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas de la partida</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Objeto:</translation>
    </message>
    <message>
        <source>Placed:</source>
        <translation>Puestos:</translation>
    </message>
    <message>
        <source>Found:</source>
        <translation>Hallados:</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Game statistics</source>
        <translation>Estadísticas de la partida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the statistics.</source>
        <translation>Cerrar las estadísticas.</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 paso</translation>
    </message>
    <message>
        <source>%1 steps </source>
        <translation>%1 pasos</translation>
    </message>
    <message>
        <source>%1 placed</source>
        <translation>%1 puestos</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 hallados</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>Laberinto %1</translation>
    </message>
    <message>
        <source>Item, placed, found:</source>
        <translation>Objeto, puestos, hallados:</translation>
    </message>
    <message>
        <source>%1, %2 placed, %3 found</source>
        <translation>%1, %2 puestos, %3 hallados</translation>
    </message>
    <message>
        <source>Best time of rank %1.</source>
        <translation>Mejor tiempo en el puesto %1.</translation>
    </message>
    <message>
        <source>None placed.</source>
        <translation>Ninguno puesto.</translation>
    </message>
    <message>
        <source>All found.</source>
        <translation>Todos hallados.</translation>
    </message>
    <message>
        <source>None found.</source>
        <translation>Ninguno hallado.</translation>
    </message>
    <message>
        <source>Some found.</source>
        <translation>Algunos hallados.</translation>
    </message>
</context>
<context>
    <name>quorvel::StoryWindow</name>
    <message>
        <source>Quorvel 3-D Story</source>
        <translation>La historia de Quorvel 3-D</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Cerrar la ayuda</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>The story of the theme.</source>
        <translation>La historia del tema.</translation>
    </message>
    <message>
        <source>Close the story.</source>
        <translation>Cerrar la historia.</translation>
    </message>
    <message>
        <source>The story of %1</source>
        <translation>La historia de %1</translation>
    </message>
</context>
</TS>
