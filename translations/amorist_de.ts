<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>amorist-cli</name>
    <message>
        <source>You: %1</source>
        <extracomment>The first person of a plain-text reading in the terminal: %1 is their name</extracomment>
        <translation>Sie: %1</translation>
    </message>
    <message>
        <source>Partner: %1</source>
        <extracomment>The second person of a plain-text reading: %1 is their name</extracomment>
        <translation>Partner: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <extracomment>%1 is a date of birth, as day/month/year</extracomment>
        <translation>Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Mars sign: %1</source>
        <translation>Marszeichen: %1</translation>
    </message>
    <message>
        <source>Venus sign: %1</source>
        <translation>Venuszeichen: %1</translation>
    </message>
    <message>
        <source>Reading One: your Mars with your partner&apos;s Venus</source>
        <translation>Erste Deutung: Ihr Mars mit der Venus Ihres Partners</translation>
    </message>
    <message>
        <source>Reading Two: your Venus with your partner&apos;s Mars</source>
        <translation>Zweite Deutung: Ihre Venus mit dem Mars Ihres Partners</translation>
    </message>
    <message>
        <source>Pair: %1</source>
        <extracomment>%1 is the pair of signs a reading is made from, such as Aquarius-Gemini</extracomment>
        <translation>Zeichenpaar: %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A pair of signs: %1 the first sign, %2 the second</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <extracomment>%1 is the compatibility number, 1 to 12, or the word for none</extracomment>
        <translation>Zahl: %1</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the compatibility number when a reading has none</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Swatch: %1</source>
        <extracomment>%1 is the colour of the reading&apos;s swatch as #RRGGBB</extracomment>
        <translation>Farbmuster: %1</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <extracomment>%1 is the colour name</extracomment>
        <translation>Farbe: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <extracomment>%1 is the category word</extracomment>
        <translation>Stichwort: %1</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility:</source>
        <extracomment>The heading of the reading&apos;s paragraph, which follows on the next lines</extracomment>
        <translation>Ihre romantische Kompatibilität:</translation>
    </message>
    <message>
        <source>%1 is not a month name</source>
        <extracomment>A date argument&apos;s month is no month name: %1 is the word as typed, quoted</extracomment>
        <translation>%1 ist kein Monatsname</translation>
    </message>
    <message>
        <source>month %1 is outside 01 to 12</source>
        <extracomment>%1 is the month of a date written 1975-03-07, as typed</extracomment>
        <translation>Monat %1 liegt nicht zwischen 01 und 12</translation>
    </message>
    <message>
        <source>year %1 is outside %2 to %3</source>
        <extracomment>%1 is the year as typed; %2 and %3 the first and last years the program knows</extracomment>
        <translation>Jahr %1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message>
        <source>day %1 is outside 1 to 31</source>
        <extracomment>%1 is the day as typed</extracomment>
        <translation>Tag %1 liegt nicht zwischen 1 und 31</translation>
    </message>
    <message>
        <source>not a day of the calendar</source>
        <translation>diesen Tag gibt es im Kalender nicht</translation>
    </message>
    <message>
        <source>not a date; write it as 7/March/1975 or 1975-03-07</source>
        <extracomment>Write the example date as amorist-cli prints a date in your language; it reads it back</extracomment>
        <translation>kein gültiges Datum; bitte z.&#xa0;B. als 7. März 1975 oder 1975-03-07 angeben</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The first person&apos;s name, as an argument a message is about</extracomment>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>date</source>
        <extracomment>The first person&apos;s date of birth, as an argument a message is about</extracomment>
        <translation>Ihr Geburtsdatum</translation>
    </message>
    <message>
        <source>partner&apos;s name</source>
        <extracomment>The second person&apos;s name, as an argument a message is about</extracomment>
        <translation>Name Ihres Partners</translation>
    </message>
    <message>
        <source>partner&apos;s date</source>
        <extracomment>The second person&apos;s date of birth, as an argument a message is about</extracomment>
        <translation>Geburtsdatum Ihres Partners</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>%1 names the argument, %2 is the argument as typed, quoted; %3 says what is wrong</extracomment>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>The quotes around a word as typed in a message: „%1“, « %1 » ...</extracomment>
        <translation>„%1“</translation>
    </message>
</context>
<context>
    <name>amorist-cli batch</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>A bad line of batch&apos;s CSV input: %1 is its line number, %2 says what is wrong with it</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>expected 4 fields, %1, found %2</source>
        <extracomment>%1 is the header that names the four fields; %2 how many fields the line has</extracomment>
        <translation>4 Felder erwartet (%1), %2 gefunden</translation>
    </message>
    <message>
        <source>a quoted field is not closed within %1 bytes or by the end of the input</source>
        <extracomment>%1 is the longest record in bytes</extracomment>
        <translation>ein Feld in Anführungszeichen wird weder innerhalb von %1 Bytes noch bis zum Ende der Eingabe geschlossen</translation>
    </message>
    <message>
        <source>a field that does not begin with a quote holds one; quote the field and double its quotes</source>
        <translation>ein Feld, das nicht mit einem Anführungszeichen beginnt, enthält eines; setzen Sie das Feld in Anführungszeichen und verdoppeln Sie die darin enthaltenen</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field</source>
        <translation>nach dem schließenden Anführungszeichen eines Feldes folgt Text</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>%1 is the longest record in bytes</extracomment>
        <translation>länger als %1 Bytes</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <extracomment>%1 is the input file&apos;s name, quoted; %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the input file&apos;s name, quoted, or the words for standard input; %2 the reason</extracomment>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>Batch&apos;s input when no FILE is given, as &quot;cannot read %1&quot; names it</extracomment>
        <translation>die Standardeingabe</translation>
    </message>
</context>
<context>
    <name>amorist::frmAbout</name>
    <message>
        <source>Amorist gives the compatibility between two individuals based on their Venus and Mars signs. Venus &amp; Mars signs are opposite in nature and represent yin - yang planets. The software gives you an idea on different aspects of your relationship which depend on the Venus and Mars signs. All rights in this software belong to Quillmoor Softwares.</source>
        <translation>Amorist ermittelt die Kompatibilität zweier Menschen anhand ihrer Venus- und Marszeichen. Venus- und Marszeichen sind gegensätzlicher Natur und stehen für die Planeten von Yin und Yang. Die Software vermittelt Ihnen einen Eindruck von verschiedenen Aspekten Ihrer Beziehung, die von diesen Zeichen abhängen. Alle Rechte an dieser Software liegen bei Quillmoor Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s web address</extracomment>
        <translation>Besuchen Sie uns auf %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Starten Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Holen Sie sich diese Software unter Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für weitere Details</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>amorist::frmDisplay</name>
    <message>
        <source>Your Mars Sign</source>
        <translation>Ihr Marszeichen</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Venus Sign</source>
        <translation>Venuszeichen Ihres Partners</translation>
    </message>
    <message>
        <source>Your Venus Sign</source>
        <translation>Ihr Venuszeichen</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Mars Sign</source>
        <translation>Marszeichen Ihres Partners</translation>
    </message>
    <message>
        <source>First reading colour: %1</source>
        <translation>Erste Deutung, Farbe: %1</translation>
    </message>
    <message>
        <source>First reading colour name: %1</source>
        <translation>Erste Deutung, Farbname: %1</translation>
    </message>
    <message>
        <source>First reading keywords: %1</source>
        <translation>Erste Deutung, Stichwort: %1</translation>
    </message>
    <message>
        <source>First reading romantic compatibility: %1</source>
        <translation>Erste Deutung, romantische Kompatibilität: %1</translation>
    </message>
    <message>
        <source>Second reading colour: %1</source>
        <translation>Zweite Deutung, Farbe: %1</translation>
    </message>
    <message>
        <source>Second reading colour name: %1</source>
        <translation>Zweite Deutung, Farbname: %1</translation>
    </message>
    <message>
        <source>Second reading keywords: %1</source>
        <translation>Zweite Deutung, Stichwort: %1</translation>
    </message>
    <message>
        <source>Second reading romantic compatibility: %1</source>
        <translation>Zweite Deutung, romantische Kompatibilität: %1</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Date of Birth</source>
        <translation>Ihr Geburtsdatum</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Name</source>
        <translation>Name Ihres Partners</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Date of Birth</source>
        <translation>Geburtsdatum Ihres Partners</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwort</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility</source>
        <translation>Ihre romantische Kompatibilität</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber diese Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>Your name: %1</source>
        <translation>Ihr Name: %1</translation>
    </message>
    <message>
        <source>Your date of birth: %1</source>
        <translation>Ihr Geburtsdatum: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s name: %1</source>
        <translation>Name Ihres Partners: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s date of birth: %1</source>
        <translation>Geburtsdatum Ihres Partners: %1</translation>
    </message>
    <message>
        <source>Your Mars sign: %1</source>
        <translation>Ihr Marszeichen: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s Venus sign: %1</source>
        <translation>Venuszeichen Ihres Partners: %1</translation>
    </message>
    <message>
        <source>Your Venus sign: %1</source>
        <translation>Ihr Venuszeichen: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s Mars sign: %1</source>
        <translation>Marszeichen Ihres Partners: %1</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
</context>
<context>
    <name>amorist::frmMain</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A list&apos;s spoken name: %1 what it holds (&quot;Your day of birth&quot;), %2 its item</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Venus and Mars signs are opposite in nature and represent yin - yang planets. Knowing the Venus - Mars compatibility between people will help you understand your relationship better. Take the Amorist test to know how electric or dull your relationship is!</source>
        <translation>Venus- und Marszeichen sind gegensätzlicher Natur und stehen für die Planeten von Yin und Yang. Wer die Venus-Mars-Kompatibilität zweier Menschen kennt, versteht die eigene Beziehung besser. Machen Sie den Amorist-Test: Wie elektrisierend oder langweilig ist Ihre Beziehung?</translation>
    </message>
    <message>
        <source>Romantic Compatibility</source>
        <translation>Romantische Kompatibilität</translation>
    </message>
    <message>
        <source>Take the test now and understand your romance better! </source>
        <translation>Machen Sie jetzt den Test und verstehen Sie Ihre Liebe besser! </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Enter Your Partner&apos;s Details</source>
        <translation>Angaben zu Ihrem Partner</translation>
    </message>
    <message>
        <source>Get Our &amp;Romantic Compatibility Reading</source>
        <translation>Ihre &amp;romantische Kompatibilität ermitteln</translation>
    </message>
    <message>
        <source>Get our romantic compatibility reading</source>
        <translation>Ihre romantische Kompatibilität ermitteln</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Partner&apos;s DOB</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Name Ihres Partners</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Partner&apos;s day of birth</source>
        <translation>Geburtsdatum Ihres Partners, Tag</translation>
    </message>
    <message>
        <source>Your day of birth</source>
        <translation>Ihr Geburtsdatum, Tag</translation>
    </message>
    <message>
        <source>Partner&apos;s month of birth</source>
        <translation>Geburtsdatum Ihres Partners, Monat</translation>
    </message>
    <message>
        <source>Your month of birth</source>
        <translation>Ihr Geburtsdatum, Monat</translation>
    </message>
    <message>
        <source>Partner&apos;s year of birth</source>
        <translation>Geburtsdatum Ihres Partners, Jahr</translation>
    </message>
    <message>
        <source>Your year of birth</source>
        <translation>Ihr Geburtsdatum, Jahr</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber diese Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>Please Enter Only Letters !</source>
        <translation>Bitte geben Sie nur Buchstaben ein!</translation>
    </message>
</context>
<context>
    <name>amorist::frmReferAFriend</name>
    <message>
        <source>Quillmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quillmoor is to visit Quillmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programme von Quillmoor wie dieses können nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie Quillmoor, indem Sie regelmäßig vorbeischauen und sich an den Diskussionen und Aktivitäten im Forum beteiligen.</translation>
    </message>
    <message>
        <source>Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quillmoor</source>
        <translation>Besuchen Sie Quillmoor regelmäßig. Unterstützen Sie Quillmoor, indem Sie sich an den Diskussionen und Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche können diese Programme nicht gepflegt werden.</translation>
    </message>
    <message>
        <source>Quillmoor is a FREE online discussion forum for all things quillmoor. To help Quillmoor develop and maintain this software visit Quillmoor regularly.</source>
        <translation>Quillmoor ist ein KOSTENLOSES Online-Diskussionsforum rund um Quillmoor. Besuchen Sie Quillmoor regelmäßig, um die Entwicklung und Pflege dieser Software zu unterstützen.</translation>
    </message>
    <message>
        <source>Quillmoor needs your help. All you need to do is visit Quillmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quillmoor Softwares.</source>
        <translation>Quillmoor braucht Ihre Hilfe. Besuchen Sie Quillmoor einfach regelmäßig und beteiligen Sie sich an den Diskussionen und Aktivitäten. So helfen Sie uns, Quillmoor-Programme zu pflegen und weitere zu entwickeln.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillmoor Softwares. From a single software, we have now grown to become the world’s largest resource of quillmoor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sicher auch unsere anderen Quillmoor-Programme. Aus einem einzigen Programm ist die weltweit größte Sammlung von Quillmoor-Software geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes: Wir bieten Programme für jedes Gebiet und damit eine große Auswahl für jedes Interesse.</translation>
    </message>
    <message>
        <source>All the programs in the Quillmoor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Alle Programme der Suite Quillmoor Softwares sind einfach zu bedienen, machen Spaß und sind sehr informativ. Probieren Sie sie gleich aus und teilen Sie Ihre Erfahrungen mit Freunden und Familie.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s site, www.quillmoor.com</extracomment>
        <translation>Jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt weiter&amp;empfehlen</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>Download Quillmoor Softwares</source>
        <translation>Quillmoor-Downloads</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillmoor Softwares</source>
        <translation>Hier klicken, um Quillmoor Softwares zu besuchen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>amorist::frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Amorist wird bereits ausgeführt.</translation>
    </message>
</context>
<context>
    <name>birth_data_check</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>The user&apos;s name is empty</extracomment>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date of Birth!</source>
        <extracomment>The user&apos;s date of birth is 30 or 31 February</extracomment>
        <translation>Bitte prüfen Sie Ihr Geburtsdatum!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date of Birth !</source>
        <extracomment>The user&apos;s date of birth is the 31st of a month of 30 days</extracomment>
        <translation>Bitte geben Sie ein gültiges Geburtsdatum ein!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <extracomment>The partner&apos;s name is empty</extracomment>
        <translation>Bitte geben Sie den Namen Ihres Partners ein.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>The user&apos;s date of birth is 29 February of a common year</extracomment>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend!</source>
        <extracomment>The partner&apos;s date of birth is a day February does not have (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Bitte geben Sie für Ihren Partner einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend !</source>
        <extracomment>The partner&apos;s date of birth is the 31st of a month of 30 days (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Bitte geben Sie für Ihren Partner einen gültigen Tag oder Monat ein!</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.
Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter At Most %1 Characters In Each Box</source>
        <translation>Bitte geben Sie in jedes Feld höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name des Empfängers</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen des Empfängers ein.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail des Empfängers</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse des Empfängers ein.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
</context>
<context>
    <name>program_state</name>
    <message numerus="yes">
        <source>%n/%1/%2</source>
        <extracomment>A date of birth: %n the day, %1 the month name, %2 the year, e.g. 7/March/1975</extracomment>
        <translation>
            <numerusform>%n. %1 %2</numerusform>
            <numerusform>%n. %1 %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>promotions</name>
    <message>
        <source>The Most Popular Online Quillmoor Discussion Board. Best Resource For Everything Quillmoor. Visit %1 Now</source>
        <extracomment>The banner at the top of both reading windows; %1 is the site&apos;s host</extracomment>
        <translation>Das beliebteste Quillmoor-Diskussionsforum im Internet. Die beste Quelle für alles rund um Quillmoor. Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Diese Software mit Ihrer Marke: mehr Kundenbindung und Besucher für Ihre Website. Name &amp; Link Ihrer Website hier. Details unter „Hilfe“. Hier klicken für mehr Infos zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starten Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Diese Software unter Ihrer Marke für Ihre Website. Hier klicken für mehr Details.</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>red</source>
        <extracomment>A colour name, shown under the reading&apos;s colour swatch</extracomment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Excellent</source>
        <extracomment>A category word, shown after &quot;Keywords&quot;</extracomment>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>You will instantly recognize the love each has for the other. You will try your best to impress your partner. This will be a relationship both of you will remember forever. You will have very strong feelings for each other. This is a dynamic relationship.</source>
        <extracomment>The paragraph of the category &quot;Excellent&quot; (number 1)</extracomment>
        <translation>Sie werden die Liebe, die Sie füreinander empfinden, sofort erkennen. Jeder von Ihnen wird alles tun, um den anderen zu beeindrucken. An diese Beziehung werden Sie sich beide immer erinnern. Sie werden sehr starke Gefühle füreinander haben. Es ist eine dynamische Beziehung.</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwierig</translation>
    </message>
    <message>
        <source>You both may have nothing in common. You may like something about each other but neither of you will make the first move. There will always be some hesitancy between the both of you. You both may be different but you both can sense easily what is going on in each other&apos;s mind.</source>
        <extracomment>The paragraph of the category &quot;Difficult&quot; (numbers 2 and 12)</extracomment>
        <translation>Vielleicht haben Sie beide nichts gemeinsam. Sie mögen etwas aneinander, doch keiner von Ihnen macht den ersten Schritt. Zwischen Ihnen wird immer ein gewisses Zögern bleiben. Sie mögen verschieden sein, doch Sie spüren beide mühelos, was im anderen vorgeht.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Verständnisvoll</translation>
    </message>
    <message>
        <source>This is a very comfortable and easy relationship. There is no sudden or intense passion involved. It is more likely that such a relationship will develop over a period of time. You love each other and at the same time appreciate each other. This progresses in a gradual and steady manner. You will take time to get to know each other.</source>
        <extracomment>The paragraph of the category &quot;Understanding&quot; (numbers 3 and 11)</extracomment>
        <translation>Dies ist eine sehr angenehme und unkomplizierte Beziehung. Plötzliche oder heftige Leidenschaft spielt keine Rolle. Eher entwickelt sich eine solche Verbindung mit der Zeit. Sie lieben einander und schätzen sich zugleich. Die Beziehung wächst langsam und stetig. Sie nehmen sich Zeit, einander kennenzulernen.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Fiery</source>
        <translation>Feurig</translation>
    </message>
    <message>
        <source>There will be a clash of personalities. In the beginning this relationship may seem exciting and happening but later on there may be a lot of conflict. You both will be passionate at times or impossible at other times. You may have to overcome many challenges.</source>
        <extracomment>The paragraph of the category &quot;Fiery&quot; (numbers 4 and 10)</extracomment>
        <translation>Hier prallen zwei Persönlichkeiten aufeinander. Anfangs mag diese Beziehung aufregend und lebendig wirken, doch später kann es viele Konflikte geben. Mal sind Sie beide leidenschaftlich, mal unmöglich. Sie müssen womöglich viele Herausforderungen meistern.</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Happening</source>
        <translation>Aufregend</translation>
    </message>
    <message>
        <source>This is an excellent combination. You are made for each other and feel very comfortable with each other. You have similar styles of expressing your love. But you are still different in your ways of loving each other. Though both of your will fight over who loves the other more, this relationship will be harmonious. You will share very good mutual understanding. This relationship stands for true love.</source>
        <extracomment>The paragraph of the category &quot;Happening&quot; (numbers 5 and 9)</extracomment>
        <translation>Dies ist eine hervorragende Kombination. Sie sind füreinander geschaffen und fühlen sich miteinander sehr wohl. Sie zeigen Ihre Liebe auf ähnliche Weise und lieben einander doch auf unterschiedliche Art. Auch wenn Sie darüber streiten, wer den anderen mehr liebt, wird diese Beziehung harmonisch sein. Sie verstehen sich ausgezeichnet. Diese Beziehung steht für wahre Liebe.</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation>Magnetisch</translation>
    </message>
    <message>
        <source>This relationship is total or nothing. There is attraction or absolutely nothing. You may realize this only when someone points it out to you. This may be an on and off kind of relationship. There may be moments when you think the world of each other and other times when you don&apos;t even feel like seeing each other&apos;s face. This is a very unlikely relationship. But it can last if you want it to. You may have to make a lot of adjustments and compromises for this relationship to work. There my be a lot of fireworks. It can be good or it can be terrible, depending on how you intend to go about it.</source>
        <extracomment>The paragraph of the category &quot;Magnetic&quot; (numbers 6 and 8)</extracomment>
        <translation>Bei dieser Beziehung heißt es: alles oder nichts. Entweder gibt es Anziehung oder gar nichts. Vielleicht merken Sie das erst, wenn jemand Sie darauf hinweist. Es kann ein ständiges Auf und Ab sein. Mal halten Sie große Stücke aufeinander, mal wollen Sie sich nicht einmal sehen. Eigentlich passen Sie kaum zusammen, doch die Beziehung kann halten, wenn Sie es wollen. Damit sie funktioniert, müssen Sie sich wohl oft anpassen und Kompromisse schließen. Es kann kräftig funken. Ob gut oder schrecklich, hängt davon ab, wie Sie es angehen.</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Different</source>
        <translation>Gegensätzlich</translation>
    </message>
    <message>
        <source>This will be the real case of opposites attracting each other. This may not essentially be love at first sight. In fact you may have hated each other in the first instance. There is always a love-hate relationship. You will need to understand the other person and learn what he has to give than fight with him at each and every point. Learn to appreciate each other&apos;s good traits and move ahead.</source>
        <extracomment>The paragraph of the category &quot;Different&quot; (number 7)</extracomment>
        <translation>Hier ziehen sich Gegensätze wirklich an. Es muss nicht unbedingt Liebe auf den ersten Blick sein. Vielleicht konnten Sie sich anfangs nicht einmal ausstehen. Es bleibt immer eine Hassliebe. Statt bei jeder Kleinigkeit zu streiten, sollten Sie den anderen verstehen und entdecken, was er zu geben hat. Lernen Sie, die guten Seiten des anderen zu schätzen, und blicken Sie gemeinsam nach vorn.</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Getting Ready...</source>
        <translation>Wird vorbereitet …</translation>
    </message>
    <message>
        <source>Getting the reading ready</source>
        <translation>Die Deutung wird vorbereitet</translation>
    </message>
    <message>
        <source>The reading needs JavaScript, which is turned off in this browser.</source>
        <translation>Für die Deutung wird JavaScript benötigt, das in diesem Browser ausgeschaltet ist.</translation>
    </message>
    <message>
        <source>This browser cannot make the reading: it does not run WebAssembly.</source>
        <translation>Dieser Browser kann die Deutung nicht erstellen, da er kein WebAssembly ausführt.</translation>
    </message>
    <message>
        <source>The reading could not be made. Please try again.</source>
        <translation>Die Deutung konnte nicht erstellt werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please Enter A Name Of At Most %1 Letters !</source>
        <translation>Bitte geben Sie einen Namen mit höchstens %1 Buchstaben ein!</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Romantic compatibility from two dates of birth</source>
        <translation>Romantische Kompatibilität aus zwei Geburtsdaten</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>The same reading both ways</source>
        <translation>In beide Richtungen dieselbe Deutung</translation>
    </message>
    <message>
        <source>About your reading</source>
        <translation>Über Ihre Deutung</translation>
    </message>
    <message>
        <source>The four fields go to the maker&apos;s site, in the address this button opens, and nowhere else.</source>
        <translation>Die vier Felder gehen an die Website des Herstellers, in der Adresse, die diese Schaltfläche öffnet, und sonst nirgendwohin.</translation>
    </message>
    <message>
        <source>Romantic compatibility from two dates of birth: the Mars and Venus signs, two readings and a colour for each. Free, in your browser, nothing stored.</source>
        <translation>Romantische Kompatibilität aus zwei Geburtsdaten: Mars- und Venuszeichen, zwei Deutungen und zu jeder eine Farbe. Kostenlos, im Browser, ohne Speicherung.</translation>
    </message>
    <message>
        <source>The Mars sign is the sign Mars stood in on the day of birth. Here it stands for desire: how a person goes after love.</source>
        <translation>Das Marszeichen ist das Zeichen, in dem Mars am Tag der Geburt stand. Hier steht es für das Begehren: wie ein Mensch um Liebe wirbt.</translation>
    </message>
    <message>
        <source>The Venus sign is the sign Venus stood in that day. It stands for affection: what a person finds attractive.</source>
        <translation>Das Venuszeichen ist das Zeichen, in dem an diesem Tag die Venus stand. Es steht für die Zuneigung: was ein Mensch anziehend findet.</translation>
    </message>
    <message>
        <source>Attraction runs both ways, so there are two readings: your Mars with your partner&apos;s Venus, and your Venus with your partner&apos;s Mars. Each has a colour of its own, which sums up its mood.</source>
        <translation>Anziehung wirkt in beide Richtungen, deshalb gibt es zwei Deutungen: Ihr Mars mit der Venus Ihres Partners und Ihre Venus mit dem Mars Ihres Partners. Jede hat eine eigene Farbe, die ihre Stimmung zusammenfasst.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Link copied: %1</source>
        <translation>Link kopiert: %1</translation>
    </message>
    <message>
        <source>Copy this link: %1</source>
        <translation>Kopieren Sie diesen Link: %1</translation>
    </message>
    <message>
        <source>A Reading Shared With You</source>
        <translation>Eine mit Ihnen geteilte Deutung</translation>
    </message>
    <message>
        <source>This link holds only the two readings: no names, dates of birth or signs came with it. Enter your own details below for a reading of your own.</source>
        <translation>Dieser Link enthält nur die beiden Deutungen: Namen, Geburtsdaten oder Sternzeichen kamen nicht mit. Geben Sie unten Ihre eigenen Angaben ein, um Ihre eigene Deutung zu erhalten.</translation>
    </message>
    <message>
        <source>First Reading</source>
        <translation>Erste Deutung</translation>
    </message>
    <message>
        <source>Second Reading</source>
        <translation>Zweite Deutung</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Our romantic compatibility reading from Amorist</source>
        <translation>Unsere romantische Kompatibilität, gedeutet von Amorist</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Bild kopiert</translation>
    </message>
    <message>
        <source>The picture could not be copied. Save Picture keeps it as a file.</source>
        <translation>Das Bild konnte nicht kopiert werden. Mit „Bild speichern“ erhalten Sie es als Datei.</translation>
    </message>
    <message>
        <source>The picture could not be made. Please try again.</source>
        <translation>Das Bild konnte nicht erstellt werden. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>zodiac</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown beside &quot;Your Mars Sign&quot; and the like</extracomment>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
    <message>
        <source>January</source>
        <extracomment>A month name, in the month lists and in a date of birth shown as day/month/year</extracomment>
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
</context>
</TS>
