<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddressBookText</name>
    <message>
        <source>line %1: a contact without an address, skipped</source>
        <translation>ligne %1&#xa0;: un contact sans adresse, ignoré</translation>
    </message>
    <message>
        <source>line %1: more than %2 contacts, the rest skipped</source>
        <translation>ligne %1&#xa0;: plus de %2 contacts, le reste est ignoré</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no mail address, skipped</source>
        <translation>ligne %1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une adresse e-mail, ignorée</translation>
    </message>
    <message>
        <source>More than %1 addresses in the address books: the rest are left out.</source>
        <translation>Plus de %1 adresses dans les carnets d’adresses&#xa0;: les autres sont laissées de côté.</translation>
    </message>
    <message>
        <source>not a regular file, skipped</source>
        <translation>pas un fichier ordinaire, ignoré</translation>
    </message>
    <message>
        <source>larger than 64 MiB, skipped</source>
        <translation>plus de 64 Mio, ignoré</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>contact %1: %2</source>
        <translation>contact %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>more than %1 contacts, the rest skipped</source>
        <translation>plus de %1 contacts, le reste est ignoré</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <source>holds no contacts table</source>
        <translation>ne contient aucune table de contacts</translation>
    </message>
    <message>
        <source>more than %1 address books, the rest skipped</source>
        <translation>plus de %1 carnets d’adresses, le reste est ignoré</translation>
    </message>
    <message>
        <source>line %1: an alias without an address, skipped</source>
        <translation>ligne %1&#xa0;: un alias sans adresse, ignoré</translation>
    </message>
    <message>
        <source>line %1: more than %2 aliases, the rest skipped</source>
        <translation>ligne %1&#xa0;: plus de %2 alias, le reste est ignoré</translation>
    </message>
    <message>
        <source>line %1: longer than 64 KiB, skipped</source>
        <translation>ligne %1&#xa0;: plus de 64 Kio, ignorée</translation>
    </message>
    <message>
        <source>sources itself (a loop), not read again</source>
        <translation>s’inclut lui-même (une boucle), pas relu</translation>
    </message>
    <message>
        <source>sourced more than %1 files deep or beyond %2 files, not read</source>
        <translation>inclus à plus de %1 niveaux ou au-delà de %2 fichiers, pas lu</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s) not shown</source>
        <translation>
            <numerusform>%n autre problème non affiché</numerusform>
            <numerusform>%n autres problèmes non affichés</numerusform>
        </translation>
    </message>
    <message>
        <source>more than %1 entries, the rest skipped</source>
        <translation>plus de %1 entrées, le reste est ignoré</translation>
    </message>
    <message>
        <source>card %1: %2</source>
        <translation>carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 are not searched</source>
        <translation>les dossiers imbriqués au-delà de %1 niveaux ne sont pas parcourus</translation>
    </message>
    <message>
        <source>more than %1 files or 256 MiB of contacts, the rest skipped</source>
        <translation>plus de %1 fichiers ou 256 Mio de contacts, le reste est ignoré</translation>
    </message>
    <message>
        <source>line %1: longer than 1 MiB, skipped</source>
        <translation>ligne %1&#xa0;: plus de 1 Mio, ignorée</translation>
    </message>
    <message>
        <source>line %1: not a vCard line, skipped</source>
        <translation>ligne %1&#xa0;: pas une ligne vCard, ignorée</translation>
    </message>
    <message>
        <source>line %1: the card has no END:VCARD</source>
        <translation>ligne %1&#xa0;: la carte n’a pas de END:VCARD</translation>
    </message>
    <message>
        <source>line %1: more than %2 cards, the rest skipped</source>
        <translation>ligne %1&#xa0;: plus de %2 cartes, le reste est ignoré</translation>
    </message>
</context>
<context>
    <name>CardCommand</name>
    <message>
        <source>pinewick: %1: no window picture; using a plain background</source>
        <translation>pinewick&#xa0;: %1&#xa0;: pas d’image de fenêtre&#xa0;; un fond uni est utilisé</translation>
    </message>
    <message>
        <source>pinewick: no OpenGL device to draw the tree; no card made</source>
        <translation>pinewick&#xa0;: aucun périphérique OpenGL pour dessiner le sapin&#xa0;; aucune carte créée</translation>
    </message>
    <message>
        <source>pinewick: the tree mesh could not be read (%1); no card made</source>
        <translation>pinewick&#xa0;: impossible de lire le maillage du sapin (%1)&#xa0;; aucune carte créée</translation>
    </message>
</context>
<context>
    <name>CardMail</name>
    <message>
        <source>Made with Pinewick, the greeting tree for your desktop.</source>
        <translation>Fait avec Pinewick, le sapin des vœux pour votre bureau.</translation>
    </message>
    <message>
        <source>The card picture could not be written to %1.</source>
        <translation>Impossible d’écrire l’image de la carte dans %1.</translation>
    </message>
    <message>
        <source>Open the attached Pinewick.html in a web browser to turn the tree.</source>
        <translation>Ouvrez la pièce jointe Pinewick.html dans un navigateur web pour faire tourner le sapin.</translation>
    </message>
</context>
<context>
    <name>CardNote</name>
    <message>
        <source>The note has %1 characters; a note holds at most %2.</source>
        <translation>La note a %1 caractères&#xa0;; une note en contient au plus %2.</translation>
    </message>
</context>
<context>
    <name>CardRecipients</name>
    <message>
        <source>Nobody in your address books is called &quot;%1&quot;.</source>
        <translation>Personne ne s’appelle «&#xa0;%1&#xa0;» dans vos carnets d’adresses.</translation>
    </message>
    <message numerus="yes">
        <source>A card goes to at most %n recipients at a time.</source>
        <translation>
            <numerusform>Une carte part à %n destinataire au plus à la fois.</numerusform>
            <numerusform>Une carte part à %n destinataires au plus à la fois.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--send needs an e-mail address</source>
        <translation>--send attend une adresse e-mail</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)</source>
        <translation>--snapshot attend un nom de fichier (.jpg, .png, .gif, .webp, .mp4, .glb ou .html)</translation>
    </message>
    <message>
        <source>Usage: pinewick [-DEBUG]
       pinewick --check [FILE]
       pinewick --snapshot FILE
       pinewick --send RECIPIENTS... [--note TEXT | --note-file FILE] [--at TIME]
                      [--animated] [--verbose]
       pinewick --send-due [--verbose]
       pinewick --version

  -DEBUG          skip the title sequence
  --check [FILE]  read a description file (default: the home folder&apos;s Data/desc) and print it
                  as Pinewick writes it; errors as FILE:LINE: message, exit status 1
  --snapshot FILE write the greeting picture (background, greeting, decorated tree) that
                  Pinewick mails and prints; needs no display. A .gif, .webp or .mp4 FILE
                  holds the card animated: the tree makes one full turn, in a loop; a .glb
                  FILE the tree in 3D (glTF); an .html FILE the card as a web page whose
                  tree turns by itself and when dragged
  --send RECIPIENTS
                  mail that picture from your own mail account (Thunderbird, Evolution,
                  msmtp, git send-email or a local mail server); RECIPIENTS: addresses,
                  &quot;Name &lt;address&gt;&quot; or names from your address books, separated by commas
                  or semicolons, --send may be given several times; each recipient gets a
                  mail of their own. Prints the progress and who got the card; exit
                  status 0 only when every recipient&apos;s mail was accepted
  --note TEXT, --note-file FILE
                  with --send: a personal note under the card (at most 2,000 characters);
                  {name} becomes each recipient&apos;s first name
  --at TIME       with --send: compose the card now and send it at TIME (&quot;2026-12-24 08:00&quot;,
                  local time unless a zone is given; a minute to a year ahead); it waits in
                  the outbox, ~/.local/share/pinewick/outbox
  --send-due      send the cards of the outbox that are due, then exit (exit status 0: all
                  sent, 75: some wait to be tried again, 1: some refused or given up)
  --animated      with --send: the card in the mail is the turning tree (an animated GIF);
                  the still picture goes along as an attachment
  --verbose       with --send: show the whole conversation with the mail server
  --version       print the version of Pinewick</source>
        <extracomment>The usage of the command line. Options, FILE and ADDRESS stay as they are; keep the descriptions aligned in their column and the lines under 100 characters.</extracomment>
        <translation>Utilisation&#xa0;: pinewick [-DEBUG]
              pinewick --check [FICHIER]
              pinewick --snapshot FICHIER
              pinewick --send DESTINATAIRES... [--note TEXTE | --note-file FICHIER] [--at HEURE]
                             [--animated] [--verbose]
              pinewick --send-due [--verbose]
              pinewick --version

  -DEBUG             sans la séquence d’ouverture
  --check [FICHIER]  lire un fichier de description (par défaut&#xa0;: Data/desc du dossier personnel)
                     et l’afficher tel que Pinewick l’écrit&#xa0;; erreurs en FICHIER:LIGNE: message, code 1
  --snapshot FICHIER écrire l’image de vœux (fond, message, sapin décoré) que Pinewick envoie
                     et imprime&#xa0;; sans écran. Un FICHIER .gif, .webp ou .mp4 contient la carte
                     animée&#xa0;: le sapin fait un tour complet, en boucle&#xa0;; un FICHIER .glb le sapin
                     en 3D (glTF)&#xa0;; un FICHIER .html la carte en page web dont le sapin tourne
                     tout seul et quand on le fait glisser
  --send DESTINATAIRES
                     envoyer cette image depuis votre propre compte de messagerie (Thunderbird,
                     Evolution, msmtp, git send-email ou un serveur local)&#xa0;; DESTINATAIRES&#xa0;:
                     adresses, «&#xa0;Nom &lt;adresse&gt;&#xa0;» ou noms de vos carnets d’adresses, séparés par des
                     virgules ou des points-virgules, --send peut être répété&#xa0;; chaque destinataire
                     reçoit son propre message. Affiche la progression et qui a reçu la carte&#xa0;;
                     code 0 seulement si le message de chaque destinataire a été accepté
  --note TEXTE, --note-file FICHIER
                     avec --send&#xa0;: une note personnelle sous la carte (2 000 caractères au plus)&#xa0;;
                     {name} devient le prénom de chaque destinataire
  --at HEURE         avec --send&#xa0;: préparer la carte maintenant et l’envoyer à HEURE
                     («&#xa0;2026-12-24 08:00&#xa0;», heure locale sauf fuseau indiqué&#xa0;; d’une minute à un an
                     plus tard)&#xa0;; elle attend dans la boîte d’envoi, ~/.local/share/pinewick/outbox
  --send-due         envoyer les cartes de la boîte d’envoi qui sont dues, puis quitter (code 0&#xa0;:
                     toutes envoyées, 75&#xa0;: certaines attendent un nouvel essai, 1&#xa0;: certaines
                     refusées ou abandonnées)
  --animated         avec --send&#xa0;: la carte du message est le sapin qui tourne (un GIF animé)&#xa0;;
                     l’image fixe est jointe en pièce jointe
  --verbose          avec --send&#xa0;: afficher toute la conversation avec le serveur
  --version          afficher la version de Pinewick</translation>
    </message>
</context>
<context>
    <name>DefaultGreeting</name>
    <message>
        <source>Merry Christmas and a Happy New Year!</source>
        <extracomment>The greeting a new decoration starts with. Written across the top of the card in a script font: a short, warm wish for Christmas and the new year.</extracomment>
        <translation>Joyeux Noël et bonne année&#xa0;!</translation>
    </message>
</context>
<context>
    <name>HelpScript</name>
    <message>
        <source>About Pinewick*and its makers</source>
        <translation>À propos de Pinewick*et de ses auteurs</translation>
    </message>
    <message>
        <source>Close the help*Click here</source>
        <translation>Fermer l’aide*Cliquez ici</translation>
    </message>
    <message>
        <source>Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo</source>
        <translation>Cliquez le ruban*et tapez vos vœux*Ctrl+Z annule Ctrl+Y refait</translation>
    </message>
    <message>
        <source>Send your tree*by e-mail or print it</source>
        <translation>Envoyez votre sapin*par e-mail ou imprimez-le</translation>
    </message>
    <message>
        <source>Click: next song*Right click: silence</source>
        <translation>Clic&#xa0;: chant suivant*Clic droit&#xa0;: silence</translation>
    </message>
    <message>
        <source>Right-click a toy*to take it off the tree*or press Delete near it</source>
        <translation>Clic droit sur une déco*pour l’enlever du sapin*ou Suppr tout près</translation>
    </message>
    <message>
        <source>Hold the left button*or Page Up/Down: turn*Double-click: it spins</source>
        <translation>Bouton gauche enfoncé*ou Page ↑/↓&#xa0;: tourner*Double-clic&#xa0;: il tourne</translation>
    </message>
    <message>
        <source>Choose the 3D driver*that draws the tree</source>
        <translation>Choisissez le pilote 3D*qui dessine le sapin</translation>
    </message>
    <message>
        <source>Font and colour*of the greeting</source>
        <translation>Police et couleur*du message</translation>
    </message>
    <message>
        <source>Open a case and drag*a toy onto the tree*or Tab to it and Enter</source>
        <translation>Ouvrez une boîte*et glissez une déco*ou Tab puis Entrée</translation>
    </message>
    <message>
        <source>Exit Pinewick</source>
        <translation>Quitter Pinewick</translation>
    </message>
</context>
<context>
    <name>MailError</name>
    <message>
        <source>Sorry, but this software is compatible with:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * a local mail server</source>
        <translation>Désolé, ce logiciel fonctionne seulement avec&#xa0;:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * un serveur de messagerie local</translation>
    </message>
    <message>
        <source>the account&apos;s password command did not finish within %1 seconds and was stopped</source>
        <translation>la commande de mot de passe du compte n’a pas fini en %1 secondes et a été arrêtée</translation>
    </message>
    <message>
        <source>the account&apos;s password command gave no password</source>
        <translation>la commande de mot de passe du compte n’a donné aucun mot de passe</translation>
    </message>
    <message>
        <source>no password for %1 at %2 in the account&apos;s settings or the keyring</source>
        <translation>aucun mot de passe pour %1 sur %2 dans les réglages du compte ni dans le trousseau</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An error (%1) and what the server or the connection said of it (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>un caractère de contrôle</translation>
    </message>
    <message>
        <source>it is not valid UTF-8</source>
        <translation>elle n’est pas en UTF-8 valide</translation>
    </message>
    <message>
        <source>it holds an invisible or control character</source>
        <translation>elle contient un caractère invisible ou de contrôle</translation>
    </message>
    <message>
        <source>its local part (before the @) is empty</source>
        <translation>sa partie locale (avant le @) est vide</translation>
    </message>
    <message>
        <source>its local part is longer than %1 bytes</source>
        <translation>sa partie locale dépasse %1 octets</translation>
    </message>
    <message>
        <source>its quoted local part is not closed</source>
        <translation>sa partie locale entre guillemets n’est pas fermée</translation>
    </message>
    <message>
        <source>its quoted local part has a bad backslash</source>
        <translation>sa partie locale entre guillemets a une barre oblique inverse incorrecte</translation>
    </message>
    <message>
        <source>its quoted local part has a bare quote</source>
        <translation>sa partie locale entre guillemets a un guillemet isolé</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>elle contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>its local part has an empty part between dots</source>
        <translation>sa partie locale a un segment vide entre deux points</translation>
    </message>
    <message>
        <source>its local part holds a character that needs quoting (%1)</source>
        <translation>sa partie locale contient un caractère à mettre entre guillemets (%1)</translation>
    </message>
    <message>
        <source>its local part ends with a dot</source>
        <translation>sa partie locale finit par un point</translation>
    </message>
    <message>
        <source>its domain (after the @) is empty</source>
        <translation>son domaine (après le @) est vide</translation>
    </message>
    <message>
        <source>its domain is longer than %1 bytes</source>
        <translation>son domaine dépasse %1 octets</translation>
    </message>
    <message>
        <source>its address literal is not closed</source>
        <translation>son adresse littérale n’est pas fermée</translation>
    </message>
    <message>
        <source>its address literal holds a character it may not</source>
        <translation>son adresse littérale contient un caractère interdit</translation>
    </message>
    <message>
        <source>its domain has an empty part between dots</source>
        <translation>son domaine a un segment vide entre deux points</translation>
    </message>
    <message>
        <source>a part of its domain is longer than 63 bytes</source>
        <translation>une partie de son domaine dépasse 63 octets</translation>
    </message>
    <message>
        <source>a part of its domain starts or ends with a hyphen</source>
        <translation>une partie de son domaine commence ou finit par un tiret</translation>
    </message>
    <message>
        <source>its domain holds a character a host name may not (%1)</source>
        <translation>son domaine contient un caractère interdit dans un nom d’hôte (%1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>elle est vide</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>elle dépasse %1 octets</translation>
    </message>
    <message>
        <source>it has no @</source>
        <translation>il lui manque le @</translation>
    </message>
    <message>
        <source>its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows beyond 63 bytes</source>
        <translation>son domaine ne peut pas s’écrire en ASCII (IDNA)&#xa0;: une partie contient un caractère interdit ou dépasse 63 octets</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes once its domain is written in ASCII</source>
        <translation>elle dépasse %1 octets une fois son domaine écrit en ASCII</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Réseau non initialisé</translation>
    </message>
    <message>
        <source>Network down</source>
        <translation>Réseau indisponible</translation>
    </message>
    <message>
        <source>Invalid address specified</source>
        <translation>Adresse indiquée non valide</translation>
    </message>
    <message>
        <source>Unexpected internal error in component</source>
        <translation>Erreur interne inattendue du composant</translation>
    </message>
    <message>
        <source>General Winsock Error</source>
        <translation>Erreur réseau générale</translation>
    </message>
    <message>
        <source>Connection aborted due to timeout or other failure</source>
        <translation>Connexion interrompue&#xa0;: délai dépassé ou autre panne</translation>
    </message>
    <message>
        <source>Connection reset by remote side</source>
        <translation>Connexion réinitialisée par l’autre côté</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>délai dépassé</translation>
    </message>
    <message>
        <source>Out of sockets</source>
        <translation>Plus de sockets disponibles</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Réseau injoignable</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Adresse non disponible</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Address resolution error</source>
        <translation>Erreur de résolution d’adresse</translation>
    </message>
    <message>
        <source>Host Unreachable</source>
        <translation>Hôte injoignable</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Login failed: the server refused the user name or password</source>
        <translation>Échec de la connexion&#xa0;: le serveur a refusé le nom d’utilisateur ou le mot de passe</translation>
    </message>
    <message>
        <source>TLS handshake failed</source>
        <translation>Échec de la négociation TLS</translation>
    </message>
    <message>
        <source>Server certificate not trusted</source>
        <translation>Certificat du serveur non reconnu</translation>
    </message>
    <message>
        <source>The server offers no STARTTLS: the mail was not sent unencrypted</source>
        <translation>Le serveur ne propose pas STARTTLS&#xa0;: le message n’a pas été envoyé en clair</translation>
    </message>
    <message>
        <source>The server offers no login by AUTH PLAIN or AUTH LOGIN</source>
        <translation>Le serveur ne propose pas de connexion par AUTH PLAIN ou AUTH LOGIN</translation>
    </message>
    <message>
        <source>An address has letters beyond ASCII before its @, and the server does not take such addresses (it offers no SMTPUTF8): the mail was not sent</source>
        <translation>Une adresse a des lettres hors ASCII avant son @, et le serveur n’accepte pas ces adresses (il ne propose pas SMTPUTF8)&#xa0;: le message n’a pas été envoyé</translation>
    </message>
    <message>
        <source>Mail Destination Error</source>
        <translation>Erreur de destinataire</translation>
    </message>
    <message>
        <source>Mail Destination Error: %1</source>
        <translation>Erreur de destinataire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Winsock not initiliazed</source>
        <translation>Réseau non initialisé</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>le serveur a fermé la connexion</translation>
    </message>
    <message>
        <source>Prematurely Disconnected</source>
        <translation>Déconnecté trop tôt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>Unexpected response: %1</source>
        <translation>Réponse inattendue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mail Destination Error: the server accepted no recipient (%1)</source>
        <translation>Erreur de destinataire&#xa0;: le serveur n’a accepté aucun destinataire (%1)</translation>
    </message>
</context>
<context>
    <name>PaintedText</name>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>made by Corlune</source>
        <translation>créé par Corlune</translation>
    </message>
    <message>
        <source>Built with</source>
        <translation>Conçu avec</translation>
    </message>
    <message>
        <source>Send your tree to this e-mail address:</source>
        <extracomment>Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.</extracomment>
        <translation>Envoyer le sapin à l’adresse&#xa0;:</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.</extracomment>
        <translation>Boules</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Cloches</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Glaçons</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Bougies</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Cimes</translation>
    </message>
</context>
<context>
    <name>ReplacingFile</name>
    <message>
        <source>%1: not a file that can be replaced</source>
        <translation>%1&#xa0;: ce fichier ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>%1: no free temporary name beside it</source>
        <translation>%1&#xa0;: aucun nom temporaire libre à côté</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1&#xa0;: rien n’a été écrit</translation>
    </message>
</context>
<context>
    <name>SaveCard</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>GIF animé (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>WebP animé (*.webp)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>Vidéo MP4 (*.mp4)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>Image JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Save card</source>
        <translation>Enregistrer la carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>Enregistrement de %1…</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>Impossible d’enregistrer la carte.

%1</translation>
    </message>
    <message>
        <source>Saved the card as %1.</source>
        <translation>Carte enregistrée sous %1.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>%1&#xa0;: donnez à la carte un nom en .jpg, .png, .gif, .webp, .mp4, .glb ou .html</translation>
    </message>
    <message>
        <source>Interactive card (*.html)</source>
        <translation>Carte interactive (*.html)</translation>
    </message>
    <message>
        <source>3D model (*.glb)</source>
        <translation>Modèle 3D (*.glb)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>%1: give the picture a .jpg or .png name</source>
        <translation>%1&#xa0;: donnez à l’image un nom en .jpg ou .png</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>pinewick: the card picture could not be written: %1</source>
        <translation>pinewick&#xa0;: impossible d’écrire l’image de la carte&#xa0;: %1</translation>
    </message>
    <message>
        <source>pinewick: to send the card with your own mail program instead, run:</source>
        <translation>pinewick&#xa0;: pour envoyer plutôt la carte avec votre propre messagerie, lancez&#xa0;:</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: no private folder could be made in %1: %2</source>
        <translation>pinewick&#xa0;: la carte n’a pas été envoyée&#xa0;: impossible de créer un dossier privé dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: %1</source>
        <translation>pinewick&#xa0;: la carte n’a pas été envoyée&#xa0;: %1</translation>
    </message>
    <message>
        <source>pinewick: no mail account found. %1</source>
        <translation>pinewick&#xa0;: aucun compte de messagerie trouvé. %1</translation>
    </message>
    <message>
        <source>account: %1 &lt;%2&gt; through %3:%4 (%5)</source>
        <translation>compte&#xa0;: %1 &lt;%2&gt; via %3:%4 (%5)</translation>
    </message>
    <message>
        <source>pinewick: cannot log in: %1</source>
        <translation>pinewick&#xa0;: connexion impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Encrypted (%1)</source>
        <translation>Chiffré (%1)</translation>
    </message>
    <message>
        <source>Logged in as %1</source>
        <translation>Connecté en tant que %1</translation>
    </message>
    <message>
        <source>Recipient refused: %1 (%2)</source>
        <translation>Destinataire refusé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>The picture could not be read and was left out: %1</source>
        <translation>Image illisible, laissée de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sending the card (%1 KB) ...</source>
        <translation>Envoi de la carte (%1 Ko)…</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Accepté&#xa0;: %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>erreur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Connexion à %1:%2…</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read.</source>
        <translation>Le fichier de note %1 est illisible.</translation>
    </message>
    <message>
        <source>The note file %1 is not a short text in UTF-8.</source>
        <translation>Le fichier de note %1 n’est pas un court texte en UTF-8.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these:</source>
        <translation>«&#xa0;%1&#xa0;» pourrait être l’une de ces personnes&#xa0;:</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Pas envoyé à %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No answer after the card to %1: it may have arrived, so it is not sent again.</source>
        <translation>Pas de réponse après la carte à %1&#xa0;: elle est peut-être arrivée, elle n’est donc pas renvoyée.</translation>
    </message>
    <message>
        <source>To send it again to those only:</source>
        <translation>Pour la renvoyer à ces personnes seulement&#xa0;:</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <extracomment>The card&apos;s progress on the command line: &quot;2 of 5: Oma Ilse &lt;ilse@example.org&gt;&quot;</extracomment>
        <translation>%1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Waits in the outbox for another try: %1 (%2)</source>
        <translation>Attend dans la boîte d’envoi un nouvel essai&#xa0;: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SendDueCommand</name>
    <message>
        <source>No card is due.</source>
        <translation>Aucune carte n’est à envoyer pour l’instant.</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: no mail account found. %1</source>
        <translation>Les cartes de la boîte d’envoi n’ont pas été envoyées&#xa0;: aucun compte de messagerie trouvé. %1</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: cannot log in: %1</source>
        <translation>Les cartes de la boîte d’envoi n’ont pas été envoyées&#xa0;: connexion impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Pinewick card went out</source>
        <translation>La carte Pinewick est partie</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Envoyée à %1.</translation>
    </message>
    <message>
        <source>A Pinewick card could not be sent</source>
        <translation>Une carte Pinewick n’a pas pu être envoyée</translation>
    </message>
    <message>
        <source>Not sent to %1. The outbox in Pinewick&apos;s output dialog says why.</source>
        <translation>Non envoyée à %1. La boîte d’envoi de la fenêtre d’envoi de Pinewick en donne la raison.</translation>
    </message>
    <message>
        <source>Another Pinewick is sending the outbox&apos;s cards now.</source>
        <translation>Un autre Pinewick envoie en ce moment les cartes de la boîte d’envoi.</translation>
    </message>
    <message>
        <source>One card sent.</source>
        <translation>Une carte envoyée.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards sent.</source>
        <translation>
            <numerusform>%n carte envoyée.</numerusform>
            <numerusform>%n cartes envoyées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>La carte n’a pas été placée dans la boîte d’envoi&#xa0;: %1</translation>
    </message>
    <message>
        <source>The card goes out on %1 to one recipient. It waits in the outbox until then.</source>
        <translation>La carte partira le %1 vers un destinataire. D’ici là, elle attend dans la boîte d’envoi.</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipients. It waits in the outbox until then.</source>
        <translation>
            <numerusform>La carte partira le %1 vers %n destinataire. D’ici là, elle attend dans la boîte d’envoi.</numerusform>
            <numerusform>La carte partira le %1 vers %n destinataires. D’ici là, elle attend dans la boîte d’envoi.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card could not be kept to send later: %1</source>
        <translation>La carte n’a pas pu être gardée pour un envoi ultérieur&#xa0;: %1</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Pas de connexion — Pinewick l’enverra dès que possible.</translation>
    </message>
</context>
<context>
    <name>SnapshotCommand</name>
    <message>
        <source>[%1] %2/%3 frames</source>
        <extracomment>A progress bar (%1), the frames made (%2) and all the frames (%3).</extracomment>
        <translation>[%1] %2/%3 images</translation>
    </message>
    <message>
        <source>%1: %2 KB in %3 s</source>
        <extracomment>The file written, its size and the time it took.</extracomment>
        <translation>%1&#xa0;: %2 Ko en %3 s</translation>
    </message>
    <message>
        <source>pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>pinewick&#xa0;: %1&#xa0;: donnez à la carte un nom en .jpg, .png, .gif, .webp, .mp4, .glb ou .html</translation>
    </message>
</context>
<context>
    <name>StartOutbox</name>
    <message>
        <source>One card went out while Pinewick was closed.</source>
        <translation>Une carte est partie pendant que Pinewick était fermé.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards went out while Pinewick was closed.</source>
        <translation>
            <numerusform>%n carte est partie pendant que Pinewick était fermé.</numerusform>
            <numerusform>%n cartes sont parties pendant que Pinewick était fermé.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartupChecks</name>
    <message>
        <source>Sorry, but this program needs next screen modes:
  * HiColor   (16-bit)
  * TrueColor (24-bit)

You have a %1-bit mode

Program stopped</source>
        <translation>Désolé, ce programme a besoin de l’un de ces modes d’écran&#xa0;:
  * HiColor   (16 bits)
  * TrueColor (24 bits)

Votre écran est en %1 bits

Programme arrêté</translation>
    </message>
    <message>
        <source>You have a OpenGL %1.%2</source>
        <translation>Vous avez OpenGL %1.%2</translation>
    </message>
    <message>
        <source>You haven&apos;t OpenGL</source>
        <translation>Vous n’avez pas OpenGL</translation>
    </message>
    <message>
        <source>Sorry, but this program needs OpenGL 3.3 or more

%1

OpenGL 3.3 is located on &quot;https://www.mesa3d.org&quot;

Program stopped</source>
        <translation>Désolé, ce programme a besoin d’OpenGL 3.3 ou plus récent

%1

OpenGL 3.3 se trouve sur «&#xa0;https://www.mesa3d.org&#xa0;»

Programme arrêté</translation>
    </message>
</context>
<context>
    <name>TD3DScene</name>
    <message>
        <source>DirectX error</source>
        <translation>Erreur graphique</translation>
    </message>
</context>
<context>
    <name>TDecorationHistory</name>
    <message>
        <source>Hang toy</source>
        <translation>Accrocher la décoration</translation>
    </message>
    <message>
        <source>Remove toy</source>
        <translation>Enlever la décoration</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Qt: windows, controls, fonts, pictures and printing</source>
        <translation>Qt&#xa0;: fenêtres, commandes, polices, images et impression</translation>
    </message>
    <message>
        <source>Mesa: OpenGL through EGL, on any graphics card or none</source>
        <translation>Mesa&#xa0;: OpenGL via EGL, avec n’importe quelle carte graphique ou sans</translation>
    </message>
    <message>
        <source>OpenSSL: keeps the mailed card private on its way</source>
        <translation>OpenSSL&#xa0;: la carte envoyée reste privée en chemin</translation>
    </message>
    <message>
        <source>GLM: the vector and matrix arithmetic of the scene</source>
        <translation>GLM&#xa0;: le calcul vectoriel et matriciel de la scène</translation>
    </message>
    <message>
        <source>SDL_mixer: plays the carols and the sounds</source>
        <translation>SDL_mixer&#xa0;: joue les chants de Noël et les sons</translation>
    </message>
    <message>
        <source>FluidSynth: turns the carols&apos; notes into music</source>
        <translation>FluidSynth&#xa0;: change les notes des chants en musique</translation>
    </message>
    <message>
        <source>FFmpeg: plays the opening film</source>
        <translation>FFmpeg&#xa0;: joue le film d’ouverture</translation>
    </message>
    <message>
        <source>Do you want to exit ?</source>
        <translation>Vous partez déjà&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFormOut</name>
    <message>
        <source>E-Mail address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>E-Mail the Pinewick</source>
        <translation>Envoyer le Pinewick par e-mail</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print of the Pinewick</source>
        <translation>Imprimer le Pinewick</translation>
    </message>
    <message>
        <source>Save card…</source>
        <translation>Enregistrer…</translation>
    </message>
    <message>
        <source>Save the card as a picture or an animation</source>
        <translation>Enregistrer la carte en image ou en animation</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Animated card</source>
        <translation>Carte animée</translation>
    </message>
    <message>
        <source>Mail the turning tree as an animated picture</source>
        <translation>Envoyer le sapin qui tourne en image animée</translation>
    </message>
    <message>
        <source>No private folder for the card picture could be made in %1: %2</source>
        <translation>Impossible de créer dans %1 un dossier privé pour l’image de la carte&#xa0;: %2</translation>
    </message>
    <message>
        <source>There is no card to send.</source>
        <translation>Il n’y a pas de carte à envoyer.</translation>
    </message>
    <message>
        <source>Making the animated card…</source>
        <translation>Création de la carte animée…</translation>
    </message>
    <message>
        <source>The card was not sent: %1</source>
        <translation>La carte n’a pas été envoyée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mail sended</source>
        <translation>Message envoyé</translation>
    </message>
    <message>
        <source>Open your own mail program to send the card?</source>
        <translation>Ouvrir votre messagerie pour envoyer la carte&#xa0;?</translation>
    </message>
    <message>
        <source>The card picture could not be written: %1</source>
        <translation>Impossible d’écrire l’image de la carte&#xa0;: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Impossible de démarrer l’imprimante.</translation>
    </message>
    <message>
        <source>Your mail program could not be opened: %1

The card is saved as %2; you can attach it to a mail yourself.</source>
        <translation>Impossible d’ouvrir votre messagerie&#xa0;: %1

La carte est enregistrée sous %2&#xa0;; vous pouvez la joindre vous-même à un message.</translation>
    </message>
    <message>
        <source>Set up your account in one of these, or save the card and attach it to a mail yourself.</source>
        <translation>Configurez votre compte dans l’un de ces logiciels, ou enregistrez la carte et joignez-la vous-même à un message.</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Envoi %1 sur %2…</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Envoi…</translation>
    </message>
    <message>
        <source>E-mail addresses or names from your address books, separated by commas</source>
        <translation>Adresses e-mail ou noms de vos carnets d’adresses, séparés par des virgules</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Note…</translation>
    </message>
    <message>
        <source>Write a personal note under the card</source>
        <translation>Écrire une note personnelle sous la carte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>See the mail as its first recipient will see it</source>
        <translation>Voir le message comme son premier destinataire le verra</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these. Choose one from the list:
%2</source>
        <translation>«&#xa0;%1&#xa0;» pourrait être l’une de ces personnes. Choisissez-en une dans la liste&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Note ✓</source>
        <translation>Note ✓</translation>
    </message>
    <message>
        <source>(nobody yet)</source>
        <translation>(personne pour l’instant)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>The card went to %1 of %n recipients.</source>
        <translation>
            <numerusform>La carte est partie à %1 destinataire sur %n.</numerusform>
            <numerusform>La carte est partie à %1 destinataires sur %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to:</source>
        <translation>Envoyée à&#xa0;:</translation>
    </message>
    <message>
        <source>Not sent to:</source>
        <translation>Pas envoyée à&#xa0;:</translation>
    </message>
    <message>
        <source>No answer after the card to these; it may have arrived, so it is not sent again:</source>
        <translation>Pas de réponse après la carte à ces personnes&#xa0;; elle est peut-être arrivée, elle n’est donc pas renvoyée&#xa0;:</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Renvoyer</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Pas de connexion — Pinewick l’enverra dès que possible.</translation>
    </message>
    <message>
        <source>Send on…</source>
        <translation>Envoyer le…</translation>
    </message>
    <message>
        <source>Send the card on a day and at a time you choose</source>
        <translation>Envoyer la carte le jour et à l’heure de votre choix</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Envois…</translation>
    </message>
    <message>
        <source>The cards waiting to go out, and those sent</source>
        <translation>Les cartes en attente d’envoi, et celles envoyées</translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>La carte n’a pas été placée dans la boîte d’envoi&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipient(s). It waits in the outbox until then.</source>
        <translation>
            <numerusform>La carte part le %1 à %n destinataire. Elle attend dans la boîte d’envoi jusque-là.</numerusform>
            <numerusform>La carte part le %1 à %n destinataires. Elle attend dans la boîte d’envoi jusque-là.</numerusform>
        </translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can to:</source>
        <translation>Pas de connexion — Pinewick l’enverra dès que possible à&#xa0;:</translation>
    </message>
    <message>
        <source>Interactive card</source>
        <translation>Carte interactive</translation>
    </message>
    <message>
        <source>Send the card as a web page too, where the tree can be turned</source>
        <translation>Envoyer aussi la carte en page web, où l’on peut faire tourner le sapin</translation>
    </message>
</context>
<context>
    <name>TFormSetup</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Drivers</source>
        <extracomment>The title of the list of 3D drivers.</extracomment>
        <translation>Pilotes</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>Do you want to create %1 shortcut
on your desktop ?</source>
        <translation>Créer un raccourci vers %1
sur votre bureau&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TFormTree</name>
    <message>
        <source>big ball</source>
        <extracomment>One toy of a case, as a screen reader names it after its colour.</extracomment>
        <translation>grosse boule</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>icicle</source>
        <translation>glaçon</translation>
    </message>
    <message>
        <source>star</source>
        <translation>étoile</translation>
    </message>
    <message>
        <source>small ball</source>
        <translation>petite boule</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>bougie</translation>
    </message>
    <message>
        <source>tree top</source>
        <translation>cime</translation>
    </message>
    <message>
        <source>Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>Les flèches déplacent la cible&#xa0;; Suppr enlève la décoration la plus proche&#xa0;; Page préc. et Page suiv. tournent le sapin</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Vœux</translation>
    </message>
    <message>
        <source>Enter starts and ends typing; Ctrl+Z undoes</source>
        <translation>Entrée commence et termine la saisie&#xa0;; Ctrl+Z annule</translation>
    </message>
    <message>
        <source>Case of toys: Enter shows its toys</source>
        <translation>Boîte de décorations&#xa0;: Entrée montre son contenu</translation>
    </message>
    <message>
        <source>Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back</source>
        <translation>Entrée la prend&#xa0;; les flèches la portent sur le sapin&#xa0;; Entrée l’accroche, Échap la repose</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A toy&apos;s colour (%1, such as &quot;Red&quot;) and kind (%2, such as &quot;big ball&quot;).</extracomment>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>Send Pinewick</source>
        <translation>Envoyer le Pinewick</translation>
    </message>
    <message>
        <source>Fill in the text of greeting</source>
        <translation>Écrire le texte des vœux</translation>
    </message>
    <message>
        <source>Music switch</source>
        <translation>Musique oui/non</translation>
    </message>
    <message>
        <source>Change 3D driver</source>
        <translation>Changer de pilote 3D</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The seven cases of toys along the bottom of the window.</extracomment>
        <translation>Boules</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Cloches</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Glaçons</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Billes</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Bougies</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Cimes</translation>
    </message>
    <message>
        <source>An empty tree is shown. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Un sapin vide est affiché. Votre fichier reste tel quel et ne sera pas écrasé&#xa0;; les changements de cette session ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>The decoration that comes with Pinewick is shown instead. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>La décoration fournie avec Pinewick est affichée à la place. Votre fichier reste tel quel et ne sera pas écrasé&#xa0;; les changements de cette session ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>Your decoration could not be saved:
%1

Free some space or fix the folder&apos;s permissions, then try again.</source>
        <translation>Impossible d’enregistrer votre décoration&#xa0;:
%1

Libérez de la place ou corrigez les droits du dossier, puis réessayez.</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source>Target off the tree.</source>
        <translation>Cible hors du sapin.</translation>
    </message>
    <message>
        <source>Target on the tree.</source>
        <translation>Cible sur le sapin.</translation>
    </message>
    <message>
        <source>Target on a toy.</source>
        <translation>Cible sur une décoration.</translation>
    </message>
    <message>
        <source>%1 Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>%1 Les flèches déplacent la cible&#xa0;; Suppr enlève la décoration la plus proche&#xa0;; Page préc. et Page suiv. tournent le sapin</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Ces vœux sont trop longs pour bien se lire sur le ruban.</translation>
    </message>
    <message>
        <source>Fir tree with 1 ornament</source>
        <translation>Sapin avec 1 décoration</translation>
    </message>
    <message numerus="yes">
        <source>Fir tree with %n ornaments</source>
        <translation>
            <numerusform>Sapin avec %n décoration</numerusform>
            <numerusform>Sapin avec %n décorations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormWelcome</name>
    <message>
        <source>Text of greeting</source>
        <translation>Texte des vœux</translation>
    </message>
    <message>
        <source>Font select</source>
        <translation>Choix de la police</translation>
    </message>
    <message>
        <source>Font style select</source>
        <translation>Choix du style</translation>
    </message>
    <message>
        <source>Color select</source>
        <translation>Choix de la couleur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>too long for the ribbon</source>
        <translation>trop long pour le ruban</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Ces vœux sont trop longs pour bien se lire sur le ruban.</translation>
    </message>
</context>
<context>
    <name>TNoteDialog</name>
    <message>
        <source>A note under the card. {name} becomes each recipient&apos;s first name.</source>
        <translation>Une note sous la carte. {name} devient le prénom de chaque destinataire.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message numerus="yes">
        <source>Characters left: %n</source>
        <translation>
            <numerusform>%n caractère restant</numerusform>
            <numerusform>%n caractères restants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOutboxWindow</name>
    <message>
        <source>Cards waiting to go out, and cards sent in the last year</source>
        <translation>Cartes en attente d’envoi, et cartes envoyées cette dernière année</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Destinataires</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Envoyer maintenant</translation>
    </message>
    <message>
        <source>Change time…</source>
        <translation>Changer l’heure…</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Waiting: tried again at %1 (%2)</source>
        <translation>En attente&#xa0;: nouvel essai à %1 (%2)</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Programmée</translation>
    </message>
    <message numerus="yes">
        <source>Sent to all %n</source>
        <translation>
            <numerusform>Envoyée à %n</numerusform>
            <numerusform>Envoyée aux %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n</source>
        <translation>
            <numerusform>Envoyée à %1 sur %n</numerusform>
            <numerusform>Envoyée à %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinewick is sending cards just now. Try again in a moment.</source>
        <translation>Pinewick envoie des cartes en ce moment. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>Delete the card to %1? It will not be sent.</source>
        <translation>Supprimer la carte pour %1&#xa0;? Elle ne sera pas envoyée.</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Password for %1 at %2:</source>
        <translation>Mot de passe de %1 sur %2&#xa0;:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Retenir</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring</source>
        <translation>Garder le mot de passe dans le trousseau du bureau</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TPreviewDialog</name>
    <message>
        <source>To: %1
Subject: %2</source>
        <translation>À&#xa0;: %1
Objet&#xa0;: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TSendLaterDialog</name>
    <message>
        <source>Send the card on:</source>
        <translation>Envoyer la carte le&#xa0;:</translation>
    </message>
    <message>
        <source>Date and time to send the card</source>
        <translation>Date et heure d’envoi de la carte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>WebCard</name>
    <message>
        <source>%1: three.js can&apos;t be read (is libjs-three installed?)</source>
        <translation>%1&#xa0;: impossible de lire three.js (libjs-three est-il installé&#xa0;?)</translation>
    </message>
    <message>
        <source>A decorated fir tree that turns, under the greeting “%1”. Drag it to turn it.</source>
        <extracomment>The described picture of the interactive card, for readers that can&apos;t see it; %1 is the greeting.</extracomment>
        <translation>Un sapin décoré qui tourne, sous les vœux «&#xa0;%1&#xa0;». Faites-le glisser pour le tourner.</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>the card&apos;s picture was not found.</source>
        <translation>l’image de la carte est introuvable.</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop.</source>
        <translation>aucune messagerie n’est configurée sur ce bureau.</translation>
    </message>
    <message>
        <source>the card&apos;s picture could not be read.</source>
        <translation>l’image de la carte est illisible.</translation>
    </message>
    <message>
        <source>xdg-email ended with the error status %1.</source>
        <translation>xdg-email s’est terminé avec le code d’erreur %1.</translation>
    </message>
    <message>
        <source>xdg-email stopped unexpectedly.</source>
        <translation>xdg-email s’est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>xdg-email could not be started (it comes with the package xdg-utils).</source>
        <translation>impossible de lancer xdg-email (il fait partie du paquet xdg-utils).</translation>
    </message>
    <message>
        <source>Type the address the card goes to.</source>
        <translation>Tapez l’adresse à laquelle envoyer la carte.</translation>
    </message>
    <message>
        <source>The card cannot go to this address: %1.</source>
        <translation>La carte ne peut pas partir à cette adresse&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n’a pas pu être écrit&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 est illisible&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 dépasse %2 octets</translation>
    </message>
</context>
<context>
    <name>mail::Outbox</name>
    <message>
        <source>The card has no recipients.</source>
        <translation>La carte n’a aucun destinataire.</translation>
    </message>
    <message>
        <source>The outbox folder %1 could not be made.</source>
        <translation>Impossible de créer le dossier d’envoi %1.</translation>
    </message>
    <message>
        <source>The card could not be moved into the outbox %1.</source>
        <translation>Impossible de placer la carte dans la boîte d’envoi %1.</translation>
    </message>
    <message>
        <source>the message for %1 is missing</source>
        <translation>le message pour %1 est manquant</translation>
    </message>
    <message>
        <source>A damaged card in the outbox was set aside in %1: %2</source>
        <translation>Une carte abîmée de la boîte d’envoi a été mise de côté dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mail::OutboxCard</name>
    <message>
        <source>the state file is not readable (%1)</source>
        <translation>le fichier d’état est illisible (%1)</translation>
    </message>
    <message>
        <source>the state file has an unknown version</source>
        <translation>le fichier d’état a une version inconnue</translation>
    </message>
    <message>
        <source>the state file has a damaged time or subject</source>
        <translation>le fichier d’état a une heure ou un objet abîmé</translation>
    </message>
    <message>
        <source>the state file names no recipients</source>
        <translation>le fichier d’état ne nomme aucun destinataire</translation>
    </message>
    <message>
        <source>the state file has a damaged recipient</source>
        <translation>le fichier d’état a un destinataire abîmé</translation>
    </message>
</context>
<context>
    <name>mail::OutboxSender</name>
    <message>
        <source>Sending &quot;%1&quot; to %n recipient(s) ...</source>
        <translation>Envoi de «&#xa0;%1&#xa0;», destinataires&#xa0;: %n…</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Envoyé à %1</translation>
    </message>
    <message>
        <source>Perhaps not sent to %1 (the server did not answer): %2</source>
        <translation>Peut-être pas envoyé à %1 (le serveur n’a pas répondu)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not sent to %1, tried again at %2: %3</source>
        <translation>Pas envoyé à %1, nouvel essai à %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Pas envoyé à %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>mail::SendTime</name>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-12-24 08:00&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date et une heure comme «&#xa0;2026-12-24 08:00&#xa0;».</translation>
    </message>
    <message>
        <source>The time to send the card must be at least a minute from now.</source>
        <translation>L’envoi de la carte doit être prévu au moins une minute plus tard.</translation>
    </message>
    <message>
        <source>The time to send the card must be at most a year from now.</source>
        <translation>L’envoi de la carte doit être prévu au plus tard dans un an.</translation>
    </message>
</context>
</TS>
