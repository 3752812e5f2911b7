<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppStream</name>
    <message>
        <source>Quote companion for the notification area and your e-mail signatures</source>
        <translation>Citatenmetgezel voor het systeemvak en je e-mailhandtekeningen</translation>
    </message>
    <message>
        <source>Sentari keeps one plain-text file of quotes, one quote per line, and brings its sayings to you. It lives in the notification area: rest the mouse on its icon to see the current quote, click for a new one.</source>
        <translation>Sentari beheert één tekstbestand met citaten, één citaat per regel, en brengt je de uitspraken. Het woont in het systeemvak: laat de muis op het pictogram rusten om het huidige citaat te zien, klik voor een nieuw citaat.</translation>
    </message>
    <message>
        <source>Every new quote is written into your e-mail signature files (plain text, HTML or rich text).</source>
        <translation>Elk nieuw citaat wordt in je e-mailhandtekeningbestanden geschreven (platte tekst, HTML of RTF).</translation>
    </message>
    <message>
        <source>Add the clipboard&apos;s text as a new quote, or delete the current one.</source>
        <translation>Voeg de tekst op het klembord toe als nieuw citaat, of verwijder het huidige.</translation>
    </message>
    <message>
        <source>Print a random quote for mail programs and shell prompts, as fortune does.</source>
        <translation>Druk een willekeurig citaat af voor mailprogramma&apos;s en shellprompts, zoals fortune dat doet.</translation>
    </message>
    <message>
        <source>A screen saver shows random quotes line by line with eight animated effects.</source>
        <translation>Een schermbeveiliging toont willekeurige citaten regel voor regel met acht geanimeerde effecten.</translation>
    </message>
    <message>
        <source>The current quote, shown while the mouse rests on the tray icon</source>
        <translation>Het huidige citaat, getoond terwijl de muis op het pictogram rust</translation>
    </message>
    <message>
        <source>The tray menu</source>
        <translation>Het menu van het pictogram</translation>
    </message>
    <message>
        <source>The signature window with a signature template and its File menu</source>
        <translation>Het handtekeningvenster met een handtekeningsjabloon en het menu Bestand</translation>
    </message>
    <message>
        <source>The screen saver bringing a quote onto the screen with the Waves effect</source>
        <translation>De schermbeveiliging brengt een citaat op het scherm met het effect Golven</translation>
    </message>
    <message>
        <source>The screen saver&apos;s options</source>
        <translation>De opties van de schermbeveiliging</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Quote companion</source>
        <translation>Citatenmetgezel</translation>
    </message>
    <message>
        <source>Shows a quote from your collection in the notification area and puts it into your e-mail signatures</source>
        <translation>Toont een citaat uit je verzameling in het systeemvak en zet het in je e-mailhandtekeningen</translation>
    </message>
    <message>
        <source>quote;saying;signature;e-mail;fortune;</source>
        <translation>citaat;uitspraak;handtekening;e-mail;fortune;</translation>
    </message>
    <message>
        <source>Sentari Screen Saver</source>
        <translation>Sentari-schermbeveiliging</translation>
    </message>
    <message>
        <source>Screen saver settings</source>
        <translation>Instellingen van de schermbeveiliging</translation>
    </message>
    <message>
        <source>Choose the effect, font, colours, timing and password of the Sentari quote screen saver</source>
        <translation>Kies het effect, het lettertype, de kleuren, de tijden en het wachtwoord van de Sentari-citatenschermbeveiliging</translation>
    </message>
    <message>
        <source>screensaver;screen saver;quote;</source>
        <translation>schermbeveiliging;screensaver;citaat;</translation>
    </message>
    <message>
        <source>Starts Sentari in the notification area when you log in, once it has a quote file</source>
        <translation>Start Sentari bij het aanmelden in het systeemvak, zodra het een citatenbestand heeft</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Sentari help</source>
        <translation>Sentari-hulp</translation>
    </message>
    <message>
        <source>Sentari signature window help</source>
        <translation>Hulp bij het Sentari-handtekeningvenster</translation>
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
        <translation>Gebruik: sentari [--data-file BESTAND] [--print-quote | --print-signature [N] | --change-quote]
                [-s | -l] [-n N] [--html-document]

Zonder opties start Sentari in het systeemvak.
  --print-quote       één citaat uit het actieve citatenbestand afdrukken en stoppen
  --print-signature [N]
                      handtekening N (1 indien niet gegeven) met een nieuw citaat afdrukken
                      en stoppen
  --html-document     met --print-signature: een HTML-handtekening als heel document
                      afdrukken (voor de handtekeningscripts van Evolution)
  -s                  met een afdrukoptie: alleen citaten van hoogstens N tekens
  -l                  met een afdrukoptie: alleen citaten langer dan N tekens
  -n N                de N van -s en -l (160 indien niet gegeven)
  --change-quote      de draaiende Sentari een nieuw citaat laten kiezen
  --data-file BESTAND eerst BESTAND het actieve citatenbestand maken
  --autostart         alleen in het systeemvak starten als er een citatenbestand gekozen
                      is; anders meteen stoppen zonder iets te vragen (de aanmeldingsitem)
  --help, --version   deze tekst of de versie afdrukken en stoppen

Afsluitstatus: 0 bij succes, 1 als er niets afgedrukt of gedaan kon worden, 2 bij een
verkeerde opdrachtregel.
</translation>
    </message>
    <message>
        <source>no session D-Bus; other programs cannot change the quote</source>
        <translation>geen sessie-D-Bus; andere programma&apos;s kunnen het citaat niet veranderen</translation>
    </message>
    <message>
        <source>Sentari runs on this display already</source>
        <translation>Sentari draait al op dit scherm</translation>
    </message>
</context>
<context>
    <name>sentari::platform::HelpPages</name>
    <message>
        <source>No viewer registered for html files
or helpfile not present in %1</source>
        <translation>Geen viewer voor html-bestanden geregistreerd
of helpbestand niet aanwezig in %1</translation>
    </message>
</context>
<context>
    <name>sentari::saver::OptionsDialog</name>
    <message>
        <source>Black &amp; White</source>
        <translation>Zwart &amp; wit</translation>
    </message>
    <message>
        <source>Bordeaux</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Forrest</source>
        <translation>Woud</translation>
    </message>
    <message>
        <source>Mellow</source>
        <translation>Zacht</translation>
    </message>
    <message>
        <source>Old monitor</source>
        <translation>Oude monitor</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Presentatie</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Sentarisaver options</source>
        <translation>Sentarisaver-opties</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Stijlen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Golven</translation>
    </message>
    <message>
        <source>Horizontal bounce</source>
        <translation>Horizontaal stuiteren</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Schieten</translation>
    </message>
    <message>
        <source>Trampoline</source>
        <translation>Trampoline</translation>
    </message>
    <message>
        <source>Appear</source>
        <translation>Verschijnen</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>InsideOut</source>
        <translation>Binnenstebuiten</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Door elkaar</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>wait</comment>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langzaam</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>speed</comment>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Snel</translation>
    </message>
    <message>
        <source>A screen-saver password, not a session lock: other programs can end the saver or read the keys typed; to lock the session, run Sentarisaver as a hack under your desktop&apos;s locker (xscreensaver&apos;s lock).</source>
        <translation>Een wachtwoord van de schermbeveiliging, geen sessievergrendeling: andere programma&apos;s kunnen de beveiliging beëindigen of de getypte toetsen lezen; om de sessie te vergrendelen, laat je Sentarisaver als module onder de vergrendeling van je bureaublad draaien (die van xscreensaver).</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Klik om de kleur te veranderen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Toepassen</translation>
    </message>
    <message>
        <source>The stored password is damaged and could never be typed, so the screen saver does not lock. Please choose a new password.</source>
        <translation>Het opgeslagen wachtwoord is beschadigd en kan nooit getypt worden, dus de schermbeveiliging vergrendelt niet. Kies een nieuw wachtwoord.</translation>
    </message>
    <message>
        <source>&amp;Transition</source>
        <translation>Over&amp;gang</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Lettertype</translation>
    </message>
    <message>
        <source>&amp;Wait for new Quote</source>
        <translation>Wacht&amp;en op nieuw citaat</translation>
    </message>
    <message>
        <source>Spee&amp;d of transition</source>
        <translation>&amp;Snelheid van overgang</translation>
    </message>
    <message>
        <source>&amp;Password protection</source>
        <translation>Wachtwoord&amp;beveiliging</translation>
    </message>
    <message>
        <source>Color &amp;scheme</source>
        <translation>&amp;Kleurenschema</translation>
    </message>
    <message>
        <source>Fo&amp;reground color</source>
        <translation>&amp;Voorgrondkleur</translation>
    </message>
    <message>
        <source>&amp;Background color</source>
        <translation>A&amp;chtergrondkleur</translation>
    </message>
    <message>
        <source>Ra&amp;ndom foreground colors</source>
        <translation>&amp;Willekeurige voorgrondkleuren</translation>
    </message>
</context>
<context>
    <name>sentari::saver::PasswordDialog</name>
    <message>
        <source>Password protection</source>
        <translation>Wachtwoordbeveiliging</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Password confirmation failed, try again</source>
        <translation>Wachtwoordbevestiging mislukt, probeer het opnieuw</translation>
    </message>
    <message>
        <source>You used illegal characters, try again</source>
        <translation>Je hebt ongeldige tekens gebruikt, probeer het opnieuw</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Wachtwoord</translation>
    </message>
    <message>
        <source>Con&amp;firm password</source>
        <translation>Wachtwoord &amp;bevestigen</translation>
    </message>
</context>
<context>
    <name>sentari::saver::SaverWindow</name>
    <message>
        <source>Another program holds the keyboard or mouse: what you type may go to it.</source>
        <translation>Een ander programma houdt het toetsenbord of de muis vast: wat je typt kan daar terechtkomen.</translation>
    </message>
    <message>
        <source>You have to select a Sentari datafile first, run Sentari to select one.</source>
        <translation>Je moet eerst een Sentari-citatenbestand kiezen; start Sentari om er een te kiezen.</translation>
    </message>
</context>
<context>
    <name>sentari::saver::UnlockPanel</name>
    <message>
        <source>Enter your password to unlock</source>
        <translation>Voer je wachtwoord in om te ontgrendelen</translation>
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
        <translation>Voeg hier je handtekeninggegevens toe.

Bijvoorbeeld:

met vriendelijke groet,

Pim Valder
https://www.example.com/pimvalder/

%1</translation>
    </message>
    <message>
        <source>The signature list could not be saved: another program kept changing the settings file. Try again.</source>
        <translation>De lijst met handtekeningen kon niet worden opgeslagen: een ander programma bleef het instellingenbestand veranderen. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Sentari cannot open a Richtext formatted file.
Sentari can only save in the Richtext format.

If you want to attach a quote to an existing RTF file
add the following tag to that file using your favorite editor:

%1</source>
        <translation>Sentari kan geen bestand in RTF-opmaak openen.
Sentari kan in RTF-opmaak alleen opslaan.

Wil je een citaat aan een bestaand RTF-bestand toevoegen,
zet dan met je favoriete editor deze markering in dat bestand:

%1</translation>
    </message>
    <message>
        <source>Signature control</source>
        <translation>Handtekeningbeheer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Opslaan &amp;als</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Font (RichText)</source>
        <translation>&amp;Lettertype (RTF)</translation>
    </message>
    <message>
        <source>&amp;Color (RichText)</source>
        <translation>&amp;Kleur (RTF)</translation>
    </message>
    <message>
        <source>&amp;New Quote After Each Read</source>
        <translation>&amp;Nieuw citaat na elke keer lezen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Invoegen</translation>
    </message>
    <message>
        <source>&amp;Random Quote</source>
        <translation>&amp;Willekeurig citaat</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Meer</translation>
    </message>
    <message>
        <source>Signature file</source>
        <translation>Handtekeningbestand</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf |HTML File (*.htm)|*.htm</source>
        <extracomment>Only the names before the brackets are shown; the patterns stay as they are.</extracomment>
        <translation>Tekst (*.txt)|*.txt|RTF-tekst (*.rtf)|*.rtf |HTML-bestand (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>The signature %1 was removed by another program since this window read it.

Save this window&apos;s version as a new signature? No leaves it removed.</source>
        <translation>De handtekening %1 is door een ander programma verwijderd sinds dit venster haar las.

De versie van dit venster als nieuwe handtekening opslaan? Nee laat haar verwijderd.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Remove it anyway? No keeps the other program&apos;s version.</source>
        <translation>Handtekening %1 (%2) is door een ander programma veranderd sinds dit venster haar las.

Toch verwijderen? Nee houdt de versie van het andere programma.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Save this window&apos;s version over it? No keeps the other program&apos;s version.</source>
        <translation>Handtekening %1 (%2) is door een ander programma veranderd sinds dit venster haar las.

De versie van dit venster eroverheen opslaan? Nee houdt de versie van het andere programma.</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Handtekening</translation>
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
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask this again</source>
        <translation>&amp;Dit niet meer vragen</translation>
    </message>
</context>
<context>
    <name>sentari::tray::Automation</name>
    <message>
        <source>Sentari has no quote data file; the user chose none and Sentari ended.</source>
        <translation>Sentari heeft geen citatenbestand; de gebruiker koos er geen en Sentari is gestopt.</translation>
    </message>
    <message>
        <source>Sentari has no quote data file; the user at the screen is choosing one.</source>
        <translation>Sentari heeft geen citatenbestand; de gebruiker aan het scherm kiest er een.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file: %1</source>
        <translation>Het nieuwe citaat kon niet in elk handtekeningbestand worden gezet: %1</translation>
    </message>
    <message>
        <source>no session D-Bus to reach Sentari: %1</source>
        <translation>geen sessie-D-Bus om Sentari te bereiken: %1</translation>
    </message>
    <message>
        <source>the quote was not changed: %1</source>
        <translation>het citaat is niet veranderd: %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuoteKeeper</name>
    <message>
        <source>Currently you have no active Sentari datafile. Choose a datafile.</source>
        <translation>Je hebt op dit moment geen actief Sentari-citatenbestand. Kies een citatenbestand.</translation>
    </message>
    <message>
        <source>No quote data file is chosen yet.</source>
        <translation>Er is nog geen citatenbestand gekozen.</translation>
    </message>
    <message>
        <source>Sentari asks the user at the screen to choose a quote data file.</source>
        <translation>Sentari vraagt de gebruiker aan het scherm een citatenbestand te kiezen.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file.

%1</source>
        <translation>Het nieuwe citaat kon niet in elk handtekeningbestand worden gezet.

%1</translation>
    </message>
    <message>
        <source>Choose the Sentari data file</source>
        <translation>Kies het Sentari-citatenbestand</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <extracomment>Only the name before the brackets is shown; the pattern stays as it is.</extracomment>
        <translation>Tekst (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Do you want to add the current clipboard content to the Sentari datafile?</source>
        <translation>Wil je de inhoud van het klembord aan het Sentari-citatenbestand toevoegen?</translation>
    </message>
    <message>
        <source>There is no active Sentari datafile to add the quote to. Choose one with &quot;Change Sentari data file&quot;.</source>
        <translation>Er is geen actief Sentari-citatenbestand om het citaat aan toe te voegen. Kies er een met &quot;Sentari-citatenbestand wijzigen&quot;.</translation>
    </message>
    <message>
        <source>There is no current quote to delete.</source>
        <translation>Er is geen huidig citaat om te verwijderen.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current quote?</source>
        <translation>Weet je zeker dat je het huidige citaat wilt verwijderen?</translation>
    </message>
    <message>
        <source>The current quote is no longer in the data file &quot;%1&quot;; nothing was deleted.</source>
        <translation>Het huidige citaat staat niet meer in het citatenbestand &quot;%1&quot;; er is niets verwijderd.</translation>
    </message>
    <message>
        <source>Do you want to create/select an e-mail signature file?

- Your quotes will be automatically added to this file.
- You can always do this later by selecting &apos;Change Signature&apos; from the Sentari menu (right click the Sentari icon).</source>
        <translation>Wil je een e-mailhandtekeningbestand maken of kiezen?

- Je citaten worden automatisch aan dit bestand toegevoegd.
- Je kunt dit later altijd doen met &quot;Handtekening wijzigen&quot; in het Sentari-menu (rechtsklik op het Sentari-pictogram).</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuotePerRead</name>
    <message>
        <source>no new quote after a signature was read: %1</source>
        <translation>geen nieuw citaat nadat een handtekening gelezen is: %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::TrayMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Sentari screensa&amp;ver</source>
        <translation>Sentari-schermbe&amp;veiliging</translation>
    </message>
    <message>
        <source>Add quote to &amp;Clipboard</source>
        <translation>Citaat naar &amp;klembord</translation>
    </message>
    <message>
        <source>Add clipboard to Sentari &amp;Data</source>
        <translation>Klembord toevoegen aan Sentari-&amp;citaten</translation>
    </message>
    <message>
        <source>&amp;Delete quote</source>
        <translation>Citaat &amp;verwijderen</translation>
    </message>
    <message>
        <source>Change &amp;Sentari data file</source>
        <translation>&amp;Sentari-citatenbestand wijzigen</translation>
    </message>
    <message>
        <source>Change &amp;Signature</source>
        <translation>&amp;Handtekening wijzigen</translation>
    </message>
    <message>
        <source>Add signature to &amp;Clipboard</source>
        <translation>Handtekening naar klem&amp;bord</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>SentariSaver not installed.</source>
        <translation>SentariSaver is niet geïnstalleerd.</translation>
    </message>
</context>
<context>
    <name>sentari::tray::WaitNotice</name>
    <message>
        <source>Sentari waits for a notification area (system tray).
Its icon appears as soon as one starts.</source>
        <translation>Sentari wacht op een systeemvak.
Het pictogram verschijnt zodra er een start.</translation>
    </message>
</context>
<context>
    <name>sentarisaver</name>
    <message>
        <source>Activate password protection in Sentarisaver settings.</source>
        <translation>Zet de wachtwoordbeveiliging aan in de instellingen van Sentarisaver.</translation>
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
        <translation>Gebruik: sentarisaver [/s | /c | /p | /a]
         sentarisaver -root | -window-id ID

  /s              de schermbeveiliging schermvullend tonen
  /c              de opties openen (ook zonder schakelaar)
  /p              voorbeeld: stopt meteen
  /a              zeggen waar de wachtwoordbeveiliging wordt ingesteld
  -root           tekenen in het venster dat xscreensaver geeft (XSCREENSAVER_WINDOW),
                  of in het hoofdvenster (ook --root)
  -window-id ID   tekenen in het X-venster ID (ook --window-id)
  -effect N       met -root of -window-id: effect N (0 willekeurig, 1 tot 8) in plaats
                  van het opgeslagen effect; -speed N en -wait N (0 tot 2) evenzo
  --help, --version  deze tekst of de versie afdrukken en stoppen
</translation>
    </message>
    <message>
        <source>the stored password is damaged and could never be typed, so the screen is not locked; set a new password with sentarisaver /c</source>
        <translation>het opgeslagen wachtwoord is beschadigd en kan nooit getypt worden, dus het scherm wordt niet vergrendeld; stel een nieuw wachtwoord in met sentarisaver /c</translation>
    </message>
    <message>
        <source>cannot draw into that window</source>
        <translation>kan niet in dat venster tekenen</translation>
    </message>
    <message>
        <source>%1 takes a number in its range; the stored setting is used</source>
        <translation>%1 verwacht een getal binnen het bereik; de opgeslagen instelling wordt gebruikt</translation>
    </message>
    <message>
        <source>Sentarisaver is already running</source>
        <translation>Sentarisaver draait al</translation>
    </message>
</context>
</TS>
