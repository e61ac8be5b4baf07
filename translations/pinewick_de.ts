<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressBookText</name>
    <message>
        <source>line %1: a contact without an address, skipped</source>
        <translation>Zeile %1: ein Kontakt ohne Adresse, übersprungen</translation>
    </message>
    <message>
        <source>line %1: more than %2 contacts, the rest skipped</source>
        <translation>Zeile %1: mehr als %2 Kontakte, der Rest übersprungen</translation>
    </message>
    <message>
        <source>line %1: &quot;%2&quot; is no mail address, skipped</source>
        <translation>Zeile %1: „%2“ ist keine Mailadresse, übersprungen</translation>
    </message>
    <message>
        <source>More than %1 addresses in the address books: the rest are left out.</source>
        <translation>Mehr als %1 Adressen in den Adressbüchern: Der Rest bleibt weg.</translation>
    </message>
    <message>
        <source>not a regular file, skipped</source>
        <translation>keine normale Datei, übersprungen</translation>
    </message>
    <message>
        <source>larger than 64 MiB, skipped</source>
        <translation>größer als 64 MiB, übersprungen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>contact %1: %2</source>
        <translation>Kontakt %1: %2</translation>
    </message>
    <message>
        <source>more than %1 contacts, the rest skipped</source>
        <translation>mehr als %1 Kontakte, der Rest übersprungen</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>holds no contacts table</source>
        <translation>enthält keine Kontakttabelle</translation>
    </message>
    <message>
        <source>more than %1 address books, the rest skipped</source>
        <translation>mehr als %1 Adressbücher, der Rest übersprungen</translation>
    </message>
    <message>
        <source>line %1: an alias without an address, skipped</source>
        <translation>Zeile %1: ein Alias ohne Adresse, übersprungen</translation>
    </message>
    <message>
        <source>line %1: more than %2 aliases, the rest skipped</source>
        <translation>Zeile %1: mehr als %2 Aliase, der Rest übersprungen</translation>
    </message>
    <message>
        <source>line %1: longer than 64 KiB, skipped</source>
        <translation>Zeile %1: länger als 64 KiB, übersprungen</translation>
    </message>
    <message>
        <source>sources itself (a loop), not read again</source>
        <translation>bindet sich selbst ein (eine Schleife), nicht noch einmal gelesen</translation>
    </message>
    <message>
        <source>sourced more than %1 files deep or beyond %2 files, not read</source>
        <translation>mehr als %1 Dateien tief oder über %2 Dateien hinaus eingebunden, nicht gelesen</translation>
    </message>
    <message numerus="yes">
        <source>%n more problem(s) not shown</source>
        <translation>
            <numerusform>%n weiteres Problem nicht gezeigt</numerusform>
            <numerusform>%n weitere Probleme nicht gezeigt</numerusform>
        </translation>
    </message>
    <message>
        <source>more than %1 entries, the rest skipped</source>
        <translation>mehr als %1 Einträge, der Rest übersprungen</translation>
    </message>
    <message>
        <source>card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>folders nested deeper than %1 are not searched</source>
        <translation>Ordner tiefer als %1 Ebenen werden nicht durchsucht</translation>
    </message>
    <message>
        <source>more than %1 files or 256 MiB of contacts, the rest skipped</source>
        <translation>mehr als %1 Dateien oder 256 MiB Kontakte, der Rest übersprungen</translation>
    </message>
    <message>
        <source>line %1: longer than 1 MiB, skipped</source>
        <translation>Zeile %1: länger als 1 MiB, übersprungen</translation>
    </message>
    <message>
        <source>line %1: not a vCard line, skipped</source>
        <translation>Zeile %1: keine vCard-Zeile, übersprungen</translation>
    </message>
    <message>
        <source>line %1: the card has no END:VCARD</source>
        <translation>Zeile %1: Der Karte fehlt END:VCARD</translation>
    </message>
    <message>
        <source>line %1: more than %2 cards, the rest skipped</source>
        <translation>Zeile %1: mehr als %2 Karten, der Rest übersprungen</translation>
    </message>
</context>
<context>
    <name>CardCommand</name>
    <message>
        <source>pinewick: %1: no window picture; using a plain background</source>
        <translation>pinewick: %1: kein Fensterbild; ein schlichter Hintergrund wird verwendet</translation>
    </message>
    <message>
        <source>pinewick: no OpenGL device to draw the tree; no card made</source>
        <translation>pinewick: kein OpenGL-Gerät zum Zeichnen des Baums; keine Karte erstellt</translation>
    </message>
    <message>
        <source>pinewick: the tree mesh could not be read (%1); no card made</source>
        <translation>pinewick: Das Baumnetz konnte nicht gelesen werden (%1); keine Karte erstellt</translation>
    </message>
</context>
<context>
    <name>CardMail</name>
    <message>
        <source>Made with Pinewick, the greeting tree for your desktop.</source>
        <translation>Gemacht mit Pinewick, dem Grußbaum für deinen Desktop.</translation>
    </message>
    <message>
        <source>The card picture could not be written to %1.</source>
        <translation>Das Kartenbild konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Open the attached Pinewick.html in a web browser to turn the tree.</source>
        <translation>Öffne die angehängte Pinewick.html in einem Webbrowser, um den Baum zu drehen.</translation>
    </message>
</context>
<context>
    <name>CardNote</name>
    <message>
        <source>The note has %1 characters; a note holds at most %2.</source>
        <translation>Die Notiz hat %1 Zeichen; eine Notiz fasst höchstens %2.</translation>
    </message>
</context>
<context>
    <name>CardRecipients</name>
    <message>
        <source>Nobody in your address books is called &quot;%1&quot;.</source>
        <translation>In deinen Adressbüchern heißt niemand „%1“.</translation>
    </message>
    <message numerus="yes">
        <source>A card goes to at most %n recipients at a time.</source>
        <translation>
            <numerusform>Eine Karte geht an höchstens %n Empfänger auf einmal.</numerusform>
            <numerusform>Eine Karte geht an höchstens %n Empfänger auf einmal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silbern</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--send needs an e-mail address</source>
        <translation>--send braucht eine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>--snapshot needs a file name (.jpg, .png, .gif, .webp, .mp4, .glb or .html)</source>
        <translation>--snapshot braucht einen Dateinamen (.jpg, .png, .gif, .webp, .mp4, .glb oder .html)</translation>
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
        <translation>Aufruf: pinewick [-DEBUG]
        pinewick --check [DATEI]
        pinewick --snapshot DATEI
        pinewick --send EMPFÄNGER... [--note TEXT | --note-file DATEI] [--at ZEIT]
                        [--animated] [--verbose]
        pinewick --send-due [--verbose]
        pinewick --version

  -DEBUG            ohne Titelsequenz starten
  --check [DATEI]   eine Beschreibungsdatei lesen (Vorgabe: Data/desc im Heimordner) und so
                    ausgeben, wie Pinewick sie schreibt; Fehler als DATEI:ZEILE: Meldung, Status 1
  --snapshot DATEI  das Grußbild (Hintergrund, Gruß, geschmückter Baum) schreiben, das Pinewick
                    verschickt und druckt; braucht keinen Bildschirm. Eine .gif-, .webp- oder
                    .mp4-DATEI zeigt die Karte bewegt: Der Baum dreht sich einmal ganz, in
                    Schleife; eine .glb-DATEI den Baum in 3D (glTF); eine .html-DATEI die Karte
                    als Webseite, deren Baum sich von selbst und beim Ziehen dreht
  --send EMPFÄNGER
                    das Bild von deinem eigenen Mailkonto schicken (Thunderbird, Evolution,
                    msmtp, git send-email oder ein lokaler Mailserver); EMPFÄNGER: Adressen,
                    „Name &lt;Adresse&gt;“ oder Namen aus deinen Adressbüchern, durch Kommas oder
                    Semikolons getrennt, --send darf mehrmals stehen; jeder Empfänger bekommt
                    eine eigene Mail. Zeigt den Fortschritt und wer die Karte bekam; Status 0
                    nur, wenn die Mail jedes Empfängers angenommen wurde
  --note TEXT, --note-file DATEI
                    mit --send: eine persönliche Notiz unter der Karte (höchstens 2.000 Zeichen);
                    {name} wird zum Vornamen jedes Empfängers
  --at ZEIT         mit --send: die Karte jetzt erstellen und zur ZEIT senden („2026-12-24 08:00“,
                    Ortszeit, wenn keine Zone angegeben ist; eine Minute bis ein Jahr voraus); sie
                    wartet im Postausgang, ~/.local/share/pinewick/outbox
  --send-due        die fälligen Karten des Postausgangs senden und beenden (Status 0: alle
                    gesendet, 75: einige warten auf einen neuen Versuch, 1: einige abgelehnt
                    oder aufgegeben)
  --animated        mit --send: Die Karte in der Mail ist der drehende Baum (ein animiertes GIF);
                    das Standbild kommt als Anhang mit
  --verbose         mit --send: das ganze Gespräch mit dem Mailserver zeigen
  --version         die Version von Pinewick ausgeben</translation>
    </message>
</context>
<context>
    <name>DefaultGreeting</name>
    <message>
        <source>Merry Christmas and a Happy New Year!</source>
        <extracomment>The greeting a new decoration starts with. Written across the top of the card in a script font: a short, warm wish for Christmas and the new year.</extracomment>
        <translation>Frohe Weihnachten und ein gutes neues Jahr!</translation>
    </message>
</context>
<context>
    <name>HelpScript</name>
    <message>
        <source>About Pinewick*and its makers</source>
        <translation>Über Pinewick*und seine Macher</translation>
    </message>
    <message>
        <source>Close the help*Click here</source>
        <translation>Hilfe schließen*Hier klicken</translation>
    </message>
    <message>
        <source>Click the ribbon*and type a greeting*Ctrl+Z undo Ctrl+Y redo</source>
        <translation>Klick aufs Band*und schreib einen Gruß*Strg+Z zurück Strg+Y vor</translation>
    </message>
    <message>
        <source>Send your tree*by e-mail or print it</source>
        <translation>Schick deinen Baum*per E-Mail oder druck ihn</translation>
    </message>
    <message>
        <source>Click: next song*Right click: silence</source>
        <translation>Klick: nächstes Lied*Rechtsklick: Stille</translation>
    </message>
    <message>
        <source>Right-click a toy*to take it off the tree*or press Delete near it</source>
        <translation>Rechtsklick auf Schmuck*nimmt ihn vom Baum*oder Entf daneben</translation>
    </message>
    <message>
        <source>Hold the left button*or Page Up/Down: turn*Double-click: it spins</source>
        <translation>Linke Taste halten*oder Bild↑/↓: drehen*Doppelklick: er kreist</translation>
    </message>
    <message>
        <source>Choose the 3D driver*that draws the tree</source>
        <translation>Wähl den 3D-Treiber*der den Baum zeichnet</translation>
    </message>
    <message>
        <source>Font and colour*of the greeting</source>
        <translation>Schrift und Farbe*des Grußes</translation>
    </message>
    <message>
        <source>Open a case and drag*a toy onto the tree*or Tab to it and Enter</source>
        <translation>Kiste öffnen, Schmuck*auf den Baum ziehen*oder Tab und Enter</translation>
    </message>
    <message>
        <source>Exit Pinewick</source>
        <translation>Pinewick beenden</translation>
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
        <translation>Leider arbeitet dieses Programm nur mit:
 * Thunderbird
 * Evolution
 * msmtp
 * git send-email
 * einem lokalen Mailserver</translation>
    </message>
    <message>
        <source>the account&apos;s password command did not finish within %1 seconds and was stopped</source>
        <translation>der Passwortbefehl des Kontos war nach %1 Sekunden nicht fertig und wurde beendet</translation>
    </message>
    <message>
        <source>the account&apos;s password command gave no password</source>
        <translation>der Passwortbefehl des Kontos lieferte kein Passwort</translation>
    </message>
    <message>
        <source>no password for %1 at %2 in the account&apos;s settings or the keyring</source>
        <translation>kein Passwort für %1 bei %2 in den Kontoeinstellungen oder im Schlüsselbund</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>An error (%1) and what the server or the connection said of it (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>a control character</source>
        <translation>ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it is not valid UTF-8</source>
        <translation>sie ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>it holds an invisible or control character</source>
        <translation>sie enthält ein unsichtbares oder ein Steuerzeichen</translation>
    </message>
    <message>
        <source>its local part (before the @) is empty</source>
        <translation>ihr lokaler Teil (vor dem @) ist leer</translation>
    </message>
    <message>
        <source>its local part is longer than %1 bytes</source>
        <translation>ihr lokaler Teil ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>its quoted local part is not closed</source>
        <translation>ihr lokaler Teil in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>its quoted local part has a bad backslash</source>
        <translation>ihr lokaler Teil in Anführungszeichen hat einen falschen Backslash</translation>
    </message>
    <message>
        <source>its quoted local part has a bare quote</source>
        <translation>ihr lokaler Teil in Anführungszeichen hat ein loses Anführungszeichen</translation>
    </message>
    <message>
        <source>it holds a control character</source>
        <translation>sie enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>its local part has an empty part between dots</source>
        <translation>ihr lokaler Teil hat einen leeren Abschnitt zwischen Punkten</translation>
    </message>
    <message>
        <source>its local part holds a character that needs quoting (%1)</source>
        <translation>ihr lokaler Teil enthält ein Zeichen, das Anführungszeichen braucht (%1)</translation>
    </message>
    <message>
        <source>its local part ends with a dot</source>
        <translation>ihr lokaler Teil endet mit einem Punkt</translation>
    </message>
    <message>
        <source>its domain (after the @) is empty</source>
        <translation>ihre Domain (nach dem @) ist leer</translation>
    </message>
    <message>
        <source>its domain is longer than %1 bytes</source>
        <translation>ihre Domain ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>its address literal is not closed</source>
        <translation>ihr Adressliteral ist nicht geschlossen</translation>
    </message>
    <message>
        <source>its address literal holds a character it may not</source>
        <translation>ihr Adressliteral enthält ein unerlaubtes Zeichen</translation>
    </message>
    <message>
        <source>its domain has an empty part between dots</source>
        <translation>ihre Domain hat einen leeren Abschnitt zwischen Punkten</translation>
    </message>
    <message>
        <source>a part of its domain is longer than 63 bytes</source>
        <translation>ein Teil ihrer Domain ist länger als 63 Bytes</translation>
    </message>
    <message>
        <source>a part of its domain starts or ends with a hyphen</source>
        <translation>ein Teil ihrer Domain beginnt oder endet mit einem Bindestrich</translation>
    </message>
    <message>
        <source>its domain holds a character a host name may not (%1)</source>
        <translation>ihre Domain enthält ein Zeichen, das in Rechnernamen nicht erlaubt ist (%1)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes</source>
        <translation>sie ist länger als %1 Bytes</translation>
    </message>
    <message>
        <source>it has no @</source>
        <translation>ihr fehlt das @</translation>
    </message>
    <message>
        <source>its domain cannot be written in ASCII (IDNA): a part holds a character a domain may not, or grows beyond 63 bytes</source>
        <translation>ihre Domain lässt sich nicht in ASCII schreiben (IDNA): Ein Teil enthält ein unerlaubtes Zeichen oder wird länger als 63 Bytes</translation>
    </message>
    <message>
        <source>it is longer than %1 bytes once its domain is written in ASCII</source>
        <translation>sie ist länger als %1 Bytes, sobald ihre Domain in ASCII geschrieben ist</translation>
    </message>
    <message>
        <source>Winsock not initialized</source>
        <translation>Netzwerk nicht bereit</translation>
    </message>
    <message>
        <source>Network down</source>
        <translation>Netzwerk nicht verfügbar</translation>
    </message>
    <message>
        <source>Invalid address specified</source>
        <translation>Ungültige Adresse angegeben</translation>
    </message>
    <message>
        <source>Unexpected internal error in component</source>
        <translation>Unerwarteter interner Fehler in der Komponente</translation>
    </message>
    <message>
        <source>General Winsock Error</source>
        <translation>Allgemeiner Netzwerkfehler</translation>
    </message>
    <message>
        <source>Connection aborted due to timeout or other failure</source>
        <translation>Verbindung wegen Zeitüberschreitung oder eines anderen Fehlers abgebrochen</translation>
    </message>
    <message>
        <source>Connection reset by remote side</source>
        <translation>Verbindung von der Gegenseite zurückgesetzt</translation>
    </message>
    <message>
        <source>timeout</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>Out of sockets</source>
        <translation>Keine Sockets mehr frei</translation>
    </message>
    <message>
        <source>Network unreachable</source>
        <translation>Netzwerk nicht erreichbar</translation>
    </message>
    <message>
        <source>Address not available</source>
        <translation>Adresse nicht verfügbar</translation>
    </message>
    <message>
        <source>Connection Refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>Address resolution error</source>
        <translation>Fehler bei der Namensauflösung</translation>
    </message>
    <message>
        <source>Host Unreachable</source>
        <translation>Rechner nicht erreichbar</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Login failed: the server refused the user name or password</source>
        <translation>Anmeldung fehlgeschlagen: Der Server hat Benutzername oder Passwort abgelehnt</translation>
    </message>
    <message>
        <source>TLS handshake failed</source>
        <translation>TLS-Handshake fehlgeschlagen</translation>
    </message>
    <message>
        <source>Server certificate not trusted</source>
        <translation>Dem Zertifikat des Servers wird nicht vertraut</translation>
    </message>
    <message>
        <source>The server offers no STARTTLS: the mail was not sent unencrypted</source>
        <translation>Der Server bietet kein STARTTLS an: Die Mail wurde nicht unverschlüsselt gesendet</translation>
    </message>
    <message>
        <source>The server offers no login by AUTH PLAIN or AUTH LOGIN</source>
        <translation>Der Server bietet keine Anmeldung per AUTH PLAIN oder AUTH LOGIN an</translation>
    </message>
    <message>
        <source>An address has letters beyond ASCII before its @, and the server does not take such addresses (it offers no SMTPUTF8): the mail was not sent</source>
        <translation>Eine Adresse hat vor dem @ Buchstaben außerhalb von ASCII, und der Server nimmt solche Adressen nicht an (er bietet kein SMTPUTF8): Die Mail wurde nicht gesendet</translation>
    </message>
    <message>
        <source>Mail Destination Error</source>
        <translation>Fehler beim Empfänger</translation>
    </message>
    <message>
        <source>Mail Destination Error: %1</source>
        <translation>Fehler beim Empfänger: %1</translation>
    </message>
    <message>
        <source>Winsock not initiliazed</source>
        <translation>Netzwerk nicht bereit</translation>
    </message>
    <message>
        <source>the server closed the connection</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Prematurely Disconnected</source>
        <translation>Verbindung vorzeitig getrennt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Zeitüberschreitung der Verbindung</translation>
    </message>
    <message>
        <source>Unexpected response: %1</source>
        <translation>Unerwartete Antwort: %1</translation>
    </message>
    <message>
        <source>Mail Destination Error: the server accepted no recipient (%1)</source>
        <translation>Fehler beim Empfänger: Der Server hat keinen Empfänger angenommen (%1)</translation>
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
        <translation>gemacht von Corlune</translation>
    </message>
    <message>
        <source>Built with</source>
        <translation>Gebaut mit</translation>
    </message>
    <message>
        <source>Send your tree to this e-mail address:</source>
        <extracomment>Painted above the address field, 239 pixels wide in DejaVu Sans Bold 11 px.</extracomment>
        <translation>Baum per E-Mail senden an:</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The label painted on a case: 54 pixels (the seventh 64) in DejaVu Sans Condensed Bold 10 px.</extracomment>
        <translation>Kugeln</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Glocken</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Eiszapfen</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Kügelchen</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Kerzen</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Spitzen</translation>
    </message>
</context>
<context>
    <name>ReplacingFile</name>
    <message>
        <source>%1: not a file that can be replaced</source>
        <translation>%1: keine Datei, die ersetzt werden kann</translation>
    </message>
    <message>
        <source>%1: no free temporary name beside it</source>
        <translation>%1: kein freier temporärer Name daneben</translation>
    </message>
    <message>
        <source>%1: nothing was written</source>
        <translation>%1: es wurde nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>SaveCard</name>
    <message>
        <source>Animated GIF (*.gif)</source>
        <translation>Animiertes GIF (*.gif)</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>Animiertes WebP (*.webp)</translation>
    </message>
    <message>
        <source>MP4 video (*.mp4)</source>
        <translation>MP4-Video (*.mp4)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Save card</source>
        <translation>Karte speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving %1…</source>
        <translation>%1 wird gespeichert …</translation>
    </message>
    <message>
        <source>The card could not be saved.

%1</source>
        <translation>Die Karte konnte nicht gespeichert werden.

%1</translation>
    </message>
    <message>
        <source>Saved the card as %1.</source>
        <translation>Die Karte wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>%1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>%1: Gib der Karte einen Namen auf .jpg, .png, .gif, .webp, .mp4, .glb oder .html</translation>
    </message>
    <message>
        <source>Interactive card (*.html)</source>
        <translation>Interaktive Karte (*.html)</translation>
    </message>
    <message>
        <source>3D model (*.glb)</source>
        <translation>3D-Modell (*.glb)</translation>
    </message>
</context>
<context>
    <name>SavePicture</name>
    <message>
        <source>%1: give the picture a .jpg or .png name</source>
        <translation>%1: Gib dem Bild einen Namen auf .jpg oder .png</translation>
    </message>
</context>
<context>
    <name>SendCommand</name>
    <message>
        <source>pinewick: the card picture could not be written: %1</source>
        <translation>pinewick: Das Kartenbild konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>pinewick: to send the card with your own mail program instead, run:</source>
        <translation>pinewick: Um die Karte stattdessen mit deinem eigenen Mailprogramm zu schicken, führe aus:</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: no private folder could be made in %1: %2</source>
        <translation>pinewick: Die Karte wurde nicht gesendet: In %1 ließ sich kein privater Ordner anlegen: %2</translation>
    </message>
    <message>
        <source>pinewick: the card was not sent: %1</source>
        <translation>pinewick: Die Karte wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>pinewick: no mail account found. %1</source>
        <translation>pinewick: Kein Mailkonto gefunden. %1</translation>
    </message>
    <message>
        <source>account: %1 &lt;%2&gt; through %3:%4 (%5)</source>
        <translation>Konto: %1 &lt;%2&gt; über %3:%4 (%5)</translation>
    </message>
    <message>
        <source>pinewick: cannot log in: %1</source>
        <translation>pinewick: Anmeldung nicht möglich: %1</translation>
    </message>
    <message>
        <source>Connected to %1</source>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Encrypted (%1)</source>
        <translation>Verschlüsselt (%1)</translation>
    </message>
    <message>
        <source>Logged in as %1</source>
        <translation>Angemeldet als %1</translation>
    </message>
    <message>
        <source>Recipient refused: %1 (%2)</source>
        <translation>Empfänger abgelehnt: %1 (%2)</translation>
    </message>
    <message>
        <source>The picture could not be read and was left out: %1</source>
        <translation>Das Bild konnte nicht gelesen werden und wurde weggelassen: %1</translation>
    </message>
    <message>
        <source>Sending the card (%1 KB) ...</source>
        <translation>Die Karte wird gesendet (%1 KB) …</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <translation>Angenommen: %1</translation>
    </message>
    <message>
        <source>error %1: %2</source>
        <translation>Fehler %1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1:%2 ...</source>
        <translation>Verbinde mit %1:%2 …</translation>
    </message>
    <message>
        <source>The note file %1 cannot be read.</source>
        <translation>Die Notizdatei %1 ist nicht lesbar.</translation>
    </message>
    <message>
        <source>The note file %1 is not a short text in UTF-8.</source>
        <translation>Die Notizdatei %1 ist kein kurzer Text in UTF-8.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these:</source>
        <translation>„%1“ könnte jede dieser Personen sein:</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Nicht an %1 gesendet: %2</translation>
    </message>
    <message>
        <source>No answer after the card to %1: it may have arrived, so it is not sent again.</source>
        <translation>Keine Antwort nach der Karte an %1: Sie ist vielleicht angekommen und wird darum nicht noch einmal gesendet.</translation>
    </message>
    <message>
        <source>To send it again to those only:</source>
        <translation>Um sie nur an diese noch einmal zu senden:</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <extracomment>The card&apos;s progress on the command line: &quot;2 of 5: Oma Ilse &lt;ilse@example.org&gt;&quot;</extracomment>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>Waits in the outbox for another try: %1 (%2)</source>
        <translation>Wartet im Postausgang auf einen neuen Versuch: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SendDueCommand</name>
    <message>
        <source>No card is due.</source>
        <translation>Keine Karte ist fällig.</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: no mail account found. %1</source>
        <translation>Die Karten im Postausgang wurden nicht gesendet: kein E-Mail-Konto gefunden. %1</translation>
    </message>
    <message>
        <source>The cards in the outbox were not sent: cannot log in: %1</source>
        <translation>Die Karten im Postausgang wurden nicht gesendet: Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Your Pinewick card went out</source>
        <translation>Die Pinewick-Karte ist verschickt</translation>
    </message>
    <message>
        <source>Sent to %1.</source>
        <translation>Gesendet an %1.</translation>
    </message>
    <message>
        <source>A Pinewick card could not be sent</source>
        <translation>Eine Pinewick-Karte konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>Not sent to %1. The outbox in Pinewick&apos;s output dialog says why.</source>
        <translation>Nicht gesendet an %1. Warum, zeigt der Postausgang im Sendefenster von Pinewick.</translation>
    </message>
    <message>
        <source>Another Pinewick is sending the outbox&apos;s cards now.</source>
        <translation>Ein anderes Pinewick sendet gerade die Karten des Postausgangs.</translation>
    </message>
    <message>
        <source>One card sent.</source>
        <translation>Eine Karte gesendet.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards sent.</source>
        <translation>
            <numerusform>%n Karte gesendet.</numerusform>
            <numerusform>%n Karten gesendet.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Die Karte wurde nicht in den Postausgang gelegt: %1</translation>
    </message>
    <message>
        <source>The card goes out on %1 to one recipient. It waits in the outbox until then.</source>
        <translation>Die Karte geht am %1 an einen Empfänger. Bis dahin wartet sie im Postausgang.</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipients. It waits in the outbox until then.</source>
        <translation>
            <numerusform>Die Karte geht am %1 an %n Empfänger. Bis dahin wartet sie im Postausgang.</numerusform>
            <numerusform>Die Karte geht am %1 an %n Empfänger. Bis dahin wartet sie im Postausgang.</numerusform>
        </translation>
    </message>
    <message>
        <source>The card could not be kept to send later: %1</source>
        <translation>Die Karte konnte nicht für später aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Keine Verbindung – Pinewick sendet sie, sobald es geht.</translation>
    </message>
</context>
<context>
    <name>SnapshotCommand</name>
    <message>
        <source>[%1] %2/%3 frames</source>
        <extracomment>A progress bar (%1), the frames made (%2) and all the frames (%3).</extracomment>
        <translation>[%1] %2/%3 Bilder</translation>
    </message>
    <message>
        <source>%1: %2 KB in %3 s</source>
        <extracomment>The file written, its size and the time it took.</extracomment>
        <translation>%1: %2 KB in %3 s</translation>
    </message>
    <message>
        <source>pinewick: %1: give the card a .jpg, .png, .gif, .webp, .mp4, .glb or .html name</source>
        <translation>pinewick: %1: Gib der Karte einen Namen auf .jpg, .png, .gif, .webp, .mp4, .glb oder .html</translation>
    </message>
</context>
<context>
    <name>StartOutbox</name>
    <message>
        <source>One card went out while Pinewick was closed.</source>
        <translation>Eine Karte wurde verschickt, während Pinewick geschlossen war.</translation>
    </message>
    <message numerus="yes">
        <source>%n cards went out while Pinewick was closed.</source>
        <translation>
            <numerusform>%n Karte wurde verschickt, während Pinewick geschlossen war.</numerusform>
            <numerusform>%n Karten wurden verschickt, während Pinewick geschlossen war.</numerusform>
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
        <translation>Leider braucht dieses Programm einen dieser Bildschirmmodi:
  * HiColor   (16 Bit)
  * TrueColor (24 Bit)

Dein Bildschirm hat %1 Bit

Programm beendet</translation>
    </message>
    <message>
        <source>You have a OpenGL %1.%2</source>
        <translation>Du hast OpenGL %1.%2</translation>
    </message>
    <message>
        <source>You haven&apos;t OpenGL</source>
        <translation>Du hast kein OpenGL</translation>
    </message>
    <message>
        <source>Sorry, but this program needs OpenGL 3.3 or more

%1

OpenGL 3.3 is located on &quot;https://www.mesa3d.org&quot;

Program stopped</source>
        <translation>Leider braucht dieses Programm OpenGL 3.3 oder neuer

%1

OpenGL 3.3 gibt es auf „https://www.mesa3d.org“

Programm beendet</translation>
    </message>
</context>
<context>
    <name>TD3DScene</name>
    <message>
        <source>DirectX error</source>
        <translation>Grafikfehler</translation>
    </message>
</context>
<context>
    <name>TDecorationHistory</name>
    <message>
        <source>Hang toy</source>
        <translation>Schmuck aufhängen</translation>
    </message>
    <message>
        <source>Remove toy</source>
        <translation>Schmuck abnehmen</translation>
    </message>
</context>
<context>
    <name>TFormAbout</name>
    <message>
        <source>Qt: windows, controls, fonts, pictures and printing</source>
        <translation>Qt: Fenster, Bedienelemente, Schriften, Bilder und Drucken</translation>
    </message>
    <message>
        <source>Mesa: OpenGL through EGL, on any graphics card or none</source>
        <translation>Mesa: OpenGL über EGL, mit jeder Grafikkarte oder ganz ohne</translation>
    </message>
    <message>
        <source>OpenSSL: keeps the mailed card private on its way</source>
        <translation>OpenSSL: Die verschickte Karte bleibt unterwegs privat</translation>
    </message>
    <message>
        <source>GLM: the vector and matrix arithmetic of the scene</source>
        <translation>GLM: Vektor- und Matrizenrechnung der Szene</translation>
    </message>
    <message>
        <source>SDL_mixer: plays the carols and the sounds</source>
        <translation>SDL_mixer: spielt die Weihnachtslieder und Klänge</translation>
    </message>
    <message>
        <source>FluidSynth: turns the carols&apos; notes into music</source>
        <translation>FluidSynth: macht aus den Noten der Lieder Musik</translation>
    </message>
    <message>
        <source>FFmpeg: plays the opening film</source>
        <translation>FFmpeg: spielt den Vorspann</translation>
    </message>
    <message>
        <source>Do you want to exit ?</source>
        <translation>Wirklich beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
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
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>E-Mail the Pinewick</source>
        <translation>Pinewick per E-Mail senden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print of the Pinewick</source>
        <translation>Pinewick drucken</translation>
    </message>
    <message>
        <source>Save card…</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Save the card as a picture or an animation</source>
        <translation>Die Karte als Bild oder Animation speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Animated card</source>
        <translation>Bewegte Karte</translation>
    </message>
    <message>
        <source>Mail the turning tree as an animated picture</source>
        <translation>Den drehenden Baum als bewegtes Bild verschicken</translation>
    </message>
    <message>
        <source>No private folder for the card picture could be made in %1: %2</source>
        <translation>In %1 ließ sich kein privater Ordner für das Kartenbild anlegen: %2</translation>
    </message>
    <message>
        <source>There is no card to send.</source>
        <translation>Es gibt keine Karte zum Senden.</translation>
    </message>
    <message>
        <source>Making the animated card…</source>
        <translation>Die bewegte Karte entsteht …</translation>
    </message>
    <message>
        <source>The card was not sent: %1</source>
        <translation>Die Karte wurde nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Mail sended</source>
        <translation>Mail gesendet</translation>
    </message>
    <message>
        <source>Open your own mail program to send the card?</source>
        <translation>Dein eigenes Mailprogramm öffnen, um die Karte zu senden?</translation>
    </message>
    <message>
        <source>The card picture could not be written: %1</source>
        <translation>Das Kartenbild konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Your mail program could not be opened: %1

The card is saved as %2; you can attach it to a mail yourself.</source>
        <translation>Dein Mailprogramm ließ sich nicht öffnen: %1

Die Karte ist als %2 gespeichert; du kannst sie selbst an eine Mail anhängen.</translation>
    </message>
    <message>
        <source>Set up your account in one of these, or save the card and attach it to a mail yourself.</source>
        <translation>Richte dein Konto in einem dieser Programme ein oder speichere die Karte und häng sie selbst an eine Mail an.</translation>
    </message>
    <message>
        <source>Sending %1 of %2…</source>
        <translation>Sende %1 von %2 …</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Sende …</translation>
    </message>
    <message>
        <source>E-mail addresses or names from your address books, separated by commas</source>
        <translation>E-Mail-Adressen oder Namen aus deinen Adressbüchern, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Notiz …</translation>
    </message>
    <message>
        <source>Write a personal note under the card</source>
        <translation>Eine persönliche Notiz unter die Karte schreiben</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>See the mail as its first recipient will see it</source>
        <translation>Die Mail so sehen, wie ihr erster Empfänger sie sieht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could be any of these. Choose one from the list:
%2</source>
        <translation>„%1“ könnte jede dieser Personen sein. Wähl eine aus der Liste:
%2</translation>
    </message>
    <message>
        <source>Note ✓</source>
        <translation>Notiz ✓</translation>
    </message>
    <message>
        <source>(nobody yet)</source>
        <translation>(noch niemand)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>The card went to %1 of %n recipients.</source>
        <translation>
            <numerusform>Die Karte ging an %1 von %n Empfänger.</numerusform>
            <numerusform>Die Karte ging an %1 von %n Empfängern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to:</source>
        <translation>Gesendet an:</translation>
    </message>
    <message>
        <source>Not sent to:</source>
        <translation>Nicht gesendet an:</translation>
    </message>
    <message>
        <source>No answer after the card to these; it may have arrived, so it is not sent again:</source>
        <translation>Keine Antwort nach der Karte an diese; sie ist vielleicht angekommen und wird darum nicht noch einmal gesendet:</translation>
    </message>
    <message>
        <source>Send again</source>
        <translation>Erneut senden</translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can.</source>
        <translation>Keine Verbindung – Pinewick sendet sie, sobald es geht.</translation>
    </message>
    <message>
        <source>Send on…</source>
        <translation>Senden am …</translation>
    </message>
    <message>
        <source>Send the card on a day and at a time you choose</source>
        <translation>Die Karte an einem Tag und zu einer Uhrzeit deiner Wahl senden</translation>
    </message>
    <message>
        <source>Outbox…</source>
        <translation>Ausgang …</translation>
    </message>
    <message>
        <source>The cards waiting to go out, and those sent</source>
        <translation>Die Karten, die auf den Versand warten, und die gesendeten</translation>
    </message>
    <message>
        <source>The card was not put in the outbox: %1</source>
        <translation>Die Karte kam nicht in den Postausgang: %1</translation>
    </message>
    <message numerus="yes">
        <source>The card goes out on %1 to %n recipient(s). It waits in the outbox until then.</source>
        <translation>
            <numerusform>Die Karte geht am %1 an %n Empfänger. Bis dahin wartet sie im Postausgang.</numerusform>
            <numerusform>Die Karte geht am %1 an %n Empfänger. Bis dahin wartet sie im Postausgang.</numerusform>
        </translation>
    </message>
    <message>
        <source>No connection — Pinewick will send it as soon as it can to:</source>
        <translation>Keine Verbindung – Pinewick sendet sie, sobald es geht, an:</translation>
    </message>
    <message>
        <source>Interactive card</source>
        <translation>Interaktive Karte</translation>
    </message>
    <message>
        <source>Send the card as a web page too, where the tree can be turned</source>
        <translation>Die Karte auch als Webseite senden, auf der sich der Baum drehen lässt</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Drivers</source>
        <extracomment>The title of the list of 3D drivers.</extracomment>
        <translation>Treiber</translation>
    </message>
</context>
<context>
    <name>TFormTitle</name>
    <message>
        <source>Do you want to create %1 shortcut
on your desktop ?</source>
        <translation>Eine Verknüpfung zu %1
auf dem Desktop anlegen?</translation>
    </message>
</context>
<context>
    <name>TFormTree</name>
    <message>
        <source>big ball</source>
        <extracomment>One toy of a case, as a screen reader names it after its colour.</extracomment>
        <translation>große Kugel</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>icicle</source>
        <translation>Eiszapfen</translation>
    </message>
    <message>
        <source>star</source>
        <translation>Stern</translation>
    </message>
    <message>
        <source>small ball</source>
        <translation>kleine Kugel</translation>
    </message>
    <message>
        <source>candle</source>
        <translation>Kerze</translation>
    </message>
    <message>
        <source>tree top</source>
        <translation>Baumspitze</translation>
    </message>
    <message>
        <source>Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>Pfeiltasten bewegen das Ziel; Entf nimmt den nächsten Schmuck ab; Bild auf und Bild ab drehen den Baum</translation>
    </message>
    <message>
        <source>Greeting</source>
        <translation>Gruß</translation>
    </message>
    <message>
        <source>Enter starts and ends typing; Ctrl+Z undoes</source>
        <translation>Enter beginnt und beendet das Schreiben; Strg+Z macht rückgängig</translation>
    </message>
    <message>
        <source>Case of toys: Enter shows its toys</source>
        <translation>Schmuckkiste: Enter zeigt ihren Schmuck</translation>
    </message>
    <message>
        <source>Enter picks it up; the arrow keys carry it over the tree; Enter hangs it, Escape puts it back</source>
        <translation>Enter nimmt ihn auf; die Pfeiltasten tragen ihn über den Baum; Enter hängt ihn auf, Escape legt ihn zurück</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A toy&apos;s colour (%1, such as &quot;Red&quot;) and kind (%2, such as &quot;big ball&quot;).</extracomment>
        <translation>%2, %1</translation>
    </message>
    <message>
        <source>Send Pinewick</source>
        <translation>Pinewick senden</translation>
    </message>
    <message>
        <source>Fill in the text of greeting</source>
        <translation>Grußtext eingeben</translation>
    </message>
    <message>
        <source>Music switch</source>
        <translation>Musik an/aus</translation>
    </message>
    <message>
        <source>Change 3D driver</source>
        <translation>3D-Treiber wechseln</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Big balls</source>
        <extracomment>The seven cases of toys along the bottom of the window.</extracomment>
        <translation>Kugeln</translation>
    </message>
    <message>
        <source>Bells</source>
        <translation>Glocken</translation>
    </message>
    <message>
        <source>Icicles</source>
        <translation>Zapfen</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Small balls</source>
        <translation>Kügelchen</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Kerzen</translation>
    </message>
    <message>
        <source>Tops</source>
        <translation>Spitzen</translation>
    </message>
    <message>
        <source>An empty tree is shown. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Ein leerer Baum wird gezeigt. Deine Datei bleibt, wie sie ist, und wird nicht überschrieben; Änderungen in dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The decoration that comes with Pinewick is shown instead. Your file is left as it is and will not be overwritten; changes made in this session are not saved.</source>
        <translation>Stattdessen wird der mitgelieferte Schmuck von Pinewick gezeigt. Deine Datei bleibt, wie sie ist, und wird nicht überschrieben; Änderungen in dieser Sitzung werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your decoration could not be saved:
%1

Free some space or fix the folder&apos;s permissions, then try again.</source>
        <translation>Dein Baumschmuck konnte nicht gespeichert werden:
%1

Schaff etwas Platz oder korrigiere die Rechte des Ordners und versuch es noch einmal.</translation>
    </message>
    <message>
        <source>Quit without saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <source>Target off the tree.</source>
        <translation>Ziel neben dem Baum.</translation>
    </message>
    <message>
        <source>Target on the tree.</source>
        <translation>Ziel auf dem Baum.</translation>
    </message>
    <message>
        <source>Target on a toy.</source>
        <translation>Ziel auf einem Schmuckstück.</translation>
    </message>
    <message>
        <source>%1 Arrow keys move the target; Delete removes the nearest toy; Page Up and Page Down turn the tree</source>
        <translation>%1 Pfeiltasten bewegen das Ziel; Entf nimmt den nächsten Schmuck ab; Bild auf und Bild ab drehen den Baum</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Dieser Gruß ist zu lang, um auf dem Band gut lesbar zu sein.</translation>
    </message>
    <message>
        <source>Fir tree with 1 ornament</source>
        <translation>Tanne mit 1 Schmuckstück</translation>
    </message>
    <message numerus="yes">
        <source>Fir tree with %n ornaments</source>
        <translation>
            <numerusform>Tanne mit %n Schmuckstück</numerusform>
            <numerusform>Tanne mit %n Schmuckstücken</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFormWelcome</name>
    <message>
        <source>Text of greeting</source>
        <translation>Grußtext</translation>
    </message>
    <message>
        <source>Font select</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Font style select</source>
        <translation>Schriftstil wählen</translation>
    </message>
    <message>
        <source>Color select</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>too long for the ribbon</source>
        <translation>zu lang für das Band</translation>
    </message>
    <message>
        <source>This greeting is too long to read well on the ribbon.</source>
        <translation>Dieser Gruß ist zu lang, um auf dem Band gut lesbar zu sein.</translation>
    </message>
</context>
<context>
    <name>TNoteDialog</name>
    <message>
        <source>A note under the card. {name} becomes each recipient&apos;s first name.</source>
        <translation>Eine Notiz unter der Karte. {name} wird zum Vornamen jedes Empfängers.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>Characters left: %n</source>
        <translation>
            <numerusform>Noch %n Zeichen</numerusform>
            <numerusform>Noch %n Zeichen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TOutboxWindow</name>
    <message>
        <source>Cards waiting to go out, and cards sent in the last year</source>
        <translation>Karten, die auf den Versand warten, und Karten, die im letzten Jahr gesendet wurden</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Send now</source>
        <translation>Jetzt senden</translation>
    </message>
    <message>
        <source>Change time…</source>
        <translation>Zeit ändern …</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Waiting: tried again at %1 (%2)</source>
        <translation>Wartet: neuer Versuch um %1 (%2)</translation>
    </message>
    <message>
        <source>Scheduled</source>
        <translation>Geplant</translation>
    </message>
    <message numerus="yes">
        <source>Sent to all %n</source>
        <translation>
            <numerusform>An %n gesendet</numerusform>
            <numerusform>An alle %n gesendet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n</source>
        <translation>
            <numerusform>An %1 von %n gesendet</numerusform>
            <numerusform>An %1 von %n gesendet</numerusform>
        </translation>
    </message>
    <message>
        <source>Pinewick is sending cards just now. Try again in a moment.</source>
        <translation>Pinewick sendet gerade Karten. Versuch es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Delete the card to %1? It will not be sent.</source>
        <translation>Die Karte an %1 löschen? Sie wird nicht gesendet.</translation>
    </message>
</context>
<context>
    <name>TPasswordDialog</name>
    <message>
        <source>Password for %1 at %2:</source>
        <translation>Passwort für %1 bei %2:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Remember</source>
        <translation>Merken</translation>
    </message>
    <message>
        <source>Keep the password in the desktop keyring</source>
        <translation>Das Passwort im Schlüsselbund des Desktops aufbewahren</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TPreviewDialog</name>
    <message>
        <source>To: %1
Subject: %2</source>
        <translation>An: %1
Betreff: %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TSendLaterDialog</name>
    <message>
        <source>Send the card on:</source>
        <translation>Die Karte senden am:</translation>
    </message>
    <message>
        <source>Date and time to send the card</source>
        <translation>Datum und Uhrzeit für den Versand der Karte</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WebCard</name>
    <message>
        <source>%1: three.js can&apos;t be read (is libjs-three installed?)</source>
        <translation>%1: three.js ist nicht lesbar (ist libjs-three installiert?)</translation>
    </message>
    <message>
        <source>A decorated fir tree that turns, under the greeting “%1”. Drag it to turn it.</source>
        <extracomment>The described picture of the interactive card, for readers that can&apos;t see it; %1 is the greeting.</extracomment>
        <translation>Eine geschmückte Tanne, die sich dreht, unter dem Gruß „%1“. Zieh an ihr, um sie zu drehen.</translation>
    </message>
</context>
<context>
    <name>mail</name>
    <message>
        <source>the card&apos;s picture was not found.</source>
        <translation>das Bild der Karte wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>no mail program is set up on this desktop.</source>
        <translation>auf diesem Desktop ist kein Mailprogramm eingerichtet.</translation>
    </message>
    <message>
        <source>the card&apos;s picture could not be read.</source>
        <translation>das Bild der Karte konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>xdg-email ended with the error status %1.</source>
        <translation>xdg-email endete mit dem Fehlerstatus %1.</translation>
    </message>
    <message>
        <source>xdg-email stopped unexpectedly.</source>
        <translation>xdg-email wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>xdg-email could not be started (it comes with the package xdg-utils).</source>
        <translation>xdg-email ließ sich nicht starten (es gehört zum Paket xdg-utils).</translation>
    </message>
    <message>
        <source>Type the address the card goes to.</source>
        <translation>Gib die Adresse ein, an die die Karte gehen soll.</translation>
    </message>
    <message>
        <source>The card cannot go to this address: %1.</source>
        <translation>An diese Adresse kann die Karte nicht gehen: %1.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes</source>
        <translation>%1 ist größer als %2 Bytes</translation>
    </message>
</context>
<context>
    <name>mail::Outbox</name>
    <message>
        <source>The card has no recipients.</source>
        <translation>Die Karte hat keine Empfänger.</translation>
    </message>
    <message>
        <source>The outbox folder %1 could not be made.</source>
        <translation>Der Postausgangsordner %1 ließ sich nicht anlegen.</translation>
    </message>
    <message>
        <source>The card could not be moved into the outbox %1.</source>
        <translation>Die Karte ließ sich nicht in den Postausgang %1 verschieben.</translation>
    </message>
    <message>
        <source>the message for %1 is missing</source>
        <translation>die Nachricht für %1 fehlt</translation>
    </message>
    <message>
        <source>A damaged card in the outbox was set aside in %1: %2</source>
        <translation>Eine beschädigte Karte im Postausgang wurde in %1 beiseitegelegt: %2</translation>
    </message>
</context>
<context>
    <name>mail::OutboxCard</name>
    <message>
        <source>the state file is not readable (%1)</source>
        <translation>die Statusdatei ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>the state file has an unknown version</source>
        <translation>die Statusdatei hat eine unbekannte Version</translation>
    </message>
    <message>
        <source>the state file has a damaged time or subject</source>
        <translation>die Statusdatei hat eine beschädigte Zeit oder einen beschädigten Betreff</translation>
    </message>
    <message>
        <source>the state file names no recipients</source>
        <translation>die Statusdatei nennt keine Empfänger</translation>
    </message>
    <message>
        <source>the state file has a damaged recipient</source>
        <translation>die Statusdatei hat einen beschädigten Empfänger</translation>
    </message>
</context>
<context>
    <name>mail::OutboxSender</name>
    <message>
        <source>Sending &quot;%1&quot; to %n recipient(s) ...</source>
        <translation>„%1“ wird gesendet, Empfänger: %n …</translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <translation>Gesendet an %1</translation>
    </message>
    <message>
        <source>Perhaps not sent to %1 (the server did not answer): %2</source>
        <translation>Vielleicht nicht an %1 gesendet (der Server antwortete nicht): %2</translation>
    </message>
    <message>
        <source>Not sent to %1, tried again at %2: %3</source>
        <translation>Nicht an %1 gesendet, neuer Versuch um %2: %3</translation>
    </message>
    <message>
        <source>Not sent to %1: %2</source>
        <translation>Nicht an %1 gesendet: %2</translation>
    </message>
</context>
<context>
    <name>mail::SendTime</name>
    <message>
        <source>&quot;%1&quot; is not a date and time such as &quot;2026-12-24 08:00&quot;.</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit wie „2026-12-24 08:00“.</translation>
    </message>
    <message>
        <source>The time to send the card must be at least a minute from now.</source>
        <translation>Die Karte muss frühestens in einer Minute gesendet werden.</translation>
    </message>
    <message>
        <source>The time to send the card must be at most a year from now.</source>
        <translation>Die Karte muss spätestens in einem Jahr gesendet werden.</translation>
    </message>
</context>
</TS>
