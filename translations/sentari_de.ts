<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppStream</name>
    <message>
        <source>Quote companion for the notification area and your e-mail signatures</source>
        <translation>Zitatbegleiter für den Infobereich und Ihre E-Mail-Signaturen</translation>
    </message>
    <message>
        <source>Sentari keeps one plain-text file of quotes, one quote per line, and brings its sayings to you. It lives in the notification area: rest the mouse on its icon to see the current quote, click for a new one.</source>
        <translation>Sentari verwaltet eine Textdatei mit Zitaten, ein Zitat pro Zeile, und bringt Ihnen ihre Sprüche. Es lebt im Infobereich: Lassen Sie die Maus auf seinem Symbol ruhen, um das aktuelle Zitat zu sehen, und klicken Sie für ein neues.</translation>
    </message>
    <message>
        <source>Every new quote is written into your e-mail signature files (plain text, HTML or rich text).</source>
        <translation>Jedes neue Zitat wird in Ihre E-Mail-Signaturdateien geschrieben (reiner Text, HTML oder RTF).</translation>
    </message>
    <message>
        <source>Add the clipboard&apos;s text as a new quote, or delete the current one.</source>
        <translation>Fügen Sie den Text der Zwischenablage als neues Zitat hinzu oder löschen Sie das aktuelle.</translation>
    </message>
    <message>
        <source>Print a random quote for mail programs and shell prompts, as fortune does.</source>
        <translation>Geben Sie ein zufälliges Zitat für Mailprogramme und Shell-Eingabeaufforderungen aus, wie fortune es tut.</translation>
    </message>
    <message>
        <source>A screen saver shows random quotes line by line with eight animated effects.</source>
        <translation>Ein Bildschirmschoner zeigt zufällige Zitate Zeile für Zeile mit acht animierten Effekten.</translation>
    </message>
    <message>
        <source>The current quote, shown while the mouse rests on the tray icon</source>
        <translation>Das aktuelle Zitat, angezeigt, während die Maus auf dem Symbol ruht</translation>
    </message>
    <message>
        <source>The tray menu</source>
        <translation>Das Menü des Symbols</translation>
    </message>
    <message>
        <source>The signature window with a signature template and its File menu</source>
        <translation>Das Signaturfenster mit einer Signaturvorlage und seinem Menü „Datei“</translation>
    </message>
    <message>
        <source>The screen saver bringing a quote onto the screen with the Waves effect</source>
        <translation>Der Bildschirmschoner bringt ein Zitat mit dem Effekt „Wellen“ auf den Bildschirm</translation>
    </message>
    <message>
        <source>The screen saver&apos;s options</source>
        <translation>Die Einstellungen des Bildschirmschoners</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Quote companion</source>
        <translation>Zitatbegleiter</translation>
    </message>
    <message>
        <source>Shows a quote from your collection in the notification area and puts it into your e-mail signatures</source>
        <translation>Zeigt ein Zitat aus Ihrer Sammlung im Infobereich und setzt es in Ihre E-Mail-Signaturen</translation>
    </message>
    <message>
        <source>quote;saying;signature;e-mail;fortune;</source>
        <translation>Zitat;Spruch;Signatur;E-Mail;fortune;</translation>
    </message>
    <message>
        <source>Sentari Screen Saver</source>
        <translation>Sentari-Bildschirmschoner</translation>
    </message>
    <message>
        <source>Screen saver settings</source>
        <translation>Einstellungen des Bildschirmschoners</translation>
    </message>
    <message>
        <source>Choose the effect, font, colours, timing and password of the Sentari quote screen saver</source>
        <translation>Wählen Sie Effekt, Schrift, Farben, Zeiten und Passwort des Sentari-Zitat-Bildschirmschoners</translation>
    </message>
    <message>
        <source>screensaver;screen saver;quote;</source>
        <translation>Bildschirmschoner;Screensaver;Zitat;</translation>
    </message>
    <message>
        <source>Starts Sentari in the notification area when you log in, once it has a quote file</source>
        <translation>Startet Sentari bei der Anmeldung im Infobereich, sobald es eine Zitatdatei hat</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Sentari help</source>
        <translation>Sentari-Hilfe</translation>
    </message>
    <message>
        <source>Sentari signature window help</source>
        <translation>Hilfe zum Sentari-Signaturfenster</translation>
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
        <translation>Aufruf: sentari [--data-file DATEI] [--print-quote | --print-signature [N] | --change-quote]
               [-s | -l] [-n N] [--html-document]

Ohne Optionen startet Sentari im Infobereich.
  --print-quote       ein Zitat der aktiven Zitatdatei ausgeben und beenden
  --print-signature [N]
                      Signatur N (ohne Angabe 1) mit einem neuen Zitat ausgeben und beenden
  --html-document     mit --print-signature: eine HTML-Signatur als ganzes Dokument
                      ausgeben (für die Signaturskripte von Evolution)
  -s                  mit einer Ausgabeoption: nur Zitate mit höchstens N Zeichen
  -l                  mit einer Ausgabeoption: nur Zitate mit mehr als N Zeichen
  -n N                das N von -s und -l (ohne Angabe 160)
  --change-quote      das laufende Sentari ein neues Zitat wählen lassen
  --data-file DATEI   zuerst DATEI zur aktiven Zitatdatei machen
  --autostart         nur im Infobereich starten, wenn eine Zitatdatei gewählt ist;
                      sonst sofort ohne Rückfrage enden (der Anmeldeeintrag)
  --help, --version   diesen Text oder die Version ausgeben und beenden

Rückgabewert: 0 bei Erfolg, 1 wenn nichts ausgegeben oder getan werden konnte, 2 bei
einer falschen Befehlszeile.
</translation>
    </message>
    <message>
        <source>no session D-Bus; other programs cannot change the quote</source>
        <translation>kein Sitzungs-D-Bus; andere Programme können das Zitat nicht ändern</translation>
    </message>
    <message>
        <source>Sentari runs on this display already</source>
        <translation>Sentari läuft auf dieser Anzeige bereits</translation>
    </message>
</context>
<context>
    <name>sentari::platform::HelpPages</name>
    <message>
        <source>No viewer registered for html files
or helpfile not present in %1</source>
        <translation>Kein Betrachter für HTML-Dateien eingerichtet
oder Hilfedatei nicht vorhanden in %1</translation>
    </message>
</context>
<context>
    <name>sentari::saver::OptionsDialog</name>
    <message>
        <source>Black &amp; White</source>
        <translation>Schwarz &amp; Weiß</translation>
    </message>
    <message>
        <source>Bordeaux</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Forrest</source>
        <translation>Wald</translation>
    </message>
    <message>
        <source>Mellow</source>
        <translation>Sanft</translation>
    </message>
    <message>
        <source>Old monitor</source>
        <translation>Alter Monitor</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Präsentation</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Sentarisaver options</source>
        <translation>Sentarisaver-Einstellungen</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Wellen</translation>
    </message>
    <message>
        <source>Horizontal bounce</source>
        <translation>Waagrechtes Springen</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Schießen</translation>
    </message>
    <message>
        <source>Trampoline</source>
        <translation>Trampolin</translation>
    </message>
    <message>
        <source>Appear</source>
        <translation>Erscheinen</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>InsideOut</source>
        <translation>Von innen nach außen</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Durcheinander</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>wait</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>speed</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>A screen-saver password, not a session lock: other programs can end the saver or read the keys typed; to lock the session, run Sentarisaver as a hack under your desktop&apos;s locker (xscreensaver&apos;s lock).</source>
        <translation>Ein Passwort des Bildschirmschoners, keine Sitzungssperre: Andere Programme können den Schoner beenden oder die getippten Tasten lesen; um die Sitzung zu sperren, lassen Sie Sentarisaver als Modul unter der Sperre Ihres Desktops laufen (der Sperre von xscreensaver).</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Klicken, um die Farbe zu ändern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>The stored password is damaged and could never be typed, so the screen saver does not lock. Please choose a new password.</source>
        <translation>Das gespeicherte Passwort ist beschädigt und ließe sich nie eintippen, daher sperrt der Bildschirmschoner nicht. Bitte wählen Sie ein neues Passwort.</translation>
    </message>
    <message>
        <source>&amp;Transition</source>
        <translation>&amp;Übergang</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>&amp;Wait for new Quote</source>
        <translation>&amp;Warten auf neues Zitat</translation>
    </message>
    <message>
        <source>Spee&amp;d of transition</source>
        <translation>&amp;Tempo des Übergangs</translation>
    </message>
    <message>
        <source>&amp;Password protection</source>
        <translation>&amp;Passwortschutz</translation>
    </message>
    <message>
        <source>Color &amp;scheme</source>
        <translation>&amp;Farbschema</translation>
    </message>
    <message>
        <source>Fo&amp;reground color</source>
        <translation>&amp;Vordergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Background color</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Ra&amp;ndom foreground colors</source>
        <translation>&amp;Zufällige Vordergrundfarben</translation>
    </message>
</context>
<context>
    <name>sentari::saver::PasswordDialog</name>
    <message>
        <source>Password protection</source>
        <translation>Passwortschutz</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Password confirmation failed, try again</source>
        <translation>Die Bestätigung des Passworts ist fehlgeschlagen, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>You used illegal characters, try again</source>
        <translation>Sie haben unzulässige Zeichen verwendet, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Con&amp;firm password</source>
        <translation>Passwort &amp;bestätigen</translation>
    </message>
</context>
<context>
    <name>sentari::saver::SaverWindow</name>
    <message>
        <source>Another program holds the keyboard or mouse: what you type may go to it.</source>
        <translation>Ein anderes Programm hält Tastatur oder Maus: Was Sie tippen, kann dorthin gehen.</translation>
    </message>
    <message>
        <source>You have to select a Sentari datafile first, run Sentari to select one.</source>
        <translation>Sie müssen zuerst eine Sentari-Zitatdatei wählen; starten Sie Sentari, um eine zu wählen.</translation>
    </message>
</context>
<context>
    <name>sentari::saver::UnlockPanel</name>
    <message>
        <source>Enter your password to unlock</source>
        <translation>Geben Sie Ihr Passwort zum Entsperren ein</translation>
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
        <translation>Tragen Sie hier Ihre Signatur ein.

Zum Beispiel:

Viele Grüße

Pim Valder
https://www.example.com/pimvalder/

%1</translation>
    </message>
    <message>
        <source>The signature list could not be saved: another program kept changing the settings file. Try again.</source>
        <translation>Die Liste der Signaturen konnte nicht gespeichert werden: Ein anderes Programm hat die Einstellungsdatei fortwährend geändert. Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sentari cannot open a Richtext formatted file.
Sentari can only save in the Richtext format.

If you want to attach a quote to an existing RTF file
add the following tag to that file using your favorite editor:

%1</source>
        <translation>Sentari kann keine Datei im RTF-Format öffnen.
Sentari kann im RTF-Format nur speichern.

Wenn Sie einer vorhandenen RTF-Datei ein Zitat anfügen wollen,
setzen Sie mit Ihrem Lieblingseditor diese Marke in die Datei:

%1</translation>
    </message>
    <message>
        <source>Signature control</source>
        <translation>Signaturverwaltung</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Font (RichText)</source>
        <translation>&amp;Schrift (RTF)</translation>
    </message>
    <message>
        <source>&amp;Color (RichText)</source>
        <translation>&amp;Farbe (RTF)</translation>
    </message>
    <message>
        <source>&amp;New Quote After Each Read</source>
        <translation>&amp;Neues Zitat nach jedem Lesen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Random Quote</source>
        <translation>&amp;Zufälliges Zitat</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Weitere</translation>
    </message>
    <message>
        <source>Signature file</source>
        <translation>Signaturdatei</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf |HTML File (*.htm)|*.htm</source>
        <extracomment>Only the names before the brackets are shown; the patterns stay as they are.</extracomment>
        <translation>Text (*.txt)|*.txt|RTF-Text (*.rtf)|*.rtf |HTML-Datei (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>The signature %1 was removed by another program since this window read it.

Save this window&apos;s version as a new signature? No leaves it removed.</source>
        <translation>Die Signatur %1 wurde von einem anderen Programm entfernt, seit dieses Fenster sie gelesen hat.

Die Fassung dieses Fensters als neue Signatur speichern? Nein lässt sie entfernt.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Remove it anyway? No keeps the other program&apos;s version.</source>
        <translation>Die Signatur %1 (%2) wurde von einem anderen Programm geändert, seit dieses Fenster sie gelesen hat.

Trotzdem entfernen? Nein behält die Fassung des anderen Programms.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Save this window&apos;s version over it? No keeps the other program&apos;s version.</source>
        <translation>Die Signatur %1 (%2) wurde von einem anderen Programm geändert, seit dieses Fenster sie gelesen hat.

Die Fassung dieses Fensters darüber speichern? Nein behält die Fassung des anderen Programms.</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signatur</translation>
    </message>
</context>
<context>
    <name>sentari::tray::AskOnceDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask this again</source>
        <translation>Nicht mehr &amp;fragen</translation>
    </message>
</context>
<context>
    <name>sentari::tray::Automation</name>
    <message>
        <source>Sentari has no quote data file; the user chose none and Sentari ended.</source>
        <translation>Sentari hat keine Zitatdatei; der Benutzer hat keine gewählt und Sentari wurde beendet.</translation>
    </message>
    <message>
        <source>Sentari has no quote data file; the user at the screen is choosing one.</source>
        <translation>Sentari hat keine Zitatdatei; der Benutzer am Bildschirm wählt gerade eine.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file: %1</source>
        <translation>Das neue Zitat konnte nicht in jede Signaturdatei geschrieben werden: %1</translation>
    </message>
    <message>
        <source>no session D-Bus to reach Sentari: %1</source>
        <translation>kein Sitzungs-D-Bus, um Sentari zu erreichen: %1</translation>
    </message>
    <message>
        <source>the quote was not changed: %1</source>
        <translation>das Zitat wurde nicht geändert: %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuoteKeeper</name>
    <message>
        <source>Currently you have no active Sentari datafile. Choose a datafile.</source>
        <translation>Zurzeit haben Sie keine aktive Sentari-Zitatdatei. Wählen Sie eine Zitatdatei.</translation>
    </message>
    <message>
        <source>No quote data file is chosen yet.</source>
        <translation>Es ist noch keine Zitatdatei gewählt.</translation>
    </message>
    <message>
        <source>Sentari asks the user at the screen to choose a quote data file.</source>
        <translation>Sentari bittet den Benutzer am Bildschirm, eine Zitatdatei zu wählen.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file.

%1</source>
        <translation>Das neue Zitat konnte nicht in jede Signaturdatei geschrieben werden.

%1</translation>
    </message>
    <message>
        <source>Choose the Sentari data file</source>
        <translation>Sentari-Zitatdatei wählen</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <extracomment>Only the name before the brackets is shown; the pattern stays as it is.</extracomment>
        <translation>Text (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Do you want to add the current clipboard content to the Sentari datafile?</source>
        <translation>Möchten Sie den Inhalt der Zwischenablage zur Sentari-Zitatdatei hinzufügen?</translation>
    </message>
    <message>
        <source>There is no active Sentari datafile to add the quote to. Choose one with &quot;Change Sentari data file&quot;.</source>
        <translation>Es gibt keine aktive Sentari-Zitatdatei, der das Zitat hinzugefügt werden könnte. Wählen Sie eine mit „Sentari-Zitatdatei wechseln“.</translation>
    </message>
    <message>
        <source>There is no current quote to delete.</source>
        <translation>Es gibt kein aktuelles Zitat zum Löschen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current quote?</source>
        <translation>Möchten Sie das aktuelle Zitat wirklich löschen?</translation>
    </message>
    <message>
        <source>The current quote is no longer in the data file &quot;%1&quot;; nothing was deleted.</source>
        <translation>Das aktuelle Zitat steht nicht mehr in der Zitatdatei „%1“; es wurde nichts gelöscht.</translation>
    </message>
    <message>
        <source>Do you want to create/select an e-mail signature file?

- Your quotes will be automatically added to this file.
- You can always do this later by selecting &apos;Change Signature&apos; from the Sentari menu (right click the Sentari icon).</source>
        <translation>Möchten Sie eine E-Mail-Signaturdatei anlegen oder wählen?

- Ihre Zitate werden dieser Datei automatisch hinzugefügt.
- Sie können das jederzeit später tun, mit „Signatur ändern“ im Sentari-Menü (Rechtsklick auf das Sentari-Symbol).</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuotePerRead</name>
    <message>
        <source>no new quote after a signature was read: %1</source>
        <translation>kein neues Zitat, nachdem eine Signatur gelesen wurde: %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::TrayMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Sentari screensa&amp;ver</source>
        <translation>Sentari-Bildschirmscho&amp;ner</translation>
    </message>
    <message>
        <source>Add quote to &amp;Clipboard</source>
        <translation>Zitat in die &amp;Zwischenablage</translation>
    </message>
    <message>
        <source>Add clipboard to Sentari &amp;Data</source>
        <translation>Zwischenablage zu den Sentari-&amp;Zitaten</translation>
    </message>
    <message>
        <source>&amp;Delete quote</source>
        <translation>Zitat &amp;löschen</translation>
    </message>
    <message>
        <source>Change &amp;Sentari data file</source>
        <translation>&amp;Sentari-Zitatdatei wechseln</translation>
    </message>
    <message>
        <source>Change &amp;Signature</source>
        <translation>Si&amp;gnatur ändern</translation>
    </message>
    <message>
        <source>Add signature to &amp;Clipboard</source>
        <translation>Signatur in die Zwischen&amp;ablage</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>SentariSaver not installed.</source>
        <translation>SentariSaver ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>sentari::tray::WaitNotice</name>
    <message>
        <source>Sentari waits for a notification area (system tray).
Its icon appears as soon as one starts.</source>
        <translation>Sentari wartet auf einen Infobereich (Systemabschnitt der Leiste).
Sein Symbol erscheint, sobald einer startet.</translation>
    </message>
</context>
<context>
    <name>sentarisaver</name>
    <message>
        <source>Activate password protection in Sentarisaver settings.</source>
        <translation>Aktivieren Sie den Passwortschutz in den Sentarisaver-Einstellungen.</translation>
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
        <translation>Aufruf: sentarisaver [/s | /c | /p | /a]
        sentarisaver -root | -window-id ID

  /s              den Bildschirmschoner im Vollbild zeigen
  /c              die Einstellungen öffnen (auch ohne Schalter)
  /p              Vorschau: endet sofort
  /a              sagen, wo der Passwortschutz eingestellt wird
  -root           in das Fenster zeichnen, das xscreensaver übergibt (XSCREENSAVER_WINDOW),
                  oder in das Wurzelfenster (auch --root)
  -window-id ID   in das X-Fenster ID zeichnen (auch --window-id)
  -effect N       mit -root oder -window-id: Effekt N (0 zufällig, 1 bis 8) statt des
                  gespeicherten; -speed N und -wait N (0 bis 2) ebenso
  --help, --version  diesen Text oder die Version ausgeben und beenden
</translation>
    </message>
    <message>
        <source>the stored password is damaged and could never be typed, so the screen is not locked; set a new password with sentarisaver /c</source>
        <translation>das gespeicherte Passwort ist beschädigt und ließe sich nie eintippen, daher wird der Bildschirm nicht gesperrt; setzen Sie mit sentarisaver /c ein neues Passwort</translation>
    </message>
    <message>
        <source>cannot draw into that window</source>
        <translation>kann nicht in dieses Fenster zeichnen</translation>
    </message>
    <message>
        <source>%1 takes a number in its range; the stored setting is used</source>
        <translation>%1 erwartet eine Zahl aus seinem Bereich; die gespeicherte Einstellung gilt</translation>
    </message>
    <message>
        <source>Sentarisaver is already running</source>
        <translation>Sentarisaver läuft bereits</translation>
    </message>
</context>
</TS>
