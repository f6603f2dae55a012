<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; &apos;%1 --help&apos; lists the options</source>
        <extracomment>A mistake on the command line, on a terminal: %1 is the program&apos;s name, %2 the mistake.</extracomment>
        <translation>%1 : %2 ; « %1 --help » affiche les options</translation>
    </message>
    <message>
        <source>Shows how much time is left until the event chosen in its settings.</source>
        <translation>Affiche le temps qui reste jusqu&apos;à l&apos;événement choisi dans ses paramètres.</translation>
    </message>
    <message>
        <source>Open the settings dialog instead of the countdown.</source>
        <translation>Ouvrir la fenêtre des paramètres au lieu du compte à rebours.</translation>
    </message>
    <message>
        <source>Open the countdown with Auto-Close cleared, so that it stays open.</source>
        <translation>Ouvrir le compte à rebours avec « Fermeture automatique » décochée, pour qu&apos;il reste ouvert.</translation>
    </message>
    <message>
        <source>Print the options and exit.</source>
        <translation>Afficher les options et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform &lt;name&gt;, work as well.</source>
        <translation>Les options propres à Qt, comme -platform &lt;nom&gt;, fonctionnent aussi.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 not set</source>
        <extracomment>%1 is an environment variable&apos;s name, such as DISPLAY.</extracomment>
        <translation>variable %1 non définie</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed, and no X11 display can be reached (%2)</source>
        <translation>quorvane : impossible d&apos;ouvrir une fenêtre : l&apos;affichage Wayland (%1) nécessite le greffon de plateforme Wayland de Qt, qui n&apos;est pas installé, et aucun affichage X11 n&apos;est accessible (%2)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed</source>
        <translation>quorvane : impossible d&apos;ouvrir une fenêtre : l&apos;affichage Wayland (%1) nécessite le greffon de plateforme Wayland de Qt, qui n&apos;est pas installé</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 or Wayland display can be reached (%1, %2)</source>
        <translation>quorvane : impossible d&apos;ouvrir une fenêtre : aucun affichage X11 ou Wayland n&apos;est accessible (%1, %2)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 display can be reached (%1)</source>
        <translation>quorvane : impossible d&apos;ouvrir une fenêtre : aucun affichage X11 n&apos;est accessible (%1)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no Wayland display can be reached (%1)</source>
        <translation>quorvane : impossible d&apos;ouvrir une fenêtre : aucun affichage Wayland n&apos;est accessible (%1)</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>quorvane: cannot open a window: %1</source>
        <extracomment>%1 is what Qt said, in its own words; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation>quorvane : impossible d&apos;ouvrir une fenêtre : %1</translation>
    </message>
</context>
<context>
    <name>IniFileStore</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so it is left as it is: %2</source>
        <translation>Impossible de lire le fichier %1, il est donc laissé tel quel : %2</translation>
    </message>
    <message>
        <source>The damaged file %1 could not be kept as %2: %3</source>
        <translation>Le fichier endommagé %1 n&apos;a pas pu être conservé sous le nom %2 : %3</translation>
    </message>
</context>
<context>
    <name>NativeSettingsStore</name>
    <message>
        <source>The settings store refused the change.</source>
        <translation>Le stockage des paramètres a refusé la modification.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source> Days</source>
        <extracomment>After the days left, as in &quot;12 Days&quot;. Keep the leading space; the whole line, figure included, fits 345 pixels at 21.75 pt.</extracomment>
        <translation> jours</translation>
    </message>
    <message>
        <source> Hrs.</source>
        <extracomment>After the hours left, as in &quot;290 Hrs.&quot;. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> h</translation>
    </message>
    <message>
        <source> Min.</source>
        <extracomment>After the minutes left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> min</translation>
    </message>
    <message>
        <source> Sec.</source>
        <extracomment>After the seconds left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> s</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The folder %1 cannot be used: %2</source>
        <translation>Impossible d&apos;utiliser le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be used: %2</source>
        <translation>Impossible d&apos;utiliser le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The folder %1 is read-only: %2</source>
        <translation>Le dossier %1 est en lecture seule : %2</translation>
    </message>
    <message>
        <source>The file %1 is read-only: %2</source>
        <translation>Le fichier %1 est en lecture seule : %2</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>C&apos;est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>C&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>C&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>It is larger than %1</source>
        <translation>Il dépasse %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>Impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced: %2</source>
        <translation>Impossible de remplacer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 could not be replaced: %2</source>
        <translation>Le fichier %1 n&apos;a pas pu être remplacé : %2</translation>
    </message>
    <message>
        <source>The file %1 was replaced, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation>Le fichier %1 a été remplacé, mais le système n&apos;a pas pu confirmer que le dossier %2 a bien été écrit sur le disque : %3</translation>
    </message>
    <message>
        <source>The file %1 cannot be removed: %2</source>
        <translation>Impossible de supprimer le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 was removed, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation>Le fichier %1 a été supprimé, mais le système n&apos;a pas pu confirmer que le dossier %2 a bien été écrit sur le disque : %3</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The settings could not be read.</source>
        <translation>Les paramètres n&apos;ont pas pu être lus.</translation>
    </message>
</context>
<context>
    <name>WindowsRunEntry</name>
    <message>
        <source>The registry key %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire la clé de registre %1 : %2</translation>
    </message>
</context>
<context>
    <name>XdgAutostartEntry</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Impossible de lire le fichier %1 : %2</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>The date you have entered is not valid. Please use the following syntax:</source>
        <translation>La date saisie n&apos;est pas valide. Veuillez utiliser le format suivant :</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Exemples :</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>There is no year 0.</source>
        <translation>L&apos;année 0 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There is no month %1.</source>
        <translation>Le mois %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3.</source>
        <extracomment>%1 is a month&apos;s name, %2 the year, %3 the day: &quot;February 2023 has no day 30.&quot;</extracomment>
        <translation>Le %3 %1 %2 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>There is no hour %1. Hours run from 00 to 23.</source>
        <translation>L&apos;heure %1 n&apos;existe pas. Les heures vont de 00 à 23.</translation>
    </message>
    <message>
        <source>There is no minute %1. Minutes run from 00 to 59.</source>
        <translation>La minute %1 n&apos;existe pas. Les minutes vont de 00 à 59.</translation>
    </message>
    <message>
        <source>Invalid syntax</source>
        <translation>Format non valide</translation>
    </message>
    <message>
        <source>Please enter a date that exists.</source>
        <translation>Veuillez saisir une date qui existe.</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation>Garder les deux</translation>
    </message>
    <message>
        <source>Back to the Dialog</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation>Revenir aux paramètres</translation>
    </message>
    <message>
        <source>The settings file was changed by another program after Quorvane read it:</source>
        <translation>Le fichier de paramètres a été modifié par un autre programme après sa lecture par Quorvane :</translation>
    </message>
    <message>
        <source>%1 saves it as the other program left it, with the changes made in this dialog on top. %2 saves nothing.</source>
        <translation>« %1 » l&apos;enregistre tel que l&apos;autre programme l&apos;a laissé, en y ajoutant les modifications faites dans cette fenêtre. « %2 » n&apos;enregistre rien.</translation>
    </message>
    <message>
        <source>The other program changed or removed these events too, so your changes to them are not saved:</source>
        <translation>L&apos;autre programme a aussi modifié ou supprimé ces événements ; vos modifications de ceux-ci ne sont donc pas enregistrées :</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below a list of ten events, the number of those left out.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a Wallpaper (approx. 390x275)</source>
        <translation>Choisir une image de fond (env. 390x275)</translation>
    </message>
    <message>
        <source>Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)</source>
        <extracomment>The file dialog&apos;s kind of file; keep the patterns in the parentheses as they are.</extracomment>
        <translation>Image de fond ( *.jpeg; *.jpg; *.gif; *.bmp;)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>An option button, fits 115 pixels at 8 pt.</extracomment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Custom (Click to change)</source>
        <extracomment>An option button, fits 135 pixels at 8 pt.</extracomment>
        <translation>Autre (cliquer pour choisir)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Add an Event</source>
        <extracomment>A bold heading left of a rule that starts 72 pixels on: fits 70 pixels at 8 pt bold.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Descripton:</source>
        <extracomment>Above the description&apos;s box; fits 97 pixels at 8 pt.</extracomment>
        <translation>Description :</translation>
    </message>
    <message>
        <source>Date/Time (YYYY-MM-DD HH:MIN):</source>
        <extracomment>Keep YYYY-MM-DD HH:MIN as it is: it is the format typed in every language. Fits 217 pixels at 8 pt.</extracomment>
        <translation>Date et heure (YYYY-MM-DD HH:MIN) :</translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>A check box beside the date&apos;s caption; fits 70 pixels at 8 pt. Named in a message too.</extracomment>
        <translation>Tous les ans</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A button, fits 60 pixels at 8 pt.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A button, fits 60 pixels at 8 pt. Named in a message too.</extracomment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <extracomment>A button, fits 160 pixels at 8 pt.</extracomment>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Show the countdown when I log in</source>
        <extracomment>A check box, fits 300 pixels at 8 pt.</extracomment>
        <translation>Afficher le compte à rebours à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Quorvane Countdown</source>
        <extracomment>The program&apos;s name in bold left of the OK button: fits 140 pixels at 8 pt bold.</extracomment>
        <translation>Décompte Quorvane</translation>
    </message>
    <message>
        <source> (every year)</source>
        <extracomment>After a yearly event&apos;s description in the list; keep the leading space.</extracomment>
        <translation> (tous les ans)</translation>
    </message>
    <message>
        <source>Please enter a description</source>
        <translation>Veuillez saisir une description</translation>
    </message>
    <message>
        <source>This event cannot be changed!</source>
        <translation>Cet événement ne peut pas être modifié !</translation>
    </message>
    <message>
        <source>Type a new description or date for this event, or change %1, then press %2.</source>
        <extracomment>%1 and %2 are the captions of the check box &quot;Every year&quot; and the button &quot;Change&quot;.</extracomment>
        <translation>Saisissez une nouvelle description ou une nouvelle date pour cet événement, ou cochez ou décochez « %1 », puis cliquez sur « %2 ».</translation>
    </message>
    <message>
        <source>This event cannot be removed!</source>
        <translation>Cet événement ne peut pas être supprimé !</translation>
    </message>
    <message>
        <source> [to be removed]</source>
        <extracomment>After a removed event&apos;s description in the list; keep the leading space.</extracomment>
        <translation> [à supprimer]</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>Your settings were saved. The previous settings file could not be read completely; it was kept as:</source>
        <translation>Vos paramètres ont été enregistrés. L&apos;ancien fichier de paramètres n&apos;a pas pu être lu entièrement ; il a été conservé sous le nom :</translation>
    </message>
    <message>
        <source>Your settings were saved, but the system could not confirm that they are safely on the disk. If the power fails soon, they may be lost.</source>
        <translation>Vos paramètres ont été enregistrés, mais le système n&apos;a pas pu confirmer qu&apos;ils sont bien écrits sur le disque. En cas de coupure de courant dans les prochains instants, ils pourraient être perdus.</translation>
    </message>
    <message>
        <source>Your settings were saved, but showing the countdown when you log in could not be changed.</source>
        <translation>Vos paramètres ont été enregistrés, mais l&apos;affichage du compte à rebours à l&apos;ouverture de session n&apos;a pas pu être modifié.</translation>
    </message>
    <message>
        <source>This file cannot be shown as the wallpaper:</source>
        <translation>Ce fichier ne peut pas être affiché comme image de fond :</translation>
    </message>
    <message>
        <source>It is not a JPEG, GIF, BMP or PNG picture, or it is damaged or too large: a GIF, BMP, PNG or progressive JPEG may have up to 8.3 megapixels (4.15 for a progressive JPEG with full-resolution colour or a PNG of 16 bits a channel), and a photo stored on its side or upside down up to 50 megapixels.</source>
        <translation>Ce n&apos;est pas une image JPEG, GIF, BMP ou PNG, ou elle est endommagée ou trop grande : une image GIF, BMP, PNG ou JPEG progressive peut compter jusqu&apos;à 8,3 mégapixels (4,15 pour une JPEG progressive aux couleurs en pleine résolution ou une PNG de 16 bits par canal), et une photo enregistrée de côté ou à l&apos;envers jusqu&apos;à 50 mégapixels.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image non valide</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Erreur %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Every second brings it closer.</source>
        <extracomment>The tagline under the readout, fits 385 pixels at 9.75 pt bold.</extracomment>
        <translation>Chaque seconde vous en rapproche.</translation>
    </message>
    <message>
        <source>Auto-Close (10 Sec)</source>
        <extracomment>A check box left of the settings button: fits 320 pixels at 8 pt.</extracomment>
        <translation>Fermeture automatique (10 s)</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The settings button&apos;s name, read out and shown as its tip.</extracomment>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Another Quorvane is running but not answering, so this one ends.</source>
        <translation>Une autre instance de Quorvane est ouverte mais ne répond pas ; celle-ci se ferme donc.</translation>
    </message>
    <message>
        <source>Wait until it answers, or end it, and start Quorvane again.</source>
        <translation>Attendez qu&apos;elle réponde, ou arrêtez-la, puis relancez Quorvane.</translation>
    </message>
    <message>
        <source>quorvane: another Quorvane is running but not answering</source>
        <extracomment>On a terminal; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation>quorvane : une autre instance de Quorvane est ouverte mais ne répond pas</translation>
    </message>
</context>
</TS>
