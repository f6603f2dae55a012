<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; &apos;%1 --help&apos; lists the options</source>
        <extracomment>A mistake on the command line, on a terminal: %1 is the program&apos;s name, %2 the mistake.</extracomment>
        <translation>%1: %2; „%1 --help“ zeigt die Optionen</translation>
    </message>
    <message>
        <source>Shows how much time is left until the event chosen in its settings.</source>
        <translation>Zeigt, wie viel Zeit bis zu dem in den Einstellungen gewählten Ereignis bleibt.</translation>
    </message>
    <message>
        <source>Open the settings dialog instead of the countdown.</source>
        <translation>Öffnet den Einstellungsdialog statt des Countdowns.</translation>
    </message>
    <message>
        <source>Open the countdown with Auto-Close cleared, so that it stays open.</source>
        <translation>Öffnet den Countdown ohne „Automatisch schließen“, sodass er offen bleibt.</translation>
    </message>
    <message>
        <source>Print the options and exit.</source>
        <translation>Zeigt die Optionen an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform &lt;name&gt;, work as well.</source>
        <translation>Auch die Optionen von Qt selbst, etwa -platform &lt;Name&gt;, funktionieren.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 not set</source>
        <extracomment>%1 is an environment variable&apos;s name, such as DISPLAY.</extracomment>
        <translation>%1 nicht gesetzt</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed, and no X11 display can be reached (%2)</source>
        <translation>quorvane: Es kann kein Fenster geöffnet werden: Die Wayland-Anzeige (%1) benötigt das Wayland-Plattform-Plugin von Qt, das nicht installiert ist, und es ist keine X11-Anzeige erreichbar (%2)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed</source>
        <translation>quorvane: Es kann kein Fenster geöffnet werden: Die Wayland-Anzeige (%1) benötigt das Wayland-Plattform-Plugin von Qt, das nicht installiert ist</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 or Wayland display can be reached (%1, %2)</source>
        <translation>quorvane: Es kann kein Fenster geöffnet werden: Weder eine X11- noch eine Wayland-Anzeige ist erreichbar (%1, %2)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 display can be reached (%1)</source>
        <translation>quorvane: Es kann kein Fenster geöffnet werden: Es ist keine X11-Anzeige erreichbar (%1)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no Wayland display can be reached (%1)</source>
        <translation>quorvane: Es kann kein Fenster geöffnet werden: Es ist keine Wayland-Anzeige erreichbar (%1)</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>quorvane: cannot open a window: %1</source>
        <extracomment>%1 is what Qt said, in its own words; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation>quorvane: Es kann kein Fenster geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>IniFileStore</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so it is left as it is: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden und bleibt daher unverändert: %2</translation>
    </message>
    <message>
        <source>The damaged file %1 could not be kept as %2: %3</source>
        <translation>Die beschädigte Datei %1 konnte nicht als %2 gesichert werden: %3</translation>
    </message>
</context>
<context>
    <name>NativeSettingsStore</name>
    <message>
        <source>The settings store refused the change.</source>
        <translation>Der Einstellungsspeicher hat die Änderung abgelehnt.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source> Days</source>
        <extracomment>After the days left, as in &quot;12 Days&quot;. Keep the leading space; the whole line, figure included, fits 345 pixels at 21.75 pt.</extracomment>
        <translation> Tage</translation>
    </message>
    <message>
        <source> Hrs.</source>
        <extracomment>After the hours left, as in &quot;290 Hrs.&quot;. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> Std.</translation>
    </message>
    <message>
        <source> Min.</source>
        <extracomment>After the minutes left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> Min.</translation>
    </message>
    <message>
        <source> Sec.</source>
        <extracomment>After the seconds left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> Sek.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The folder %1 cannot be used: %2</source>
        <translation>Der Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be used: %2</source>
        <translation>Die Datei %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The folder %1 is read-only: %2</source>
        <translation>Der Ordner %1 ist schreibgeschützt: %2</translation>
    </message>
    <message>
        <source>The file %1 is read-only: %2</source>
        <translation>Die Datei %1 ist schreibgeschützt: %2</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Es ist eine benannte Pipe, keine Datei</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>Es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>It is larger than %1</source>
        <translation>Sie ist größer als %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced: %2</source>
        <translation>Die Datei %1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be replaced: %2</source>
        <translation>Die Datei %1 konnte nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>The file %1 was replaced, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation>Die Datei %1 wurde ersetzt, aber das System konnte nicht bestätigen, dass der Ordner %2 auf den Datenträger geschrieben wurde: %3</translation>
    </message>
    <message>
        <source>The file %1 cannot be removed: %2</source>
        <translation>Die Datei %1 kann nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>The file %1 was removed, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation>Die Datei %1 wurde gelöscht, aber das System konnte nicht bestätigen, dass der Ordner %2 auf den Datenträger geschrieben wurde: %3</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The settings could not be read.</source>
        <translation>Die Einstellungen konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>WindowsRunEntry</name>
    <message>
        <source>The registry key %1 cannot be written: %2</source>
        <translation>Der Registrierungsschlüssel %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>XdgAutostartEntry</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>The date you have entered is not valid. Please use the following syntax:</source>
        <translation>Das eingegebene Datum ist ungültig. Bitte verwenden Sie dieses Format:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Beispiele:</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>There is no year 0.</source>
        <translation>Es gibt kein Jahr 0.</translation>
    </message>
    <message>
        <source>There is no month %1.</source>
        <translation>Es gibt keinen Monat %1.</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3.</source>
        <extracomment>%1 is a month&apos;s name, %2 the year, %3 the day: &quot;February 2023 has no day 30.&quot;</extracomment>
        <translation>Den %3. %1 %2 gibt es nicht.</translation>
    </message>
    <message>
        <source>There is no hour %1. Hours run from 00 to 23.</source>
        <translation>Es gibt keine Stunde %1. Die Stunden reichen von 00 bis 23.</translation>
    </message>
    <message>
        <source>There is no minute %1. Minutes run from 00 to 59.</source>
        <translation>Es gibt keine Minute %1. Die Minuten reichen von 00 bis 59.</translation>
    </message>
    <message>
        <source>Invalid syntax</source>
        <translation>Ungültiges Format</translation>
    </message>
    <message>
        <source>Please enter a date that exists.</source>
        <translation>Bitte geben Sie ein existierendes Datum ein.</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation>Beides behalten</translation>
    </message>
    <message>
        <source>Back to the Dialog</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation>Zurück zum Dialog</translation>
    </message>
    <message>
        <source>The settings file was changed by another program after Quorvane read it:</source>
        <translation>Die Einstellungsdatei wurde von einem anderen Programm geändert, nachdem Quorvane sie gelesen hatte:</translation>
    </message>
    <message>
        <source>%1 saves it as the other program left it, with the changes made in this dialog on top. %2 saves nothing.</source>
        <translation>„%1“ speichert sie so, wie das andere Programm sie hinterlassen hat, und übernimmt dazu die Änderungen aus diesem Dialog. „%2“ speichert nichts.</translation>
    </message>
    <message>
        <source>The other program changed or removed these events too, so your changes to them are not saved:</source>
        <translation>Das andere Programm hat auch diese Ereignisse geändert oder entfernt, daher werden Ihre Änderungen daran nicht gespeichert:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below a list of ten events, the number of those left out.</extracomment>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a Wallpaper (approx. 390x275)</source>
        <translation>Hintergrundbild auswählen (ca. 390x275)</translation>
    </message>
    <message>
        <source>Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)</source>
        <extracomment>The file dialog&apos;s kind of file; keep the patterns in the parentheses as they are.</extracomment>
        <translation>Hintergrundbild ( *.jpeg; *.jpg; *.gif; *.bmp;)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>An option button, fits 115 pixels at 8 pt.</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Custom (Click to change)</source>
        <extracomment>An option button, fits 135 pixels at 8 pt.</extracomment>
        <translation>Eigenes (per Klick ändern)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Add an Event</source>
        <extracomment>A bold heading left of a rule that starts 72 pixels on: fits 70 pixels at 8 pt bold.</extracomment>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Descripton:</source>
        <extracomment>Above the description&apos;s box; fits 97 pixels at 8 pt.</extracomment>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Date/Time (YYYY-MM-DD HH:MIN):</source>
        <extracomment>Keep YYYY-MM-DD HH:MIN as it is: it is the format typed in every language. Fits 217 pixels at 8 pt.</extracomment>
        <translation>Datum/Uhrzeit (YYYY-MM-DD HH:MIN):</translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>A check box beside the date&apos;s caption; fits 70 pixels at 8 pt. Named in a message too.</extracomment>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A button, fits 60 pixels at 8 pt.</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A button, fits 60 pixels at 8 pt. Named in a message too.</extracomment>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <extracomment>A button, fits 160 pixels at 8 pt.</extracomment>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Show the countdown when I log in</source>
        <extracomment>A check box, fits 300 pixels at 8 pt.</extracomment>
        <translation>Countdown bei der Anmeldung anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quorvane Countdown</source>
        <extracomment>The program&apos;s name in bold left of the OK button: fits 140 pixels at 8 pt bold.</extracomment>
        <translation>Quorvane Countdown</translation>
    </message>
    <message>
        <source> (every year)</source>
        <extracomment>After a yearly event&apos;s description in the list; keep the leading space.</extracomment>
        <translation> (jährlich)</translation>
    </message>
    <message>
        <source>Please enter a description</source>
        <translation>Bitte geben Sie eine Beschreibung ein</translation>
    </message>
    <message>
        <source>This event cannot be changed!</source>
        <translation>Dieses Ereignis kann nicht geändert werden!</translation>
    </message>
    <message>
        <source>Type a new description or date for this event, or change %1, then press %2.</source>
        <extracomment>%1 and %2 are the captions of the check box &quot;Every year&quot; and the button &quot;Change&quot;.</extracomment>
        <translation>Geben Sie eine neue Beschreibung oder ein neues Datum für dieses Ereignis ein oder ändern Sie „%1“ und klicken Sie dann auf „%2“.</translation>
    </message>
    <message>
        <source>This event cannot be removed!</source>
        <translation>Dieses Ereignis kann nicht entfernt werden!</translation>
    </message>
    <message>
        <source> [to be removed]</source>
        <extracomment>After a removed event&apos;s description in the list; keep the leading space.</extracomment>
        <translation> [wird entfernt]</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Your settings were saved. The previous settings file could not be read completely; it was kept as:</source>
        <translation>Ihre Einstellungen wurden gespeichert. Die bisherige Einstellungsdatei konnte nicht vollständig gelesen werden; sie wurde gesichert als:</translation>
    </message>
    <message>
        <source>Your settings were saved, but the system could not confirm that they are safely on the disk. If the power fails soon, they may be lost.</source>
        <translation>Ihre Einstellungen wurden gespeichert, aber das System konnte nicht bestätigen, dass sie sicher auf dem Datenträger sind. Fällt bald der Strom aus, können sie verloren gehen.</translation>
    </message>
    <message>
        <source>Your settings were saved, but showing the countdown when you log in could not be changed.</source>
        <translation>Ihre Einstellungen wurden gespeichert, aber die Anzeige des Countdowns bei der Anmeldung konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>This file cannot be shown as the wallpaper:</source>
        <translation>Diese Datei kann nicht als Hintergrundbild angezeigt werden:</translation>
    </message>
    <message>
        <source>It is not a JPEG, GIF, BMP or PNG picture, or it is damaged or too large: a GIF, BMP, PNG or progressive JPEG may have up to 8.3 megapixels (4.15 for a progressive JPEG with full-resolution colour or a PNG of 16 bits a channel), and a photo stored on its side or upside down up to 50 megapixels.</source>
        <translation>Sie ist kein JPEG-, GIF-, BMP- oder PNG-Bild, oder sie ist beschädigt oder zu groß: Ein GIF-, BMP- oder PNG-Bild oder ein progressives JPEG darf bis zu 8,3 Megapixel haben (4,15 bei einem progressiven JPEG mit Farben in voller Auflösung oder einem PNG mit 16 Bit pro Kanal), ein seitlich oder kopfüber gespeichertes Foto bis zu 50 Megapixel.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Every second brings it closer.</source>
        <extracomment>The tagline under the readout, fits 385 pixels at 9.75 pt bold.</extracomment>
        <translation>Mit jeder Sekunde rückt es näher.</translation>
    </message>
    <message>
        <source>Auto-Close (10 Sec)</source>
        <extracomment>A check box left of the settings button: fits 320 pixels at 8 pt.</extracomment>
        <translation>Automatisch schließen (10 Sek.)</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The settings button&apos;s name, read out and shown as its tip.</extracomment>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Another Quorvane is running but not answering, so this one ends.</source>
        <translation>Ein anderes Quorvane läuft bereits, reagiert aber nicht; dieses wird daher beendet.</translation>
    </message>
    <message>
        <source>Wait until it answers, or end it, and start Quorvane again.</source>
        <translation>Warten Sie, bis es reagiert, oder beenden Sie es, und starten Sie Quorvane dann erneut.</translation>
    </message>
    <message>
        <source>quorvane: another Quorvane is running but not answering</source>
        <extracomment>On a terminal; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation>quorvane: Ein anderes Quorvane läuft bereits, reagiert aber nicht</translation>
    </message>
</context>
</TS>
