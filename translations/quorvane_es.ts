<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2; &apos;%1 --help&apos; lists the options</source>
        <extracomment>A mistake on the command line, on a terminal: %1 is the program&apos;s name, %2 the mistake.</extracomment>
        <translation>%1: %2; &apos;%1 --help&apos; muestra las opciones</translation>
    </message>
    <message>
        <source>Shows how much time is left until the event chosen in its settings.</source>
        <translation>Muestra cuánto tiempo falta para el evento elegido en su configuración.</translation>
    </message>
    <message>
        <source>Open the settings dialog instead of the countdown.</source>
        <translation>Abre el diálogo de configuración en lugar de la cuenta atrás.</translation>
    </message>
    <message>
        <source>Open the countdown with Auto-Close cleared, so that it stays open.</source>
        <translation>Abre la cuenta atrás con «Cierre automático» desmarcado, para que siga abierta.</translation>
    </message>
    <message>
        <source>Print the options and exit.</source>
        <translation>Muestra las opciones y sale.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>Qt&apos;s own options, such as -platform &lt;name&gt;, work as well.</source>
        <translation>También funcionan las opciones propias de Qt, como -platform &lt;nombre&gt;.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1 not set</source>
        <extracomment>%1 is an environment variable&apos;s name, such as DISPLAY.</extracomment>
        <translation>%1 sin definir</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed, and no X11 display can be reached (%2)</source>
        <translation>quorvane: no se puede abrir una ventana: la pantalla Wayland (%1) necesita el complemento de plataforma Wayland de Qt, que no está instalado, y no se puede acceder a ninguna pantalla X11 (%2)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: the Wayland display (%1) needs Qt&apos;s Wayland platform plugin, which is not installed</source>
        <translation>quorvane: no se puede abrir una ventana: la pantalla Wayland (%1) necesita el complemento de plataforma Wayland de Qt, que no está instalado</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 or Wayland display can be reached (%1, %2)</source>
        <translation>quorvane: no se puede abrir una ventana: no se puede acceder a ninguna pantalla X11 ni Wayland (%1, %2)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no X11 display can be reached (%1)</source>
        <translation>quorvane: no se puede abrir una ventana: no se puede acceder a ninguna pantalla X11 (%1)</translation>
    </message>
    <message>
        <source>quorvane: cannot open a window: no Wayland display can be reached (%1)</source>
        <translation>quorvane: no se puede abrir una ventana: no se puede acceder a ninguna pantalla Wayland (%1)</translation>
    </message>
</context>
<context>
    <name>DisplayGuard</name>
    <message>
        <source>quorvane: cannot open a window: %1</source>
        <extracomment>%1 is what Qt said, in its own words; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation>quorvane: no se puede abrir una ventana: %1</translation>
    </message>
</context>
<context>
    <name>IniFileStore</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read, so it is left as it is: %2</source>
        <translation>No se puede leer el archivo %1, así que se deja como está: %2</translation>
    </message>
    <message>
        <source>The damaged file %1 could not be kept as %2: %3</source>
        <translation>No se pudo conservar el archivo dañado %1 como %2: %3</translation>
    </message>
</context>
<context>
    <name>NativeSettingsStore</name>
    <message>
        <source>The settings store refused the change.</source>
        <translation>El almacén de la configuración rechazó el cambio.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source> Days</source>
        <extracomment>After the days left, as in &quot;12 Days&quot;. Keep the leading space; the whole line, figure included, fits 345 pixels at 21.75 pt.</extracomment>
        <translation> Días</translation>
    </message>
    <message>
        <source> Hrs.</source>
        <extracomment>After the hours left, as in &quot;290 Hrs.&quot;. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> Horas</translation>
    </message>
    <message>
        <source> Min.</source>
        <extracomment>After the minutes left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> Min.</translation>
    </message>
    <message>
        <source> Sec.</source>
        <extracomment>After the seconds left. Keep the leading space; short, as it follows up to ten digits on a line of 345 pixels at 21.75 pt.</extracomment>
        <translation> Seg.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>The folder %1 cannot be used: %2</source>
        <translation>No se puede usar la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be used: %2</source>
        <translation>No se puede usar el archivo %1: %2</translation>
    </message>
    <message>
        <source>The folder %1 is read-only: %2</source>
        <translation>La carpeta %1 es de solo lectura: %2</translation>
    </message>
    <message>
        <source>The file %1 is read-only: %2</source>
        <translation>El archivo %1 es de solo lectura: %2</translation>
    </message>
    <message>
        <source>It is a named pipe, not a file</source>
        <translation>Es una tubería con nombre, no un archivo</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>Es un socket, no un archivo</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>It is larger than %1</source>
        <translation>Ocupa más de %1</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be replaced: %2</source>
        <translation>No se puede reemplazar el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 could not be replaced: %2</source>
        <translation>No se pudo reemplazar el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 was replaced, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation>Se reemplazó el archivo %1, pero el sistema no pudo confirmar que la carpeta %2 se hubiera escrito en el disco: %3</translation>
    </message>
    <message>
        <source>The file %1 cannot be removed: %2</source>
        <translation>No se puede eliminar el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 was removed, but the system could not confirm that the folder %2 reached the disk: %3</source>
        <translation>Se eliminó el archivo %1, pero el sistema no pudo confirmar que la carpeta %2 se hubiera escrito en el disco: %3</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The settings could not be read.</source>
        <translation>No se pudo leer la configuración.</translation>
    </message>
</context>
<context>
    <name>WindowsRunEntry</name>
    <message>
        <source>The registry key %1 cannot be written: %2</source>
        <translation>No se puede escribir la clave del registro %1: %2</translation>
    </message>
</context>
<context>
    <name>XdgAutostartEntry</name>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>frmConfig</name>
    <message>
        <source>The date you have entered is not valid. Please use the following syntax:</source>
        <translation>La fecha que ha escrito no es válida. Use este formato:</translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation>Ejemplos:</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>There is no year 0.</source>
        <translation>No existe el año 0.</translation>
    </message>
    <message>
        <source>There is no month %1.</source>
        <translation>No existe el mes %1.</translation>
    </message>
    <message>
        <source>%1 %2 has no day %3.</source>
        <extracomment>%1 is a month&apos;s name, %2 the year, %3 the day: &quot;February 2023 has no day 30.&quot;</extracomment>
        <translation>No existe el día %3 de %1 de %2.</translation>
    </message>
    <message>
        <source>There is no hour %1. Hours run from 00 to 23.</source>
        <translation>No existe la hora %1. Las horas van de 00 a 23.</translation>
    </message>
    <message>
        <source>There is no minute %1. Minutes run from 00 to 59.</source>
        <translation>No existe el minuto %1. Los minutos van de 00 a 59.</translation>
    </message>
    <message>
        <source>Invalid syntax</source>
        <translation>Formato no válido</translation>
    </message>
    <message>
        <source>Please enter a date that exists.</source>
        <translation>Escriba una fecha que exista.</translation>
    </message>
    <message>
        <source>Invalid date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Keep Both</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation>Conservar ambos</translation>
    </message>
    <message>
        <source>Back to the Dialog</source>
        <extracomment>A button of the question when another program changed the settings file; short.</extracomment>
        <translation>Volver al diálogo</translation>
    </message>
    <message>
        <source>The settings file was changed by another program after Quorvane read it:</source>
        <translation>Otro programa cambió el archivo de configuración después de que Quorvane lo leyera:</translation>
    </message>
    <message>
        <source>%1 saves it as the other program left it, with the changes made in this dialog on top. %2 saves nothing.</source>
        <translation>«%1» lo guarda tal como lo dejó el otro programa, con los cambios hechos en este diálogo aplicados encima. «%2» no guarda nada.</translation>
    </message>
    <message>
        <source>The other program changed or removed these events too, so your changes to them are not saved:</source>
        <translation>El otro programa también cambió o eliminó estos eventos, así que sus cambios en ellos no se guardan:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Below a list of ten events, the number of those left out.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Select a Wallpaper (approx. 390x275)</source>
        <translation>Seleccione un fondo de pantalla (aprox. 390x275)</translation>
    </message>
    <message>
        <source>Wallpaper ( *.jpeg; *.jpg; *.gif; *.bmp;)</source>
        <extracomment>The file dialog&apos;s kind of file; keep the patterns in the parentheses as they are.</extracomment>
        <translation>Fondos de pantalla ( *.jpeg; *.jpg; *.gif; *.bmp;)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fondo de pantalla</translation>
    </message>
    <message>
        <source>Default</source>
        <extracomment>An option button, fits 115 pixels at 8 pt.</extracomment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Custom (Click to change)</source>
        <extracomment>An option button, fits 135 pixels at 8 pt.</extracomment>
        <translation>Propio (clic para cambiar)</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Add an Event</source>
        <extracomment>A bold heading left of a rule that starts 72 pixels on: fits 70 pixels at 8 pt bold.</extracomment>
        <translation>Crear evento</translation>
    </message>
    <message>
        <source>Descripton:</source>
        <extracomment>Above the description&apos;s box; fits 97 pixels at 8 pt.</extracomment>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Date/Time (YYYY-MM-DD HH:MIN):</source>
        <extracomment>Keep YYYY-MM-DD HH:MIN as it is: it is the format typed in every language. Fits 217 pixels at 8 pt.</extracomment>
        <translation>Fecha/hora (YYYY-MM-DD HH:MIN):</translation>
    </message>
    <message>
        <source>Every year</source>
        <extracomment>A check box beside the date&apos;s caption; fits 70 pixels at 8 pt. Named in a message too.</extracomment>
        <translation>Cada año</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>A button, fits 60 pixels at 8 pt.</extracomment>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Change</source>
        <extracomment>A button, fits 60 pixels at 8 pt. Named in a message too.</extracomment>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <extracomment>A button, fits 160 pixels at 8 pt.</extracomment>
        <translation>Eliminar seleccionado</translation>
    </message>
    <message>
        <source>Show the countdown when I log in</source>
        <extracomment>A check box, fits 300 pixels at 8 pt.</extracomment>
        <translation>Mostrar la cuenta atrás al iniciar sesión</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button, fits 72 pixels at 8 pt.</extracomment>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Quorvane Countdown</source>
        <extracomment>The program&apos;s name in bold left of the OK button: fits 140 pixels at 8 pt bold.</extracomment>
        <translation>Cuenta atrás Quorvane</translation>
    </message>
    <message>
        <source> (every year)</source>
        <extracomment>After a yearly event&apos;s description in the list; keep the leading space.</extracomment>
        <translation> (cada año)</translation>
    </message>
    <message>
        <source>Please enter a description</source>
        <translation>Escriba una descripción</translation>
    </message>
    <message>
        <source>This event cannot be changed!</source>
        <translation>¡Este evento no se puede cambiar!</translation>
    </message>
    <message>
        <source>Type a new description or date for this event, or change %1, then press %2.</source>
        <extracomment>%1 and %2 are the captions of the check box &quot;Every year&quot; and the button &quot;Change&quot;.</extracomment>
        <translation>Escriba una descripción o una fecha nueva para este evento, o cambie «%1», y pulse «%2».</translation>
    </message>
    <message>
        <source>This event cannot be removed!</source>
        <translation>¡Este evento no se puede eliminar!</translation>
    </message>
    <message>
        <source> [to be removed]</source>
        <extracomment>After a removed event&apos;s description in the list; keep the leading space.</extracomment>
        <translation> [se eliminará]</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
        <source>Your settings were saved. The previous settings file could not be read completely; it was kept as:</source>
        <translation>Se guardó la configuración. El archivo de configuración anterior no se pudo leer por completo; se conservó como:</translation>
    </message>
    <message>
        <source>Your settings were saved, but the system could not confirm that they are safely on the disk. If the power fails soon, they may be lost.</source>
        <translation>Se guardó la configuración, pero el sistema no pudo confirmar que esté a salvo en el disco. Si hay un corte de luz pronto, podría perderse.</translation>
    </message>
    <message>
        <source>Your settings were saved, but showing the countdown when you log in could not be changed.</source>
        <translation>Se guardó la configuración, pero no se pudo cambiar si se muestra la cuenta atrás al iniciar sesión.</translation>
    </message>
    <message>
        <source>This file cannot be shown as the wallpaper:</source>
        <translation>Este archivo no se puede mostrar como fondo de pantalla:</translation>
    </message>
    <message>
        <source>It is not a JPEG, GIF, BMP or PNG picture, or it is damaged or too large: a GIF, BMP, PNG or progressive JPEG may have up to 8.3 megapixels (4.15 for a progressive JPEG with full-resolution colour or a PNG of 16 bits a channel), and a photo stored on its side or upside down up to 50 megapixels.</source>
        <translation>No es una imagen JPEG, GIF, BMP o PNG, o está dañada o es demasiado grande: un GIF, BMP, PNG o JPEG progresivo puede tener hasta 8,3 megapíxeles (4,15 si es un JPEG progresivo con el color a resolución completa o un PNG de 16 bits por canal), y una foto guardada de lado o boca abajo, hasta 50 megapíxeles.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Error %1</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Every second brings it closer.</source>
        <extracomment>The tagline under the readout, fits 385 pixels at 9.75 pt bold.</extracomment>
        <translation>Cada segundo lo acerca más.</translation>
    </message>
    <message>
        <source>Auto-Close (10 Sec)</source>
        <extracomment>A check box left of the settings button: fits 320 pixels at 8 pt.</extracomment>
        <translation>Cierre automático (10 s)</translation>
    </message>
    <message>
        <source>Settings</source>
        <extracomment>The settings button&apos;s name, read out and shown as its tip.</extracomment>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Another Quorvane is running but not answering, so this one ends.</source>
        <translation>Ya hay otro Quorvane en marcha, pero no responde, así que este se cierra.</translation>
    </message>
    <message>
        <source>Wait until it answers, or end it, and start Quorvane again.</source>
        <translation>Espere a que responda, o finalícelo, y vuelva a iniciar Quorvane.</translation>
    </message>
    <message>
        <source>quorvane: another Quorvane is running but not answering</source>
        <extracomment>On a terminal; &quot;quorvane&quot; is the command&apos;s name.</extracomment>
        <translation>quorvane: otro Quorvane está en marcha, pero no responde</translation>
    </message>
</context>
</TS>
