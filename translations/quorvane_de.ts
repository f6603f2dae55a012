<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; &apos;%1 --help&apos; lists the options</source>
        <extracomment>A mistake on the command line, on a terminal: %1 is the program&apos;s name, %2 the mistake.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how much time is left until the event chosen in its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the settings dialog instead of the countdown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the countdown with Auto-Close cleared, so that it stays open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the options and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform &lt;name&gt;, work as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 not set</source>
        <extracomment>%1 is an environment variable&apos;s name, such as DISPLAY.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed, and no X11 display can be reached (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 or Wayland display can be reached (%1, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 display can be reached (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no Wayland display can be reached (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>quorvane: cannot open a window: %1</source>
        <extracomment>%1 is what Qt said, in its own words; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniFileStore</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so it is left as it is: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The damaged file %1 could not be kept as %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NativeSettingsStore</name>
    <message>
        <source>The settings store refused the change.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source> Days</source>
        <extracomment>After the days left, as in &quot;12 Days&quot;. Keep the leading space; the whole line, figure included, fits 345 pixels at 21.75 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hrs.</source>
        <extracomment>After the hours left, as in &quot;290 Hrs.&quot;. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Min.</source>
        <extracomment>After the minutes left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sec.</source>
        <extracomment>After the seconds left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The folder %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is read-only: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is read-only: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be replaced: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was replaced, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be removed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was removed, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The settings could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowsRunEntry</name>
    <message>
        <source>The registry key %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>XdgAutostartEntry</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>The date you have entered is not valid. Please use the following syntax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no year 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no month %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 has no day %3.</source>
        <extracomment>%1 is a month&apos;s name, %2 the year, %3 the day: &quot;February 2023 has no day 30.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no hour %1. Hours run from 00 to 23.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no minute %1. Minutes run from 00 to 59.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid syntax</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a date that exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Both</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the Dialog</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file was changed by another program after Quorvane read it:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 saves it as the other program left it, with the changes made in this dialog on top. %2 saves nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other program changed or removed these events too, so your changes to them are not saved:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below a list of ten events, the number of those left out.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Select a Wallpaper (approx. 390x275)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)</source>
        <extracomment>The file dialog&apos;s kind of file; keep the patterns in the parentheses as they are.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>An option button, fits 115 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom (Click to change)</source>
        <extracomment>An option button, fits 135 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an Event</source>
        <extracomment>A bold heading left of a rule that starts 72 pixels on: fits 70 pixels at 8 pt bold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descripton:</source>
        <extracomment>Above the description&apos;s box; fits 97 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date/Time (YYYY-MM-DD HH:MIN):</source>
        <extracomment>Keep YYYY-MM-DD HH:MIN as it is: it is the format typed in every language. Fits 217 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>A check box beside the date&apos;s caption; fits 70 pixels at 8 pt. Named in a message too.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A button, fits 60 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A button, fits 60 pixels at 8 pt. Named in a message too.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <extracomment>A button, fits 160 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the countdown when I log in</source>
        <extracomment>A check box, fits 300 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane Countdown</source>
        <extracomment>The program&apos;s name in bold left of the OK button: fits 140 pixels at 8 pt bold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (every year)</source>
        <extracomment>After a yearly event&apos;s description in the list; keep the leading space.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event cannot be changed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a new description or date for this event, or change %1, then press %2.</source>
        <extracomment>%1 and %2 are the captions of the check box &quot;Every year&quot; and the button &quot;Change&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This event cannot be removed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> [to be removed]</source>
        <extracomment>After a removed event&apos;s description in the list; keep the leading space.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings were saved. The previous settings file could not be read completely; it was kept as:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings were saved, but the system could not confirm that they are safely on the disk. If the power fails soon, they may be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings were saved, but showing the countdown when you log in could not be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file cannot be shown as the wallpaper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a JPEG, GIF, BMP or PNG picture, or it is damaged or too large: a GIF, BMP, PNG or progressive JPEG may have up to 8.3 megapixels (4.15 for a progressive JPEG with full-resolution colour or a PNG of 16 bits a channel), and a photo stored on its side or upside down up to 50 megapixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Every second brings it closer.</source>
        <extracomment>The tagline under the readout, fits 385 pixels at 9.75 pt bold.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-Close (10 Sec)</source>
        <extracomment>A check box left of the settings button: fits 320 pixels at 8 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The settings button&apos;s name, read out and shown as its tip.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Another Quorvane is running but not answering, so this one ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait until it answers, or end it, and start Quorvane again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quorvane: another Quorvane is running but not answering</source>
        <extracomment>On a terminal; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
