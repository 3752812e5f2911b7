<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppStream</name>
    <message>
        <source>Quote companion for the notification area and your e-mail signatures</source>
        <translation>Compagnon de citations pour la zone de notification et vos signatures de courriel</translation>
    </message>
    <message>
        <source>Sentari keeps one plain-text file of quotes, one quote per line, and brings its sayings to you. It lives in the notification area: rest the mouse on its icon to see the current quote, click for a new one.</source>
        <translation>Sentari garde un fichier texte de citations, une citation par ligne, et vous en apporte les maximes. Il vit dans la zone de notification : laissez la souris sur son icône pour voir la citation en cours, cliquez pour en avoir une nouvelle.</translation>
    </message>
    <message>
        <source>Every new quote is written into your e-mail signature files (plain text, HTML or rich text).</source>
        <translation>Chaque nouvelle citation est écrite dans vos fichiers de signature (texte brut, HTML ou RTF).</translation>
    </message>
    <message>
        <source>Add the clipboard&apos;s text as a new quote, or delete the current one.</source>
        <translation>Ajoutez le texte du presse-papiers comme nouvelle citation, ou supprimez la citation en cours.</translation>
    </message>
    <message>
        <source>Print a random quote for mail programs and shell prompts, as fortune does.</source>
        <translation>Affichez une citation au hasard pour les logiciels de courriel et les invites du shell, comme le fait fortune.</translation>
    </message>
    <message>
        <source>A screen saver shows random quotes line by line with eight animated effects.</source>
        <translation>Un économiseur d&apos;écran affiche des citations au hasard, ligne par ligne, avec huit effets animés.</translation>
    </message>
    <message>
        <source>The current quote, shown while the mouse rests on the tray icon</source>
        <translation>La citation en cours, affichée tant que la souris reste sur l&apos;icône</translation>
    </message>
    <message>
        <source>The tray menu</source>
        <translation>Le menu de l&apos;icône</translation>
    </message>
    <message>
        <source>The signature window with a signature template and its File menu</source>
        <translation>La fenêtre des signatures avec un modèle de signature et son menu Fichier</translation>
    </message>
    <message>
        <source>The screen saver bringing a quote onto the screen with the Waves effect</source>
        <translation>L&apos;économiseur d&apos;écran amène une citation à l&apos;écran avec l&apos;effet Vagues</translation>
    </message>
    <message>
        <source>The screen saver&apos;s options</source>
        <translation>Les options de l&apos;économiseur d&apos;écran</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <source>Quote companion</source>
        <translation>Compagnon de citations</translation>
    </message>
    <message>
        <source>Shows a quote from your collection in the notification area and puts it into your e-mail signatures</source>
        <translation>Affiche une citation de votre collection dans la zone de notification et la place dans vos signatures de courriel</translation>
    </message>
    <message>
        <source>quote;saying;signature;e-mail;fortune;</source>
        <translation>citation;maxime;signature;courriel;fortune;</translation>
    </message>
    <message>
        <source>Sentari Screen Saver</source>
        <translation>Économiseur d&apos;écran Sentari</translation>
    </message>
    <message>
        <source>Screen saver settings</source>
        <translation>Réglages de l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>Choose the effect, font, colours, timing and password of the Sentari quote screen saver</source>
        <translation>Choisissez l&apos;effet, la police, les couleurs, les durées et le mot de passe de l&apos;économiseur d&apos;écran de citations Sentari</translation>
    </message>
    <message>
        <source>screensaver;screen saver;quote;</source>
        <translation>économiseur;écran de veille;citation;</translation>
    </message>
    <message>
        <source>Starts Sentari in the notification area when you log in, once it has a quote file</source>
        <translation>Démarre Sentari dans la zone de notification à l&apos;ouverture de session, dès qu&apos;il a un fichier de citations</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Sentari help</source>
        <translation>Aide de Sentari</translation>
    </message>
    <message>
        <source>Sentari signature window help</source>
        <translation>Aide de la fenêtre des signatures de Sentari</translation>
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
        <translation>Utilisation : sentari [--data-file FICHIER] [--print-quote | --print-signature [N] | --change-quote]
                      [-s | -l] [-n N] [--html-document]

Sans option, Sentari démarre dans la zone de notification.
  --print-quote       afficher une citation du fichier de citations actif et quitter
  --print-signature [N]
                      afficher la signature N (1 par défaut) avec une nouvelle citation
                      et quitter
  --html-document     avec --print-signature : afficher une signature HTML comme un
                      document entier (pour les scripts de signature d&apos;Evolution)
  -s                  avec une option d&apos;affichage : seulement les citations d&apos;au plus
                      N caractères
  -l                  avec une option d&apos;affichage : seulement les citations de plus de
                      N caractères
  -n N                le N de -s et -l (160 par défaut)
  --change-quote      faire choisir une nouvelle citation au Sentari en cours
  --data-file FICHIER faire d&apos;abord de FICHIER le fichier de citations actif
  --autostart         démarrer dans la zone de notification seulement si un fichier de
                      citations est choisi ; sinon quitter aussitôt, sans rien demander
                      (l&apos;entrée de connexion)
  --help, --version   afficher ce texte ou la version et quitter

Code de sortie : 0 en cas de succès, 1 si rien n&apos;a pu être affiché ou fait, 2 pour une
ligne de commande erronée.
</translation>
    </message>
    <message>
        <source>no session D-Bus; other programs cannot change the quote</source>
        <translation>pas de D-Bus de session ; les autres programmes ne peuvent pas changer la citation</translation>
    </message>
    <message>
        <source>Sentari runs on this display already</source>
        <translation>Sentari tourne déjà sur cet écran</translation>
    </message>
</context>
<context>
    <name>sentari::platform::HelpPages</name>
    <message>
        <source>No viewer registered for html files
or helpfile not present in %1</source>
        <translation>Aucune visionneuse enregistrée pour les fichiers html
ou fichier d&apos;aide absent de %1</translation>
    </message>
</context>
<context>
    <name>sentari::saver::OptionsDialog</name>
    <message>
        <source>Black &amp; White</source>
        <translation>Noir &amp; blanc</translation>
    </message>
    <message>
        <source>Bordeaux</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Forrest</source>
        <translation>Forêt</translation>
    </message>
    <message>
        <source>Mellow</source>
        <translation>Douceur</translation>
    </message>
    <message>
        <source>Old monitor</source>
        <translation>Vieux moniteur</translation>
    </message>
    <message>
        <source>Presentation</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaleur</translation>
    </message>
    <message>
        <source>Sentarisaver options</source>
        <translation>Options de Sentarisaver</translation>
    </message>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Vagues</translation>
    </message>
    <message>
        <source>Horizontal bounce</source>
        <translation>Rebond horizontal</translation>
    </message>
    <message>
        <source>Shoot</source>
        <translation>Tir</translation>
    </message>
    <message>
        <source>Trampoline</source>
        <translation>Trampoline</translation>
    </message>
    <message>
        <source>Appear</source>
        <translation>Apparition</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Frappe</translation>
    </message>
    <message>
        <source>InsideOut</source>
        <translation>De l&apos;intérieur</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Courte</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>wait</comment>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longue</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>speed</comment>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>A screen-saver password, not a session lock: other programs can end the saver or read the keys typed; to lock the session, run Sentarisaver as a hack under your desktop&apos;s locker (xscreensaver&apos;s lock).</source>
        <translation>Un mot de passe d&apos;économiseur d&apos;écran, pas un verrouillage de session : d&apos;autres programmes peuvent arrêter l&apos;économiseur ou lire les touches tapées ; pour verrouiller la session, faites tourner Sentarisaver comme module sous le verrouillage de votre bureau (celui de xscreensaver).</translation>
    </message>
    <message>
        <source>Click to change color</source>
        <translation>Cliquez pour changer la couleur</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>The stored password is damaged and could never be typed, so the screen saver does not lock. Please choose a new password.</source>
        <translation>Le mot de passe enregistré est endommagé et ne pourrait jamais être tapé : l&apos;économiseur d&apos;écran ne verrouille donc pas. Veuillez choisir un nouveau mot de passe.</translation>
    </message>
    <message>
        <source>&amp;Transition</source>
        <translation>&amp;Transition</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Po&amp;lice</translation>
    </message>
    <message>
        <source>&amp;Wait for new Quote</source>
        <translation>&amp;Attente d&apos;une citation</translation>
    </message>
    <message>
        <source>Spee&amp;d of transition</source>
        <translation>&amp;Vitesse de transition</translation>
    </message>
    <message>
        <source>&amp;Password protection</source>
        <translation>Protection par &amp;mot de passe</translation>
    </message>
    <message>
        <source>Color &amp;scheme</source>
        <translation>&amp;Jeu de couleurs</translation>
    </message>
    <message>
        <source>Fo&amp;reground color</source>
        <translation>Couleur du te&amp;xte</translation>
    </message>
    <message>
        <source>&amp;Background color</source>
        <translation>Couleur du &amp;fond</translation>
    </message>
    <message>
        <source>Ra&amp;ndom foreground colors</source>
        <translation>Couleurs de texte au &amp;hasard</translation>
    </message>
</context>
<context>
    <name>sentari::saver::PasswordDialog</name>
    <message>
        <source>Password protection</source>
        <translation>Protection par mot de passe</translation>
    </message>
    <message>
        <source>Change password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Password confirmation failed, try again</source>
        <translation>La confirmation du mot de passe a échoué, réessayez</translation>
    </message>
    <message>
        <source>You used illegal characters, try again</source>
        <translation>Vous avez utilisé des caractères interdits, réessayez</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>Con&amp;firm password</source>
        <translation>&amp;Confirmer le mot de passe</translation>
    </message>
</context>
<context>
    <name>sentari::saver::SaverWindow</name>
    <message>
        <source>Another program holds the keyboard or mouse: what you type may go to it.</source>
        <translation>Un autre programme tient le clavier ou la souris : ce que vous tapez peut lui parvenir.</translation>
    </message>
    <message>
        <source>You have to select a Sentari datafile first, run Sentari to select one.</source>
        <translation>Vous devez d&apos;abord choisir un fichier de citations Sentari ; lancez Sentari pour en choisir un.</translation>
    </message>
</context>
<context>
    <name>sentari::saver::UnlockPanel</name>
    <message>
        <source>Enter your password to unlock</source>
        <translation>Saisissez votre mot de passe pour déverrouiller</translation>
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
        <translation>Ajoutez ici les informations de votre signature.

Par exemple :

Cordialement,

Pim Valder
https://www.example.com/pimvalder/

%1</translation>
    </message>
    <message>
        <source>The signature list could not be saved: another program kept changing the settings file. Try again.</source>
        <translation>La liste des signatures n&apos;a pas pu être enregistrée : un autre programme modifiait sans cesse le fichier de réglages. Réessayez.</translation>
    </message>
    <message>
        <source>Sentari cannot open a Richtext formatted file.
Sentari can only save in the Richtext format.

If you want to attach a quote to an existing RTF file
add the following tag to that file using your favorite editor:

%1</source>
        <translation>Sentari ne peut pas ouvrir un fichier au format RTF.
Sentari ne peut qu&apos;enregistrer au format RTF.

Pour ajouter une citation à un fichier RTF existant,
ajoutez-y la balise suivante avec votre éditeur préféré :

%1</translation>
    </message>
    <message>
        <source>Signature control</source>
        <translation>Gestion des signatures</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>&amp;Save as</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Font (RichText)</source>
        <translation>&amp;Police (RTF)</translation>
    </message>
    <message>
        <source>&amp;Color (RichText)</source>
        <translation>&amp;Couleur (RTF)</translation>
    </message>
    <message>
        <source>&amp;New Quote After Each Read</source>
        <translation>&amp;Nouvelle citation après chaque lecture</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;Random Quote</source>
        <translation>Citation au &amp;hasard</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Plus</translation>
    </message>
    <message>
        <source>Signature file</source>
        <translation>Fichier de signature</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt|Richtext (*.rtf)|*.rtf |HTML File (*.htm)|*.htm</source>
        <extracomment>Only the names before the brackets are shown; the patterns stay as they are.</extracomment>
        <translation>Texte (*.txt)|*.txt|Texte RTF (*.rtf)|*.rtf |Fichier HTML (*.htm)|*.htm</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>The signature %1 was removed by another program since this window read it.

Save this window&apos;s version as a new signature? No leaves it removed.</source>
        <translation>La signature %1 a été retirée par un autre programme depuis que cette fenêtre l&apos;a lue.

Enregistrer la version de cette fenêtre comme nouvelle signature ? Non la laisse retirée.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Remove it anyway? No keeps the other program&apos;s version.</source>
        <translation>La signature %1 (%2) a été modifiée par un autre programme depuis que cette fenêtre l&apos;a lue.

La retirer quand même ? Non garde la version de l&apos;autre programme.</translation>
    </message>
    <message>
        <source>Signature %1 (%2) was changed by another program since this window read it.

Save this window&apos;s version over it? No keeps the other program&apos;s version.</source>
        <translation>La signature %1 (%2) a été modifiée par un autre programme depuis que cette fenêtre l&apos;a lue.

Enregistrer la version de cette fenêtre par-dessus ? Non garde la version de l&apos;autre programme.</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
</context>
<context>
    <name>sentari::tray::AskOnceDialog</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t ask this again</source>
        <translation>Ne &amp;plus demander</translation>
    </message>
</context>
<context>
    <name>sentari::tray::Automation</name>
    <message>
        <source>Sentari has no quote data file; the user chose none and Sentari ended.</source>
        <translation>Sentari n&apos;a pas de fichier de citations ; l&apos;utilisateur n&apos;en a choisi aucun et Sentari s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>Sentari has no quote data file; the user at the screen is choosing one.</source>
        <translation>Sentari n&apos;a pas de fichier de citations ; l&apos;utilisateur devant l&apos;écran est en train d&apos;en choisir un.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file: %1</source>
        <translation>La nouvelle citation n&apos;a pas pu être placée dans tous les fichiers de signature : %1</translation>
    </message>
    <message>
        <source>no session D-Bus to reach Sentari: %1</source>
        <translation>pas de D-Bus de session pour joindre Sentari : %1</translation>
    </message>
    <message>
        <source>the quote was not changed: %1</source>
        <translation>la citation n&apos;a pas été changée : %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuoteKeeper</name>
    <message>
        <source>Currently you have no active Sentari datafile. Choose a datafile.</source>
        <translation>Vous n&apos;avez actuellement aucun fichier de citations Sentari actif. Choisissez-en un.</translation>
    </message>
    <message>
        <source>No quote data file is chosen yet.</source>
        <translation>Aucun fichier de citations n&apos;est encore choisi.</translation>
    </message>
    <message>
        <source>Sentari asks the user at the screen to choose a quote data file.</source>
        <translation>Sentari demande à l&apos;utilisateur devant l&apos;écran de choisir un fichier de citations.</translation>
    </message>
    <message>
        <source>The new quote could not be put into every signature file.

%1</source>
        <translation>La nouvelle citation n&apos;a pas pu être placée dans tous les fichiers de signature.

%1</translation>
    </message>
    <message>
        <source>Choose the Sentari data file</source>
        <translation>Choisir le fichier de citations de Sentari</translation>
    </message>
    <message>
        <source>Text (*.txt)|*.txt</source>
        <extracomment>Only the name before the brackets is shown; the pattern stays as it is.</extracomment>
        <translation>Texte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Do you want to add the current clipboard content to the Sentari datafile?</source>
        <translation>Voulez-vous ajouter le contenu du presse-papiers au fichier de citations Sentari ?</translation>
    </message>
    <message>
        <source>There is no active Sentari datafile to add the quote to. Choose one with &quot;Change Sentari data file&quot;.</source>
        <translation>Il n&apos;y a aucun fichier de citations Sentari actif auquel ajouter la citation. Choisissez-en un avec « Changer le fichier de données Sentari ».</translation>
    </message>
    <message>
        <source>There is no current quote to delete.</source>
        <translation>Il n&apos;y a pas de citation en cours à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the current quote?</source>
        <translation>Voulez-vous vraiment supprimer la citation en cours ?</translation>
    </message>
    <message>
        <source>The current quote is no longer in the data file &quot;%1&quot;; nothing was deleted.</source>
        <translation>La citation en cours n&apos;est plus dans le fichier de citations « %1 » ; rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Do you want to create/select an e-mail signature file?

- Your quotes will be automatically added to this file.
- You can always do this later by selecting &apos;Change Signature&apos; from the Sentari menu (right click the Sentari icon).</source>
        <translation>Voulez-vous créer ou choisir un fichier de signature de courriel ?

- Vos citations y seront ajoutées automatiquement.
- Vous pourrez toujours le faire plus tard avec « Changer la signature » dans le menu de Sentari (clic droit sur l&apos;icône de Sentari).</translation>
    </message>
</context>
<context>
    <name>sentari::tray::QuotePerRead</name>
    <message>
        <source>no new quote after a signature was read: %1</source>
        <translation>pas de nouvelle citation après la lecture d&apos;une signature : %1</translation>
    </message>
</context>
<context>
    <name>sentari::tray::TrayMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Sentari screensa&amp;ver</source>
        <translation>É&amp;conomiseur d&apos;écran Sentari</translation>
    </message>
    <message>
        <source>Add quote to &amp;Clipboard</source>
        <translation>Citation dans le &amp;presse-papiers</translation>
    </message>
    <message>
        <source>Add clipboard to Sentari &amp;Data</source>
        <translation>Presse-papiers dans les &amp;données de Sentari</translation>
    </message>
    <message>
        <source>&amp;Delete quote</source>
        <translation>&amp;Supprimer la citation</translation>
    </message>
    <message>
        <source>Change &amp;Sentari data file</source>
        <translation>Changer le fichier de données &amp;Sentari</translation>
    </message>
    <message>
        <source>Change &amp;Signature</source>
        <translation>Changer la si&amp;gnature</translation>
    </message>
    <message>
        <source>Add signature to &amp;Clipboard</source>
        <translation>Signature dans le pr&amp;esse-papiers</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>SentariSaver not installed.</source>
        <translation>SentariSaver n&apos;est pas installé.</translation>
    </message>
</context>
<context>
    <name>sentari::tray::WaitNotice</name>
    <message>
        <source>Sentari waits for a notification area (system tray).
Its icon appears as soon as one starts.</source>
        <translation>Sentari attend une zone de notification (boîte à miniatures).
Son icône apparaît dès qu&apos;une zone démarre.</translation>
    </message>
</context>
<context>
    <name>sentarisaver</name>
    <message>
        <source>Activate password protection in Sentarisaver settings.</source>
        <translation>Activez la protection par mot de passe dans les réglages de Sentarisaver.</translation>
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
        <translation>Utilisation : sentarisaver [/s | /c | /p | /a]
               sentarisaver -root | -window-id ID

  /s              afficher l&apos;économiseur d&apos;écran en plein écran
  /c              ouvrir les options (aussi sans option)
  /p              aperçu : se termine aussitôt
  /a              dire où se règle la protection par mot de passe
  -root           dessiner dans la fenêtre que donne xscreensaver (XSCREENSAVER_WINDOW),
                  ou dans la fenêtre racine (aussi --root)
  -window-id ID   dessiner dans la fenêtre X ID (aussi --window-id)
  -effect N       avec -root ou -window-id : l&apos;effet N (0 au hasard, 1 à 8) au lieu de
                  celui enregistré ; de même -speed N et -wait N (0 à 2)
  --help, --version  afficher ce texte ou la version et quitter
</translation>
    </message>
    <message>
        <source>the stored password is damaged and could never be typed, so the screen is not locked; set a new password with sentarisaver /c</source>
        <translation>le mot de passe enregistré est endommagé et ne pourrait jamais être tapé : l&apos;écran n&apos;est donc pas verrouillé ; choisissez un nouveau mot de passe avec sentarisaver /c</translation>
    </message>
    <message>
        <source>cannot draw into that window</source>
        <translation>impossible de dessiner dans cette fenêtre</translation>
    </message>
    <message>
        <source>%1 takes a number in its range; the stored setting is used</source>
        <translation>%1 attend un nombre dans sa plage ; le réglage enregistré est utilisé</translation>
    </message>
    <message>
        <source>Sentarisaver is already running</source>
        <translation>Sentarisaver tourne déjà</translation>
    </message>
</context>
</TS>
