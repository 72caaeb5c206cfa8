<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quorvel::AboutBox</name>
    <message>
        <source>Back to basics &lt;default&gt;</source>
        <translation>Back to basics &lt;default&gt;</translation>
    </message>
    <message>
        <source>Theme by %1</source>
        <translation>Thème de %1</translation>
    </message>
    <message>
        <source>Graphics by %1</source>
        <translation>Graphismes de %1</translation>
    </message>
    <message>
        <source>Messages by %1</source>
        <translation>Messages de %1</translation>
    </message>
    <message>
        <source>Sounds by %1</source>
        <translation>Sons de %1</translation>
    </message>
    <message>
        <source>Music by %1</source>
        <translation>Musique de %1</translation>
    </message>
    <message>
        <source>About Quorvel 3-D</source>
        <translation>À propos de Quorvel 3-D</translation>
    </message>
    <message>
        <source>A random 3-D maze: find the way out before</source>
        <translation>Un labyrinthe 3-D au hasard : trouvez la sortie</translation>
    </message>
    <message>
        <source>your food and your flashlight run out.</source>
        <translation>avant la fin de vos vivres et de votre lampe.</translation>
    </message>
    <message>
        <source>Every maze is new. Good luck in there!</source>
        <translation>Chaque labyrinthe est nouveau. Bonne chance !</translation>
    </message>
    <message>
        <source>Visit the home page</source>
        <translation>Visiter le site</translation>
    </message>
    <message>
        <source>Check for new version</source>
        <translation>Chercher une mise à jour</translation>
    </message>
    <message>
        <source>Look on the home page for a newer version</source>
        <translation>Chercher une version plus récente sur le site</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>A link: a click visits the home page.</source>
        <translation>Un lien : un clic ouvre le site.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the about box.</source>
        <translation>Fermer la fenêtre À propos.</translation>
    </message>
    <message>
        <source>Quorvel 3-D version %1</source>
        <translation>Quorvel 3-D version %1</translation>
    </message>
    <message>
        <source>No web browser could be opened. Visit %1 in your browser.</source>
        <translation>Aucun navigateur web n&apos;a pu s&apos;ouvrir. Visitez %1 dans votre navigateur.</translation>
    </message>
    <message>
        <source>No web browser could be opened to look for a new version. Visit %1 in your browser.</source>
        <translation>Aucun navigateur web n&apos;a pu s&apos;ouvrir pour chercher une nouvelle version. Visitez %1 dans votre navigateur.</translation>
    </message>
</context>
<context>
    <name>quorvel::BestTimesScreen</name>
    <message>
        <source>Nice-n-Easy</source>
        <translation>Tout facile</translation>
    </message>
    <message>
        <source>A little harder now</source>
        <translation>Un peu plus dur</translation>
    </message>
    <message>
        <source>A real challenge</source>
        <translation>Un vrai défi</translation>
    </message>
    <message>
        <source>Now we&apos;re getting there</source>
        <translation>Ça devient sérieux</translation>
    </message>
    <message>
        <source>O.K. This is hard</source>
        <translation>O.K. Là, c&apos;est costaud</translation>
    </message>
    <message>
        <source>Only for the Strongest</source>
        <translation>Uniquement les plus forts</translation>
    </message>
    <message>
        <source>Best times</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1 : %2</translation>
    </message>
    <message>
        <source>Rank %1:</source>
        <translation>Rang %1 :</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <source>Watch this run again on the game screen.</source>
        <translation>Revoir cette partie sur l&apos;écran de jeu.</translation>
    </message>
    <message>
        <source>Checked: the kept run of this result plays again with the rules to this very time and gems.</source>
        <translation>Vérifié : la partie gardée de ce résultat, rejouée selon les règles, donne exactement ce temps et ces pierres.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Close the best times.</source>
        <translation>Fermer les records.</translation>
    </message>
    <message>
        <source>first</source>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>%1, rank %2: %3, %4</source>
        <translation>%1, rang %2 : %3, %4</translation>
    </message>
    <message>
        <source>Enter or a click shows the statistics of this game.</source>
        <translation>Entrée ou un clic montre les statistiques de cette partie.</translation>
    </message>
    <message>
        <source>Watch %1</source>
        <translation>Revoir %1</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinTheme</name>
    <message>
        <source>You found &lt;an-item&gt;.</source>
        <translation>Vous avez trouvé &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>OK &lt;player&gt;. You can always use more &lt;items&gt;.</source>
        <translation>OK &lt;player&gt;. Un peu plus de &lt;items&gt; ne fait jamais de mal.</translation>
    </message>
    <message>
        <source>You got &lt;an-item&gt;.</source>
        <translation>Vous avez récupéré &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>Now you know where to find &lt;an-item&gt;, if you need to.</source>
        <translation>Vous savez maintenant où trouver des &lt;items&gt;, au besoin.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You found &lt;an-item&gt; for your &lt;light&gt;.</source>
        <translation>&lt;player&gt;, vous avez trouvé des &lt;items&gt; pour votre &lt;light&gt;.</translation>
    </message>
    <message>
        <source>This &lt;box&gt; has &lt;an-item&gt; in it.</source>
        <translation>Ce &lt;box&gt; contient des &lt;items&gt;.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, It is a fine &lt;item&gt; indeed! (5 points)</source>
        <translation>&lt;player&gt;, c&apos;est un bien beau &lt;item&gt; ! (5 points)</translation>
    </message>
    <message>
        <source>You know, &lt;Items&gt; are worth 5 points!</source>
        <translation>Vous savez, les &lt;items&gt; valent 5 points !</translation>
    </message>
    <message>
        <source>&lt;An-item&gt;,  Very nice... (5 points)</source>
        <translation>&lt;An-item&gt;,  très joli... (5 points)</translation>
    </message>
    <message>
        <source>Wow! This &lt;Item&gt; really shines. (3 points)</source>
        <translation>Oh ! Cette &lt;item&gt; brille vraiment. (3 points)</translation>
    </message>
    <message>
        <source>Oh how it sparkles! (3 points)</source>
        <translation>Comme elle étincelle ! (3 points)</translation>
    </message>
    <message>
        <source>Whatever this &lt;gem&gt; is, it&apos;s worth 3 points.</source>
        <translation>Quelle que soit cette &lt;gem&gt;, elle vaut 3 points.</translation>
    </message>
    <message>
        <source>You found a precious &lt;item&gt;. (1 point)</source>
        <translation>Vous avez trouvé un précieux &lt;item&gt;. (1 point)</translation>
    </message>
    <message>
        <source>I really like the look of this &lt;item&gt;... (1 point)</source>
        <translation>J&apos;aime vraiment l&apos;allure de ce &lt;item&gt;... (1 point)</translation>
    </message>
    <message>
        <source>&lt;An-item&gt;. Hey I always wanted &lt;an-item&gt;. (1 point)</source>
        <translation>&lt;An-item&gt;. Tiens, j&apos;en ai toujours voulu un. (1 point)</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You found &lt;an-item&gt;. (0 points)</source>
        <translation>&lt;player&gt;, vous avez trouvé &lt;an-item&gt;. (0 point)</translation>
    </message>
    <message>
        <source>Great, it&apos;s just &lt;an-item&gt;. (0 points)</source>
        <translation>Super, ce n&apos;est qu&apos;&lt;an-item&gt;. (0 point)</translation>
    </message>
    <message>
        <source>You found &lt;an-item&gt; and threw it away. (0 points)</source>
        <translation>Vous avez trouvé &lt;an-item&gt; et l&apos;avez jeté. (0 point)</translation>
    </message>
    <message>
        <source>Great job &lt;player&gt;. You found a handy &lt;item&gt;.</source>
        <translation>Bravo &lt;player&gt;. Vous avez trouvé une &lt;item&gt; bien pratique.</translation>
    </message>
    <message>
        <source>North, South, East, West.  It works!.</source>
        <translation>Nord, Sud, Est, Ouest.  Ça marche !.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you won&apos;t get lost now.</source>
        <translation>&lt;player&gt;, vous ne vous perdrez plus.</translation>
    </message>
    <message>
        <source>OK &lt;player&gt;. Now you can see yourself.</source>
        <translation>OK &lt;player&gt;. Maintenant, vous vous voyez.</translation>
    </message>
    <message>
        <source>&lt;Item&gt;? What&apos;s that?  Oh well, I got one anyway.</source>
        <translation>&lt;Item&gt; ? C&apos;est quoi ?  Bah, j&apos;en ai un quand même.</translation>
    </message>
    <message>
        <source>Great, now I can see myself walking in circles.</source>
        <translation>Super, je me vois maintenant tourner en rond.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is now yours.</source>
        <translation>La &lt;item&gt; est à vous.</translation>
    </message>
    <message>
        <source>Wonderful &lt;player&gt;. Now you can see the exit.</source>
        <translation>Formidable &lt;player&gt;. Vous voyez maintenant la sortie.</translation>
    </message>
    <message>
        <source>Like a lighthouse to a ship, the &lt;item&gt; is to you.</source>
        <translation>Ce que le phare est au navire, la &lt;item&gt; l&apos;est pour vous.</translation>
    </message>
    <message>
        <source>You now have &lt;an-item&gt;.</source>
        <translation>Vous avez maintenant &lt;an-item&gt;.</translation>
    </message>
    <message>
        <source>You may now keep track of where you have been.</source>
        <translation>Vous pouvez maintenant suivre vos propres traces.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is a great thing to have.</source>
        <translation>Un &lt;item&gt;, voilà qui est bien utile.</translation>
    </message>
    <message>
        <source>The &lt;item&gt; is now in hand.</source>
        <translation>Le &lt;item&gt; est en main.</translation>
    </message>
    <message>
        <source>Wow! So many &lt;boxes&gt;!</source>
        <translation>Oh ! Tant de &lt;boxes&gt; !</translation>
    </message>
    <message>
        <source>&lt;A-box&gt; here. &lt;A-box&gt; there.</source>
        <translation>&lt;A-box&gt; ici. &lt;A-box&gt; là.</translation>
    </message>
    <message>
        <source>Odd... This &lt;box&gt; is empty.</source>
        <translation>Bizarre... Ce &lt;box&gt; est vide.</translation>
    </message>
    <message>
        <source>You searched the &lt;box&gt;, but found nothing.</source>
        <translation>Vous avez fouillé le &lt;box&gt;, sans rien trouver.</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;.  There is nothing in this one.</source>
        <translation>Désolé &lt;player&gt;.  Il n&apos;y a rien dans celui-ci.</translation>
    </message>
    <message>
        <source>There is a map on the wall here!</source>
        <translation>Il y a une carte sur le mur ici !</translation>
    </message>
    <message>
        <source>Wow! I can see the whole maze now!</source>
        <translation>Oh ! Je vois tout le labyrinthe maintenant !</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. You can&apos;t take it with you.</source>
        <translation>Désolé &lt;player&gt;. Vous ne pouvez pas l&apos;emporter.</translation>
    </message>
    <message>
        <source>You lose some &lt;foods&gt;!</source>
        <translation>Vous perdez de la &lt;foods&gt; !</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you are missing some of your &lt;foods&gt;!</source>
        <translation>&lt;player&gt;, il vous manque de la &lt;foods&gt; !</translation>
    </message>
    <message>
        <source>You just lost some &lt;foods&gt;.</source>
        <translation>Vous venez de perdre de la &lt;foods&gt;.</translation>
    </message>
    <message>
        <source>You lose some &lt;gems&gt;!</source>
        <translation>Vous perdez des &lt;gems&gt; !</translation>
    </message>
    <message>
        <source>Some of your &lt;gems&gt; fell through a hole in you pocket!</source>
        <translation>Des &lt;gems&gt; sont tombées par un trou de votre poche !</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you dropped some of your &lt;gems&gt;!</source>
        <translation>&lt;player&gt;, vous avez laissé tomber des &lt;gems&gt; !</translation>
    </message>
    <message>
        <source>Start of new messages.....</source>
        <translation>Début des nouveaux messages.....</translation>
    </message>
    <message>
        <source>Let the messages begin.....</source>
        <translation>Place aux messages.....</translation>
    </message>
    <message>
        <source>&lt;player&gt;, do not forget to read your messages.</source>
        <translation>&lt;player&gt;, n&apos;oubliez pas de lire vos messages.</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. you ran out of &lt;foods&gt;.  You lose!!!</source>
        <translation>Désolé &lt;player&gt;. vous n&apos;avez plus de &lt;foods&gt;.  Perdu !!!</translation>
    </message>
    <message>
        <source>You can&apos;t continue without &lt;foods&gt;. This game is over.</source>
        <translation>Impossible de continuer sans &lt;foods&gt;. La partie est finie.</translation>
    </message>
    <message>
        <source>Sorry, you lose. &lt;player&gt;, Please try again later.</source>
        <translation>Désolé, perdu. &lt;player&gt;, réessayez plus tard.</translation>
    </message>
    <message>
        <source>CONGRATULATIONS &lt;PLAYER&gt;!!! YOU WON!!!</source>
        <translation>FÉLICITATIONS &lt;PLAYER&gt; !!! VOUS AVEZ GAGNÉ !!!</translation>
    </message>
    <message>
        <source>I WON! I WON! I WON!</source>
        <translation>J&apos;AI GAGNÉ ! J&apos;AI GAGNÉ ! J&apos;AI GAGNÉ !</translation>
    </message>
    <message>
        <source>You did it &lt;player&gt;! The victory is now yours!</source>
        <translation>Vous avez réussi &lt;player&gt; ! La victoire est à vous !</translation>
    </message>
    <message>
        <source>I guess this maze was just to big. Please try again later.</source>
        <translation>Ce labyrinthe était sans doute trop grand. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>I guess it was just to hard for you.</source>
        <translation>C&apos;était sans doute trop dur pour vous.</translation>
    </message>
    <message>
        <source>I knew I made this maze to hard.</source>
        <translation>Je savais que j&apos;avais fait ce labyrinthe trop dur.</translation>
    </message>
    <message>
        <source>You start running.</source>
        <translation>Vous vous mettez à courir.</translation>
    </message>
    <message>
        <source>You feel the wind on your face as you take off running.</source>
        <translation>Vous sentez le vent sur votre visage en prenant votre élan.</translation>
    </message>
    <message>
        <source>Run! Run! Run!</source>
        <translation>Cours ! Cours ! Cours !</translation>
    </message>
    <message>
        <source>You ran into a wall.</source>
        <translation>Vous avez heurté un mur.</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you crash hard into a wall and fall down!</source>
        <translation>&lt;player&gt;, vous percutez un mur et tombez !</translation>
    </message>
    <message>
        <source>* * * You see stars after hitting the wall! * * * </source>
        <translation>* * * Vous voyez trente-six chandelles après le choc ! * * * </translation>
    </message>
    <message>
        <source>&lt;player&gt;, There is a wall there!</source>
        <translation>&lt;player&gt;, il y a un mur là !</translation>
    </message>
    <message>
        <source>Sorry &lt;player&gt;. You can not go this way.</source>
        <translation>Désolé &lt;player&gt;. Vous ne pouvez pas passer par là.</translation>
    </message>
    <message>
        <source>Your head starts to hurt from hitting the wall.</source>
        <translation>À force de heurter le mur, vous avez mal à la tête.</translation>
    </message>
    <message>
        <source>You use &lt;a-battery&gt;, causing your &lt;light&gt; to shine brightly again.</source>
        <translation>Vous mettez des &lt;batteries&gt;, et votre &lt;light&gt; brille de nouveau.</translation>
    </message>
    <message>
        <source>I can see clearly now.</source>
        <translation>J&apos;y vois clair maintenant.</translation>
    </message>
    <message>
        <source>Your &lt;light&gt; brightens.</source>
        <translation>Votre &lt;light&gt; éclaire plus fort.</translation>
    </message>
    <message>
        <source>Hurry &lt;player&gt;. You are running low on &lt;foods&gt;.</source>
        <translation>Vite &lt;player&gt;. Vous manquez de &lt;foods&gt;.</translation>
    </message>
    <message>
        <source>You can not go without &lt;foods&gt; much longer.</source>
        <translation>Vous ne tiendrez plus longtemps sans &lt;foods&gt;.</translation>
    </message>
    <message>
        <source>Where can I find &lt;foods&gt; when I need some?</source>
        <translation>Où trouver de la &lt;foods&gt; quand j&apos;en ai besoin ?</translation>
    </message>
    <message>
        <source>&lt;player&gt;, You must find &lt;foods&gt; now!</source>
        <translation>&lt;player&gt;, il faut trouver de la &lt;foods&gt; tout de suite !</translation>
    </message>
    <message>
        <source>You can not go without &lt;foods&gt; any longer!</source>
        <translation>Vous ne pouvez plus tenir sans &lt;foods&gt; !</translation>
    </message>
    <message>
        <source>If you don&apos;t find &lt;foods&gt; now, it will be to late!</source>
        <translation>Sans &lt;foods&gt; tout de suite, il sera trop tard !</translation>
    </message>
    <message>
        <source>You&apos;re running low on &lt;batteries&gt; for your &lt;light&gt;!</source>
        <translation>Vous manquez de &lt;batteries&gt; pour votre &lt;light&gt; !</translation>
    </message>
    <message>
        <source>Your &lt;light&gt; is getting dim. You need &lt;a-battery&gt;!</source>
        <translation>Votre &lt;light&gt; faiblit. Il vous faut des &lt;batteries&gt; !</translation>
    </message>
    <message>
        <source>&lt;player&gt;, you need &lt;batteries&gt; soon.</source>
        <translation>&lt;player&gt;, il vous faudra bientôt des &lt;batteries&gt;.</translation>
    </message>
    <message>
        <source>Without &lt;batteries&gt;, your &lt;light&gt; has gone out!</source>
        <translation>Sans &lt;batteries&gt;, votre &lt;light&gt; s&apos;est éteinte !</translation>
    </message>
    <message>
        <source>Don&apos;t give up. You can find &lt;batteries&gt; all around.</source>
        <translation>Courage. On trouve des &lt;batteries&gt; un peu partout.</translation>
    </message>
    <message>
        <source>Hey! Who&apos;s the wise guy who turned out the lights?</source>
        <translation>Hé ! Quel petit malin a éteint la lumière ?</translation>
    </message>
    <message>
        <source>You get a strange feeling here.</source>
        <translation>Vous avez une drôle d&apos;impression ici.</translation>
    </message>
    <message>
        <source>You feel as if you should be looking for something.</source>
        <translation>Vous avez le sentiment de devoir chercher quelque chose.</translation>
    </message>
    <message>
        <source>To every thing, Turn, Turn, Turn.</source>
        <translation>Chaque chose en son temps, tourne, tourne, tourne.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::battery</name>
    <message>
        <source>batteries</source>
        <translation>piles</translation>
    </message>
    <message>
        <source>Power level.</source>
        <translation>Niveau d&apos;énergie.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::beacon</name>
    <message>
        <source>beacon</source>
        <translation>balise</translation>
    </message>
    <message>
        <source>a</source>
        <translation>une</translation>
    </message>
    <message>
        <source>Beacon.</source>
        <translation>Balise.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::box</name>
    <message>
        <source>box</source>
        <translation>coffre</translation>
    </message>
    <message>
        <source>boxes</source>
        <translation>coffres</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::compass</name>
    <message>
        <source>compass</source>
        <translation>boussole</translation>
    </message>
    <message>
        <source>a</source>
        <translation>une</translation>
    </message>
    <message>
        <source>Compass.</source>
        <translation>Boussole.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::detector</name>
    <message>
        <source>detector</source>
        <translation>détecteur</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Detector.</source>
        <translation>Détecteur.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::empty</name>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>an</source>
        <translation>un</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::food</name>
    <message>
        <source>food</source>
        <translation>nourriture</translation>
    </message>
    <message>
        <source>Food.</source>
        <translation>Nourriture.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem</name>
    <message>
        <source>stone</source>
        <translation>pierre</translation>
    </message>
    <message>
        <source>stones</source>
        <translation>pierres</translation>
    </message>
    <message>
        <source>a</source>
        <translation>une</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Pierres.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem1</name>
    <message>
        <source>ruby</source>
        <translation>rubis</translation>
    </message>
    <message>
        <source>rubies</source>
        <translation>rubis</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Pierres.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem3</name>
    <message>
        <source>emerald</source>
        <translation>émeraude</translation>
    </message>
    <message>
        <source>emeralds</source>
        <translation>émeraudes</translation>
    </message>
    <message>
        <source>an</source>
        <translation>une</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Pierres.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::gem5</name>
    <message>
        <source>diamond</source>
        <translation>diamant</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamants</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Pierres.</translation>
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
        <translation>lampe</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::open</name>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>an</source>
        <translation>un</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::power</name>
    <message>
        <source>Power level.</source>
        <translation>Niveau d&apos;énergie.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::stone</name>
    <message>
        <source>worthless stone</source>
        <translation>caillou sans valeur</translation>
    </message>
    <message>
        <source>worthless stones</source>
        <translation>cailloux sans valeur</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Stones.</source>
        <translation>Pierres.</translation>
    </message>
</context>
<context>
    <name>quorvel::BuiltinWords::tracker</name>
    <message>
        <source>tracker</source>
        <translation>traceur</translation>
    </message>
    <message>
        <source>a</source>
        <translation>un</translation>
    </message>
    <message>
        <source>Tracker.</source>
        <translation>Traceur.</translation>
    </message>
</context>
<context>
    <name>quorvel::Clock</name>
    <message>
        <source>%1 day, %2</source>
        <translation>%1 jour, %2</translation>
    </message>
    <message>
        <source>%1 days, %2</source>
        <translation>%1 jours, %2</translation>
    </message>
</context>
<context>
    <name>quorvel::CommandLine</name>
    <message>
        <source>show this help and end</source>
        <translation>afficher cette aide et terminer</translation>
    </message>
    <message>
        <source>show the version and end</source>
        <translation>afficher la version et terminer</translation>
    </message>
    <message>
        <source>play maze number L-S at once: level L (1 to 6)
from generator state S (0 to 4294967295); a word
that belongs to no switch is refused</source>
        <translation>jouer tout de suite le labyrinthe numéro L-S :
niveau L (1 à 6), état du générateur S (0 à
4294967295) ; un mot sans option est refusé</translation>
    </message>
    <message>
        <source>watch the run kept in FILE (one of the Replays
folder) and say whether it reaches its recorded
result; Space pauses, Right plays one event,
1 2 4 set the speed, Esc stops</source>
        <translation>revoir la partie gardée dans FILE (une du dossier
Replays) et dire si elle atteint le résultat
enregistré ; Espace met en pause, Droite joue un
événement, 1 2 4 règlent la vitesse, Échap arrête</translation>
    </message>
    <message>
        <source>  -uNAME, /UNAME        play as NAME without being asked for a name (the
                        letter u in either case)
      --                end the options: what follows is passed on as it is
</source>
        <translation>  -uNOM, /UNOM          jouer sous le nom NOM sans qu&apos;il soit demandé (la
                        lettre u, en majuscule ou minuscule)
      --                fin des options : la suite est transmise telle quelle
</translation>
    </message>
    <message>
        <source>Every &quot;-&quot; and &quot;/&quot; in the rest of the command line starts a switch, so a
player&apos;s name writes these as escapes:
  %b a blank   %q a double quote   %p a percent sign   %d a minus   %s a slash
For example -uJohn%bSmith plays as &quot;John Smith&quot;, /UAnn%dMarie as &quot;Ann-Marie&quot;.
</source>
        <translation>Chaque &quot;-&quot; et &quot;/&quot; dans la suite de la ligne de commande commence une option,
donc un nom de joueur les écrit ainsi :
  %b une espace   %q un guillemet   %p un signe pour cent   %d un moins
  %s une barre oblique
Par exemple -uJohn%bSmith joue sous &quot;John Smith&quot;, /UAnn%dMarie sous
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
        <translation>Les options de Qt, avec un ou deux tirets, sont transmises à Qt ; entre autres :
  -platform NAME        le système de fenêtres : xcb (X11), wayland, ou
                        offscreen et minimal, sans écran
  -display DISPLAY      l&apos;écran X à ouvrir (xcb)
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
        <translation>Sur un bureau Wayland avec XWayland (WAYLAND_DISPLAY et DISPLAY définis), le
jeu passe par X11 (la plateforme xcb de Qt), où il peut placer sa carte à côté
de l&apos;écran de jeu et emmener une carte attachée, ce qu&apos;aucun client Wayland ne
peut faire. QT_QPA_PLATFORM ou -platform choisissent autrement.
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
        <translation>Environnement :
  QUORVEL3D_HOME        le dossier des réglages, parties sauvegardées, records
                        et thèmes ; sinon le dossier du programme s&apos;il est
                        accessible en écriture, sinon $XDG_DATA_HOME/quorvel3d
  DISPLAY, WAYLAND_DISPLAY  l&apos;écran à ouvrir
  QT_QPA_PLATFORM       la plateforme de Qt, comme -platform
  SDL_AUDIODRIVER       le pilote audio de SDL (dummy ne joue rien)
  SDL_SOUNDFONTS        la SoundFont General MIDI de la musique
</translation>
    </message>
    <message>
        <source>Exit status: 0 when the game ends (or another copy is running already),
1 when it cannot start, 2 for a bad command line.
</source>
        <translation>Code de sortie : 0 quand le jeu se termine (ou qu&apos;une autre copie tourne déjà),
1 s&apos;il ne peut pas démarrer, 2 pour une ligne de commande incorrecte.
</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [-uNAME] [QT-OPTION]...
Quorvel 3-D: a random 3-D maze, seen in first person.

Options:
</source>
        <translation>Utilisation : %1 [OPTION]... [-uNOM] [OPTION-QT]...
Quorvel 3-D : un labyrinthe 3-D au hasard, vu à la première personne.

Options :
</translation>
    </message>
</context>
<context>
    <name>quorvel::EndScreen</name>
    <message>
        <source>You Lose</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Winner!</source>
        <translation>Gagné !</translation>
    </message>
    <message>
        <source>Winner! (New Best Time)</source>
        <translation>Gagné ! (Nouveau record)</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>Sauvegarder ?</translation>
    </message>
    <message>
        <source>Do you want to save your game before exiting?</source>
        <translation>Voulez-vous sauvegarder la partie avant de partir ?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Stats...</source>
        <translation>Stats...</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Save the game, then leave the maze.</source>
        <translation>Sauvegarder la partie, puis quitter le labyrinthe.</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Leave the maze without saving.</source>
        <translation>Quitter le labyrinthe sans sauvegarder.</translation>
    </message>
    <message>
        <source>Close this window.</source>
        <translation>Fermer cette fenêtre.</translation>
    </message>
    <message>
        <source>Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>The statistics of this game.</source>
        <translation>Les statistiques de cette partie.</translation>
    </message>
    <message>
        <source>Maze number
%1</source>
        <translation>Labyrinthe
%1</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trophée</translation>
    </message>
    <message>
        <source>You won, with the best time of rank %1.</source>
        <translation>Vous avez gagné, avec le record au rang %1.</translation>
    </message>
    <message>
        <source>You won.</source>
        <translation>Vous avez gagné.</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>You lost: the food ran out.</source>
        <translation>Vous avez perdu : plus de vivres.</translation>
    </message>
    <message>
        <source>Leaving</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>You are leaving this maze.</source>
        <translation>Vous quittez ce labyrinthe.</translation>
    </message>
</context>
<context>
    <name>quorvel::GameScreen</name>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>An opening to the left.</source>
        <translation>Un passage à gauche.</translation>
    </message>
    <message>
        <source>An opening to the right.</source>
        <translation>Un passage à droite.</translation>
    </message>
    <message>
        <source>Move forward.</source>
        <translation>Avancer.</translation>
    </message>
    <message>
        <source>Turn left.</source>
        <translation>Tourner à gauche.</translation>
    </message>
    <message>
        <source>Turn right.</source>
        <translation>Tourner à droite.</translation>
    </message>
    <message>
        <source>Step back.</source>
        <translation>Reculer.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Sounds on or off (S).</source>
        <translation>Sons oui ou non (S).</translation>
    </message>
    <message>
        <source>Music on or off (M).</source>
        <translation>Musique oui ou non (M).</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>&amp;Quit Maze...</source>
        <translation>&amp;Quitter...</translation>
    </message>
    <message>
        <source>Quit this maze.</source>
        <translation>Quitter ce labyrinthe.</translation>
    </message>
    <message>
        <source>ITEMS :</source>
        <translation>OBJETS :</translation>
    </message>
    <message>
        <source>Time in maze:</source>
        <translation>Temps passé :</translation>
    </message>
    <message>
        <source>Stepcounter:</source>
        <translation>Compte-pas :</translation>
    </message>
    <message>
        <source>Current number of steps taken in maze.</source>
        <translation>Nombre de pas faits dans le labyrinthe.</translation>
    </message>
    <message>
        <source>View ahead</source>
        <translation>Vue devant</translation>
    </message>
    <message>
        <source>Player and sides</source>
        <translation>Joueur et côtés</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Move forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Step back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Quit Maze</source>
        <translation>Quitter le labyrinthe</translation>
    </message>
    <message>
        <source>Leave this maze, with the offer to save it.</source>
        <translation>Quitter ce labyrinthe, avec la proposition de le sauvegarder.</translation>
    </message>
    <message>
        <source>Compass</source>
        <translation>Boussole</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Items held</source>
        <translation>Objets en poche</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Vivres</translation>
    </message>
    <message>
        <source>Gems</source>
        <translation>Pierres</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Time and steps</source>
        <translation>Temps et pas</translation>
    </message>
    <message>
        <source>Time in maze</source>
        <translation>Temps passé</translation>
    </message>
    <message>
        <source>How long this maze has taken so far.</source>
        <translation>Le temps passé dans ce labyrinthe jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Not found yet.</source>
        <translation>Pas encore trouvé.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>Labyrinthe %1</translation>
    </message>
    <message>
        <source>Sound cues on.</source>
        <translation>Repères sonores activés.</translation>
    </message>
    <message>
        <source>Sound cues off.</source>
        <translation>Repères sonores désactivés.</translation>
    </message>
    <message>
        <source>Left side</source>
        <translation>Côté gauche</translation>
    </message>
    <message>
        <source>A wall to the left.</source>
        <translation>Un mur à gauche.</translation>
    </message>
    <message>
        <source>Right side</source>
        <translation>Côté droit</translation>
    </message>
    <message>
        <source>A wall to the right.</source>
        <translation>Un mur à droite.</translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation>Direction : %1.</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>Use battery</source>
        <translation>Utiliser une pile</translation>
    </message>
    <message>
        <source>Nothing to use yet: a battery is used here once one is found.</source>
        <translation>Rien à utiliser pour l&apos;instant : une pile s&apos;utilise ici dès qu&apos;elle est trouvée.</translation>
    </message>
    <message>
        <source>Quit game?</source>
        <translation>Quitter la partie ?</translation>
    </message>
    <message>
        <source>Are you sure you want to stop playing?</source>
        <translation>Voulez-vous vraiment arrêter de jouer ?</translation>
    </message>
    <message>
        <source>The number of this maze: share it, or play the maze again with
quorvel3d %1 %2</source>
        <translation>Le numéro de ce labyrinthe : partagez-le, ou rejouez ce labyrinthe avec
quorvel3d %1 %2</translation>
    </message>
    <message>
        <source>Play with the keys: each move says what happens and what lies ahead.</source>
        <translation>Jouez avec les touches : chaque coup dit ce qui arrive et ce qui vous attend devant.</translation>
    </message>
    <message>
        <source>%1; key %2.</source>
        <translation>%1 ; touche %2.</translation>
    </message>
    <message>
        <source>One step forward</source>
        <translation>Un pas en avant</translation>
    </message>
    <message>
        <source>A quarter-turn to the left</source>
        <translation>Un quart de tour à gauche</translation>
    </message>
    <message>
        <source>A quarter-turn to the right</source>
        <translation>Un quart de tour à droite</translation>
    </message>
    <message>
        <source>One step backwards</source>
        <translation>Un pas en arrière</translation>
    </message>
    <message>
        <source>Sounds on or off</source>
        <translation>Sons oui ou non</translation>
    </message>
    <message>
        <source>Music on or off</source>
        <translation>Musique oui ou non</translation>
    </message>
    <message>
        <source>No messages.</source>
        <translation>Aucun message.</translation>
    </message>
    <message>
        <source>Use %1; key %2.</source>
        <translation>Utiliser %1 ; touche %2.</translation>
    </message>
    <message>
        <source>Batteries here: %1 uses them.</source>
        <translation>Des piles ici : %1 les utilise.</translation>
    </message>
</context>
<context>
    <name>quorvel::HelpWindow</name>
    <message>
        <source>Getting Started</source>
        <translation>Pour commencer</translation>
    </message>
    <message>
        <source>General Information</source>
        <translation>Généralités</translation>
    </message>
    <message>
        <source>About Themes</source>
        <translation>Les thèmes</translation>
    </message>
    <message>
        <source>About Levels</source>
        <translation>Les niveaux</translation>
    </message>
    <message>
        <source>Loading a Game</source>
        <translation>Charger une partie</translation>
    </message>
    <message>
        <source>Loading a Previously Saved Game</source>
        <translation>Charger une partie sauvegardée</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Necessary Items</source>
        <translation>Objets nécessaires</translation>
    </message>
    <message>
        <source>Helpful Items</source>
        <translation>Objets utiles</translation>
    </message>
    <message>
        <source>Scoring Items</source>
        <translation>Objets à points</translation>
    </message>
    <message>
        <source>Navigating the Maze</source>
        <translation>Se déplacer</translation>
    </message>
    <message>
        <source>Ending the Game</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Saving a Game</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Saving a Game while in Progress</source>
        <translation>Sauvegarder une partie en cours</translation>
    </message>
    <message>
        <source>Grand Finale</source>
        <translation>Le grand final</translation>
    </message>
    <message>
        <source>The Grand Finale</source>
        <translation>Le grand final</translation>
    </message>
    <message>
        <source>Quorvel 3-D Help</source>
        <translation>Aide de Quorvel 3-D</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>First Topic</source>
        <translation>Premier sujet</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Previous Topic</source>
        <translation>Sujet précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next Topic</source>
        <translation>Sujet suivant</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Last Topic</source>
        <translation>Dernier sujet</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Fermer l&apos;aide</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Sujets</translation>
    </message>
    <message>
        <source>The topics of the help under their headings; choosing one shows its page. N, P, F and L go to the next, previous, first and last topic.</source>
        <translation>Les sujets de l&apos;aide sous leurs titres ; en choisir un affiche sa page. N, P, F et L vont au sujet suivant, précédent, premier et dernier.</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The topic shown, and the hint of a button.</source>
        <translation>Le sujet affiché et l&apos;astuce d&apos;un bouton.</translation>
    </message>
    <message>
        <source>Topic %1 of %2:  %3</source>
        <translation>Sujet %1 sur %2 :  %3</translation>
    </message>
    <message>
        <source>Your keys</source>
        <translation>Vos touches</translation>
    </message>
    <message>
        <source>The settings file moves these keys for every player:</source>
        <translation>Le fichier de réglages déplace ces touches pour chaque joueur :</translation>
    </message>
    <message>
        <source>step forward</source>
        <translation>avancer</translation>
    </message>
    <message>
        <source>step back</source>
        <translation>reculer</translation>
    </message>
    <message>
        <source>turn left</source>
        <translation>tourner à gauche</translation>
    </message>
    <message>
        <source>turn right</source>
        <translation>tourner à droite</translation>
    </message>
    <message>
        <source>use a battery</source>
        <translation>utiliser une pile</translation>
    </message>
    <message>
        <source>run</source>
        <translation>courir</translation>
    </message>
    <message>
        <source>the overhead map</source>
        <translation>la carte vue d&apos;en haut</translation>
    </message>
    <message>
        <source>sounds on or off</source>
        <translation>sons oui ou non</translation>
    </message>
    <message>
        <source>music on or off</source>
        <translation>musique oui ou non</translation>
    </message>
    <message>
        <source>the story</source>
        <translation>l&apos;histoire</translation>
    </message>
    <message>
        <source>yell</source>
        <translation>crier</translation>
    </message>
    <message>
        <source>laugh</source>
        <translation>rire</translation>
    </message>
    <message>
        <source>cry</source>
        <translation>pleurer</translation>
    </message>
    <message>
        <source>jump</source>
        <translation>sauter</translation>
    </message>
    <message>
        <source>dance</source>
        <translation>danser</translation>
    </message>
    <message>
        <source>spoken play on or off</source>
        <translation>jeu parlé oui ou non</translation>
    </message>
    <message>
        <source>say the counters</source>
        <translation>dire les compteurs</translation>
    </message>
    <message>
        <source>say the compass heading</source>
        <translation>dire la direction de la boussole</translation>
    </message>
    <message>
        <source>say what the tools tell</source>
        <translation>dire ce que montrent les outils</translation>
    </message>
    <message>
        <source>say what lies ahead</source>
        <translation>dire ce qui est devant</translation>
    </message>
    <message>
        <source>sound cues on or off</source>
        <translation>repères sonores oui ou non</translation>
    </message>
    <message>
        <source>the map&apos;s colours for colour-blind eyes</source>
        <translation>les couleurs de la carte pour les daltoniens</translation>
    </message>
    <message>
        <source>say the last messages again</source>
        <translation>redire les derniers messages</translation>
    </message>
</context>
<context>
    <name>quorvel::MapWindow</name>
    <message>
        <source>Quorvel Map</source>
        <translation>Carte de Quorvel</translation>
    </message>
    <message>
        <source>Lock the map to the game window</source>
        <translation>Attacher la carte à la fenêtre de jeu</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Attacher</translation>
    </message>
    <message>
        <source>%1; it then keeps no keys.</source>
        <translation>%1 ; elle ne prend alors plus les touches.</translation>
    </message>
    <message>
        <source>A larger map.</source>
        <translation>Une carte plus grande.</translation>
    </message>
    <message>
        <source>A smaller map.</source>
        <translation>Une carte plus petite.</translation>
    </message>
    <message>
        <source>Map tools</source>
        <translation>Outils de la carte</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Overhead map</source>
        <translation>Carte vue d&apos;en haut</translation>
    </message>
    <message>
        <source>The maze from above, as far as the tools show it; resting the mouse on a cell tells what it holds.</source>
        <translation>Le labyrinthe vu d&apos;en haut, autant que les outils le montrent ; la souris sur une case dit ce qu&apos;elle contient.</translation>
    </message>
    <message>
        <source>A wall (map)</source>
        <translation>Un mur (carte)</translation>
    </message>
    <message>
        <source>A wall</source>
        <translation>Un mur</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Your path</source>
        <translation>Votre chemin</translation>
    </message>
    <message>
        <source>The exit</source>
        <translation>La sortie</translation>
    </message>
    <message>
        <source>Your location</source>
        <translation>Votre position</translation>
    </message>
</context>
<context>
    <name>quorvel::MessageDialog</name>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
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
        <source>The kind of this message.</source>
        <translation>Le genre de ce message.</translation>
    </message>
</context>
<context>
    <name>quorvel::MessagePanel</name>
    <message>
        <source>                                   Messages :                              </source>
        <translation>                                   Messages :                              </translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Previous message recived.</source>
        <translation>Message précédent reçu.</translation>
    </message>
    <message>
        <source>Old message.</source>
        <translation>Ancien message.</translation>
    </message>
    <message>
        <source>Older messages</source>
        <translation>Messages plus anciens</translation>
    </message>
    <message>
        <source>The message before the current one.</source>
        <translation>Le message avant le message actuel.</translation>
    </message>
    <message>
        <source>An older message.</source>
        <translation>Un message plus ancien.</translation>
    </message>
    <message>
        <source>Current message.</source>
        <translation>Message actuel.</translation>
    </message>
    <message>
        <source>Current message</source>
        <translation>Message actuel</translation>
    </message>
    <message>
        <source>The newest message.</source>
        <translation>Le message le plus récent.</translation>
    </message>
    <message>
        <source>No message yet</source>
        <translation>Pas encore de message</translation>
    </message>
    <message>
        <source>Message Indicator:</source>
        <translation>Voyant des messages :</translation>
    </message>
    <message>
        <source>Message indicator</source>
        <translation>Voyant des messages</translation>
    </message>
    <message>
        <source>Something urgent in the messages.</source>
        <translation>Quelque chose d&apos;urgent dans les messages.</translation>
    </message>
    <message>
        <source>Something to read in the messages.</source>
        <translation>Quelque chose à lire dans les messages.</translation>
    </message>
</context>
<context>
    <name>quorvel::OpeningScreen</name>
    <message>
        <source>Please enter your name (up to 12 characters).</source>
        <translation>Entrez votre nom (12 caractères au plus).</translation>
    </message>
    <message>
        <source>Nice -n- &amp;Easy...</source>
        <translation>Tout &amp;facile...</translation>
    </message>
    <message>
        <source>A &amp;little harder now...</source>
        <translation>Un p&amp;eu plus dur...</translation>
    </message>
    <message>
        <source>A &amp;real challenge...</source>
        <translation>Un vrai &amp;défi...</translation>
    </message>
    <message>
        <source>&amp;Now we&apos;re getting there...</source>
        <translation>Ça devient &amp;sérieux...</translation>
    </message>
    <message>
        <source>O.K. This is &amp;hard...</source>
        <translation>O.K. Là, c&apos;est &amp;costaud...</translation>
    </message>
    <message>
        <source>&amp;Only for the Strongest...</source>
        <translation>&amp;Uniquement les plus forts...</translation>
    </message>
    <message>
        <source>Either the theme entered was not a valid path or
     One or more files were missing or corrupt.

      The theme has been reset to the defalt.
                    &lt; Back to basics &lt;Default&gt; &gt;.</source>
        <translation>Soit le thème choisi n&apos;était pas un chemin valide, soit
     un ou plusieurs fichiers manquaient ou étaient abîmés.

      Le thème par défaut a été remis.
                    &lt; Back to basics &lt;Default&gt; &gt;.</translation>
    </message>
    <message>
        <source>Player&apos;s name: </source>
        <translation>Joueur : </translation>
    </message>
    <message>
        <source>Skill level: </source>
        <translation>Niveau : </translation>
    </message>
    <message>
        <source>Theme: </source>
        <translation>Thème : </translation>
    </message>
    <message>
        <source>The look, words and sounds of the maze.</source>
        <translation>L&apos;aspect, les mots et les sons du labyrinthe.</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>PLEASE SELECT A &amp;THEME .</source>
        <translation>CHOISISSEZ UN &amp;THÈME .</translation>
    </message>
    <message>
        <source>A theme is a folder beside the game with its own walls, words and sounds.</source>
        <translation>Un thème est un dossier à côté du jeu, avec ses murs, ses mots et ses sons.</translation>
    </message>
    <message>
        <source>PREVIEW.</source>
        <translation>APERÇU.</translation>
    </message>
    <message>
        <source>PLEASE SELECT  A SKILL LEVEL .</source>
        <translation>CHOISISSEZ UN NIVEAU .</translation>
    </message>
    <message>
        <source>Load the saved game of level %1</source>
        <translation>Charger la partie sauvegardée du niveau %1</translation>
    </message>
    <message>
        <source>Go on with the game you saved at level %1.</source>
        <translation>Reprendre la partie sauvegardée au niveau %1.</translation>
    </message>
    <message>
        <source>A maze of %1 x %1 cells.</source>
        <translation>Un labyrinthe de %1 x %1 cases.</translation>
    </message>
    <message>
        <source>Level %1: %2</source>
        <translation>Niveau %1 : %2</translation>
    </message>
    <message>
        <source>LET&apos;S GET STARTED!!!</source>
        <translation>C&apos;EST PARTI !!!</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Start a new maze.</source>
        <translation>Commencer un nouveau labyrinthe.</translation>
    </message>
    <message>
        <source>E&amp;xit.</source>
        <translation>&amp;Quitter.</translation>
    </message>
    <message>
        <source>Leave the game.</source>
        <translation>Quitter le jeu.</translation>
    </message>
    <message>
        <source>New &amp;Player</source>
        <translation>&amp;Nouveau joueur</translation>
    </message>
    <message>
        <source>Change the player.</source>
        <translation>Changer de joueur.</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>How to play.</source>
        <translation>Comment jouer.</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>About Quorvel 3-D.</source>
        <translation>À propos de Quorvel 3-D.</translation>
    </message>
    <message>
        <source>&amp;Best times</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>The best times of every level.</source>
        <translation>Les records de chaque niveau.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Intro</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>The intro tune on or off (M).</source>
        <translation>L&apos;air d&apos;intro oui ou non (M).</translation>
    </message>
    <message>
        <source>Intro tune</source>
        <translation>Air d&apos;intro</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Version %1.   Press M to switch the intro.</source>
        <translation>Version %1.   M active ou coupe l&apos;intro.</translation>
    </message>
    <message>
        <source>Welcome to Quorvel 3-D</source>
        <translation>Bienvenue dans Quorvel 3-D</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Play under the name typed.</source>
        <translation>Jouer sous le nom saisi.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Play under the name offered.</source>
        <translation>Jouer sous le nom proposé.</translation>
    </message>
    <message>
        <source>Type another name.</source>
        <translation>Saisissez un autre nom.</translation>
    </message>
    <message>
        <source>The name you enter must not be over 12 characters.</source>
        <translation>Le nom saisi ne doit pas dépasser 12 caractères.</translation>
    </message>
    <message>
        <source>The name you enter can not contain \ / : * ? &quot; &lt; &gt; | . or spaces</source>
        <translation>Le nom saisi ne peut contenir ni \ / : * ? &quot; &lt; &gt; | . ni espaces</translation>
    </message>
    <message>
        <source>The name you enter can not be used: %1.</source>
        <translation>Le nom saisi ne peut pas servir : %1.</translation>
    </message>
    <message>
        <source>Theme preview</source>
        <translation>Aperçu du thème</translation>
    </message>
    <message>
        <source>Walls and doors of the theme %1.</source>
        <translation>Murs et portes du thème %1.</translation>
    </message>
    <message>
        <source>Load saved game</source>
        <translation>Charger la partie sauvegardée</translation>
    </message>
    <message>
        <source>The name offered: %1</source>
        <translation>Le nom proposé : %1</translation>
    </message>
    <message>
        <source>Theme: %1</source>
        <translation>Thème : %1</translation>
    </message>
    <message>
        <source>Skill level: %1, a maze of %2 by %2 cells</source>
        <translation>Niveau : %1, un labyrinthe de %2 cases sur %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Joueur : %1</translation>
    </message>
    <message>
        <source>No saved games</source>
        <translation>Aucune partie sauvegardée</translation>
    </message>
    <message>
        <source>A saved game of level %1; Alt and the level&apos;s number loads it</source>
        <translation>Une partie sauvegardée au niveau %1 ; Alt et le numéro du niveau la chargent</translation>
    </message>
    <message>
        <source>Saved games of levels %1; Alt and the level&apos;s number loads it</source>
        <translation>Des parties sauvegardées aux niveaux %1 ; Alt et le numéro du niveau en chargent une</translation>
    </message>
    <message>
        <source>%1 switches speech on or off; </source>
        <translation>%1 active ou coupe la parole ; </translation>
    </message>
    <message>
        <source>Keys: Enter starts a new maze; Alt and E, L, R, N, H or O chooses the skill level; Alt and P changes the player; %1Esc leaves the game</source>
        <translation>Touches : Entrée commence un nouveau labyrinthe ; Alt et F, E, D, S, C ou U choisissent le niveau ; Alt et N change de joueur ; %1Échap quitte le jeu</translation>
    </message>
</context>
<context>
    <name>quorvel::Problems</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>A run cannot be watched while a game is played.</source>
        <translation>Impossible de revoir une partie pendant qu&apos;une autre se joue.</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>The run %1 cannot be watched: %2.</source>
        <translation>Impossible de revoir la partie %1 : %2.</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Unable to write to %1! High scores may not be able to be viewed</source>
        <translation>Impossible d&apos;écrire dans %1 ! Les records risquent de ne pas s&apos;afficher</translation>
    </message>
    <message>
        <source>Unable to read %1! High scores may not be able to be viewed!</source>
        <translation>Impossible de lire %1 ! Les records risquent de ne pas s&apos;afficher !</translation>
    </message>
    <message>
        <source>Unable to write to %1!</source>
        <translation>Impossible d&apos;écrire dans %1 !</translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Score File! Defuault scores will be used!</source>
        <translation>%1 n&apos;est pas un fichier de records Quorvel valide ! Les records par défaut seront utilisés !</translation>
    </message>
    <message>
        <source>Data Error</source>
        <translation>Erreur de données</translation>
    </message>
    <message>
        <source>%1 is corrupt or has been altered!  Defuault scores will be used!</source>
        <translation>%1 est abîmé ou a été modifié ! Les records par défaut seront utilisés !</translation>
    </message>
    <message>
        <source>Unable to read %1!  Defuault scores will be used!</source>
        <translation>Impossible de lire %1 ! Les records par défaut seront utilisés !</translation>
    </message>
    <message>
        <source>%1 is not a valid Quorvel Save File!</source>
        <translation>%1 n&apos;est pas une sauvegarde Quorvel valide !</translation>
    </message>
    <message>
        <source>%1 has is corrupt or has been altered!</source>
        <translation>%1 est abîmé ou a été modifié !</translation>
    </message>
    <message>
        <source>%1 contains invalid data!</source>
        <translation>%1 contient des données invalides !</translation>
    </message>
    <message>
        <source>Unable to read %1!</source>
        <translation>Impossible de lire %1 !</translation>
    </message>
    <message>
        <source>Unable to create Saved Game folder!</source>
        <translation>Impossible de créer le dossier des sauvegardes !</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Erreur de sauvegarde</translation>
    </message>
    <message>
        <source>Replace Save File?</source>
        <translation>Remplacer la sauvegarde ?</translation>
    </message>
    <message>
        <source>You already have a save file.

Do you want to save anyway? (the old save file will be replaced)</source>
        <translation>Vous avez déjà une sauvegarde.

Sauvegarder quand même ? (l&apos;ancienne sauvegarde sera remplacée)</translation>
    </message>
</context>
<context>
    <name>quorvel::RunWatch</name>
    <message>
        <source>a player</source>
        <translation>un joueur</translation>
    </message>
    <message>
        <source>won in %1 with %2 and %3</source>
        <translation>gagnée en %1 avec %2 et %3</translation>
    </message>
    <message>
        <source>lost in %1 with %2 and %3</source>
        <translation>perdue en %1 avec %2 et %3</translation>
    </message>
    <message>
        <source>left unfinished after %1 with %2 and %3</source>
        <translation>laissée inachevée après %1 avec %2 et %3</translation>
    </message>
    <message>
        <source>%1 gem</source>
        <translation>%1 pierre</translation>
    </message>
    <message>
        <source>%1 gems</source>
        <translation>%1 pierres</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>%1 steps</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>The run reached its recorded result: %1.</source>
        <translation>La partie atteint son résultat enregistré : %1.</translation>
    </message>
    <message>
        <source>The run departed from its record at event %1 of %2: %3.</source>
        <translation>La partie s&apos;est écartée de son enregistrement à l&apos;événement %1 sur %2 : %3.</translation>
    </message>
    <message>
        <source>Watching %1&apos;s run: %2</source>
        <translation>Partie de %1 : %2</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
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
        <translation>Espace : reprendre
Droite : un événement
1, 2, 4 : vitesse
Échap : arrêter</translation>
    </message>
    <message>
        <source>Space pauses
1, 2, 4: speed
Esc stops</source>
        <translation>Espace : pause
1, 2, 4 : vitesse
Échap : arrêter</translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay</name>
    <message>
        <source>%1: press %2</source>
        <translation>%1 : appuyez sur %2</translation>
    </message>
    <message>
        <source>Quorvel 3-D cannot speak: no speech service answered (speech-dispatcher with a voice such as espeak-ng). The game plays on without speech.</source>
        <translation>Quorvel 3-D ne peut pas parler : aucun service vocal n&apos;a répondu (speech-dispatcher avec une voix comme espeak-ng). Le jeu continue sans la parole.</translation>
    </message>
    <message>
        <source>Spoken play on</source>
        <translation>Jeu parlé activé</translation>
    </message>
    <message>
        <source>Spoken play off.</source>
        <translation>Jeu parlé désactivé.</translation>
    </message>
    <message>
        <source>ahead</source>
        <translation>juste devant</translation>
    </message>
    <message>
        <source>%1 ahead</source>
        <translation>à %1 cases devant</translation>
    </message>
    <message>
        <source>one cell</source>
        <translation>une case</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 cases</translation>
    </message>
    <message>
        <source>no</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>one</source>
        <translation>une</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sept</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>huit</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>neuf</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dix</translation>
    </message>
    <message>
        <source>eleven</source>
        <translation>onze</translation>
    </message>
    <message>
        <source>twelve</source>
        <translation>douze</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>standing in the exit</source>
        <translation>vous êtes dans la sortie</translation>
    </message>
    <message>
        <source>the exit ahead</source>
        <translation>la sortie juste devant</translation>
    </message>
    <message>
        <source>a wall with the map of the maze</source>
        <translation>un mur avec la carte du labyrinthe</translation>
    </message>
    <message>
        <source>a wall</source>
        <translation>un mur</translation>
    </message>
    <message>
        <source>Food %1, battery %2 percent, gems %3, steps %4, time %5.</source>
        <translation>Vivres %1, pile %2 pour cent, pierres %3, pas %4, temps %5.</translation>
    </message>
    <message>
        <source>No compass.</source>
        <translation>Pas de boussole.</translation>
    </message>
    <message>
        <source>Facing %1.</source>
        <translation>Direction : %1.</translation>
    </message>
    <message>
        <source>G.P.S.: X %1, Y %2.</source>
        <translation>G.P.S. : X %1, Y %2.</translation>
    </message>
    <message>
        <source>Beacon: no exit.</source>
        <translation>Balise : pas de sortie.</translation>
    </message>
    <message>
        <source>Beacon: the exit is here.</source>
        <translation>Balise : la sortie est ici.</translation>
    </message>
    <message>
        <source>Beacon: the exit lies %1.</source>
        <translation>Balise : la sortie est à %1.</translation>
    </message>
    <message>
        <source>Beacon: the exit lies %1 and %2.</source>
        <translation>Balise : la sortie est à %1 et %2.</translation>
    </message>
    <message>
        <source>Detector: %1 box left.</source>
        <translation>Détecteur : coffres restants : %1.</translation>
    </message>
    <message>
        <source>Detector: %1 boxes left.</source>
        <translation>Détecteur : coffres restants : %1.</translation>
    </message>
    <message>
        <source>one cell; the exit two ahead</source>
        <translation>une case ; la sortie à deux cases devant</translation>
    </message>
    <message>
        <source>two cells; the exit three ahead</source>
        <translation>deux cases ; la sortie à trois cases devant</translation>
    </message>
    <message>
        <source>%1 or more</source>
        <translation>%1 ou plus</translation>
    </message>
    <message>
        <source>both sides after %1</source>
        <translation>des deux côtés à la case %1</translation>
    </message>
    <message>
        <source>left after %1</source>
        <translation>à gauche à la case %1</translation>
    </message>
    <message>
        <source>right after %1</source>
        <translation>à droite à la case %1</translation>
    </message>
    <message>
        <source>the map at its end</source>
        <translation>la carte au fond</translation>
    </message>
    <message>
        <source>batteries %1</source>
        <translation>piles %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>coffre %1</translation>
    </message>
    <message>
        <source>opened box %1</source>
        <translation>coffre ouvert %1</translation>
    </message>
    <message>
        <source>Open both sides.</source>
        <translation>Ouvert des deux côtés.</translation>
    </message>
    <message>
        <source>Open left.</source>
        <translation>Ouvert à gauche.</translation>
    </message>
    <message>
        <source>Open right.</source>
        <translation>Ouvert à droite.</translation>
    </message>
    <message>
        <source>The exit is to your left.</source>
        <translation>La sortie est à votre gauche.</translation>
    </message>
    <message>
        <source>The map is to your left.</source>
        <translation>La carte est à votre gauche.</translation>
    </message>
    <message>
        <source>The exit is to your right.</source>
        <translation>La sortie est à votre droite.</translation>
    </message>
    <message>
        <source>The map is to your right.</source>
        <translation>La carte est à votre droite.</translation>
    </message>
    <message>
        <source>The exit is behind you.</source>
        <translation>La sortie est derrière vous.</translation>
    </message>
    <message>
        <source>The map is behind you.</source>
        <translation>La carte est derrière vous.</translation>
    </message>
    <message>
        <source>Found the compass.</source>
        <translation>Boussole trouvée.</translation>
    </message>
    <message>
        <source>Found the detector.</source>
        <translation>Détecteur trouvé.</translation>
    </message>
    <message>
        <source>Found the beacon.</source>
        <translation>Balise trouvée.</translation>
    </message>
    <message>
        <source>Found the G.P.S.</source>
        <translation>G.P.S. trouvé.</translation>
    </message>
    <message>
        <source>Found the tracker.</source>
        <translation>Traceur trouvé.</translation>
    </message>
    <message>
        <source>Ran %1.</source>
        <translation>Couru %1.</translation>
    </message>
    <message>
        <source>Tracker: your trail is on the map.</source>
        <translation>Traceur : votre trace est sur la carte.</translation>
    </message>
    <message>
        <source>No G.P.S., beacon, detector or tracker.</source>
        <translation>Ni G.P.S., ni balise, ni détecteur, ni traceur.</translation>
    </message>
</context>
<context>
    <name>quorvel::SpokenPlay::Way</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 direction %2</translation>
    </message>
</context>
<context>
    <name>quorvel::StatisticsScreen</name>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiques de la partie</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>Placed:</source>
        <translation>Placés :</translation>
    </message>
    <message>
        <source>Found:</source>
        <translation>Trouvés :</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Game statistics</source>
        <translation>Statistiques de la partie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the statistics.</source>
        <translation>Fermer les statistiques.</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>%1 steps </source>
        <translation>%1 pas</translation>
    </message>
    <message>
        <source>%1 placed</source>
        <translation>%1 placés</translation>
    </message>
    <message>
        <source>%1 found</source>
        <translation>%1 trouvés</translation>
    </message>
    <message>
        <source>Maze %1</source>
        <translation>Labyrinthe %1</translation>
    </message>
    <message>
        <source>Item, placed, found:</source>
        <translation>Objet, placés, trouvés :</translation>
    </message>
    <message>
        <source>%1, %2 placed, %3 found</source>
        <translation>%1, %2 placés, %3 trouvés</translation>
    </message>
    <message>
        <source>Best time of rank %1.</source>
        <translation>Record au rang %1.</translation>
    </message>
    <message>
        <source>None placed.</source>
        <translation>Aucun placé.</translation>
    </message>
    <message>
        <source>All found.</source>
        <translation>Tous trouvés.</translation>
    </message>
    <message>
        <source>None found.</source>
        <translation>Aucun trouvé.</translation>
    </message>
    <message>
        <source>Some found.</source>
        <translation>Quelques-uns trouvés.</translation>
    </message>
</context>
<context>
    <name>quorvel::StoryWindow</name>
    <message>
        <source>Quorvel 3-D Story</source>
        <translation>L&apos;histoire de Quorvel 3-D</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close Help</source>
        <translation>Fermer l&apos;aide</translation>
    </message>
    <message>
        <source>Story</source>
        <translation>Histoire</translation>
    </message>
    <message>
        <source>The story of the theme.</source>
        <translation>L&apos;histoire du thème.</translation>
    </message>
    <message>
        <source>Close the story.</source>
        <translation>Fermer l&apos;histoire.</translation>
    </message>
    <message>
        <source>The story of %1</source>
        <translation>L&apos;histoire de %1</translation>
    </message>
</context>
</TS>
