<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>AideQt</name>
    <message>
        <source>Aide de Strataloom</source>
        <translation>Strataloom help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide « %1 » ne peut pas être lu.</source>
        <translation>The help file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide « %1 » est introuvable.</source>
        <translation>The help file “%1” cannot be found.</translation>
    </message>
    <message>
        <source>Aide indisponible</source>
        <translation>Help unavailable</translation>
    </message>
    <message>
        <source>La rubrique %1 est absente du fichier d&apos;aide.</source>
        <translation>Topic %1 is missing from the help file.</translation>
    </message>
</context>
<context>
    <name>DessinFormations</name>
    <message>
        <source>%1 — trop mince pour porter sa lettre</source>
        <translation>%1 — too thin to carry its letter</translation>
    </message>
</context>
<context>
    <name>DialogueFichier</name>
    <message>
        <source>Le dossier %1 n&apos;existe pas.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;existe pas.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>Evenements</name>
    <message>
        <source>Sédimentation</source>
        <translation>Sedimentation</translation>
    </message>
    <message>
        <source>Volcanisme</source>
        <translation>Volcanism</translation>
    </message>
    <message>
        <source>Erosion</source>
        <translation>Erosion</translation>
    </message>
    <message>
        <source>Plutonisme</source>
        <translation>Plutonism</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Chevauchement</source>
        <translation>Overthrust</translation>
    </message>
    <message>
        <source>Distension</source>
        <translation>Extension</translation>
    </message>
</context>
<context>
    <name>FenetreEnseignant</name>
    <message>
        <source>Espace enseignant</source>
        <translation>Teacher&apos;s space</translation>
    </message>
    <message>
        <source>Préparer une série</source>
        <translation>Prepare a series</translation>
    </message>
    <message>
        <source>Noter une classe</source>
        <translation>Mark a class</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fermer l&apos;espace enseignant</source>
        <translation>Close the teacher&apos;s space</translation>
    </message>
    <message>
        <source>Nombre d&apos;exercices</source>
        <translation>Number of exercises</translation>
    </message>
    <message>
        <source>Nombre d&apos;exercices :</source>
        <translation>Number of exercises:</translation>
    </message>
    <message>
        <source>Événements par exercice</source>
        <translation>Events per exercise</translation>
    </message>
    <message>
        <source>Événements par exercice :</source>
        <translation>Events per exercise:</translation>
    </message>
    <message>
        <source>Événements permis</source>
        <translation>Allowed events</translation>
    </message>
    <message>
        <source>Permettre : %1</source>
        <translation>Allow: %1</translation>
    </message>
    <message>
        <source>Graine de la série</source>
        <translation>Seed of the series</translation>
    </message>
    <message>
        <source>Nouvelle graine</source>
        <translation>New seed</translation>
    </message>
    <message>
        <source>Tirer une nouvelle graine</source>
        <translation>Draw a new seed</translation>
    </message>
    <message>
        <source>Graine :</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Exercice</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Début du titre des exercices</source>
        <translation>Beginning of the exercises&apos; titles</translation>
    </message>
    <message>
        <source>Titre :</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>Créer la série...</source>
        <translation>Create the series...</translation>
    </message>
    <message>
        <source>Créer la série dans un dossier</source>
        <translation>Create the series in a folder</translation>
    </message>
    <message>
        <source>Série écrite</source>
        <translation>Series written</translation>
    </message>
    <message>
        <source>Exercice...</source>
        <translation>Exercise...</translation>
    </message>
    <message>
        <source>Choisir le fichier d&apos;exercice</source>
        <translation>Choose the exercise file</translation>
    </message>
    <message>
        <source>aucun exercice choisi</source>
        <translation>no exercise chosen</translation>
    </message>
    <message>
        <source>Exercice choisi</source>
        <translation>Chosen exercise</translation>
    </message>
    <message>
        <source>Copies...</source>
        <translation>Answers...</translation>
    </message>
    <message>
        <source>Choisir le dossier des réponses des élèves</source>
        <translation>Choose the folder of the pupils&apos; answers</translation>
    </message>
    <message>
        <source>aucun dossier choisi</source>
        <translation>no folder chosen</translation>
    </message>
    <message>
        <source>Dossier des réponses</source>
        <translation>Answers folder</translation>
    </message>
    <message>
        <source>Notes de la classe</source>
        <translation>The class&apos;s marks</translation>
    </message>
    <message>
        <source>Élève</source>
        <translation>Pupil</translation>
    </message>
    <message>
        <source>Fichier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Note /20</source>
        <translation>Mark /20</translation>
    </message>
    <message>
        <source>Remarque</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Enregistrer en CSV...</source>
        <translation>Save as CSV...</translation>
    </message>
    <message>
        <source>Enregistrer les notes en CSV</source>
        <translation>Save the marks as CSV</translation>
    </message>
    <message>
        <source>La graine doit être un nombre entier de 0 à 4294967295.</source>
        <translation>The seed must be a whole number from 0 to 4294967295.</translation>
    </message>
    <message>
        <source>Dossier de la série</source>
        <translation>Folder of the series</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire %1 (%2).</source>
        <translation>Cannot write %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n exercice(s) écrit(s) dans %1, avec leurs fiches (fiches.pdf).</source>
        <translation>
            <numerusform>%n exercise written in %1, with its sheets (fiches.pdf).</numerusform>
            <numerusform>%n exercises written in %1, with their sheets (fiches.pdf).</numerusform>
        </translation>
    </message>
    <message>
        <source>Exercice à noter</source>
        <translation>Exercise to mark</translation>
    </message>
    <message>
        <source>Exercice Strataloom (*.exo)|*.exo</source>
        <translation>Strataloom exercise (*.exo)|*.exo</translation>
    </message>
    <message>
        <source>Dossier des réponses des élèves</source>
        <translation>Folder of the pupils&apos; answers</translation>
    </message>
    <message>
        <source>Chargement impossible : %1 (%2).</source>
        <translation>Cannot load %1 (%2).</translation>
    </message>
    <message>
        <source>répond à un autre exercice</source>
        <translation>answers another exercise</translation>
    </message>
    <message>
        <source>coupe reconstituée</source>
        <translation>section rebuilt</translation>
    </message>
    <message>
        <source>aucun événement</source>
        <translation>no event</translation>
    </message>
    <message>
        <source>coupe différente</source>
        <translation>different section</translation>
    </message>
    <message>
        <source>Élève;Fichier;Note (note sur 20);Remarque</source>
        <translation>Pupil;File;Mark (out of 20);Remark</translation>
    </message>
    <message>
        <source>Enregistrer les notes</source>
        <translation>Save the marks</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)|*.csv</source>
        <translation>CSV table (*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>FenetreOrdonner</name>
    <message>
        <source>Ordonner les événements</source>
        <translation>Put the events in order</translation>
    </message>
    <message>
        <source>Coupe à expliquer</source>
        <translation>Section to explain</translation>
    </message>
    <message>
        <source>La coupe du modèle, avec la lettre de chaque formation.</source>
        <translation>The model&apos;s section, with each formation&apos;s letter.</translation>
    </message>
    <message>
        <source>Légende des formations</source>
        <translation>Legend of the formations</translation>
    </message>
    <message>
        <source>Aucune formation n&apos;est visible.</source>
        <translation>No formation is visible.</translation>
    </message>
    <message>
        <source>Range les événements du plus ancien (en haut) au plus récent (en bas). Fais glisser une carte, ou choisis-la puis appuie sur « Monter » ou « Descendre » (Alt+Haut, Alt+Bas).</source>
        <translation>Put the events in order from the oldest (at the top) to the most recent (at the bottom). Drag a card, or choose it and press “Move up” or “Move down” (Alt+Up, Alt+Down).</translation>
    </message>
    <message>
        <source>Événements à ranger</source>
        <translation>Events to order</translation>
    </message>
    <message>
        <source>Du plus ancien, en haut, au plus récent, en bas. Alt+Haut et Alt+Bas déplacent la carte choisie.</source>
        <translation>From the oldest, at the top, to the most recent, at the bottom. Alt+Up and Alt+Down move the chosen card.</translation>
    </message>
    <message>
        <source>Monter</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Monter la carte choisie</source>
        <translation>Move the chosen card up</translation>
    </message>
    <message>
        <source>Descendre</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Descendre la carte choisie</source>
        <translation>Move the chosen card down</translation>
    </message>
    <message>
        <source>Résultat de la vérification</source>
        <translation>Result of the check</translation>
    </message>
    <message>
        <source>Cet exercice a été préparé avec d&apos;autres images de roches : la coupe montrée est celle que donnent les images d&apos;ici.</source>
        <translation>This exercise was prepared with other rock pictures: the section shown is the one the pictures here give.</translation>
    </message>
    <message>
        <source>Vérifier</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Vérifier l&apos;ordre des événements</source>
        <translation>Check the order of the events</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fermer la fenêtre</source>
        <translation>Close the window</translation>
    </message>
</context>
<context>
    <name>FichesPdf</name>
    <message>
        <source>Nom : ................................   Classe : ..........   Date : ................</source>
        <translation>Name: ................................   Class: ..........   Date: ................</translation>
    </message>
    <message>
        <source>Cette coupe géologique part d&apos;une couche de sédiments. Retrouve, dans l&apos;ordre, les %1 événements géologiques qui l&apos;ont formée et écris-les sur les lignes numérotées.</source>
        <translation>This geological cross-section starts from a layer of sediments. Find, in order, the %1 geological events that formed it and write them on the numbered lines.</translation>
    </message>
    <message>
        <source>Cette coupe géologique part d&apos;une couche de sédiments. Retrouve l&apos;événement géologique qui l&apos;a formée et écris-le sur la ligne numérotée.</source>
        <translation>This geological cross-section starts from a layer of sediments. Find the geological event that formed it and write it on the numbered line.</translation>
    </message>
    <message>
        <source>Les lettres nomment les formations, dans l&apos;ordre où on les rencontre de gauche à droite ; la légende donne leurs roches.</source>
        <translation>The letters name the formations in the order they are met from left to right; the legend gives their rocks.</translation>
    </message>
    <message>
        <source>Événements possibles : %1.</source>
        <translation>Possible events: %1.</translation>
    </message>
    <message>
        <source>Corrigé — %1</source>
        <translation>Answer key — %1</translation>
    </message>
    <message>
        <source>aucun événement</source>
        <translation>no event</translation>
    </message>
    <message>
        <source>Réponse : %1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>départ</source>
        <translation>start</translation>
    </message>
    <message>
        <source>%1 (sans effet)</source>
        <translation>%1 (no effect)</translation>
    </message>
    <message>
        <source>Étape %1 : %2</source>
        <translation>Step %1: %2</translation>
    </message>
    <message>
        <source>Strataloom — fiches d&apos;exercices</source>
        <translation>Strataloom — exercise sheets</translation>
    </message>
</context>
<context>
    <name>FichiersQt</name>
    <message>
        <source>Choisir un dossier</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Enregistrer sous</source>
        <translation>Save as</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>A propos</source>
        <translation>About</translation>
    </message>
    <message>
        <source>STRATALOOM</source>
        <translation>STRATALOOM</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Conçu par l&apos;équipe Strataloom</source>
        <translation>Designed by the Strataloom team</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hello !</source>
        <translation>Hello!</translation>
    </message>
</context>
<context>
    <name>TGEOLOGIE</name>
    <message>
        <source>Un ou plusieurs fichiers d&apos;images sont absents</source>
        <translation>One or more picture files are missing</translation>
    </message>
    <message>
        <source>Strataloom</source>
        <translation>Strataloom</translation>
    </message>
    <message>
        <source>Cadre de la coupe</source>
        <translation>Frame of the section</translation>
    </message>
    <message>
        <source>Commandes</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Coupe géologique</source>
        <translation>Geological cross-section</translation>
    </message>
    <message>
        <source>Image modèle</source>
        <translation>Model picture</translation>
    </message>
    <message>
        <source>L&apos;image modèle, montrée à la place de la coupe pour la comparer</source>
        <translation>The model picture, shown in place of the section to compare them</translation>
    </message>
    <message>
        <source>Liste des événements</source>
        <translation>Event list</translation>
    </message>
    <message>
        <source>Annule le dernier événement de la liste</source>
        <translation>Undoes the last event of the list</translation>
    </message>
    <message>
        <source>Revient à la coupe de départ et vide la liste</source>
        <translation>Goes back to the starting section and empties the list</translation>
    </message>
    <message>
        <source>Aide : %1</source>
        <translation>Help: %1</translation>
    </message>
    <message>
        <source>Aucun événement appliqué depuis le départ</source>
        <translation>No event applied since the start</translation>
    </message>
    <message>
        <source>Un événement après le départ : %1</source>
        <translation>One event after the start: %1</translation>
    </message>
    <message>
        <source>%1 événements après le départ, le dernier : %2</source>
        <translation>%1 events after the start, the last one: %2</translation>
    </message>
    <message>
        <source>Aucune formation visible</source>
        <translation>No formation visible</translation>
    </message>
    <message>
        <source>Formations visibles, de gauche à droite : %1</source>
        <translation>Formations in view, from left to right: %1</translation>
    </message>
    <message>
        <source>Ouvre l&apos;aide de « %1 » : ce que fait cet événement et quand il est possible.</source>
        <translation>Opens the help on “%1”: what this event does and when it is possible.</translation>
    </message>
    <message>
        <source>Impossible pour l&apos;instant : %1.</source>
        <translation>Not possible for now: %1.</translation>
    </message>
    <message>
        <source>« %1 » est impossible pour l&apos;instant : %2.</source>
        <translation>“%1” is not possible for now: %2.</translation>
    </message>
    <message>
        <source>La liste des événements n&apos;a pas été sauvée.<byte value="xd"/>Voulez-vous la sauver ?</source>
        <translation>The event list has not been saved.<byte value="xd"/>Do you want to save it?</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;est pas une liste d&apos;événements : Strataloom n&apos;ouvre que les listes d&apos;événements (.lst) et les exercices (.exo).</source>
        <translation>The file %1 is not an event list: Strataloom opens only event lists (.lst) and exercises (.exo).</translation>
    </message>
    <message>
        <source>STRATALOOM</source>
        <translation>STRATALOOM</translation>
    </message>
    <message>
        <source>liste des événements géologiques</source>
        <translation>list of the geological events</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Retour début</source>
        <translation>Back to start</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Charger une image modèle</source>
        <translation>Load a model picture</translation>
    </message>
    <message>
        <source>Sauver en tant que modèle</source>
        <translation>Save as a model</translation>
    </message>
    <message>
        <source>Exporter l&apos;image affichée</source>
        <translation>Export the displayed picture</translation>
    </message>
    <message>
        <source>Charger une liste d&apos;événements</source>
        <translation>Load an event list</translation>
    </message>
    <message>
        <source>Sauver la liste des événements</source>
        <translation>Save the event list</translation>
    </message>
    <message>
        <source>Exporter la liste des événements</source>
        <translation>Export the event list</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Evénements</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>A &amp;propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Retour impossible</source>
        <translation>Cannot go back</translation>
    </message>
    <message>
        <source>Exercice</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Ouvrir un exercice...</source>
        <translation>Open an exercise...</translation>
    </message>
    <message>
        <source>Vérifier ma coupe</source>
        <translation>Check my section</translation>
    </message>
    <message>
        <source>Ordonner les événements...</source>
        <translation>Put the events in order...</translation>
    </message>
    <message>
        <source>Enregistrer ma réponse...</source>
        <translation>Save my answer...</translation>
    </message>
    <message>
        <source>Créer un exercice avec cette coupe...</source>
        <translation>Create an exercise from this section...</translation>
    </message>
    <message>
        <source>Espace enseignant...</source>
        <translation>Teacher&apos;s space...</translation>
    </message>
    <message>
        <source>Applique d&apos;abord les événements de l&apos;exercice : la coupe de départ seule ne fait pas un exercice.</source>
        <translation>Apply the exercise&apos;s events first: the starting section alone does not make an exercise.</translation>
    </message>
    <message>
        <source>Le titre de l&apos;exercice, tel que les élèves le liront :</source>
        <translation>The title of the exercise, as the pupils will read it:</translation>
    </message>
    <message>
        <source>Exercice impossible à créer : %1</source>
        <translation>Cannot create the exercise: %1</translation>
    </message>
    <message>
        <source>Créer un exercice</source>
        <translation>Create an exercise</translation>
    </message>
    <message>
        <source>Impossible de créer le fichier %1</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>Ouvrir un exercice</source>
        <translation>Open an exercise</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir l&apos;exercice %1 : %2</source>
        <translation>Cannot open the exercise %1: %2</translation>
    </message>
    <message>
        <source>L&apos;exercice %1 a été préparé avec d&apos;autres images de roches : sa coupe ne peut pas être refaite ici.</source>
        <translation>The exercise %1 was prepared with other rock pictures: its section cannot be rebuilt here.</translation>
    </message>
    <message>
        <source>Clic pour afficher le modèle...</source>
        <translation>Click to show the model...</translation>
    </message>
    <message>
        <source>Exercice « %1 » : construis la coupe du modèle. Appuie sur la coupe pour voir le modèle, puis choisis « Vérifier ma coupe » dans le menu Exercice.</source>
        <translation>Exercise “%1”: build the model&apos;s section. Press on the section to see the model, then choose “Check my section” in the Exercise menu.</translation>
    </message>
    <message>
        <source>Note : %1/20</source>
        <translation>Mark: %1/20</translation>
    </message>
    <message>
        <source>Bravo : ta coupe est exactement celle du modèle.</source>
        <translation>Well done: your section is exactly the model&apos;s.</translation>
    </message>
    <message>
        <source>Ta coupe n&apos;est pas encore celle du modèle : les zones en magenta diffèrent.</source>
        <translation>Your section is not the model&apos;s yet: the areas in magenta differ.</translation>
    </message>
    <message>
        <source>Ton nom, pour ton professeur :</source>
        <translation>Your name, for your teacher:</translation>
    </message>
    <message>
        <source>Réponse impossible à enregistrer : %1</source>
        <translation>Cannot save the answer: %1</translation>
    </message>
    <message>
        <source>Enregistrer ma réponse</source>
        <translation>Save my answer</translation>
    </message>
    <message>
        <source>Affichage</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Lettres des formations</source>
        <translation>Formation letters</translation>
    </message>
    <message>
        <source>Teintes des formations</source>
        <translation>Formation tints</translation>
    </message>
    <message>
        <source>Légende...</source>
        <translation>Legend...</translation>
    </message>
    <message>
        <source>Légende des formations</source>
        <translation>Legend of the formations</translation>
    </message>
    <message>
        <source>Les lettres nomment les formations dans l&apos;ordre où on les rencontre de gauche à droite, pas selon leur âge.</source>
        <translation>The letters name the formations in the order they are met from left to right, not by their age.</translation>
    </message>
    <message>
        <source>Aucune formation n&apos;est visible.</source>
        <translation>No formation is visible.</translation>
    </message>
    <message>
        <source>Impossible de charger le fichier</source>
        <translation>Cannot load the file</translation>
    </message>
    <message>
        <source>Sauvegarde de la liste des évennements géologiques</source>
        <translation>Saving the list of geological events</translation>
    </message>
    <message>
        <source>Fichier Strataloom (*.lst)|*.lst</source>
        <translation>Strataloom file (*.lst)|*.lst</translation>
    </message>
    <message>
        <source>Fichier texte (*.txt)|*.txt</source>
        <translation>Text file (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Chargement d&apos;une liste d&apos;évennements géologiques</source>
        <translation>Loading a list of geological events</translation>
    </message>
    <message>
        <source>Géologie|*.lst</source>
        <translation>Geology|*.lst</translation>
    </message>
    <message>
        <source>Chargement impossible</source>
        <translation>Cannot load</translation>
    </message>
    <message>
        <source>Vous allez travailler dans le domaine sédimentaire uniquement.<byte value="xd"/>L&apos;histoire géologique antérieure de la région ne sera pas prise<byte value="xd"/>en compte. L&apos;influence des stuctures géologiques antérieures<byte value="xd"/>sera donc négligée</source>
        <translation>You are going to work in the sedimentary domain only.<byte value="xd"/>The earlier geological history of the region will not be<byte value="xd"/>taken into account. The influence of earlier geological<byte value="xd"/>structures will therefore be neglected.</translation>
    </message>
    <message>
        <source>Exercices Strataloom (*.exo)|*.exo</source>
        <translation>Strataloom exercises (*.exo)|*.exo</translation>
    </message>
    <message>
        <source>Réponses Strataloom (*.rep)|*.rep</source>
        <translation>Strataloom answers (*.rep)|*.rep</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>strataloom : aucun écran n&apos;est disponible (ni DISPLAY ni WAYLAND_DISPLAY ne sont définies).
Lancez Strataloom depuis le bureau, ou sur un écran virtuel avec :
  xvfb-run -a -s &apos;-screen 0 1024x768x24&apos; strataloom
</source>
        <translation>strataloom: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set).
Start Strataloom from the desktop, or on a virtual display with:
  xvfb-run -a -s &apos;-screen 0 1024x768x24&apos; strataloom
</translation>
    </message>
</context>
</TS>
