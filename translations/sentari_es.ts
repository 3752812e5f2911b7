<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppStream</name>
    <message>
        <source>Quote companion for the notification area and your e-mail signatures</source>
        <translation>Compañero de citas para el área de notificación y sus firmas de correo</translation>
    </message>
    <message>
        <source>Sentari keeps one plain-text file of quotes, one quote per line, and brings its sayings to you. It lives in the notification area: rest the mouse on its icon to see the current quote, click for a new one.</source>
        <translation>Sentari guarda un archivo de texto con citas, una por línea, y le trae sus dichos. Vive en el área de notificación: deje el ratón sobre su icono para ver la cita actual y haga clic para obtener una nueva.</translation>
    </message>
    <message>
        <source>Every new quote is written into your e-mail signature files (plain text, HTML or rich text).</source>
        <translation>Cada cita nueva se escribe en sus archivos de firma de correo (texto sin formato, HTML o RTF).</translation>
    </message>
    <message>
        <source>Add the clipboard&apos;s text as a new quote, or delete the current one.</source>
        <translation>Añada el texto del portapapeles como cita nueva o elimine la actual.</translation>
    </message>
    <message>
        <source>Print a random quote for mail programs and shell prompts, as fortune does.</source>
        <translation>Imprima una cita al azar para programas de correo e indicadores de la shell, como hace fortune.</translation>
    </message>
    <message>
        <source>A screen saver shows random quotes line by line with eight animated effects.</source>
        <translation>Un salvapantallas muestra citas al azar línea a línea con ocho efectos animados.</translation>
    </message>
    <message>
        <source>The current quote, shown while the mouse rests on the tray icon</source>
        <translation>La cita actual, mostrada mientras el ratón reposa sobre el icono</translation>
    </message>
    <message>
        <source>The tray menu</source>
        <translation>El menú del icono</translation>
    </message>
    <message>
        <source>The signature window with a signature template and its File menu</source>
        <translation>La ventana de firmas con una plantilla de firma y su menú Archivo</translation>
    </message>
    <message>
        <source>The screen saver bringing a quote onto the screen with the Waves effect</source>
        <translation>El salvapantallas trae una cita a la pantalla con el efecto Olas</translation>
    </message>
    <message>
        <source>The screen saver&apos;s options</source>
        <translation>Las opciones del salvapantallas</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Quote companion</source>
        <translation>Compañero de citas</translation>
    </message>
    <message>
        <source>Shows a quote from your collection in the notification area and puts it into your e-mail signatures</source>
        <translation>Muestra una cita de su colección en el área de notificación y la pone en sus firmas de correo</translation>
    </message>
    <message>
        <source>quote;saying;signature;e-mail;fortune;</source>
        <translation>cita;dicho;firma;correo;fortune;</translation>
    </message>
    <message>
        <source>Sentari Screen Saver</source>
        <translation>Salvapantallas Sentari</translation>
    </message>
    <message>
        <source>Screen saver settings</source>
        <translation>Configuración del salvapantallas</translation>
    </message>
    <message>
        <source>Choose the effect, font, colours, timing and password of the Sentari quote screen saver</source>
        <translation>Elija el efecto, la fuente, los colores, los tiempos y la contraseña del salvapantallas de citas Sentari</translation>
    </message>
    <message>
        <source>screensaver;screen saver;quote;</source>
        <translation>salvapantallas;protector de pantalla;cita;</translation>
    </message>
    <message>
        <source>Starts Sentari in the notification area when you log in, once it has a quote file</source>
        <translation>Inicia Sentari en el área de notificación al iniciar sesión, una vez que tiene un archivo de citas</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Sentari help</source>
        <translation>Ayuda de Sentari</translation>
    </message>
    <message>
        <source>Sentari signature window help</source>
        <translation>Ayuda de la ventana de firmas de Sentari</translation>
    </message>
</context>
<context>
    <name>sentari</name>
    <message>
        <source>Usage: sentari [--data-file FILE] [--print-quote | --print-signature [N] | --change-quote]
               [-s | -l] [-n N] [--html-document]

Without options Sentari starts in the notification area.
  --print-quote       print one quote of the active data file and exit
  --print-signature [N]
                      print signature N (1 when not given) with a new quote and exit
  --html-document     with --print-signature: print an HTML signature as a whole
                      document (for Evolution&apos;s signature scripts)
  -s                  with a print option: only quotes of at most N characters
  -l                  with a print option: only quotes longer than N characters
  -n N                the N of -s and -l (160 when not given)
  --change-quote      make the running Sentari pick a new quote
  --data-file FILE    make FILE the active quote data file first
  --autostart         start in the notification area only when a quote data file is
                      chosen; otherwise end at once, asking nothing (the login entry)
  --help, --version   print this text or the version and exit

Exit status: 0 on success, 1 when nothing could be printed or done, 2 for a wrong
command line.
</source>
        <translation>Uso: sentari [--data-file ARCHIVO] [--print-quote | --print-signature [N] | --change-quote]
             [-s | -l] [-n N] [--html-document]

Sin opciones, Sentari se inicia en el área de notificación.
  --print-quote       imprimir una cita del archivo de citas activo y salir
  --print-signature [N]
                      imprimir la firma N (1 si no se indica) con una cita nueva y salir
  --html-document     con --print-signature: imprimir una firma HTML como documento
                      completo (para los scripts de firma de Evolution)
  -s                  con una opción de impresión: solo citas de N caracteres como mucho
  -l                  con una opción de impresión: solo citas de más de N caracteres
  -n N                el N de -s y -l (160 si no se indica)
  --change-quote      hacer que el Sentari en marcha elija una cita nueva
  --data-file ARCHIVO hacer primero de ARCHIVO el archivo de citas activo
  --autostart         iniciar en el área de notificación solo si hay un archivo de citas
                      elegido; si no, salir enseguida sin preguntar nada (la entrada de
                      inicio de sesión)
  --help, --version   imprimir este texto o la versión y salir

Estado de salida: 0 si todo fue bien, 1 si no se pudo imprimir ni hacer nada, 2 para una
línea de órdenes incorrecta.
</translation>
    </message>
    <message>
        <source>no session D-Bus; other programs cannot change the quote</source>
        <translation>no hay D-Bus de sesión; otros programas no pueden cambiar la cita</translation>
    </message>
    <message>
        <source>Sentari runs on this display already</source>
        <translation>Sentari ya se está ejecutando en esta pantalla</translation>
    </message>
</context>
<context>
    <name>sentari::platform::HelpPages</name>
    <message>
        <source>No viewer registered for html files
or helpfile not present in %1</source>
        <translation>No hay ningún visor registrado para archivos html
o el archivo de ayuda no está en %1</translation>
    </message>
</context>
<context>
    <name>sentari::saver::OptionsDialog</name>
    <message>
        <source>Black &amp; White</source>
        <translation>Blanco &amp; negro</translation>
    </message>
    <message>
        <source>Bordeaux</source>
        <translation>Burdeos</translation>
    </message>
    <message>
        <source>Forrest</source>
        <translation>Bosque</translation>
    </message>
    <message>
        <source>Mellow</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Old monitor</source>
        <translation>Monitor antiguo</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálido</translation>
    </message>
    <message>
        <source>Sentarisaver options</source>
        <translation>Opciones de Sentarisaver</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Olas</translation>
    </message>
    <message>
        <source>Horizontal bounce</source>
        <translation>Rebote horizontal</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Disparo</translation>
    </message>
    <message>
        <source>Trampoline</source>
        <translation>Trampolín</translation>
    </message>
    <message>
        <source>Appear</source>
        <translation>Aparición</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>InsideOut</source>
        <translation>De dentro afuera</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Revoltijo</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corta</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>wait</comment>
        <translation>Media</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Larga</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>speed</comment>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>A screen-saver password, not a session lock: other programs can end the saver or read the keys typed; to lock the session, run Sentarisaver as a hack under your desktop&apos;s locker (xscreensaver&apos;s lock).</source>
        <translation>Una contraseña de salvapantallas, no un bloqueo de sesión: otros programas pueden terminar el salvapantallas o leer las teclas pulsadas; para bloquear la sesión, ejecute Sentarisaver como módulo bajo el bloqueo de su escritorio (el de xscreensaver).</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Haga clic para cambiar el color</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>The stored password is damaged and could never be typed, so the screen saver does not lock. Please choose a new password.</source>
        <translation>La contraseña guardada está dañada y nunca se podría escribir, así que el salvapantallas no bloquea. Elija una contraseña nueva.</translation>
    </message>
    <message>
        <source>&amp;Transition</source>
        <translation>&amp;Transición</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>&amp;Wait for new Quote</source>
        <translation>Espera de cita &amp;nueva</translation>
    </message>
    <message>
        <source>Spee&amp;d of transition</source>
        <translation>&amp;Velocidad de transición</translation>
    </message>
    <message>
        <source>&amp;Password protection</source>
        <translation>P&amp;rotección por contraseña</translation>
    </message>
    <message>
        <source>Color &amp;scheme</source>
        <translation>&amp;Esquema de colores</translation>
    </message>
    <message>
        <source>Fo&amp;reground color</source>
        <translation>Color del te&amp;xto</translation>
    </message>
    <message>
        <source>&amp;Background color</source>
        <translation>Color de f&amp;ondo</translation>
    </message>
    <message>
        <source>Ra&amp;ndom foreground colors</source>
        <translation>Colores de texto al a&amp;zar</translation>
    </message>
</context>
<context>
    <name>sentari::saver::PasswordDialog</name>
    <message>
        <source>Password protection</source>
        <translation>Protección por contraseña</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Cambiar la contraseña</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Password confirmation failed, try again</source>
        <translation>La confirmación de la contraseña ha fallado, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>You used illegal characters, try again</source>
        <translation>Ha usado caracteres no permitidos, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>C&amp;ontraseña</translation>
    </message>
    <message>
        <source>Con&amp;firm password</source>
        <translation>Con&amp;firmar la contraseña</translation>
    </message>
</context>
<context>
    <name>sentari::saver::SaverWindow</name>
    <message>
        <source>Another program holds the keyboard or mouse: what you type may go to it.</source>
        <translation>Otro programa tiene el teclado o el ratón: lo que escriba puede ir a él.</translation>
    </message>
    <message>
        <source>You have to select a Sentari datafile first, run Sentari to select one.</source>
        <translation>Primero tiene que elegir un archivo de citas de Sentari; ejecute Sentari para elegir uno.</translation>
    </message>
</context>
<context>
    <name>sentari::saver::UnlockPanel</name>
    <message>
        <source>Enter your password to unlock</source>
        <translation>Escriba su contraseña para desbloquear</translation>
    </message>
</context>
<context>
    <name>sentari::signature::SignatureWindow</name>
    <message>
        <source>Add your signature information here.

For example:

greetings,

Pim Valder
https://www.example.com/pimvalder/

%1</source>
        <translation>Añada aquí los datos de su firma.

Por ejemplo:

saludos,

Pim Valder
https://www.example.com/pimvalder/

%1</translation>
    </message>
    <message>
        <source>The signature list could not be saved: another program kept changing the settings file. Try again.</source>
        <translation>No se pudo guardar la lista de firmas: otro programa no dejaba de cambiar el archivo de configuración. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sentari cannot open a Richtext formatted file.
Sentari can only save in the Richtext format.

If you want to attach a quote to an existing RTF file
add the following tag to that file using your favorite editor:

%1</source>
        <translation>Sentari no puede abrir un archivo con formato RTF.
Sentari solo puede guardar en formato RTF.

Si quiere añadir una cita a un archivo RTF existente,
agregue esta etiqueta a ese archivo con su editor favorito:

%1</translation>
    </message>
    <message>
        <source>Signature control</source>
        <translation>Gestión de firmas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Font (RichText)</source>
        <translation>&amp;Fuente (RTF)</translation>
    </message>
    <message>
        <source>&amp;Color (RichText)</source>
        <translation>&amp;Color (RTF)</translation>
    </message>
    <message>
        <source>&amp;New Quote After Each Read</source>
        <translation>Cita &amp;nueva tras cada lectura</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>&amp;Random Quote</source>
        <translation>Cita al &amp;azar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>Signature file</source>
        <translation>Archivo de firma</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf |HTML File (*.htm)|*.htm</source>
        <extracomment>Only the names before the brackets are shown; the patterns stay as they are.</extracomment>
        <translation>Texto (*.txt)|*.txt|Texto RTF (*.rtf)|*.rtf |Archivo HTML (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>The signature %1 was removed by another program since this window read it.

Save this window&apos;s version as a new signature? No leaves it removed.</source>
        <translation>Otro programa ha quitado la firma %1 desde que esta ventana la leyó.

¿Guardar la versión de esta ventana como firma nueva? No la deja quitada.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Remove it anyway? No keeps the other program&apos;s version.</source>
        <translation>Otro programa ha cambiado la firma %1 (%2) desde que esta ventana la leyó.

¿Quitarla de todos modos? No conserva la versión del otro programa.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Save this window&apos;s version over it? No keeps the other program&apos;s version.</source>
        <translation>Otro programa ha cambiado la firma %1 (%2) desde que esta ventana la leyó.

¿Guardar encima la versión de esta ventana? No conserva la versión del otro programa.</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
</context>
<context>
    <name>sentari::tray::AskOnceDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask this again</source>
        <translation>No &amp;volver a preguntar</translation>
    </message>
</context>
<context>
    <name>sentari::tray::Automation</name>
    <message>
        <source>Sentari has no quote data file; the user chose none and Sentari ended.</source>
        <translation>Sentari no tiene archivo de citas; el usuario no eligió ninguno y Sentari terminó.</translation>
    </message>
    <message>
        <source>Sentari has no quote data file; the user at the screen is choosing one.</source>
        <translation>Sentari no tiene archivo de citas; el usuario ante la pantalla está eligiendo uno.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file: %1</source>
        <translation>La cita nueva no se pudo poner en todos los archivos de firma: %1</translation>
    </message>
    <message>
        <source>no session D-Bus to reach Sentari: %1</source>
        <translation>no hay D-Bus de sesión para llegar a Sentari: %1</translation>
    </message>
    <message>
        <source>the quote was not changed: %1</source>
        <translation>la cita no se cambió: %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuoteKeeper</name>
    <message>
        <source>Currently you have no active Sentari datafile. Choose a datafile.</source>
        <translation>Ahora mismo no tiene ningún archivo de citas de Sentari activo. Elija uno.</translation>
    </message>
    <message>
        <source>No quote data file is chosen yet.</source>
        <translation>Todavía no se ha elegido ningún archivo de citas.</translation>
    </message>
    <message>
        <source>Sentari asks the user at the screen to choose a quote data file.</source>
        <translation>Sentari pide al usuario ante la pantalla que elija un archivo de citas.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file.

%1</source>
        <translation>La cita nueva no se pudo poner en todos los archivos de firma.

%1</translation>
    </message>
    <message>
        <source>Choose the Sentari data file</source>
        <translation>Elegir el archivo de citas de Sentari</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <extracomment>Only the name before the brackets is shown; the pattern stays as it is.</extracomment>
        <translation>Texto (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Do you want to add the current clipboard content to the Sentari datafile?</source>
        <translation>¿Quiere añadir el contenido del portapapeles al archivo de citas de Sentari?</translation>
    </message>
    <message>
        <source>There is no active Sentari datafile to add the quote to. Choose one with &quot;Change Sentari data file&quot;.</source>
        <translation>No hay ningún archivo de citas de Sentari activo al que añadir la cita. Elija uno con «Cambiar el archivo de datos de Sentari».</translation>
    </message>
    <message>
        <source>There is no current quote to delete.</source>
        <translation>No hay ninguna cita actual que eliminar.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current quote?</source>
        <translation>¿Seguro que quiere eliminar la cita actual?</translation>
    </message>
    <message>
        <source>The current quote is no longer in the data file &quot;%1&quot;; nothing was deleted.</source>
        <translation>La cita actual ya no está en el archivo de citas «%1»; no se eliminó nada.</translation>
    </message>
    <message>
        <source>Do you want to create/select an e-mail signature file?

- Your quotes will be automatically added to this file.
- You can always do this later by selecting &apos;Change Signature&apos; from the Sentari menu (right click the Sentari icon).</source>
        <translation>¿Quiere crear o elegir un archivo de firma de correo?

- Sus citas se añadirán automáticamente a este archivo.
- Siempre puede hacerlo más tarde con «Cambiar la firma» en el menú de Sentari (clic derecho en el icono de Sentari).</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuotePerRead</name>
    <message>
        <source>no new quote after a signature was read: %1</source>
        <translation>no hay cita nueva tras leerse una firma: %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::TrayMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Sentari screensa&amp;ver</source>
        <translation>Sal&amp;vapantallas Sentari</translation>
    </message>
    <message>
        <source>Add quote to &amp;Clipboard</source>
        <translation>Cita al &amp;portapapeles</translation>
    </message>
    <message>
        <source>Add clipboard to Sentari &amp;Data</source>
        <translation>Portapapeles a los &amp;datos de Sentari</translation>
    </message>
    <message>
        <source>&amp;Delete quote</source>
        <translation>&amp;Eliminar la cita</translation>
    </message>
    <message>
        <source>Change &amp;Sentari data file</source>
        <translation>Cambiar el archivo de datos de &amp;Sentari</translation>
    </message>
    <message>
        <source>Change &amp;Signature</source>
        <translation>Cambiar la &amp;firma</translation>
    </message>
    <message>
        <source>Add signature to &amp;Clipboard</source>
        <translation>Firma al porta&amp;papeles</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>SentariSaver not installed.</source>
        <translation>SentariSaver no está instalado.</translation>
    </message>
</context>
<context>
    <name>sentari::tray::WaitNotice</name>
    <message>
        <source>Sentari waits for a notification area (system tray).
Its icon appears as soon as one starts.</source>
        <translation>Sentari espera un área de notificación (bandeja del sistema).
Su icono aparece en cuanto se inicie una.</translation>
    </message>
</context>
<context>
    <name>sentarisaver</name>
    <message>
        <source>Activate password protection in Sentarisaver settings.</source>
        <translation>Active la protección por contraseña en la configuración de Sentarisaver.</translation>
    </message>
    <message>
        <source>Usage: sentarisaver [/s | /c | /p | /a]
       sentarisaver -root | -window-id ID

  /s              show the screen saver full-screen
  /c              open the options (also without a switch)
  /p              preview: ends at once
  /a              tell where password protection is set
  -root           draw into the window xscreensaver hands over (XSCREENSAVER_WINDOW),
                  or into the root window (also --root)
  -window-id ID   draw into the X window ID (also --window-id)
  -effect N       with -root or -window-id: effect N (0 random, 1 to 8) instead of
                  the stored one; -speed N and -wait N (0 to 2) likewise
  --help, --version  print this text or the version and exit
</source>
        <translation>Uso: sentarisaver [/s | /c | /p | /a]
     sentarisaver -root | -window-id ID

  /s              mostrar el salvapantallas a pantalla completa
  /c              abrir las opciones (también sin modificador)
  /p              vista previa: termina enseguida
  /a              decir dónde se configura la protección por contraseña
  -root           dibujar en la ventana que entrega xscreensaver (XSCREENSAVER_WINDOW),
                  o en la ventana raíz (también --root)
  -window-id ID   dibujar en la ventana X con ese ID (también --window-id)
  -effect N       con -root o -window-id: el efecto N (0 al azar, 1 a 8) en lugar del
                  guardado; -speed N y -wait N (0 a 2) igual
  --help, --version  imprimir este texto o la versión y salir
</translation>
    </message>
    <message>
        <source>the stored password is damaged and could never be typed, so the screen is not locked; set a new password with sentarisaver /c</source>
        <translation>la contraseña guardada está dañada y nunca se podría escribir, así que la pantalla no se bloquea; ponga una contraseña nueva con sentarisaver /c</translation>
    </message>
    <message>
        <source>cannot draw into that window</source>
        <translation>no se puede dibujar en esa ventana</translation>
    </message>
    <message>
        <source>%1 takes a number in its range; the stored setting is used</source>
        <translation>%1 espera un número dentro de su rango; se usa el ajuste guardado</translation>
    </message>
    <message>
        <source>Sentarisaver is already running</source>
        <translation>Sentarisaver ya se está ejecutando</translation>
    </message>
</context>
</TS>
