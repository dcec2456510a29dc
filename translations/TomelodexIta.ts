<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Backup</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>it holds more than it says</source>
        <translation>contiene più di quanto dichiara</translation>
    </message>
    <message>
        <source>its list of contents is damaged</source>
        <translation>il suo elenco del contenuto è danneggiato</translation>
    </message>
    <message>
        <source>it is not a backup of a Tomelodex library</source>
        <translation>non è un backup di una biblioteca di Tomelodex</translation>
    </message>
    <message>
        <source>it was made by a newer version of Tomelodex (backup format %1)</source>
        <translation>è stato creato da una versione più recente di Tomelodex (formato di backup %1)</translation>
    </message>
    <message>
        <source>it names a cover &quot;%1&quot; that would lie outside the images folder</source>
        <translation>indica una copertina &quot;%1&quot; che finirebbe fuori dalla cartella delle immagini</translation>
    </message>
    <message>
        <source>the backup&apos;s name is not UTF-8 text</source>
        <translation>il nome del backup non è testo UTF-8</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is no part of a library backup</source>
        <translation>contiene &quot;%1&quot;, che non fa parte di un backup di una biblioteca</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is not a plain file</source>
        <translation>&quot;%1&quot; al suo interno non è un file normale</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged or not as its list of contents says</source>
        <translation>&quot;%1&quot; al suo interno è danneggiato o non corrisponde al suo elenco del contenuto</translation>
    </message>
    <message>
        <source>it is incomplete or damaged</source>
        <translation>è incompleto o danneggiato</translation>
    </message>
    <message>
        <source>%1 exists already; a restore makes a new library and never replaces a file</source>
        <translation>%1 esiste già; il ripristino crea una nuova biblioteca e non sostituisce mai un file</translation>
    </message>
    <message>
        <source>there is not enough room on the disk: it needs %1, and %2 are free</source>
        <translation>non c&apos;è abbastanza spazio sul disco: servono %1 e ne sono liberi %2</translation>
    </message>
    <message>
        <source>the library in it cannot be opened: %1</source>
        <translation>la biblioteca al suo interno non può essere aperta: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it cannot be read</source>
        <translation>&quot;%1&quot; al suo interno non può essere letto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged: %2</source>
        <translation>&quot;%1&quot; al suo interno è danneggiato: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged: its checksum does not match</source>
        <translation>&quot;%1&quot; al suo interno è danneggiato: il checksum non corrisponde</translation>
    </message>
    <message>
        <source>%1 could not be restored as %2:
%3</source>
        <translation>Impossibile ripristinare %1 come %2:
%3</translation>
    </message>
    <message>
        <source>%1 cannot be read as a backup:
%2</source>
        <translation>%1 non può essere letto come backup:
%2</translation>
    </message>
    <message>
        <source>the picture %1 cannot be kept: its name is not UTF-8 text</source>
        <translation>l&apos;immagine %1 non può essere salvata: il suo nome non è testo UTF-8</translation>
    </message>
    <message>
        <source>a backup cannot be written over the library itself</source>
        <translation>un backup non può sovrascrivere la biblioteca stessa</translation>
    </message>
    <message>
        <source>%1 could not be backed up to %2:
%3</source>
        <translation>Impossibile eseguire il backup di %1 in %2:
%3</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tomelodex</source>
        <translation>Informazioni su Tomelodex</translation>
    </message>
    <message>
        <source>Tomelodex Version %1</source>
        <translation>Tomelodex versione %1</translation>
    </message>
    <message>
        <source>Copyright © 2003–2005 Brindlewood Software</source>
        <translation>Copyright © 2003–2005 Brindlewood Software</translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Query Online By &amp;ISBN(s)</source>
        <translation>Cerca online per &amp;ISBN</translation>
    </message>
    <message>
        <source>Query Online By &amp;Title, Author and Publisher</source>
        <translation>Cerca online per &amp;titolo, autore ed editore</translation>
    </message>
    <message>
        <source>Add a Book &amp;Manually</source>
        <translation>Aggiungi un libro &amp;manualmente</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>&amp;Carica...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation>Inserire gli ISBN qui sotto (uno per riga).</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autore:</translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation>Editore:</translation>
    </message>
    <message>
        <source>Load ISBN List</source>
        <translation>Carica elenco ISBN</translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <translation>Impossibile aprire il file in lettura.</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>Non c&apos;è nulla da salvare.</translation>
    </message>
    <message>
        <source>Save ISBN List</source>
        <translation>Salva elenco ISBN</translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <translation>Il file è stato salvato.</translation>
    </message>
    <message>
        <source>%1 is not a valid ISBN. Ignore this one?</source>
        <translation>%1 non è un ISBN valido. Ignorarlo?</translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <translation>Inserire almeno uno dei seguenti dati: titolo, autore o editore.</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <translation>File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Tip: Any USB bar-code scanner works here: it types each ISBN like a keyboard. Click in the box and scan the books.</source>
        <translation>Suggerimento: qui funziona qualsiasi lettore di codici a barre USB: scrive ogni ISBN come una tastiera. Fai clic nella casella e leggi i libri.</translation>
    </message>
</context>
<context>
    <name>CAddressHint</name>
    <message>
        <source>An address starts with http:// or https://, e.g. https://www.example.org</source>
        <translation>Un indirizzo inizia con http:// o https://, ad es. https://www.example.org</translation>
    </message>
    <message>
        <source>Taken as %1</source>
        <translation>Verrà usato come %1</translation>
    </message>
</context>
<context>
    <name>CBackupCommands</name>
    <message>
        <source>Library backups (*.zip)</source>
        <translation>Backup di biblioteche (*.zip)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Back Up Library</source>
        <translation>Backup della biblioteca</translation>
    </message>
    <message>
        <source>Backing up %1 to %2...</source>
        <translation>Backup di %1 in %2...</translation>
    </message>
    <message>
        <source>The library was backed up to %1.</source>
        <translation>Il backup della biblioteca è stato salvato in %1.</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Ripristina da backup</translation>
    </message>
    <message>
        <source>Restore Library As</source>
        <translation>Ripristina la biblioteca come</translation>
    </message>
    <message>
        <source>Restoring %1 as %2...</source>
        <translation>Ripristino di %1 come %2...</translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>Basic Search</source>
        <translation>Ricerca semplice</translation>
    </message>
    <message>
        <source>&amp;Enter keyword:</source>
        <translation>&amp;Parola chiave:</translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation>&amp;Svuota prima i risultati della ricerca</translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation>La ricerca semplice esamina i seguenti 7 campi: titolo, autore, ISBN, descrizione, note, testo utente 1 e testo utente 2.</translation>
    </message>
</context>
<context>
    <name>CBatchDlg</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Batch Mode</source>
        <translation>Modalità batch</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <translation>La coda delle ricerche è vuota.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation>Conclusione in corso, attendere...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Aggiunto</translation>
    </message>
    <message>
        <source>Already in the library: skipped</source>
        <translation>Già presente nel database: saltato</translation>
    </message>
    <message>
        <source>Not found at %1</source>
        <translation>Non trovato su %1</translation>
    </message>
    <message>
        <source>Not looked up: %1</source>
        <translation>Non cercato: %1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Non salvato: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n aggiunto</numerusform>
            <numerusform>%n aggiunti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n già presente nel database</numerusform>
            <numerusform>%n già presenti nel database</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found at %1</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n non trovato su %1</numerusform>
            <numerusform>%n non trovati su %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n non cercato</numerusform>
            <numerusform>%n non cercati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not saved</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n non salvato</numerusform>
            <numerusform>%n non salvati</numerusform>
        </translation>
    </message>
    <message>
        <source>Job finished: %1.</source>
        <translation>Operazione completata: %1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CBookBasicPage</name>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation>&amp;Sottotitolo:</translation>
    </message>
    <message>
        <source>Auth&amp;or:</source>
        <translation>Aut&amp;ore:</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
    <message>
        <source>&amp;Edition:</source>
        <translation>&amp;Edizione:</translation>
    </message>
    <message>
        <source>Publis&amp;her:</source>
        <translation>Edi&amp;tore:</translation>
    </message>
    <message>
        <source>&amp;ISBN:</source>
        <translation>&amp;ISBN:</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>P&amp;agine:</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>Li&amp;ngua:</translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation>Data di &amp;pubblicazione:</translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <translation>&amp;Rilegatura:</translation>
    </message>
    <message>
        <source>Di&amp;mension:</source>
        <translation>Di&amp;mensioni:</translation>
    </message>
    <message>
        <source>E&amp;xtras:</source>
        <translation>E&amp;xtra:</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Generale</translation>
    </message>
</context>
<context>
    <name>CBookCoversPage</name>
    <message>
        <source>Front Cover</source>
        <translation>Copertina anteriore</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>Back Cover</source>
        <translation>Copertina posteriore</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>Sf&amp;oglia...</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>C&amp;ancella</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Copertine</translation>
    </message>
</context>
<context>
    <name>CBookDescriptionPage</name>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Descrizione</translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation>Aggiungere indirizzi web, file o cartelle locali collegati a questo libro.</translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation>Ad es. il sito web dell&apos;autore, i file dell&apos;e-book.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Related &amp;Links</source>
        <translation>&amp;Collegamenti</translation>
    </message>
</context>
<context>
    <name>CBookListModel</name>
    <message>
        <source>No cover</source>
        <translation>Nessuna copertina</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valutazione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>Data di aggiunta</translation>
    </message>
    <message>
        <source>Lent to %1</source>
        <translation>Prestato a %1</translation>
    </message>
    <message>
        <source>%1 #%2</source>
        <extracomment>A book&apos;s series and its number there in the book list: &quot;Dune #2&quot;.</extracomment>
        <translation>%1 n. %2</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
</context>
<context>
    <name>CBookLoansPage</name>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Serie:</translation>
    </message>
    <message>
        <source>The book&apos;s place in the series: a number such as 3 or 2.5</source>
        <translation>Il posto del libro nella serie: un numero come 3 o 2.5</translation>
    </message>
    <message>
        <source>Num&amp;ber:</source>
        <translation>N&amp;umero:</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Prestiti</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Loan Date</source>
        <translation>Data prestito</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>Returned</source>
        <translation>Restituito</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>L&amp;end...</source>
        <translation>Pres&amp;ta...</translation>
    </message>
    <message>
        <source>Ret&amp;urn</source>
        <translation>&amp;Restituisci</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Letture</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniziata</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finita</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Aggiungi...</translation>
    </message>
    <message>
        <source>Ed&amp;it...</source>
        <translation>&amp;Modifica...</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>Prestato</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Preso in prestito</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>In ritardo</translation>
    </message>
    <message>
        <source>Not returned</source>
        <translation>Non restituito</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>In lettura</translation>
    </message>
    <message>
        <source>Loans &amp;&amp; &amp;Reading</source>
        <translation>Prestiti e &amp;letture</translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Note</translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation>Acquisto</translation>
    </message>
    <message>
        <source>Pu&amp;rchase Date:</source>
        <translation>Data di acq&amp;uisto:</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <translation>&amp;Negozio:</translation>
    </message>
    <message>
        <source>Purc&amp;hase Price:</source>
        <translation>&amp;Prezzo pagato:</translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation>Prezzo di &amp;listino:</translation>
    </message>
    <message>
        <source>&amp;Amazon Price:</source>
        <translation>Prezzo &amp;Amazon:</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Valutazione</translation>
    </message>
    <message>
        <source>Ama&amp;zon Rating:</source>
        <translation>Valutazione Ama&amp;zon:</translation>
    </message>
    <message>
        <source>Num&amp;ber of Reviews:</source>
        <translation>Numero di &amp;recensioni:</translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation>Non valutato</translation>
    </message>
    <message>
        <source>M&amp;y Rating:</source>
        <translation>&amp;Mia valutazione:</translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>P&amp;osizione:</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <translation>S&amp;tato:</translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation>Pagina &amp;corrente:</translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation>E-book</translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation>Ho solo l&apos;&amp;e-book</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Size (in &amp;MB):</source>
        <translation>Dimensione (in &amp;MB):</translation>
    </message>
    <message>
        <source>User Defined Texts</source>
        <translation>Testi personalizzati</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>Testo utente &amp;1:</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>Testo utente &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>&amp;Personale</translation>
    </message>
</context>
<context>
    <name>CBookProperties</name>
    <message>
        <source>Someone else changed this book in the library after you opened it.
Click &quot;Yes&quot; to save your changes over theirs, &quot;No&quot; to see their version here instead of yours, or &quot;Cancel&quot; to go back to your changes.</source>
        <translation>Qualcun altro ha modificato questo libro nella biblioteca dopo che lo hai aperto.
Fare clic su «Sì» per salvare le proprie modifiche al posto delle sue, su «No» per vedere qui la sua versione al posto della propria, o su «Annulla» per tornare alle proprie modifiche.</translation>
    </message>
    <message>
        <source>Someone else deleted this book from the library after you opened it.
Would you like to add it as a new book?</source>
        <translation>Qualcun altro ha eliminato questo libro dalla biblioteca dopo che lo hai aperto.
Aggiungerlo come nuovo libro?</translation>
    </message>
</context>
<context>
    <name>CBulkEditDlg</name>
    <message numerus="yes">
        <source>Edit %n Book(s)</source>
        <translation>
            <numerusform>Modifica %n libro</numerusform>
            <numerusform>Modifica %n libri</numerusform>
        </translation>
    </message>
    <message>
        <source>Rep&amp;lace</source>
        <translation>Sostitu&amp;isci</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorie</translation>
    </message>
    <message>
        <source>change</source>
        <translation>modifica</translation>
    </message>
    <message>
        <source>Checked: every selected book gets this value; left empty, the field is cleared on every book.
Unchecked: the books keep what they have.</source>
        <translation>Selezionato: ogni libro selezionato riceve questo valore; lasciato vuoto, il campo viene svuotato in ogni libro.
Non selezionato: i libri mantengono ciò che hanno.</translation>
    </message>
    <message>
        <source>(various)</source>
        <translation>(vari)</translation>
    </message>
    <message>
        <source>Replaces text inside one field of every selected book. In a regular expression, \1 to \9 in the replacement stand for what its groups found.</source>
        <translation>Sostituisce del testo in un campo di ogni libro selezionato. In un&apos;espressione regolare, da \1 a \9 nella sostituzione indicano ciò che hanno trovato i suoi gruppi.</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>Espressione re&amp;golare</translation>
    </message>
    <message>
        <source>Match c&amp;ase</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Libro</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>C&amp;ampo:</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Sostituisci co&amp;n:</translation>
    </message>
    <message>
        <source>The first changes:</source>
        <translation>Le prime modifiche:</translation>
    </message>
    <message>
        <source>No selected book has this text in this field.</source>
        <translation>Nessun libro selezionato ha questo testo in questo campo.</translation>
    </message>
    <message>
        <source>&amp;Add the books to:</source>
        <translation>&amp;Aggiungi i libri a:</translation>
    </message>
    <message>
        <source>Re&amp;move the books from:</source>
        <translation>Togli i &amp;libri da:</translation>
    </message>
    <message numerus="yes">
        <source>Changed %n book(s)</source>
        <translation>
            <numerusform>Modificato %n libro</numerusform>
            <numerusform>Modificati %n libri</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCategoryProperties</name>
    <message>
        <source>Contains:</source>
        <translation>Contiene:</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>Ultimo aggiornamento:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>N&amp;ote:</translation>
    </message>
</context>
<context>
    <name>CCategoryTreeModel</name>
    <message>
        <source>On Loan</source>
        <translation>In prestito</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>In ritardo</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>Presi in prestito</translation>
    </message>
    <message>
        <source>Wish List</source>
        <translation>Lista dei desideri</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Serie</translation>
    </message>
</context>
<context>
    <name>CCoverBox</name>
    <message>
        <source>No Cover</source>
        <translation>Nessuna copertina</translation>
    </message>
    <message>
        <source>Click to open the picture</source>
        <translation>Fare clic per aprire l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>CCsvExportCommands</name>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>Export Goodreads CSV</source>
        <translation>Esporta CSV di Goodreads</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>Impossibile scrivere %1.</translation>
    </message>
</context>
<context>
    <name>CDatePicker</name>
    <message>
        <source>Has a date</source>
        <translation>Con data</translation>
    </message>
    <message>
        <source>Type a day (%1 or %2), a month (%3) or a year (%4).
Up and Down change the day, Page Up and Page Down the month,
Ctrl+Page Up and Ctrl+Page Down the year.</source>
        <translation>Digita un giorno (%1 o %2), un mese (%3) o un anno (%4).
Su e Giù cambiano il giorno, Pag Su e Pag Giù il mese,
Ctrl+Pag Su e Ctrl+Pag Giù l&apos;anno.</translation>
    </message>
    <message>
        <source>Choose from a calendar</source>
        <translation>Scegli da un calendario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type a day (%2 or %3), a month (%4) or a year (%5).</source>
        <translation>&quot;%1&quot; non è una data. Digita un giorno (%2 o %3), un mese (%4) o un anno (%5).</translation>
    </message>
</context>
<context>
    <name>CEditorFontDlg</name>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>%1 (%2 pt)</source>
        <translation>%1 (%2 pt)</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Scegli...</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Carattere:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Dimensione:</translation>
    </message>
    <message>
        <source>Co&amp;lor:</source>
        <translation>C&amp;olore:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Esempio:</translation>
    </message>
</context>
<context>
    <name>CHelpTopicsDlg</name>
    <message>
        <source>The category tree on the left chooses which books the list shows; the page below the list shows the selected books. Right-click a pane for its commands. Every command of the menus:</source>
        <translation>L&apos;albero delle categorie a sinistra sceglie quali libri mostra l&apos;elenco; la pagina sotto l&apos;elenco mostra i libri selezionati. Fare clic con il pulsante destro su un riquadro per i suoi comandi. Tutti i comandi dei menu:</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Funzione</translation>
    </message>
    <message>
        <source>Tomelodex Help</source>
        <translation>Guida di Tomelodex</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Tutti i comandi</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Hyperlink</source>
        <translation>Collegamento ipertestuale</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;URL:</translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation>Esegui SQL</translation>
    </message>
    <message>
        <source>&amp;Input SQL statement:</source>
        <translation>&amp;Istruzione SQL:</translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation>Nota: solo per utenti esperti.</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Esegui</translation>
    </message>
    <message>
        <source>%1 of more than %2 rows shown</source>
        <translation>%1 di oltre %2 righe mostrate</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln row(s) shown</source>
        <translation>
            <numerusform>%1 di %Ln riga mostrata</numerusform>
            <numerusform>%1 di %Ln righe mostrate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln riga</numerusform>
            <numerusform>%Ln righe</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CInsertImageDlg</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Sfoglia...</translation>
    </message>
    <message>
        <source>Picture &amp;source:</source>
        <translation>&amp;Origine dell&apos;immagine:</translation>
    </message>
    <message>
        <source>&amp;Alternate text:</source>
        <translation>Testo &amp;alternativo:</translation>
    </message>
</context>
<context>
    <name>CLendDlg</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e %n altro</numerusform>
            <numerusform>e altri %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lend %n Book(s)</source>
        <translation>
            <numerusform>Presta %n libro</numerusform>
            <numerusform>Presta %n libri</numerusform>
        </translation>
    </message>
    <message>
        <source>Borrowed From</source>
        <translation>Preso in prestito da</translation>
    </message>
    <message>
        <source>Clear for a loan without a due date</source>
        <translation>Togli il segno per un prestito senza scadenza</translation>
    </message>
    <message numerus="yes">
        <source>Book(s):</source>
        <translation>
            <numerusform>Libro:</numerusform>
            <numerusform>Libri:</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Lent to:</source>
        <translation>Prestato &amp;a:</translation>
    </message>
    <message>
        <source>&amp;Borrowed from:</source>
        <translation>Preso in prestito &amp;da:</translation>
    </message>
    <message>
        <source>Lent &amp;on:</source>
        <translation>Prestato &amp;il:</translation>
    </message>
    <message>
        <source>Borrowed &amp;on:</source>
        <translation>Preso &amp;il:</translation>
    </message>
    <message>
        <source>&amp;Due back:</source>
        <translation>Da &amp;restituire entro:</translation>
    </message>
    <message>
        <source>&amp;Due to return:</source>
        <translation>Da &amp;rendere entro:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Give the day of the loan, not only its month or year.</source>
        <translation>Indica il giorno del prestito, non solo il mese o l&apos;anno.</translation>
    </message>
    <message>
        <source>Give the day the book is due, not only its month or year.</source>
        <translation>Indica il giorno della scadenza, non solo il mese o l&apos;anno.</translation>
    </message>
</context>
<context>
    <name>CLentMarkDelegate</name>
    <message>
        <source>lent</source>
        <extracomment>The mark on the thumbnail of a book that is lent to someone.</extracomment>
        <translation>prestato</translation>
    </message>
</context>
<context>
    <name>CLinkGeneralPage</name>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>F&amp;older</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <source>Ot&amp;her</source>
        <translation>A&amp;ltro</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;Percorso:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation>(facoltativo)</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Select a File</source>
        <translation>Seleziona un file</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossibile aprire il collegamento:

%1</translation>
    </message>
</context>
<context>
    <name>CLinkProperties</name>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Import XML</source>
        <translation>Importa XML</translation>
    </message>
    <message>
        <source>Importing books from %1...</source>
        <translation>Importazione dei libri da %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) read</source>
        <translation>
            <numerusform>%n libro letto</numerusform>
            <numerusform>%n libri letti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1 (sola lettura)</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>È una cartella, non un file.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>%1 could not be opened as a library:
%2</source>
        <translation>Impossibile aprire %1 come biblioteca:
%2</translation>
    </message>
    <message>
        <source>Choose a Tomelodex library (a .mdb file made by Tomelodex) with File &gt; Open Database, or check that the file exists and that you may read it.</source>
        <translation>Scegliere una biblioteca di Tomelodex (un file .mdb creato da Tomelodex) con File &gt; Apri database, oppure verificare che il file esista e di avere il permesso di leggerlo.</translation>
    </message>
    <message>
        <source>%1 stays open.</source>
        <translation>%1 resta aperta.</translation>
    </message>
    <message>
        <source>Restore categories</source>
        <translation>Ripristina le categorie</translation>
    </message>
    <message>
        <source>Put each book into the categories the file names for it, creating the missing ones. Unchecked, every book goes into the current category.</source>
        <translation>Mette ogni libro nelle categorie che il file indica per esso, creando quelle mancanti. Se non è selezionata, tutti i libri vanno nella categoria corrente.</translation>
    </message>
</context>
<context>
    <name>CNameChoiceDlg</name>
    <message>
        <source>Please type the name to keep.</source>
        <translation>Digitare il nome da mantenere.</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>&amp;Default Values</source>
        <translation>Valori pre&amp;definiti</translation>
    </message>
    <message>
        <source>&amp;Misc Options</source>
        <translation>&amp;Altre opzioni</translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation>Data di &amp;acquisto:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>E&amp;xtra:</translation>
    </message>
    <message>
        <source>S&amp;tore:</source>
        <translation>&amp;Negozio:</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>P&amp;osizione:</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>S&amp;tato:</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>Testo utente &amp;1:</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>Testo utente &amp;2:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>I only have e&amp;Book:</source>
        <translation>Ho solo l&apos;e-&amp;book:</translation>
    </message>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation>I seguenti valori predefiniti verranno usati per i nuovi libri.</translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>Interface &amp;Language:</source>
        <translation>&amp;Lingua dell&apos;interfaccia:</translation>
    </message>
    <message>
        <source>(Restart of Tomelodex is needed.)</source>
        <translation>(È necessario riavviare Tomelodex.)</translation>
    </message>
    <message>
        <source>Your &amp;Associate Tag (Optional):</source>
        <translation>Il tuo &amp;ID di affiliazione (facoltativo):</translation>
    </message>
    <message>
        <source>Looking Up Books:</source>
        <translation>Ricerca dei libri:</translation>
    </message>
    <message>
        <source>an e-mail or web address (optional)</source>
        <translation>un indirizzo e-mail o web (facoltativo)</translation>
    </message>
    <message>
        <source>Lookup &amp;source:</source>
        <translation>&amp;Origine della ricerca:</translation>
    </message>
    <message>
        <source>&amp;Contact for Open Library:</source>
        <translation>&amp;Contatto per Open Library:</translation>
    </message>
    <message>
        <source>The product service chosen before is discontinued and has no address of its own: books are looked up at Open Library.</source>
        <translation>Il servizio prodotti scelto in precedenza non è più attivo e non ha un indirizzo proprio: i libri vengono cercati su Open Library.</translation>
    </message>
    <message>
        <source>Loans:</source>
        <translation>Prestiti:</translation>
    </message>
    <message>
        <source> days</source>
        <translation> giorni</translation>
    </message>
    <message>
        <source>Default loan &amp;period:</source>
        <translation>&amp;Periodo di prestito predefinito:</translation>
    </message>
</context>
<context>
    <name>COverdueLink</name>
    <message numerus="yes">
        <source>%n book(s) overdue</source>
        <translation>
            <numerusform>%n libro in ritardo</numerusform>
            <numerusform>%n libri in ritardo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>The page could not be written to the temporary folder %1: %2. Make room there and print again.</source>
        <translation>Non è stato possibile scrivere la pagina nella cartella temporanea %1: %2. Libera spazio e stampa di nuovo.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2. Print again and choose a folder you may write to.</source>
        <translation>Non è stato possibile scrivere il file PDF &quot;%1&quot;: %2. Stampa di nuovo e scegli una cartella in cui puoi scrivere.</translation>
    </message>
    <message>
        <source>The pages could not be shown. Close the preview and try again.</source>
        <translation>Non è stato possibile mostrare le pagine. Chiudi l&apos;anteprima e riprova.</translation>
    </message>
    <message>
        <source>The page could not be prepared for printing. Refresh it and print again.</source>
        <translation>Non è stato possibile preparare la pagina per la stampa. Aggiornala e stampa di nuovo.</translation>
    </message>
</context>
<context>
    <name>CPictureFileDialog</name>
    <message>
        <source>No preview</source>
        <translation>Nessuna anteprima</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixel</translation>
    </message>
</context>
<context>
    <name>CPrintSystemJob</name>
    <message>
        <source>The printer &quot;%1&quot; did not take the pages: %2. Check that it is switched on and connected, or choose another printer, and print again.</source>
        <translation>La stampante &quot;%1&quot; non ha accettato le pagine: %2. Controlla che sia accesa e collegata, oppure scegli un&apos;altra stampante, e stampa di nuovo.</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CReadingDlg</name>
    <message>
        <source>Add Reading</source>
        <translation>Aggiungi lettura</translation>
    </message>
    <message>
        <source>Edit Reading</source>
        <translation>Modifica lettura</translation>
    </message>
    <message>
        <source>Clear while the book is still being read</source>
        <translation>Togli il segno finché il libro è in lettura</translation>
    </message>
    <message>
        <source>&amp;Started:</source>
        <translation>&amp;Iniziata il:</translation>
    </message>
    <message>
        <source>&amp;Finished:</source>
        <translation>&amp;Finita il:</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Give the day of the reading, not only its month or year.</source>
        <translation>Indica il giorno della lettura, non solo il mese o l&apos;anno.</translation>
    </message>
</context>
<context>
    <name>CRemovalQuestion</name>
    <message numerus="yes">
        <source>Move %n book(s) to the Recycle Bin?</source>
        <translation>
            <numerusform>Spostare %n libro nel Cestino?</numerusform>
            <numerusform>Spostare %n libri nel Cestino?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[It leaves|They leave] every category. The Recycle Bin keeps [it|them] until [it is|they are] deleted there.</source>
        <translation>
            <numerusform>Esce da tutte le categorie. Il Cestino lo conserva finché non viene eliminato da lì.</numerusform>
            <numerusform>Escono da tutte le categorie. Il Cestino li conserva finché non vengono eliminati da lì.</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n book(s) for good?</source>
        <translation>
            <numerusform>Eliminare definitivamente %n libro?</numerusform>
            <numerusform>Eliminare definitivamente %n libri?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[Its|Their] links and covers go too. This cannot be undone.</source>
        <translation>
            <numerusform>Vengono eliminati anche i suoi collegamenti e le sue copertine. L&apos;operazione non può essere annullata.</numerusform>
            <numerusform>Vengono eliminati anche i loro collegamenti e le loro copertine. L&apos;operazione non può essere annullata.</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete for Good</source>
        <translation>Elimina definitivamente</translation>
    </message>
    <message>
        <source>Books in no other category go to the Recycle Bin.</source>
        <translation>I libri che non sono in altre categorie finiscono nel Cestino.</translation>
    </message>
    <message numerus="yes">
        <source>[It stays|They stay] in the library and in [its|their] other categories.</source>
        <translation>
            <numerusform>Resta nella biblioteca e nelle sue altre categorie.</numerusform>
            <numerusform>Restano nella biblioteca e nelle loro altre categorie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[It is|They are] in no other category, so [it goes|they go] to the Recycle Bin.</source>
        <translation>
            <numerusform>Non è in altre categorie, quindi finisce nel Cestino.</numerusform>
            <numerusform>Non sono in altre categorie, quindi finiscono nel Cestino.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them [is|are] in no other category and [goes|go] to the Recycle Bin; the others stay in their other categories.</source>
        <translation>
            <numerusform>%n di essi non è in altre categorie e finisce nel Cestino; gli altri restano nelle loro altre categorie.</numerusform>
            <numerusform>%n di essi non sono in altre categorie e finiscono nel Cestino; gli altri restano nelle loro altre categorie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n book(s) from &quot;%1&quot;?</source>
        <translation>
            <numerusform>Togliere %n libro da «%1»?</numerusform>
            <numerusform>Togliere %n libri da «%1»?</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove from Category</source>
        <translation>Togli dalla categoria</translation>
    </message>
    <message>
        <source>Remove the category &quot;%1&quot;?</source>
        <translation>Rimuovere la categoria «%1»?</translation>
    </message>
    <message numerus="yes">
        <source>Remove the category &quot;%1&quot; and its %n subcategor[y|ies]?</source>
        <translation>
            <numerusform>Rimuovere la categoria «%1» e la sua %n sottocategoria?</numerusform>
            <numerusform>Rimuovere la categoria «%1» e le sue %n sottocategorie?</numerusform>
        </translation>
    </message>
    <message>
        <source>No book is filed there.</source>
        <translation>Non contiene libri.</translation>
    </message>
    <message numerus="yes">
        <source>The %n [book filed there stays|books filed there stay] in the library and in [its|their] other categories.</source>
        <translation>
            <numerusform>%n libro contenuto resta nella biblioteca e nelle sue altre categorie.</numerusform>
            <numerusform>I %n libri contenuti restano nella biblioteca e nelle loro altre categorie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n [book filed there is|books filed there are] in no other category, so [it goes|they go] to the Recycle Bin.</source>
        <translation>
            <numerusform>%n libro contenuto non è in altre categorie, quindi finisce nel Cestino.</numerusform>
            <numerusform>I %n libri contenuti non sono in altre categorie, quindi finiscono nel Cestino.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 books filed there, %n [is|are] in no other category and [goes|go] to the Recycle Bin; the others stay in their other categories.</source>
        <translation>
            <numerusform>Dei %1 libri contenuti, %n non è in altre categorie e finisce nel Cestino; gli altri restano nelle loro altre categorie.</numerusform>
            <numerusform>Dei %1 libri contenuti, %n non sono in altre categorie e finiscono nel Cestino; gli altri restano nelle loro altre categorie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Category</source>
        <translation>Rimuovi categoria</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n book(s) from &quot;%1&quot; and its subcategories?</source>
        <translation>
            <numerusform>Togliere %n libro da «%1» e dalle sue sottocategorie?</numerusform>
            <numerusform>Togliere %n libri da «%1» e dalle sue sottocategorie?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation>Selezionare uno dei seguenti risultati:</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prima pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Ultima pagina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Searching page %1...</source>
        <translation>Ricerca della pagina %1...</translation>
    </message>
</context>
<context>
    <name>CSqlRowsModel</name>
    <message numerus="yes">
        <source>(%n byte(s) of binary data)</source>
        <translation>
            <numerusform>(%n byte di dati binari)</numerusform>
            <numerusform>(%n byte di dati binari)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTidyNamesDlg</name>
    <message>
        <source>Tidy Names</source>
        <translation>Riordina nomi</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>Editori</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Bindings</source>
        <translation>Rilegature</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>Negozi</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>Collocazioni</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>&amp;Names of:</source>
        <translation>&amp;Nomi di:</translation>
    </message>
    <message>
        <source>Names containing...</source>
        <translation>Nomi che contengono...</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Show only &amp;similar names</source>
        <translation>Mostra solo i nomi &amp;simili</translation>
    </message>
    <message>
        <source>Groups the names that differ only in letter case, spaces, punctuation or a company word such as &quot;Inc.&quot; or &quot;Publishing&quot;</source>
        <translation>Raggruppa i nomi che differiscono solo per maiuscole, spazi, punteggiatura o una parola societaria come &quot;Inc.&quot; o &quot;Publishing&quot;</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Libri</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Unisci...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Rinomina...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Delete &amp;Unused</source>
        <translation>Elimina &amp;inutilizzati</translation>
    </message>
    <message>
        <source>Select two or more names and choose Merge to make them one.</source>
        <translation>Selezionare due o più nomi e scegliere Unisci per farne uno solo.</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n name(s))</source>
        <translation>
            <numerusform>%1 (%n nome)</numerusform>
            <numerusform>%1 (%n nomi)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n nome</numerusform>
            <numerusform>%n nomi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused</source>
        <translation>
            <numerusform>%n inutilizzato</numerusform>
            <numerusform>%n inutilizzati</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Names</source>
        <translation>Unisci nomi</translation>
    </message>
    <message numerus="yes">
        <source>Merge these %n names into one. The books of all of them will carry the name you choose or type:</source>
        <translation>
            <numerusform>Unire %n nome in uno solo. I suoi libri avranno il nome scelto o digitato:</numerusform>
            <numerusform>Unire questi %n nomi in uno solo. I libri di tutti avranno il nome scelto o digitato:</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>Nuovo nome per &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list. Merge &quot;%2&quot; into it?</source>
        <translation>&quot;%1&quot; è già nell&apos;elenco. Unire &quot;%2&quot; a questo nome?</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is already in the list. Merge the %n selected names into it?</source>
        <translation>
            <numerusform>&quot;%1&quot; è già nell&apos;elenco. Unire %n nome selezionato a questo nome?</numerusform>
            <numerusform>&quot;%1&quot; è già nell&apos;elenco. Unire i %n nomi selezionati a questo nome?</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n names into &quot;%1&quot;</source>
        <translation>
            <numerusform>Unito %n nome in &quot;%1&quot;</numerusform>
            <numerusform>Uniti %n nomi in &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) changed.</source>
        <translation>
            <numerusform>%n libro modificato.</numerusform>
            <numerusform>%n libri modificati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>&quot;%1&quot; rinominato in &quot;%2&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n name(s) that no book carries?</source>
        <translation>
            <numerusform>Eliminare %n nome che nessun libro usa?</numerusform>
            <numerusform>Eliminare i %n nomi che nessun libro usa?</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n name(s).</source>
        <translation>
            <numerusform>Eliminato %n nome.</numerusform>
            <numerusform>Eliminati %n nomi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) kept: a book carries them now.</source>
        <translation>
            <numerusform>%n nome mantenuto: ora un libro lo usa.</numerusform>
            <numerusform>%n nomi mantenuti: ora un libro li usa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Another program has changed these names meanwhile, so nothing was changed. The list now shows the names as they are.</source>
        <translation>Nel frattempo un altro programma ha modificato questi nomi, quindi non è stato cambiato nulla. L&apos;elenco ora mostra i nomi come sono.</translation>
    </message>
</context>
<context>
    <name>CTomeloHtmlView</name>
    <message numerus="yes">
        <source>and %n more book(s)</source>
        <translation>
            <numerusform>e %n altro libro</numerusform>
            <numerusform>e altri %n libri</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTomeloTreeView</name>
    <message numerus="yes">
        <source>%n subcategor[y|ies]</source>
        <translation>
            <numerusform>%n sottocategoria</numerusform>
            <numerusform>%n sottocategorie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>tomelodex-cli add: cannot read %1</source>
        <translation>tomelodex-cli add: impossibile leggere %1</translation>
    </message>
    <message>
        <source>Error: %1 is not a valid ISBN.</source>
        <translation>Errore: %1 non è un ISBN valido.</translation>
    </message>
    <message>
        <source>Job finished: %1 added, %2 skipped, %3 failed, %4 not found.</source>
        <translation>Operazione completata. Aggiunti: %1, saltati: %2, non riusciti: %3, non trovati: %4.</translation>
    </message>
    <message>
        <source>Looks up each ISBN at the chosen source and adds the books found to category ID. Prints per ISBN a line with the ISBN, a tab, and the title or &quot;Error: &quot; and the error, then the final status with the numbers of books added, skipped as duplicates, failed to be saved and not found. Fails when any book could not be saved or none was found.</source>
        <translation>Cerca ogni ISBN nell&apos;origine scelta e aggiunge i libri trovati alla categoria ID. Per ogni ISBN stampa una riga con l&apos;ISBN, una tabulazione e il titolo oppure «Errore: » e l&apos;errore, poi lo stato finale con il numero di libri aggiunti, saltati perché duplicati, non salvati e non trovati. Non riesce se un libro non può essere salvato o se non ne viene trovato nessuno.</translation>
    </message>
    <message>
        <source>Try &apos;tomelodex-cli --help&apos;.</source>
        <translation>Provare «tomelodex-cli --help».</translation>
    </message>
    <message>
        <source>tomelodex-cli: books can be added only to category 1 or a category numbered 32 or above, not %1</source>
        <translation>tomelodex-cli: i libri si possono aggiungere solo alla categoria 1 o a una categoria con numero 32 o superiore, non alla %1</translation>
    </message>
    <message>
        <source>%1: the library has no category %2</source>
        <translation>%1: la biblioteca non ha la categoria %2</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: &apos;%2&apos; is not a book number</source>
        <translation>tomelodex-cli %1: «%2» non è il numero di un libro</translation>
    </message>
    <message>
        <source>usage: tomelodex-cli COMMAND [OPTIONS] ARGS

Works on Tomelodex libraries without opening the window.

Commands:
</source>
        <translation>uso: tomelodex-cli COMANDO [OPZIONI] ARGOMENTI

Lavora sulle biblioteche di Tomelodex senza aprire la finestra.

Comandi:
</translation>
    </message>
    <message>
        <source>
Options for every command: --source openlibrary|product chooses where books are
looked up for this run (the LookupSource setting otherwise; --service-host without
--source means product). --openlibrary-host URL, --covers-host URL, --service-host URL,
--search-host URL and --store-host URL use another Open Library, cover server, product
service, keyword search or store for this run (scheme, host and optional port,
e.g. http://127.0.0.1:8080).

&apos;tomelodex-cli COMMAND --help&apos; describes one command;
&apos;tomelodex-cli --version&apos; prints the program&apos;s name and version.
Exit status: 0 success, 1 the operation failed or found nothing, 2 usage error.</source>
        <translation>
Opzioni di ogni comando: --source openlibrary|product sceglie dove cercare i libri
in questa esecuzione (altrimenti vale l&apos;impostazione LookupSource; --service-host senza
--source vuol dire product). --openlibrary-host URL, --covers-host URL, --service-host URL,
--search-host URL e --store-host URL usano in questa esecuzione un altro Open Library,
server delle copertine, servizio prodotti, ricerca per parole chiave o negozio
(schema, host e porta facoltativa, ad es. http://127.0.0.1:8080).

«tomelodex-cli COMANDO --help» descrive un comando;
«tomelodex-cli --version» stampa il nome e la versione del programma.
Stato di uscita: 0 riuscito, 1 operazione non riuscita o nulla trovato, 2 errore d&apos;uso.</translation>
    </message>
    <message>
        <source>tomelodex-cli: a command is missing.</source>
        <translation>tomelodex-cli: manca il comando.</translation>
    </message>
    <message>
        <source>tomelodex-cli: --source needs openlibrary or product</source>
        <translation>tomelodex-cli: --source richiede openlibrary o product</translation>
    </message>
    <message>
        <source>tomelodex-cli: %1 needs an address such as http://127.0.0.1:8080</source>
        <translation>tomelodex-cli: %1 richiede un indirizzo come http://127.0.0.1:8080</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown command &apos;%1&apos;.</source>
        <translation>tomelodex-cli: comando sconosciuto «%1».</translation>
    </message>
    <message>
        <source>tomelodex-cli: cannot read standard input.</source>
        <translation>tomelodex-cli: impossibile leggere lo standard input.</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown isbn action &apos;%1&apos;.
%2</source>
        <translation>tomelodex-cli: azione isbn sconosciuta «%1».
%2</translation>
    </message>
    <message>
        <source>ISBN rules. normalize: trims the text, drops hyphens and writes the check letter X in upper case. check: prints the normalised ISBN when it is a valid ISBN-10 or 979 ISBN-13, else fails. ean: turns a 978 EAN-13 bar code with a right check digit into its ISBN-10 and drops a scanner&apos;s add-on from a 979 one (other text comes back unchanged). find: prints the first ISBN in standard input (a printed 978 ISBN-13 as its ISBN-10), or fails. tag: prints the tag of an e-book file name, between its last &apos;-&apos; and its last &apos;.&apos;.</source>
        <translation>Regole ISBN. normalize: toglie gli spazi ai lati e i trattini e scrive in maiuscolo la lettera di controllo X. check: stampa l&apos;ISBN normalizzato se è un ISBN-10 o un ISBN-13 979 valido, altrimenti non riesce. ean: trasforma un codice a barre EAN-13 978 con cifra di controllo corretta nel suo ISBN-10 e toglie l&apos;add-on del lettore da uno 979 (altro testo torna invariato). find: stampa il primo ISBN dello standard input (un ISBN-13 978 stampato come il suo ISBN-10) oppure non riesce. tag: stampa l&apos;etichetta del nome di un file e-book, tra il suo ultimo &apos;-&apos; e il suo ultimo &apos;.&apos;.</translation>
    </message>
    <message>
        <source>Prints the first ISBN starting with 0 or 1 found in the HTML pages of the CHM file, or fails when there is none.</source>
        <translation>Stampa il primo ISBN che inizia con 0 o 1 trovato nelle pagine HTML del file CHM, oppure non riesce se non ce n&apos;è nessuno.</translation>
    </message>
    <message>
        <source>tomelodex-cli list: --category needs a category number</source>
        <translation>tomelodex-cli list: --category richiede il numero di una categoria</translation>
    </message>
    <message>
        <source>Creates a new library from the template beside the program (replacing LIBRARY), names its fixed rows in the interface language and creates its images folder.</source>
        <translation>Crea una nuova biblioteca dal modello accanto al programma (sostituendo LIBRARY), dà alle sue righe fisse i nomi nella lingua dell&apos;interfaccia e crea la sua cartella delle immagini.</translation>
    </message>
    <message>
        <source>Runs an SQL statement on the library and prints the number of records affected and of records returned.</source>
        <translation>Esegue un&apos;istruzione SQL sulla biblioteca e stampa il numero di record interessati e restituiti.</translation>
    </message>
    <message>
        <source>Compacts the library and prints its size before and after.</source>
        <translation>Compatta la biblioteca e stampa la sua dimensione prima e dopo.</translation>
    </message>
    <message>
        <source>Prints the books the list shows for a category (default 5, All Books), one line each: BookID, Title, Author, Publisher, ISBN and Edition separated by tabs.</source>
        <translation>Stampa i libri che l&apos;elenco mostra per una categoria (predefinita la 5, Tutti i libri), uno per riga: BookID, titolo, autore, editore, ISBN ed edizione separati da tabulazioni.</translation>
    </message>
    <message>
        <source>Files the books whose title, author, ISBN, description, notes or user texts contain KEYWORD in Search Results (emptied first unless --keep) and prints how many were found.</source>
        <translation>Inserisce nei Risultati della ricerca (svuotati prima, salvo --keep) i libri il cui titolo, autore, ISBN, descrizione, note o testi utente contengono KEYWORD e stampa quanti ne sono stati trovati.</translation>
    </message>
    <message>
        <source>%1 is not a valid ISBN.</source>
        <translation>%1 non è un ISBN valido.</translation>
    </message>
    <message>
        <source>Looks the ISBN up at the chosen source (Open Library or the product service), on a record with the default values for new books, and prints the result as one Book element of the book XML. Fails with the source&apos;s message when it knows no such book.</source>
        <translation>Cerca l&apos;ISBN nell&apos;origine scelta (Open Library o il servizio prodotti), partendo dai valori predefiniti per i nuovi libri, e stampa il risultato come un elemento Book dell&apos;XML dei libri. Non riesce, con il messaggio dell&apos;origine, se il libro non è noto.</translation>
    </message>
    <message>
        <source>tomelodex-cli render: there is no %1 named &apos;%2&apos;; there are: %3</source>
        <translation>tomelodex-cli render: non esiste un %1 di nome «%2»; ci sono: %3</translation>
    </message>
    <message>
        <source>template</source>
        <translation>modello</translation>
    </message>
    <message>
        <source>style</source>
        <translation>stile</translation>
    </message>
    <message>
        <source>tomelodex-cli render: the library has no book %1</source>
        <translation>tomelodex-cli render: la biblioteca non ha il libro %1</translation>
    </message>
    <message>
        <source>Writes the information page of the given books as Save As HTML saves it, with the content template and display style of those titles (the stored choices by default), to standard output or FILE.</source>
        <translation>Scrive la pagina informativa dei libri indicati come la salva Salva come HTML, con il modello del contenuto e lo stile di visualizzazione di quei titoli (per impostazione predefinita quelli memorizzati), sullo standard output o in FILE.</translation>
    </message>
    <message>
        <source>Writes the book XML of the given books, in that order, or of the books the list shows for category ID (5: All Books), as Save As XML writes it, to standard output or FILE.</source>
        <translation>Scrive l&apos;XML dei libri indicati, in quell&apos;ordine, o dei libri che l&apos;elenco mostra per la categoria ID (5: Tutti i libri), come lo scrive Salva come XML, sullo standard output o in FILE.</translation>
    </message>
    <message>
        <source>tomelodex-cli: %1: the name is not valid UTF-8; only a library can be named so</source>
        <translation>tomelodex-cli: %1: il nome non è UTF-8 valido; solo una biblioteca può avere un nome così</translation>
    </message>
    <message>
        <source>tomelodex-cli edit: unknown field &apos;%1&apos;</source>
        <translation>tomelodex-cli edit: campo sconosciuto «%1»</translation>
    </message>
    <message>
        <source>%1: the library has no book %2</source>
        <translation>%1: la biblioteca non ha il libro %2</translation>
    </message>
    <message>
        <source>tomelodex-cli: the product service is discontinued; --source product needs --service-host with a service of your own</source>
        <translation>tomelodex-cli: il servizio prodotti non è più attivo; --source product richiede --service-host con un servizio proprio</translation>
    </message>
    <message>
        <source>Writes one backup file (a zip) of the library and its covers, consistent even while other programs use the library. Prints nothing.</source>
        <translation>Scrive un unico file di backup (uno zip) della biblioteca e delle sue copertine, coerente anche mentre altri programmi usano la biblioteca. Non stampa nulla.</translation>
    </message>
    <message>
        <source>Makes a new library, with its covers, from a backup file. LIBRARY must not exist yet. Prints nothing.</source>
        <translation>Crea una nuova biblioteca, con le sue copertine, da un file di backup. LIBRARY non deve ancora esistere. Non stampa nulla.</translation>
    </message>
    <message>
        <source>A number in a series needs the name of the series (Series=NAME).</source>
        <translation>Un numero in una serie richiede il nome della serie (Series=NOME).</translation>
    </message>
    <message>
        <source>Sets fields of one book as the book sheet saves them, in one transaction. FIELD is an element name of the book XML (Title, Author, MyRating, Location, Notes, Series, SeriesNumber, ...; FrontCover and BackCover name a picture file, empty for none; an empty Series takes the book out of its series); every other column and row of the library stays. Fails for an unknown book or a SeriesNumber that is not a number; an unknown field is a usage error.</source>
        <translation>Imposta i campi di un libro come li salva la scheda del libro, in una sola transazione. FIELD è il nome di un elemento dell&apos;XML dei libri (Title, Author, MyRating, Location, Notes, Series, SeriesNumber, ...; FrontCover e BackCover indicano un file immagine, vuoto per nessuno; Series vuoto toglie il libro dalla sua serie); ogni altra colonna e riga della biblioteca resta. Non riesce per un libro sconosciuto o un SeriesNumber che non è un numero; un campo sconosciuto è un errore d&apos;uso.</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: %2 needs a date such as 2026-12-07, not &apos;%3&apos;</source>
        <translation>tomelodex-cli %1: %2 richiede una data come 2026-12-07, non &apos;%3&apos;</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: %2 needs a value</source>
        <translation>tomelodex-cli %1: %2 richiede un valore</translation>
    </message>
    <message>
        <source>usage: tomelodex-cli %1 %2</source>
        <translation>uso: tomelodex-cli %1 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli loan: give either --to NAME or --from NAME</source>
        <translation>tomelodex-cli loan: indicare --to NOME oppure --from NOME</translation>
    </message>
    <message>
        <source>Records a loan of the book: lent to NAME (--to) or borrowed from NAME (--from), on DATE (default today), due back on the --due date. Fails for a book already out, a due date before the loan date or an empty name.</source>
        <translation>Registra un prestito del libro: prestato a NOME (--to) o preso in prestito da NOME (--from), in data DATE (predefinita oggi), da restituire entro la data --due. Non riesce per un libro già fuori, una scadenza anteriore alla data del prestito o un nome vuoto.</translation>
    </message>
    <message>
        <source>Closes the book&apos;s open loan on DATE (default today). Fails when none is open.</source>
        <translation>Chiude il prestito aperto del libro in data DATE (predefinita oggi). Non riesce se non ce n&apos;è uno aperto.</translation>
    </message>
    <message>
        <source>Lists open loans, oldest first (--all: returned ones too; --overdue: those due before DATE, default today), one a line: BookID, Title, lent or borrowed, name, loan date, due date, return date, separated by tabs.</source>
        <translation>Elenca i prestiti aperti, dal più vecchio (--all: anche quelli restituiti; --overdue: quelli in scadenza prima di DATE, predefinita oggi), uno per riga: BookID, titolo, lent o borrowed, nome, data del prestito, scadenza, data di restituzione, separati da tabulazioni.</translation>
    </message>
    <message>
        <source>Adds a reading of the book (begun today when no date is given). Fails when it finished before it started.</source>
        <translation>Aggiunge una lettura del libro (iniziata oggi se non si indica una data). Non riesce se è finita prima di iniziare.</translation>
    </message>
    <message>
        <source>Imports the books of a book XML file into category ID. With --keep-categories each book goes instead into the categories the file names for it, found by their path and created when missing (Favorites and Reading List included); a book the file puts in no category still goes into category ID. A book whose ISBN is already in the library is skipped (skip, the default) or added anyway (add). Prints how many books were found and imported, then how many were imported, skipped and failed; exits 1 when any failed or the import was stopped.</source>
        <translation>Importa i libri di un file XML nella categoria ID. Con --keep-categories ogni libro va invece nelle categorie che il file indica per esso, trovate in base al percorso e create se mancano (Preferiti e Da leggere compresi); un libro che il file non mette in alcuna categoria va comunque nella categoria ID. Un libro il cui ISBN è già nella biblioteca viene saltato (skip, predefinito) o aggiunto comunque (add). Stampa quanti libri sono stati trovati e importati, poi quanti sono stati importati, saltati e non riusciti; esce con 1 se qualcuno non è riuscito o l&apos;importazione è stata interrotta.</translation>
    </message>
    <message>
        <source>tomelodex-cli: --map %1: %2 is no field of a book.</source>
        <translation>tomelodex-cli: --map %1: %2 non è un campo di un libro.</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown format %1; one of: %2</source>
        <translation>tomelodex-cli: formato sconosciuto %1; uno tra: %2</translation>
    </message>
    <message>
        <source>Dry run: the library was not changed.</source>
        <translation>Prova: la biblioteca non è stata modificata.</translation>
    </message>
    <message>
        <source>Imports the books of other catalogues&apos; exports into category ID (default 1, Book Collection), all in one transaction. FORMAT is auto (the default: found out from each file&apos;s content), goodreads, librarything, storygraph, libib, calibre (a calibre library&apos;s folder or its metadata.db, only read), tellico (.tc or its XML), gcstar (.gcs), csv (any table with a header row) or tomelodex (the book XML). --map COLUMN=FIELD names the field of a table&apos;s column (a book XML element, or Categories, Series, SeriesNumber), over the guess by header name. Tags, shelves and collections go into categories below one named after the source. A book whose ISBN is already in the library is skipped (skip, the default), added anyway (add) or fills the stored book&apos;s empty fields (fill). --dry-run changes nothing. Prints per record its number, a tab and the title or &quot;Error: &quot; and the reason, then how many were imported, skipped and failed; exits 1 when any failed or the import was stopped, keeping nothing.</source>
        <translation>Importa i libri delle esportazioni di altri cataloghi nella categoria ID (predefinita 1, Book Collection), tutto in una sola transazione. FORMAT è auto (il predefinito: riconosciuto dal contenuto di ogni file), goodreads, librarything, storygraph, libib, calibre (la cartella di una biblioteca calibre o il suo metadata.db, solo letto), tellico (.tc o il suo XML), gcstar (.gcs), csv (qualsiasi tabella con una riga di intestazione) o tomelodex (l&apos;XML dei libri). --map COLUMN=FIELD indica il campo di una colonna di una tabella (un elemento dell&apos;XML dei libri, oppure Categories, Series, SeriesNumber), al posto di quello dedotto dal nome dell&apos;intestazione. Etichette, scaffali e raccolte finiscono in categorie sotto una che porta il nome della fonte. Un libro il cui ISBN è già nella biblioteca viene saltato (skip, il predefinito), aggiunto comunque (add) oppure completa i campi vuoti del libro registrato (fill). --dry-run non cambia nulla. Stampa per ogni record il suo numero, una tabulazione e il titolo oppure &quot;Error: &quot; e il motivo, poi quanti sono stati importati, saltati e non riusciti; esce con 1 quando qualcuno non è riuscito o l&apos;importazione è stata fermata, senza tenere nulla.</translation>
    </message>
    <message>
        <source>Writes every book, or those the list shows for category ID, as CSV in UTF-8 with a header row to standard output or FILE: tomelodex (the default) writes the book XML&apos;s element names, then Categories (the category paths joined by &quot;; &quot;), Series and SeriesNumber; goodreads writes the columns of a Goodreads library export.</source>
        <translation>Scrive ogni libro, o quelli che l&apos;elenco mostra per la categoria ID, come CSV in UTF-8 con una riga di intestazione sullo standard output o in FILE: tomelodex (il predefinito) scrive i nomi degli elementi dell&apos;XML dei libri, poi Categories (i percorsi delle categorie uniti da &quot;; &quot;), Series e SeriesNumber; goodreads scrive le colonne di un&apos;esportazione della biblioteca di Goodreads.</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New Database...	Ctrl+N</source>
        <translation>&amp;Nuovo database...	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new database</source>
        <translation>Crea un nuovo database</translation>
    </message>
    <message>
        <source>&amp;Open Database...	Ctrl+O</source>
        <translation>&amp;Apri database...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing database</source>
        <translation>Apre un database esistente</translation>
    </message>
    <message>
        <source>&amp;XML...</source>
        <translation>&amp;XML...</translation>
    </message>
    <message>
        <source>Import books from Tomelodex XML</source>
        <translation>Importa libri da un file XML di Tomelodex</translation>
    </message>
    <message>
        <source>&amp;HTML...	Ctrl+S</source>
        <translation>&amp;HTML...	Ctrl+S</translation>
    </message>
    <message>
        <source>Save book information as HTML</source>
        <translation>Salva le informazioni sul libro in formato HTML</translation>
    </message>
    <message>
        <source>Save book information as XML</source>
        <translation>Salva le informazioni sul libro in formato XML</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>&amp;Imposta pagina...</translation>
    </message>
    <message>
        <source>Change printing settings (headers and footers etc.)</source>
        <translation>Modifica le impostazioni di stampa (intestazioni, piè di pagina ecc.)</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Antepri&amp;ma di stampa...</translation>
    </message>
    <message>
        <source>Preview how the book information will print</source>
        <translation>Mostra come verranno stampate le informazioni sul libro</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Stampa...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print book information</source>
        <translation>Stampa le informazioni sul libro</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Chiude l&apos;applicazione</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Taglia	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Taglia la selezione e la copia negli Appunti</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copia	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copia la selezione negli Appunti</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Incolla	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Inserisce il contenuto degli Appunti</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>Seleziona &amp;tutto	Ctrl+A</translation>
    </message>
    <message>
        <source>Select everything in the current window</source>
        <translation>Seleziona tutto il contenuto della finestra corrente</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annulla	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annulla l&apos;ultima operazione</translation>
    </message>
    <message>
        <source>Add &amp;Sub Category...</source>
        <translation>Aggiungi &amp;sottocategoria...</translation>
    </message>
    <message>
        <source>Add a sub category in this category</source>
        <translation>Aggiunge una sottocategoria a questa categoria</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>&amp;Elimina categoria</translation>
    </message>
    <message>
        <source>Delete this category</source>
        <translation>Elimina questa categoria</translation>
    </message>
    <message>
        <source>&amp;Edit Category...</source>
        <translation>&amp;Modifica categoria...</translation>
    </message>
    <message>
        <source>Edit this category</source>
        <translation>Modifica questa categoria</translation>
    </message>
    <message>
        <source>Add &amp;Book...	Ins</source>
        <translation>Aggiungi &amp;libro...	Ins</translation>
    </message>
    <message>
        <source>Add a new book in the current category</source>
        <translation>Aggiunge un nuovo libro alla categoria corrente</translation>
    </message>
    <message>
        <source>&amp;Remove Book	Del</source>
        <translation>&amp;Rimuovi libro	Canc</translation>
    </message>
    <message>
        <source>Delete selected book(s)</source>
        <translation>Elimina i libri selezionati</translation>
    </message>
    <message>
        <source>&amp;Edit Book...	Enter</source>
        <translation>&amp;Modifica libro...	Invio</translation>
    </message>
    <message>
        <source>Edit selected book</source>
        <translation>Modifica il libro selezionato</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>&amp;Preferiti</translation>
    </message>
    <message>
        <source>Add selected book(s) to Favorites</source>
        <translation>Aggiunge i libri selezionati ai Preferiti</translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation>&amp;Da leggere</translation>
    </message>
    <message>
        <source>Add selected book(s) to Reading List</source>
        <translation>Aggiunge i libri selezionati a Da leggere</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>&amp;Risultati della ricerca</translation>
    </message>
    <message>
        <source>Add selected book(s) to Search Results</source>
        <translation>Aggiunge i libri selezionati ai Risultati della ricerca</translation>
    </message>
    <message>
        <source>Basic &amp;Search	Ctrl+F</source>
        <translation>Ricerca &amp;semplice	Ctrl+F</translation>
    </message>
    <message>
        <source>Search in the book collection</source>
        <translation>Cerca nella collezione di libri</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>&amp;Thumbnails</source>
        <translation>&amp;Miniature</translation>
    </message>
    <message>
        <source>Display thumbnails in book list window</source>
        <translation>Mostra le miniature nell&apos;elenco dei libri</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <source>Display details in book list window</source>
        <translation>Mostra i dettagli nell&apos;elenco dei libri</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>Refresh current display</source>
        <translation>Aggiorna la visualizzazione corrente</translation>
    </message>
    <message>
        <source>&amp;Compact Database</source>
        <translation>&amp;Compatta database</translation>
    </message>
    <message>
        <source>Compact the database to save space and improve efficiency</source>
        <translation>Compatta il database per risparmiare spazio e migliorare le prestazioni</translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation>&amp;Esegui SQL...</translation>
    </message>
    <message>
        <source>Submit SQL statement to the database</source>
        <translation>Invia un&apos;istruzione SQL al database</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>Change Preferences</source>
        <translation>Modifica le preferenze</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della Guida</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Elenca gli argomenti della Guida</translation>
    </message>
    <message>
        <source>&amp;About Tomelodex...</source>
        <translation>&amp;Informazioni su Tomelodex...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright</translation>
    </message>
    <message>
        <source>Tomelodex &amp;Website</source>
        <translation>&amp;Sito web di Tomelodex</translation>
    </message>
    <message>
        <source>Visit our website, where you can find updates and other free apps</source>
        <translation>Visita il nostro sito web, con aggiornamenti e altri programmi gratuiti</translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation>&amp;Forum di assistenza</translation>
    </message>
    <message>
        <source>Visit our forum and submit bug reports, suggestions etc.</source>
        <translation>Visita il nostro forum per segnalare errori, inviare suggerimenti ecc.</translation>
    </message>
    <message>
        <source>Next Pane	F6</source>
        <translation>Riquadro successivo	F6</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>Passa al riquadro successivo</translation>
    </message>
    <message>
        <source>Previous Pane	Shift+F6</source>
        <translation>Riquadro precedente	Maiusc+F6</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>Torna al riquadro precedente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Sen&amp;d To</source>
        <translation>&amp;Invia a</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>Salva come &amp;HTML...</translation>
    </message>
    <message>
        <source>Save As &amp;XML...</source>
        <translation>Salva come &amp;XML...</translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation>Apre questo database</translation>
    </message>
    <message>
        <source>&amp;Include Subcategories</source>
        <translation>&amp;Includi sottocategorie</translation>
    </message>
    <message>
        <source>List the books of the sub categories in a category too</source>
        <translation>Elenca in una categoria anche i libri delle sue sottocategorie</translation>
    </message>
    <message>
        <source>Sort Authors by &amp;Last Name</source>
        <translation>Ordina autori per &amp;cognome</translation>
    </message>
    <message>
        <source>Sort the Author column by the first author&apos;s last name</source>
        <translation>Ordina la colonna Autore per cognome del primo autore</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Colonne</translation>
    </message>
    <message>
        <source>&amp;Tidy Names...</source>
        <translation>&amp;Riordina nomi...</translation>
    </message>
    <message>
        <source>Merge, rename and delete the names of publishers, languages and the like</source>
        <translation>Unisci, rinomina ed elimina i nomi di editori, lingue e simili</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>&amp;Ripeti	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Redo the last action undone</source>
        <translation>Ripete l&apos;ultima azione annullata</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;Back Up Library...</source>
        <translation>Esegui &amp;backup della biblioteca...</translation>
    </message>
    <message>
        <source>Save the library and its covers in one backup file</source>
        <translation>Salva la biblioteca e le sue copertine in un unico file di backup</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation>&amp;Ripristina da backup...</translation>
    </message>
    <message>
        <source>Make a new library from a backup file and open it</source>
        <translation>Crea una nuova biblioteca da un file di backup e la apre</translation>
    </message>
    <message>
        <source>&amp;Lend...</source>
        <translation>&amp;Presta...</translation>
    </message>
    <message>
        <source>Record that the selected books are lent to someone</source>
        <translation>Registra che i libri selezionati sono prestati a qualcuno</translation>
    </message>
    <message>
        <source>Retur&amp;n</source>
        <translation>Restitu&amp;isci</translation>
    </message>
    <message>
        <source>Record that the selected books are back today</source>
        <translation>Registra che i libri selezionati sono tornati oggi</translation>
    </message>
    <message>
        <source>Borrowed &amp;From...</source>
        <translation>Preso in prestito &amp;da...</translation>
    </message>
    <message>
        <source>Record that the selected books are borrowed from someone</source>
        <translation>Registra che i libri selezionati sono presi in prestito da qualcuno</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Save the books of the category as a CSV table</source>
        <translation>Salva i libri della categoria come tabella CSV</translation>
    </message>
    <message>
        <source>&amp;Goodreads CSV...</source>
        <translation>CSV di &amp;Goodreads...</translation>
    </message>
    <message>
        <source>Save the books of the category as CSV in the columns Goodreads imports</source>
        <translation>Salva i libri della categoria come CSV con le colonne che Goodreads importa</translation>
    </message>
</context>
<context>
    <name>HtmlEditor</name>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>Allinea a sinistra</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centra</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>Allinea a destra</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>Elenco numerato</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>Elenco puntato</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>Riduci rientro</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Aumenta rientro</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>Linea orizzontale</translation>
    </message>
    <message>
        <source>Add Hyperlink</source>
        <translation>Aggiungi collegamento</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>Inserisci immagine</translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode</source>
        <translation>Passa da progettazione ad anteprima</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1: reading %2 files is not built yet.</source>
        <translation>%1: la lettura dei file %2 non è ancora disponibile.</translation>
    </message>
    <message>
        <source>%1 is a folder without a calibre library&apos;s metadata.db.</source>
        <translation>%1 è una cartella senza il metadata.db di una biblioteca calibre.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 non può essere letto: %2</translation>
    </message>
    <message>
        <source>%1 is a zip archive without a Tellico collection (tellico.xml) in it.</source>
        <translation>%1 è un archivio zip che non contiene una raccolta Tellico (tellico.xml).</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 is of no kind the import reads.</source>
        <translation>%1 non è di un tipo che l&apos;importazione sa leggere.</translation>
    </message>
    <message>
        <source>%1 is an XML file of no kind the import reads.</source>
        <translation>%1 è un file XML di un tipo che l&apos;importazione non sa leggere.</translation>
    </message>
    <message>
        <source>%1, record %2</source>
        <translation>%1, record %2</translation>
    </message>
    <message>
        <source>%1: kept in Notes: %2</source>
        <translation>%1: conservato nelle note: %2</translation>
    </message>
    <message>
        <source>the library has a book with this ISBN already: %1</source>
        <translation>la biblioteca ha già un libro con questo ISBN: %1</translation>
    </message>
    <message>
        <source>(a picture inside the file)</source>
        <translation>(un&apos;immagine dentro il file)</translation>
    </message>
    <message>
        <source>the library has a book with this ISBN already, without an empty field the record could fill: %1</source>
        <translation>la biblioteca ha già un libro con questo ISBN, senza campi vuoti che il record possa completare: %1</translation>
    </message>
    <message>
        <source>%1 (filled in the stored book)</source>
        <translation>%1 (completato nel libro registrato)</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Saltato: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>It has neither a title nor an ISBN.</source>
        <translation>Non ha né un titolo né un ISBN.</translation>
    </message>
    <message>
        <source>Series number</source>
        <translation>Numero nella serie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Reading started</source>
        <translation>Lettura iniziata</translation>
    </message>
    <message>
        <source>Reading finished</source>
        <translation>Lettura finita</translation>
    </message>
    <message>
        <source>Read count</source>
        <translation>Numero di letture</translation>
    </message>
    <message>
        <source>Loan to %1</source>
        <translation>Prestito a %1</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>Prestito</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>Scadenza</translation>
    </message>
    <message>
        <source>%1: row %2 has more than %3 fields; the file is no table of books.</source>
        <translation>%1: la riga %2 ha più di %3 campi; il file non è una tabella di libri.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a table: %2</source>
        <translation>%1 non può essere letto come tabella: %2</translation>
    </message>
    <message>
        <source>%1: row %2 holds a field of more than %3 MB; is a quote left open?</source>
        <translation>%1: la riga %2 contiene un campo di oltre %3 MB; è rimasta aperta una virgoletta?</translation>
    </message>
    <message>
        <source>%1: the quote opened in row %2 is never closed.</source>
        <translation>%1: la virgoletta aperta alla riga %2 non viene mai chiusa.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>%1 has no header row.</source>
        <translation>%1 non ha una riga di intestazione.</translation>
    </message>
    <message>
        <source>The text is not valid UTF-8: read as Windows-1252.</source>
        <translation>Il testo non è UTF-8 valido: letto come Windows-1252.</translation>
    </message>
    <message>
        <source>%1 has no column for the title or the ISBN; its columns are: %2.</source>
        <translation>%1 non ha una colonna per il titolo o l&apos;ISBN; le sue colonne sono: %2.</translation>
    </message>
    <message>
        <source>%1 has no Title column: it is no Goodreads export.</source>
        <translation>%1 non ha la colonna Title: non è un&apos;esportazione di Goodreads.</translation>
    </message>
    <message>
        <source>%1 has no title column: it is no Libib export.</source>
        <translation>%1 non ha la colonna title: non è un&apos;esportazione di Libib.</translation>
    </message>
    <message>
        <source>%1 is too large for a LibraryThing export.</source>
        <translation>%1 è troppo grande per un&apos;esportazione di LibraryThing.</translation>
    </message>
    <message>
        <source>%1 is no JSON file: %2 at character %3.</source>
        <translation>%1 non è un file JSON: %2 al carattere %3.</translation>
    </message>
    <message>
        <source>Entry %1 is no book.</source>
        <translation>La voce %1 non è un libro.</translation>
    </message>
    <message>
        <source>%1 has no title column: it is no LibraryThing export.</source>
        <translation>%1 non ha una colonna del titolo: non è un&apos;esportazione di LibraryThing.</translation>
    </message>
    <message>
        <source>%1 has no Title column: it is no StoryGraph export.</source>
        <translation>%1 non ha la colonna Title: non è un&apos;esportazione di StoryGraph.</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>Campo %1</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields where the header has %3, and neither a title nor an ISBN can be read from it.</source>
        <translation>La riga %1 ha %2 campi mentre l&apos;intestazione ne ha %3, e non se ne può leggere né un titolo né un ISBN.</translation>
    </message>
    <message>
        <source>The file is not valid UTF-8 (first in row %1): read as Windows-1252.</source>
        <translation>Il file non è UTF-8 valido (la prima volta alla riga %1): letto come Windows-1252.</translation>
    </message>
    <message>
        <source>%1 more rows have more or fewer fields than the header.</source>
        <translation>Altre %1 righe hanno più o meno campi dell&apos;intestazione.</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields where the header has %3; its values were kept.</source>
        <translation>La riga %1 ha %2 campi mentre l&apos;intestazione ne ha %3; i suoi valori sono stati conservati.</translation>
    </message>
    <message>
        <source>%1 was read as Windows-1252: it is not valid UTF-8.</source>
        <translation>%1 è stato letto come Windows-1252: non è UTF-8 valido.</translation>
    </message>
    <message>
        <source>%1 is not a GCstar collection.</source>
        <translation>%1 non è una collezione GCstar.</translation>
    </message>
    <message>
        <source>%1 holds a GCstar collection of the kind %2, not of books: only book collections can be imported.</source>
        <translation>%1 contiene una collezione GCstar di tipo %2, non di libri: si possono importare solo collezioni di libri.</translation>
    </message>
    <message>
        <source>The item cannot be read: %1</source>
        <translation>Impossibile leggere l&apos;elemento: %1</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>Copertina</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2 is not there.</source>
        <translation>Il libro %1 viene importato senza copertina: %2 non esiste.</translation>
    </message>
    <message>
        <source>%1 is no zip archive that can be read.</source>
        <translation>%1 non è un archivio zip leggibile.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files.</source>
        <translation>%1 contiene più di %2 file.</translation>
    </message>
    <message>
        <source>%1 has no file %2.</source>
        <translation>%1 non contiene il file %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>%1 is encrypted.</source>
        <translation>%1 è cifrato.</translation>
    </message>
    <message>
        <source>%1 unpacks to more than %2 MiB.</source>
        <translation>%1 si decomprime in più di %2 MiB.</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 è danneggiato.</translation>
    </message>
    <message>
        <source>The files in %1 unpack to more than %2 MiB.</source>
        <translation>I file in %1 si decomprimono in più di %2 MiB.</translation>
    </message>
    <message>
        <source>custom entries</source>
        <translation>voci personalizzate</translation>
    </message>
    <message>
        <source>videos</source>
        <translation>video</translation>
    </message>
    <message>
        <source>music albums</source>
        <translation>album musicali</translation>
    </message>
    <message>
        <source>bibliography entries</source>
        <translation>voci bibliografiche</translation>
    </message>
    <message>
        <source>comic books</source>
        <translation>fumetti</translation>
    </message>
    <message>
        <source>wines</source>
        <translation>vini</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>monete</translation>
    </message>
    <message>
        <source>stamps</source>
        <translation>francobolli</translation>
    </message>
    <message>
        <source>trading cards</source>
        <translation>carte collezionabili</translation>
    </message>
    <message>
        <source>video games</source>
        <translation>videogiochi</translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source>board games</source>
        <translation>giochi da tavolo</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>tipo %1</translation>
    </message>
    <message>
        <source>%1 holds a Tellico collection of %2, not of books: only book collections can be imported.</source>
        <translation>%1 contiene una collezione Tellico di %2, non di libri: si possono importare solo collezioni di libri.</translation>
    </message>
    <message>
        <source>%1 is not a Tellico file.</source>
        <translation>%1 non è un file Tellico.</translation>
    </message>
    <message>
        <source>%1 holds no Tellico collection.</source>
        <translation>%1 non contiene alcuna collezione Tellico.</translation>
    </message>
    <message>
        <source>The picture %1 in %2 takes more than %3 MiB and is left out.</source>
        <translation>L&apos;immagine %1 in %2 occupa più di %3 MiB e viene tralasciata.</translation>
    </message>
    <message>
        <source>The pictures in %1 are left out: no temporary folder can be made.</source>
        <translation>Le immagini in %1 vengono tralasciate: impossibile creare una cartella temporanea.</translation>
    </message>
    <message>
        <source>The picture %1 in %2 is left out: %3</source>
        <translation>L&apos;immagine %1 in %2 viene tralasciata: %3</translation>
    </message>
    <message>
        <source>The entry cannot be read: %1</source>
        <translation>Impossibile leggere la voce: %1</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2</source>
        <translation>Il libro %1 viene importato senza copertina: %2</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2 holds no picture %3.</source>
        <translation>Il libro %1 viene importato senza copertina: %2 non contiene l&apos;immagine %3.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>line %1: one record takes more than %2 MiB of the file</source>
        <translation>riga %1: un record occupa più di %2 MiB del file</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MiB</source>
        <translation>si decomprime in più di %1 MiB</translation>
    </message>
    <message>
        <source>line %1: the file is not well-formed</source>
        <translation>riga %1: il file non è ben formato</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; to map; the columns are: %2.</source>
        <translation>Nessuna colonna &quot;%1&quot; da associare; le colonne sono: %2.</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>L&apos;importazione è stata annullata; non ne è stato tenuto nulla.</translation>
    </message>
</context>
<context>
    <name>LibraryUndo</name>
    <message numerus="yes">
        <source>Add %n Book(s)</source>
        <translation>
            <numerusform>Aggiungi %n libro</numerusform>
            <numerusform>Aggiungi %n libri</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Book &quot;%1&quot;</source>
        <translation>Aggiungi libro &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Edit Book &quot;%1&quot;</source>
        <translation>Modifica libro &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Search for &quot;%1&quot;</source>
        <translation>Cerca &quot;%1&quot;</translation>
    </message>
    <message numerus="yes">
        <source>Import %n Book(s)</source>
        <translation>
            <numerusform>Importa %n libro</numerusform>
            <numerusform>Importa %n libri</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Category &quot;%1&quot;</source>
        <translation>Aggiungi categoria &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Edit Category &quot;%1&quot;</source>
        <translation>Modifica categoria &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Rename Category &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>Rinomina categoria &quot;%1&quot; in &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n Book(s) into %1</source>
        <translation>
            <numerusform>Incolla %n libro in %1</numerusform>
            <numerusform>Incolla %n libri in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Book(s) to %1</source>
        <translation>
            <numerusform>Copia %n libro in %1</numerusform>
            <numerusform>Copia %n libri in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Book(s) to %1</source>
        <translation>
            <numerusform>Sposta %n libro in %1</numerusform>
            <numerusform>Sposta %n libri in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Send %n Book(s) to %1</source>
        <translation>
            <numerusform>Invia %n libro a %1</numerusform>
            <numerusform>Invia %n libri a %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Category &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>Sposta categoria &quot;%1&quot; in &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>Move %n Book(s) to the Recycle Bin</source>
        <translation>
            <numerusform>Sposta %n libro nel Cestino</numerusform>
            <numerusform>Sposta %n libri nel Cestino</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Book(s) for Good</source>
        <translation>
            <numerusform>Elimina definitivamente %n libro</numerusform>
            <numerusform>Elimina definitivamente %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Book(s) from %1</source>
        <translation>
            <numerusform>Rimuovi %n libro da %1</numerusform>
            <numerusform>Rimuovi %n libri da %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Category &quot;%1&quot;</source>
        <translation>Rimuovi categoria &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Since &quot;%1&quot;, the books or categories it changed were changed again by another program.

Undoing it now also takes back what that program changed in them.</source>
        <translation>Dopo &quot;%1&quot;, i libri o le categorie che ha modificato sono stati modificati di nuovo da un altro programma.

Annullarla ora annulla anche ciò che quel programma vi ha modificato.</translation>
    </message>
    <message>
        <source>Since &quot;%1&quot; was undone, the books or categories it changes were changed by another program.

Redoing it now overwrites what that program changed in them.</source>
        <translation>Dopo l&apos;annullamento di &quot;%1&quot;, i libri o le categorie che modifica sono stati modificati da un altro programma.

Ripeterla ora sovrascrive ciò che quel programma vi ha modificato.</translation>
    </message>
    <message>
        <source>Undo Anyway</source>
        <translation>Annulla comunque</translation>
    </message>
    <message>
        <source>Redo Anyway</source>
        <translation>Ripeti comunque</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n Book(s)</source>
        <translation>
            <numerusform>Modifica %n libro</numerusform>
            <numerusform>Modifica %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Name(s)</source>
        <translation>
            <numerusform>Elimina %n nome</numerusform>
            <numerusform>Elimina %n nomi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge %n Names into &quot;%1&quot;</source>
        <translation>
            <numerusform>Unisci %n nome in &quot;%1&quot;</numerusform>
            <numerusform>Unisci %n nomi in &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>Rinomina &quot;%1&quot; in &quot;%2&quot;</translation>
    </message>
    <message numerus="yes">
        <source>Lend %n Book(s)</source>
        <translation>
            <numerusform>Presta %n libro</numerusform>
            <numerusform>Presta %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Borrow %n Book(s)</source>
        <translation>
            <numerusform>Prendi in prestito %n libro</numerusform>
            <numerusform>Prendi in prestito %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return %n Book(s)</source>
        <translation>
            <numerusform>Restituisci %n libro</numerusform>
            <numerusform>Restituisci %n libri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n Book(s) into Series %1</source>
        <translation>
            <numerusform>Inserisci %n libro nella serie %1</numerusform>
            <numerusform>Inserisci %n libri nella serie %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loans</name>
    <message>
        <source>&quot;%1&quot; is not a direction of a loan: lent or borrowed.</source>
        <translation>&quot;%1&quot; non è una direzione di prestito: lent o borrowed.</translation>
    </message>
    <message>
        <source>A loan of %1 has no valid date.</source>
        <translation>Un prestito di %1 non ha una data valida.</translation>
    </message>
    <message>
        <source>A book can be out on only one loan at a time.</source>
        <translation>Un libro può essere in prestito una sola volta alla volta.</translation>
    </message>
    <message>
        <source>A reading has a date that is no date.</source>
        <translation>Una lettura ha una data che non è una data.</translation>
    </message>
    <message>
        <source>Please enter the name of the borrower.</source>
        <translation>Inserire il nome della persona del prestito.</translation>
    </message>
    <message>
        <source>There is already a borrower named %1.</source>
        <translation>Esiste già una persona di nome %1 tra i prestiti.</translation>
    </message>
    <message>
        <source>The borrower cannot be deleted while loans of theirs are recorded.</source>
        <translation>La persona non può essere eliminata finché sono registrati suoi prestiti.</translation>
    </message>
    <message>
        <source>The library has no book %1.</source>
        <translation>La biblioteca non contiene il libro %1.</translation>
    </message>
    <message>
        <source>The due date is before the date of the loan.</source>
        <translation>La data di scadenza è anteriore alla data del prestito.</translation>
    </message>
    <message>
        <source>The book cannot be returned before it was lent or borrowed (%1).</source>
        <translation>Il libro non può essere restituito prima del prestito (%1).</translation>
    </message>
    <message>
        <source>%1 is already lent to %2 since %3.</source>
        <translation>%1 è già in prestito a %2 dal %3.</translation>
    </message>
    <message>
        <source>%1 is borrowed from %2 since %3 and not returned yet.</source>
        <translation>%1 è stato preso in prestito da %2 il %3 e non è ancora stato restituito.</translation>
    </message>
    <message>
        <source>Book %1 is not out on a loan.</source>
        <translation>Il libro %1 non è in prestito.</translation>
    </message>
    <message>
        <source>The loan is no longer in the library.</source>
        <translation>Il prestito non è più nella biblioteca.</translation>
    </message>
    <message>
        <source>The reading cannot be finished before it started.</source>
        <translation>La lettura non può finire prima di essere iniziata.</translation>
    </message>
    <message>
        <source>The reading is no longer in the library.</source>
        <translation>La lettura non è più nella biblioteca.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in a series. Please enter a number such as 3 or 2.5.</source>
        <translation>&quot;%1&quot; non è un numero di una serie. Inserire un numero come 3 o 2,5.</translation>
    </message>
    <message>
        <source>Please enter the name of the series.</source>
        <translation>Inserire il nome della serie.</translation>
    </message>
    <message>
        <source>There is already a series named %1.</source>
        <translation>Esiste già una serie di nome %1.</translation>
    </message>
    <message>
        <source>The book is out on a loan: return it first.</source>
        <translation>Il libro è in prestito: prima va restituito.</translation>
    </message>
    <message>
        <source>The book is not out on a loan.</source>
        <translation>Il libro non è in prestito.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Characters found after the end of the SQL statement.</source>
        <translation>Ci sono caratteri dopo la fine dell&apos;istruzione SQL.</translation>
    </message>
    <message>
        <source>%1: the library cannot be written, so it was not compacted.</source>
        <translation>%1: la biblioteca non è scrivibile, quindi non è stata compattata.</translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <translation>Si è verificato un errore irreversibile. L&apos;operazione verrà annullata.</translation>
    </message>
    <message>
        <source>The HTTP library could not be initialised.</source>
        <translation>Impossibile inizializzare la libreria HTTP.</translation>
    </message>
    <message>
        <source>No HTTP session could be created.</source>
        <translation>Impossibile creare una sessione HTTP.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>La risposta supera i %1 byte.</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>Il server ha risposto con lo stato HTTP %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Open Library is too busy to answer now (HTTP status %1); please try again later.</source>
        <translation>Open Library è troppo occupato per rispondere ora (stato HTTP %1); riprovare più tardi.</translation>
    </message>
    <message>
        <source>The answer is not the JSON Open Library sends (%1).</source>
        <translation>La risposta non è il JSON che invia Open Library (%1).</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 MiB of text</source>
        <translation>le sue entità si espandono in più di %1 MiB di testo</translation>
    </message>
    <message>
        <source>it refers to the external entity %1, which is never loaded</source>
        <translation>fa riferimento all&apos;entità esterna %1, che non viene mai caricata</translation>
    </message>
    <message>
        <source>its entities are nested deeper than %1 levels</source>
        <translation>le sue entità sono annidate per più di %1 livelli</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossibile leggere %1.</translation>
    </message>
    <message>
        <source>line %1: the file is not well-formed</source>
        <translation>riga %1: il file non è ben formato</translation>
    </message>
    <message>
        <source>After book %1, %2</source>
        <translation>Dopo il libro %1, %2</translation>
    </message>
    <message>
        <source>The file refers to the external resource %1, which is never loaded.</source>
        <translation>Il file fa riferimento alla risorsa esterna %1, che non viene mai caricata.</translation>
    </message>
    <message>
        <source>The document is larger than %1 MiB.</source>
        <translation>Il documento supera i %1 MiB.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insufficiente.</translation>
    </message>
    <message>
        <source>Entity references expand to more than %1 MiB of text.</source>
        <translation>I riferimenti alle entità si espandono in più di %1 MiB di testo.</translation>
    </message>
    <message>
        <source>The document refers to %1, which is not loaded.</source>
        <translation>Il documento fa riferimento a %1, che non viene caricato.</translation>
    </message>
    <message>
        <source>The document is not well-formed.</source>
        <translation>Il documento non è ben formato.</translation>
    </message>
    <message>
        <source>The document&apos;s DTD refers to %1, which is not loaded.</source>
        <translation>La DTD del documento fa riferimento a %1, che non viene caricato.</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 non è un file.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 is not read: style sheets include only files beside them.</source>
        <translation>%1 non viene letto: i fogli di stile includono solo i file accanto a loro.</translation>
    </message>
    <message>
        <source>%1 is not a local file; web addresses are fetched by the HTTP client.</source>
        <translation>%1 non è un file locale; gli indirizzi web vengono scaricati dal client HTTP.</translation>
    </message>
    <message>
        <source>%1 is not a local file.</source>
        <translation>%1 non è un file locale.</translation>
    </message>
    <message>
        <source>No file was named.</source>
        <translation>Non è stato indicato alcun file.</translation>
    </message>
    <message>
        <source>No document is loaded.</source>
        <translation>Nessun documento caricato.</translation>
    </message>
    <message>
        <source>No style sheet is loaded.</source>
        <translation>Nessun foglio di stile caricato.</translation>
    </message>
    <message>
        <source>The style sheet is not a valid XSLT style sheet.</source>
        <translation>Il foglio di stile non è un foglio di stile XSLT valido.</translation>
    </message>
    <message>
        <source>The transformation failed.</source>
        <translation>La trasformazione non è riuscita.</translation>
    </message>
    <message>
        <source>The transformation result cannot be written.</source>
        <translation>Impossibile scrivere il risultato della trasformazione.</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Il trasferimento è stato annullato.</translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <translation>Caricamento dell&apos;XML da %s...</translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <translation>Download della copertina...</translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <translation>Analisi dell&apos;HTML...</translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <translation>Messaggio di errore restituito da Amazon:
%s</translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <translation>Impossibile scaricare l&apos;immagine di copertina.</translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <translation>Impossibile scaricare la pagina HTML.</translation>
    </message>
    <message>
        <source>Failed to load book info from Open Library:
%1</source>
        <translation>Impossibile caricare le informazioni sul libro da Open Library:
%1</translation>
    </message>
    <message>
        <source>Open Library asks to wait: trying again in %1 s...</source>
        <translation>Open Library chiede di attendere: nuovo tentativo tra %1 s...</translation>
    </message>
    <message>
        <source>Keeping to Open Library&apos;s request limit: waiting %1 s...</source>
        <translation>Rispetto del limite di richieste di Open Library: attesa di %1 s...</translation>
    </message>
    <message>
        <source>Loading book info from Open Library...</source>
        <translation>Caricamento delle informazioni sul libro da Open Library...</translation>
    </message>
    <message>
        <source>Error message returned from Open Library:
%1 is not a book Open Library knows.</source>
        <translation>Messaggio di errore restituito da Open Library:
%1 non è un libro noto a Open Library.</translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <translation>Nessun risultato valido trovato.
Nota: gli e-book vengono ignorati.</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Errore: </translation>
    </message>
    <message>
        <source>The answer for %1 has no title, so it is not taken as a book.</source>
        <translation>La risposta per %1 non ha un titolo, quindi non viene presa come libro.</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>i suoi elementi sono annidati oltre %1 livelli</translation>
    </message>
    <message>
        <source>line %1: one element takes more than %2 MiB of the file, more than any book a library holds</source>
        <translation>riga %1: un elemento occupa più di %2 MiB del file, più di qualsiasi libro che una biblioteca contenga</translation>
    </message>
    <message>
        <source>Elements are nested beyond a depth of %1.</source>
        <translation>Gli elementi sono annidati oltre una profondità di %1.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the library lacks %2, which this program needs.</source>
        <translation>Impossibile aprire %1: alla biblioteca manca %2, necessario a questo programma.</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tomelodex (library version %2; this version knows library versions up to %3). It is open read-only: its books can be listed, viewed and exported, but not changed.</source>
        <translation>%1 è stata scritta da una versione più recente di Tomelodex (versione della biblioteca %2; questa versione conosce le versioni fino alla %3). È aperta in sola lettura: i suoi libri si possono elencare, visualizzare ed esportare, ma non modificare.</translation>
    </message>
    <message>
        <source>%1 was not upgraded to library version %2, because no copy of it could be kept as %3: %4</source>
        <translation>%1 non è stata aggiornata alla versione %2 della biblioteca, perché non è stato possibile conservarne una copia come %3: %4</translation>
    </message>
    <message>
        <source>%1 could not be upgraded to library version %2: %3</source>
        <translation>Impossibile aggiornare %1 alla versione %2 della biblioteca: %3</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>la tabella %1</translation>
    </message>
    <message>
        <source>the column %1.%2</source>
        <translation>la colonna %1.%2</translation>
    </message>
    <message>
        <source>%1 (discontinued service)</source>
        <translation>%1 (servizio non più attivo)</translation>
    </message>
    <message>
        <source>%1 has %2 characters, but the library keeps at most %3 for it. Please shorten it.</source>
        <translation>%1 ha %2 caratteri, ma la biblioteca ne conserva al massimo %3. Accorcialo.</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <translation>
            <numerusform>Trovato %n risultato, %1. Pagina corrente: %2  (Nota: alcuni e-book potrebbero essere stati esclusi.)</numerusform>
            <numerusform>Trovati %n risultati, %1. Pagina corrente: %2  (Nota: alcuni e-book potrebbero essere stati esclusi.)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>%n pagina</numerusform>
            <numerusform>%n pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the table&apos;s columns changed.</source>
        <translation>%1: le colonne della tabella sono cambiate.</translation>
    </message>
    <message>
        <source>The library&apos;s triggers keep changing the rows written back.</source>
        <translation>I trigger della raccolta continuano a modificare le righe riscritte.</translation>
    </message>
    <message>
        <source>The replacement makes %1 of &quot;%2&quot; %3 characters long, but the library keeps at most %4 for it.</source>
        <translation>Con la sostituzione %1 di &quot;%2&quot; diventa lungo %3 caratteri, ma la libreria ne conserva al massimo %4.</translation>
    </message>
    <message>
        <source>Type the text to find.</source>
        <translation>Scrivere il testo da trovare.</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1.</source>
        <translation>L&apos;espressione regolare non è valida: %1.</translation>
    </message>
    <message>
        <source>A category cannot be both joined and left.</source>
        <translation>Non si possono aggiungere e togliere i libri dalla stessa categoria.</translation>
    </message>
    <message>
        <source>A chosen category is no longer in the library.</source>
        <translation>Una delle categorie scelte non è più nella libreria.</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) found; %1 imported into the categories the file names.</source>
        <translation>
            <numerusform>%n libro trovato; importati nelle categorie indicate dal file: %1.</numerusform>
            <numerusform>%n libri trovati; importati nelle categorie indicate dal file: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n [category was|categories were] created.</source>
        <translation>
            <numerusform>%n categoria è stata creata.</numerusform>
            <numerusform>%n categorie sono state create.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (computed by calibre)</source>
        <translation>%1 (calcolata da calibre)</translation>
    </message>
    <message>
        <source>%1 (its table cannot be read)</source>
        <translation>%1 (la sua tabella non è leggibile)</translation>
    </message>
    <message>
        <source>%1 is not a calibre library: it holds no %2.</source>
        <translation>%1 non è una biblioteca di calibre: non contiene %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no such file.</source>
        <translation>Impossibile leggere %1: il file non esiste.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a calibre library: %2.</source>
        <translation>Impossibile leggere %1 come biblioteca di calibre: %2.</translation>
    </message>
    <message>
        <source>%1 has no tables %2; what calibre keeps in them was not read.</source>
        <translation>%1 non ha le tabelle %2; ciò che calibre vi conserva non è stato letto.</translation>
    </message>
    <message>
        <source>Columns of %1 not imported: %2.</source>
        <translation>Colonne di %1 non importate: %2.</translation>
    </message>
    <message>
        <source>%1 is being changed by another program, or a change to it was broken off (%2 lies beside it). Close calibre, or open and close the library in it, and try again.</source>
        <translation>%1 è in corso di modifica da parte di un altro programma, oppure una sua modifica è stata interrotta (accanto si trova %2). Chiudere calibre, oppure aprire e chiudere la biblioteca in calibre, e riprovare.</translation>
    </message>
    <message>
        <source>%1 is not a calibre library this program can read: it has no table %2.</source>
        <translation>%1 non è una biblioteca di calibre leggibile da questo programma: non ha la tabella %2.</translation>
    </message>
    <message>
        <source>%1 is not a calibre library this program can read: its table %2 has no column %3.</source>
        <translation>%1 non è una biblioteca di calibre leggibile da questo programma: la sua tabella %2 non ha la colonna %3.</translation>
    </message>
    <message>
        <source>%1 cannot be read on after book %2: %3.</source>
        <translation>Impossibile continuare a leggere %1 dopo il libro %2: %3.</translation>
    </message>
    <message>
        <source>Date added to calibre</source>
        <translation>Data di aggiunta a calibre</translation>
    </message>
    <message>
        <source>Identifier %1</source>
        <translation>Identificatore %1</translation>
    </message>
    <message>
        <source>Missing eBook file</source>
        <translation>File eBook mancante</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>Impossibile scrivere %1:
%2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>standard output</translation>
    </message>
    <message>
        <source>it is no longer a regular file, so it was left as it is</source>
        <translation>non è più un file normale, quindi è stato lasciato com&apos;era</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>nessun programma lo sta leggendo</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tomelodex: %1 is not a settings file (a regular file of at most 1 MB); it is left alone, the settings start from their defaults and changes to them are not kept.</source>
        <translation>Tomelodex: %1 non è un file di impostazioni (un file normale di al massimo 1 MB); viene lasciato com&apos;è, le impostazioni partono dai valori predefiniti e le loro modifiche non vengono conservate.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation>Impossibile creare la cartella:
%s</translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <comment>157</comment>
        <translation>L&apos;istruzione SQL non può essere vuota.</translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <comment>163</comment>
        <translation>Record interessati: %1
Numero di record nel recordset restituito: %2</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>Impossibile creare il file:
%s</translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation>Copertina rigida</translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation>Brossura</translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation>Rilegatura sconosciuta</translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <translation>Floppy disk</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <translation>Collezione di libri</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <translation>In collezione</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <translation>Lista dei desideri</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <translation>Solo consultazione</translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <translation>In vendita</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
        <translation>Cinese</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>224</comment>
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation>Risultati della ricerca</translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation>Da leggere</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Author</source>
        <comment>187</comment>
        <translation>Autore</translation>
    </message>
    <message>
        <source>Publisher</source>
        <comment>188</comment>
        <translation>Editore</translation>
    </message>
    <message>
        <source>ISBN</source>
        <comment>189</comment>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>190</comment>
        <translation>Edizione</translation>
    </message>
    <message>
        <source>All Books</source>
        <comment>227</comment>
        <translation>Tutti i libri</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <comment>228</comment>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <comment>234</comment>
        <translation>Operazione non riuscita.</translation>
    </message>
    <message>
        <source>Database has been compacted successfully (from %1 to %2).</source>
        <comment>235</comment>
        <translation>Il database è stato compattato (da %1 a %2).</translation>
    </message>
    <message>
        <source>Tomelodex</source>
        <comment>57344</comment>
        <translation>Tomelodex</translation>
    </message>
    <message>
        <source>The program could not be initialised.</source>
        <comment>100</comment>
        <translation>Impossibile inizializzare il programma.</translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <comment>132</comment>
        <translation>Impossibile incollare: la categoria di origine non esiste.</translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <comment>133</comment>
        <translation>Impossibile incollare: la destinazione non può essere la categoria di origine, la sua categoria superiore o le sue sottocategorie.</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation>Impossibile aprire il file in scrittura.</translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation>Impossibile creare un DOM XML/XSL.</translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation>Impossibile caricare l&apos;XML.</translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation>Impossibile caricare l&apos;XSL.</translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation>Operazione non riuscita. Verificare che il seguente percorso sia valido:
%s</translation>
    </message>
    <message>
        <source>Failed to load book info from XML source.</source>
        <comment>143</comment>
        <translation>Impossibile caricare le informazioni sul libro dall&apos;origine XML.</translation>
    </message>
    <message>
        <source>No valid ISBN was found.</source>
        <comment>147</comment>
        <translation>Nessun ISBN valido trovato.</translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation>Il titolo del libro non può essere vuoto.</translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation>Selezionare un elemento dell&apos;elenco.</translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation>L&apos;URL non è valido.</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation>La cartella non esiste.</translation>
    </message>
    <message>
        <source>No CSS files found.</source>
        <comment>164</comment>
        <translation>Nessun file CSS trovato.</translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation>Il nome della categoria non può essere vuoto.</translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation>Il titolo e il percorso del collegamento non possono essere vuoti.</translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation>Aggiungi nuova categoria</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation>Modifica categoria</translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation>Aggiungi libro</translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation>Modifica libro</translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation>Aggiungi collegamento</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation>Modifica collegamento</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Display &amp;Style</source>
        <comment>181</comment>
        <translation>&amp;Stile di visualizzazione</translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation>Selezionare una cartella dall&apos;elenco:</translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation>Cartella dell&apos;e-book</translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation>Cartella del codice sorgente</translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation>File dell&apos;e-book</translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation>Altre informazioni</translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation>Sito web dell&apos;autore</translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation>Questo libro sul sito dell&apos;editore</translation>
    </message>
    <message>
        <source>&lt;body style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Tomelodex&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Brindlewood Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://www.brindlewood.example/&quot;&gt;www.brindlewood.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;</source>
        <comment>198</comment>
        <translation>&lt;body style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Benvenuti in Tomelodex&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Brindlewood Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://www.brindlewood.example/&quot;&gt;www.brindlewood.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>199</comment>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <comment>200</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Tomelodex Book Information</source>
        <comment>201</comment>
        <translation>Informazioni sul libro - Tomelodex</translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <comment>202</comment>
        <translation>Nessun file XSL trovato.</translation>
    </message>
    <message>
        <source>Content &amp;Template</source>
        <comment>203</comment>
        <translation>&amp;Modello del contenuto</translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation>Impossibile copiare l&apos;immagine di copertina nel seguente percorso:
%s</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp||</source>
        <comment>206</comment>
        <translation>Tutte le immagini (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|File JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|File GIF (*.gif)|*.gif|Bitmap di Windows (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Tomelodex Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation>Database di Tomelodex (*.mdb)|*.mdb||</translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation>File HTML (*.htm, *.html)|*.htm;*.html||</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation>File XML (*.xml)|*.xml||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation>Tutti i file (*.*)|*.*|File della Guida HTML compilata (*.chm)|*.chm|File PDF di Acrobat (*.pdf)|*.pdf|File compressi (*.zip; *.rar)|*.zip;*.rar||</translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <comment>229</comment>
        <translation>Inserire una parola chiave da cercare.</translation>
    </message>
    <message>
        <source>No search results found.</source>
        <comment>230</comment>
        <translation>La ricerca non ha prodotto risultati.</translation>
    </message>
    <message>
        <source>This book already exists in the database:
%s
Would you like to skip this one?
Click &quot;No&quot; to add this book anyway.</source>
        <comment>238</comment>
        <translation>Questo libro è già presente nel database:
%s
Saltarlo?
Fare clic su «No» per aggiungerlo comunque.</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment>240</comment>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Searching ISBN...</source>
        <comment>241</comment>
        <translation>Ricerca degli ISBN...</translation>
    </message>
    <message>
        <source>Data validation failed. Is any field too long?</source>
        <comment>242</comment>
        <translation>Convalida dei dati non riuscita. Qualche campo è troppo lungo?</translation>
    </message>
    <message>
        <source>%1 imported, %2 skipped, %3 failed.</source>
        <comment>243</comment>
        <translation>Importati: %1, saltati: %2, non riusciti: %3.</translation>
    </message>
    <message>
        <source>The library is in use by another program; waiting until it is free...</source>
        <comment>244</comment>
        <translation>La biblioteca è in uso da parte di un altro programma; attesa che si liberi...</translation>
    </message>
    <message>
        <source>The library is in use by another program. Nothing was imported.</source>
        <comment>245</comment>
        <translation>La biblioteca è in uso da parte di un altro programma. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>The import was stopped and nothing of it was kept:
%1</source>
        <comment>246</comment>
        <translation>L&apos;importazione è stata interrotta e non ne è stato conservato nulla:
%1</translation>
    </message>
    <message>
        <source>Book %1: the cover %2 was not copied: %3.</source>
        <comment>247</comment>
        <translation>Libro %1: la copertina %2 non è stata copiata: %3.</translation>
    </message>
    <message>
        <source>it does not exist or cannot be read</source>
        <comment>248</comment>
        <translation>non esiste o non è leggibile</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <comment>249</comment>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <comment>250</comment>
        <translation>è più grande di %1 MB</translation>
    </message>
    <message>
        <source>it is not a JPEG, GIF, PNG or BMP picture</source>
        <comment>251</comment>
        <translation>non è un&apos;immagine JPEG, GIF, PNG o BMP</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>Per la Guida, premere F1</translation>
    </message>
    <message numerus="yes">
        <source>%n [duplicate was|duplicates were] not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>%n duplicato non è stato salvato.</numerusform>
            <numerusform>%n duplicati non sono stati salvati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1 selected</source>
        <comment>168</comment>
        <translation>
            <numerusform>%n libro; selezionati: %1</numerusform>
            <numerusform>%n libri; selezionati: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <translation>
            <numerusform>%n libro, %1</numerusform>
            <numerusform>%n libri, %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) found; %1 imported to the current category.</source>
        <comment>233</comment>
        <translation>
            <numerusform>%n libro trovato; importati nella categoria corrente: %1.</numerusform>
            <numerusform>%n libri trovati; importati nella categoria corrente: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n more [cover was|covers were] not copied.)</source>
        <comment>252</comment>
        <translation>
            <numerusform>(%n altra copertina non è stata copiata.)</numerusform>
            <numerusform>(Altre %n copertine non sono state copiate.)</numerusform>
        </translation>
    </message>
</context>
</TS>
