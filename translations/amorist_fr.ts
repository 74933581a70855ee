<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>amorist-cli</name>
    <message>
        <source>You: %1</source>
        <extracomment>The first person of a plain-text reading in the terminal: %1 is their name</extracomment>
        <translation>Vous&#xa0;: %1</translation>
    </message>
    <message>
        <source>Partner: %1</source>
        <extracomment>The second person of a plain-text reading: %1 is their name</extracomment>
        <translation>Partenaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <extracomment>%1 is a date of birth, as day/month/year</extracomment>
        <translation>Date de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mars sign: %1</source>
        <translation>Signe de Mars&#xa0;: %1</translation>
    </message>
    <message>
        <source>Venus sign: %1</source>
        <translation>Signe de Vénus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reading One: your Mars with your partner&apos;s Venus</source>
        <translation>Première analyse&#xa0;: votre Mars avec la Vénus de votre partenaire</translation>
    </message>
    <message>
        <source>Reading Two: your Venus with your partner&apos;s Mars</source>
        <translation>Deuxième analyse&#xa0;: votre Vénus avec le Mars de votre partenaire</translation>
    </message>
    <message>
        <source>Pair: %1</source>
        <extracomment>%1 is the pair of signs a reading is made from, such as Aquarius-Gemini</extracomment>
        <translation>Paire de signes&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A pair of signs: %1 the first sign, %2 the second</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <extracomment>%1 is the compatibility number, 1 to 12, or the word for none</extracomment>
        <translation>Numéro&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the compatibility number when a reading has none</extracomment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Swatch: %1</source>
        <extracomment>%1 is the colour of the reading&apos;s swatch as #RRGGBB</extracomment>
        <translation>Échantillon de couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <extracomment>%1 is the colour name</extracomment>
        <translation>Couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <extracomment>%1 is the category word</extracomment>
        <translation>Mot-clé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility:</source>
        <extracomment>The heading of the reading&apos;s paragraph, which follows on the next lines</extracomment>
        <translation>Votre compatibilité amoureuse&#xa0;:</translation>
    </message>
    <message>
        <source>%1 is not a month name</source>
        <extracomment>A date argument&apos;s month is no month name: %1 is the word as typed, quoted</extracomment>
        <translation>%1 n’est pas un nom de mois</translation>
    </message>
    <message>
        <source>month %1 is outside 01 to 12</source>
        <extracomment>%1 is the month of a date written 1975-03-07, as typed</extracomment>
        <translation>le mois %1 n’est pas compris entre 01 et 12</translation>
    </message>
    <message>
        <source>year %1 is outside %2 to %3</source>
        <extracomment>%1 is the year as typed; %2 and %3 the first and last years the program knows</extracomment>
        <translation>l’année %1 n’est pas comprise entre %2 et %3</translation>
    </message>
    <message>
        <source>day %1 is outside 1 to 31</source>
        <extracomment>%1 is the day as typed</extracomment>
        <translation>le jour %1 n’est pas compris entre 1 et 31</translation>
    </message>
    <message>
        <source>not a day of the calendar</source>
        <translation>ce jour n’existe pas dans le calendrier</translation>
    </message>
    <message>
        <source>not a date; write it as 7/March/1975 or 1975-03-07</source>
        <extracomment>Write the example date as amorist-cli prints a date in your language; it reads it back</extracomment>
        <translation>date non reconnue&#xa0;; écrivez-la sous la forme 7 mars 1975 ou 1975-03-07</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The first person&apos;s name, as an argument a message is about</extracomment>
        <translation>votre nom</translation>
    </message>
    <message>
        <source>date</source>
        <extracomment>The first person&apos;s date of birth, as an argument a message is about</extracomment>
        <translation>votre date de naissance</translation>
    </message>
    <message>
        <source>partner&apos;s name</source>
        <extracomment>The second person&apos;s name, as an argument a message is about</extracomment>
        <translation>nom de votre partenaire</translation>
    </message>
    <message>
        <source>partner&apos;s date</source>
        <extracomment>The second person&apos;s date of birth, as an argument a message is about</extracomment>
        <translation>date de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>%1 names the argument, %2 is the argument as typed, quoted; %3 says what is wrong</extracomment>
        <translation>%1 %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>The quotes around a word as typed in a message: „%1“, « %1 » ...</extracomment>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>amorist-cli batch</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>A bad line of batch&apos;s CSV input: %1 is its line number, %2 says what is wrong with it</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>expected 4 fields, %1, found %2</source>
        <extracomment>%1 is the header that names the four fields; %2 how many fields the line has</extracomment>
        <translation>4 champs attendus (%1), %2 trouvés</translation>
    </message>
    <message>
        <source>a quoted field is not closed within %1 bytes or by the end of the input</source>
        <extracomment>%1 is the longest record in bytes</extracomment>
        <translation>un champ entre guillemets n’est pas fermé en %1 octets ni avant la fin de l’entrée</translation>
    </message>
    <message>
        <source>a field that does not begin with a quote holds one; quote the field and double its quotes</source>
        <translation>un champ qui ne commence pas par un guillemet en contient un&#xa0;; mettez le champ entre guillemets et doublez ses guillemets</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field</source>
        <translation>du texte suit le guillemet fermant d’un champ</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>%1 is the longest record in bytes</extracomment>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <extracomment>%1 is the input file&apos;s name, quoted; %2 the system&apos;s reason</extracomment>
        <translation>impossible d’ouvrir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the input file&apos;s name, quoted, or the words for standard input; %2 the reason</extracomment>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>Batch&apos;s input when no FILE is given, as &quot;cannot read %1&quot; names it</extracomment>
        <translation>l’entrée standard</translation>
    </message>
</context>
<context>
    <name>amorist::frmAbout</name>
    <message>
        <source>Amorist gives the compatibility between two individuals based on their Venus and Mars signs. Venus &amp; Mars signs are opposite in nature and represent yin - yang planets. The software gives you an idea on different aspects of your relationship which depend on the Venus and Mars signs. All rights in this software belong to Quillmoor Softwares.</source>
        <translation>Amorist évalue la compatibilité de deux personnes d’après leurs signes de Vénus et de Mars. Ces signes sont de nature opposée et représentent les planètes du yin et du yang. Le logiciel vous donne un aperçu de différents aspects de votre relation qui dépendent de ces signes. Tous les droits sur ce logiciel appartiennent à Quillmoor Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s web address</extracomment>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Activité à domicile&#xa0;: lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à votre marque pour votre site web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
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
        <translation>Votre signe de Mars</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Venus Sign</source>
        <translation>Signe de Vénus du partenaire</translation>
    </message>
    <message>
        <source>Your Venus Sign</source>
        <translation>Votre signe de Vénus</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Mars Sign</source>
        <translation>Signe de Mars du partenaire</translation>
    </message>
    <message>
        <source>First reading colour: %1</source>
        <translation>Première analyse, couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>First reading colour name: %1</source>
        <translation>Première analyse, nom de la couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>First reading keywords: %1</source>
        <translation>Première analyse, mot-clé&#xa0;: %1</translation>
    </message>
    <message>
        <source>First reading romantic compatibility: %1</source>
        <translation>Première analyse, compatibilité amoureuse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Second reading colour: %1</source>
        <translation>Deuxième analyse, couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Second reading colour name: %1</source>
        <translation>Deuxième analyse, nom de la couleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Second reading keywords: %1</source>
        <translation>Deuxième analyse, mot-clé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Second reading romantic compatibility: %1</source>
        <translation>Deuxième analyse, compatibilité amoureuse&#xa0;: %1</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Date of Birth</source>
        <translation>Votre date de naissance</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Name</source>
        <translation>Nom de votre partenaire</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Date of Birth</source>
        <translation>Date de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility</source>
        <translation>Votre compatibilité amoureuse</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l’argent en &amp;ligne</translation>
    </message>
    <message>
        <source>Your name: %1</source>
        <translation>Votre nom&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your date of birth: %1</source>
        <translation>Votre date de naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s name: %1</source>
        <translation>Nom de votre partenaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s date of birth: %1</source>
        <translation>Date de naissance de votre partenaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Mars sign: %1</source>
        <translation>Votre signe de Mars&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s Venus sign: %1</source>
        <translation>Signe de Vénus de votre partenaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your Venus sign: %1</source>
        <translation>Votre signe de Vénus&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s Mars sign: %1</source>
        <translation>Signe de Mars de votre partenaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Enregistrer l’image...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>L’image n’a pas pu être enregistrée sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
</context>
<context>
    <name>amorist::frmMain</name>
    <message>
        <source>%1: %2</source>
        <extracomment>A list&apos;s spoken name: %1 what it holds (&quot;Your day of birth&quot;), %2 its item</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Venus and Mars signs are opposite in nature and represent yin - yang planets. Knowing the Venus - Mars compatibility between people will help you understand your relationship better. Take the Amorist test to know how electric or dull your relationship is!</source>
        <translation>Les signes de Vénus et de Mars sont de nature opposée et représentent les planètes du yin et du yang. Connaître la compatibilité Vénus-Mars entre deux personnes vous aide à mieux comprendre votre relation. Faites le test Amorist pour savoir si elle est électrique ou terne&#xa0;!</translation>
    </message>
    <message>
        <source>Romantic Compatibility</source>
        <translation>Compatibilité amoureuse</translation>
    </message>
    <message>
        <source>Take the test now and understand your romance better! </source>
        <translation>Faites le test dès maintenant pour mieux comprendre votre amour&#xa0;! </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Vos informations</translation>
    </message>
    <message>
        <source>Enter Your Partner&apos;s Details</source>
        <translation>Informations sur votre partenaire</translation>
    </message>
    <message>
        <source>Get Our &amp;Romantic Compatibility Reading</source>
        <translation>Découvrir notre &amp;compatibilité amoureuse</translation>
    </message>
    <message>
        <source>Get our romantic compatibility reading</source>
        <translation>Découvrir notre compatibilité amoureuse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Partner&apos;s DOB</source>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Nom de votre partenaire</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Partner&apos;s day of birth</source>
        <translation>Jour de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Your day of birth</source>
        <translation>Votre jour de naissance</translation>
    </message>
    <message>
        <source>Partner&apos;s month of birth</source>
        <translation>Mois de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Your month of birth</source>
        <translation>Votre mois de naissance</translation>
    </message>
    <message>
        <source>Partner&apos;s year of birth</source>
        <translation>Année de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Your year of birth</source>
        <translation>Votre année de naissance</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Gagner de l’argent en &amp;ligne</translation>
    </message>
    <message>
        <source>Please Enter Only Letters !</source>
        <translation>Veuillez saisir uniquement des lettres.</translation>
    </message>
</context>
<context>
    <name>amorist::frmReferAFriend</name>
    <message>
        <source>Quillmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quillmoor is to visit Quillmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation>Les logiciels Quillmoor comme celui-ci n’existent que grâce à votre soutien. La meilleure façon de soutenir Quillmoor est de visiter Quillmoor régulièrement et de participer aux discussions et activités du forum.</translation>
    </message>
    <message>
        <source>Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quillmoor</source>
        <translation>Visitez Quillmoor régulièrement. Soutenez Quillmoor en participant aux discussions et aux autres activités. Sans vos visites régulières, ces logiciels ne pourraient pas être maintenus.</translation>
    </message>
    <message>
        <source>Quillmoor is a FREE online discussion forum for all things quillmoor. To help Quillmoor develop and maintain this software visit Quillmoor regularly.</source>
        <translation>Quillmoor est un forum de discussion en ligne GRATUIT consacré à tout ce qui touche à Quillmoor. Pour aider Quillmoor à développer et maintenir ce logiciel, visitez Quillmoor régulièrement.</translation>
    </message>
    <message>
        <source>Quillmoor needs your help. All you need to do is visit Quillmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quillmoor Softwares.</source>
        <translation>Quillmoor a besoin de votre aide. Il vous suffit de visiter Quillmoor régulièrement et de participer aux discussions et activités pour nous aider à maintenir et développer d’autres logiciels Quillmoor.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillmoor Softwares. From a single software, we have now grown to become the world’s largest resource of quillmoor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si vous avez aimé ce logiciel, nos autres logiciels Quillmoor vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la plus grande source de logiciels Quillmoor au monde. Astrologie, voyance, tarot, numérologie ou ésotérisme&#xa0;: nous avons des programmes dans tous les domaines, pour un large choix selon vos centres d’intérêt.</translation>
    </message>
    <message>
        <source>All the programs in the Quillmoor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Tous les programmes de la suite Quillmoor Softwares sont simples et faciles à utiliser. Ils sont amusants et très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos proches.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s site, www.quillmoor.com</extracomment>
        <translation>Visiter %1 maintenant</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Visiter %1 maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un proche</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Recommander maintenant</translation>
    </message>
    <message>
        <source>Download Quillmoor Softwares</source>
        <translation>Nos logiciels à télécharger</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillmoor Softwares</source>
        <translation>Cliquez ici pour visiter Quillmoor Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Une adresse e-mail ne peut pas contenir d’espace.</translation>
    </message>
</context>
<context>
    <name>amorist::frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Amorist est déjà ouvert.</translation>
    </message>
</context>
<context>
    <name>birth_data_check</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>The user&apos;s name is empty</extracomment>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date of Birth!</source>
        <extracomment>The user&apos;s date of birth is 30 or 31 February</extracomment>
        <translation>Veuillez vérifier votre date de naissance&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date of Birth !</source>
        <extracomment>The user&apos;s date of birth is the 31st of a month of 30 days</extracomment>
        <translation>Veuillez saisir une date de naissance valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <extracomment>The partner&apos;s name is empty</extracomment>
        <translation>Veuillez saisir le nom de votre partenaire.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>The user&apos;s date of birth is 29 February of a common year</extracomment>
        <translation>Veuillez saisir un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend!</source>
        <extracomment>The partner&apos;s date of birth is a day February does not have (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Veuillez vérifier la date de naissance de votre partenaire&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend !</source>
        <extracomment>The partner&apos;s date of birth is the 31st of a month of 30 days (&quot;Friend&quot; is the partner)</extracomment>
        <translation>Veuillez vérifier la date de naissance de votre partenaire&#xa0;!</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.
Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter At Most %1 Characters In Each Box</source>
        <translation>Veuillez saisir au plus %1&#xa0;caractères par champ.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami(e)</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami(e).</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-mail de votre ami(e)</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami(e).</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
</context>
<context>
    <name>program_state</name>
    <message numerus="yes">
        <source>%n/%1/%2</source>
        <extracomment>A date of birth: %n the day, %1 the month name, %2 the year, e.g. 7/March/1975</extracomment>
        <translation>
            <numerusform>%ner %1 %2</numerusform>
            <numerusform>%n %1 %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>promotions</name>
    <message>
        <source>The Most Popular Online Quillmoor Discussion Board. Best Resource For Everything Quillmoor. Visit %1 Now</source>
        <extracomment>The banner at the top of both reading windows; %1 is the site&apos;s host</extracomment>
        <translation>Le forum Quillmoor le plus populaire du Web. La meilleure ressource pour tout ce qui touche à Quillmoor. Visitez %1 dès maintenant</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Personnalisez ce logiciel pour votre site. Fidélisez vos visiteurs et gagnez du trafic. Affichez ici le nom et le lien de votre site. Détails dans «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile&#xa0;: lancez votre propre entreprise sur Internet et gagnez de l’argent en ligne. Ce logiciel entièrement à votre marque pour votre site web. Cliquez ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>red</source>
        <extracomment>A colour name, shown under the reading&apos;s colour swatch</extracomment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Excellent</source>
        <extracomment>A category word, shown after &quot;Keywords&quot;</extracomment>
        <translation>Excellente</translation>
    </message>
    <message>
        <source>You will instantly recognize the love each has for the other. You will try your best to impress your partner. This will be a relationship both of you will remember forever. You will have very strong feelings for each other. This is a dynamic relationship.</source>
        <extracomment>The paragraph of the category &quot;Excellent&quot; (number 1)</extracomment>
        <translation>Vous reconnaîtrez instantanément l’amour que vous vous portez. Chacun fera de son mieux pour impressionner l’autre. Vous vous souviendrez tous les deux de cette relation pour toujours. Vous éprouverez des sentiments très forts l’un pour l’autre. C’est une relation dynamique.</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>You both may have nothing in common. You may like something about each other but neither of you will make the first move. There will always be some hesitancy between the both of you. You both may be different but you both can sense easily what is going on in each other&apos;s mind.</source>
        <extracomment>The paragraph of the category &quot;Difficult&quot; (numbers 2 and 12)</extracomment>
        <translation>Vous n’avez peut-être rien en commun. Il se peut que quelque chose vous plaise chez l’autre, mais aucun de vous ne fera le premier pas. Il y aura toujours une certaine hésitation entre vous. Vous êtes peut-être différents, mais chacun devine sans peine ce qui se passe dans la tête de l’autre.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Mauve</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Complice</translation>
    </message>
    <message>
        <source>This is a very comfortable and easy relationship. There is no sudden or intense passion involved. It is more likely that such a relationship will develop over a period of time. You love each other and at the same time appreciate each other. This progresses in a gradual and steady manner. You will take time to get to know each other.</source>
        <extracomment>The paragraph of the category &quot;Understanding&quot; (numbers 3 and 11)</extracomment>
        <translation>C’est une relation très agréable et facile à vivre. Il n’y a pas de passion soudaine ou intense. Un tel lien se construit plutôt avec le temps. Vous vous aimez et, en même temps, vous vous appréciez. Votre relation progresse de façon graduelle et régulière. Vous prendrez le temps d’apprendre à vous connaître.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Fiery</source>
        <translation>Fougueuse</translation>
    </message>
    <message>
        <source>There will be a clash of personalities. In the beginning this relationship may seem exciting and happening but later on there may be a lot of conflict. You both will be passionate at times or impossible at other times. You may have to overcome many challenges.</source>
        <extracomment>The paragraph of the category &quot;Fiery&quot; (numbers 4 and 10)</extracomment>
        <translation>Vos personnalités vont s’affronter. Au début, cette relation peut sembler excitante et pleine de vie, mais ensuite les conflits risquent d’être nombreux. Vous serez tantôt passionnés, tantôt impossibles. Vous aurez peut-être de nombreux défis à relever.</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Happening</source>
        <translation>Pétillante</translation>
    </message>
    <message>
        <source>This is an excellent combination. You are made for each other and feel very comfortable with each other. You have similar styles of expressing your love. But you are still different in your ways of loving each other. Though both of your will fight over who loves the other more, this relationship will be harmonious. You will share very good mutual understanding. This relationship stands for true love.</source>
        <extracomment>The paragraph of the category &quot;Happening&quot; (numbers 5 and 9)</extracomment>
        <translation>C’est une excellente combinaison. Vous êtes faits l’un pour l’autre et vous vous sentez très bien ensemble. Vous exprimez votre amour de façon semblable, mais chacun aime l’autre à sa manière. Même si vous vous disputez pour savoir qui aime le plus l’autre, cette relation sera harmonieuse. Vous vous comprendrez très bien. Cette relation est synonyme de véritable amour.</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation>Magnétique</translation>
    </message>
    <message>
        <source>This relationship is total or nothing. There is attraction or absolutely nothing. You may realize this only when someone points it out to you. This may be an on and off kind of relationship. There may be moments when you think the world of each other and other times when you don&apos;t even feel like seeing each other&apos;s face. This is a very unlikely relationship. But it can last if you want it to. You may have to make a lot of adjustments and compromises for this relationship to work. There my be a lot of fireworks. It can be good or it can be terrible, depending on how you intend to go about it.</source>
        <extracomment>The paragraph of the category &quot;Magnetic&quot; (numbers 6 and 8)</extracomment>
        <translation>Cette relation, c’est tout ou rien. Soit il y a de l’attirance, soit rien du tout. Vous ne vous en rendrez peut-être compte que lorsque quelqu’un vous le fera remarquer. Ce peut être une relation en dents de scie. Par moments vous serez fous l’un de l’autre, à d’autres vous n’aurez même pas envie de vous voir. C’est une relation très improbable, mais elle peut durer si vous le voulez. Vous devrez sans doute faire beaucoup d’ajustements et de compromis pour qu’elle fonctionne. Il risque d’y avoir des étincelles. Ce peut être merveilleux ou terrible, selon la manière dont vous vous y prendrez.</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rose</translation>
    </message>
    <message>
        <source>Different</source>
        <translation>Contrastée</translation>
    </message>
    <message>
        <source>This will be the real case of opposites attracting each other. This may not essentially be love at first sight. In fact you may have hated each other in the first instance. There is always a love-hate relationship. You will need to understand the other person and learn what he has to give than fight with him at each and every point. Learn to appreciate each other&apos;s good traits and move ahead.</source>
        <extracomment>The paragraph of the category &quot;Different&quot; (number 7)</extracomment>
        <translation>C’est le cas typique des contraires qui s’attirent. Ce ne sera pas forcément le coup de foudre. En fait, vous vous êtes peut-être détestés au premier abord. C’est toujours une relation d’amour-haine. Plutôt que de vous disputer sur chaque point, essayez de comprendre l’autre et de découvrir ce qu’il peut vous apporter. Apprenez à apprécier les qualités de l’autre et allez de l’avant.</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Getting Ready...</source>
        <translation>Préparation…</translation>
    </message>
    <message>
        <source>Getting the reading ready</source>
        <translation>Préparation de l’analyse</translation>
    </message>
    <message>
        <source>The reading needs JavaScript, which is turned off in this browser.</source>
        <translation>L’analyse nécessite JavaScript, qui est désactivé dans ce navigateur.</translation>
    </message>
    <message>
        <source>This browser cannot make the reading: it does not run WebAssembly.</source>
        <translation>Ce navigateur ne peut pas établir l’analyse&#xa0;: il n’exécute pas WebAssembly.</translation>
    </message>
    <message>
        <source>The reading could not be made. Please try again.</source>
        <translation>L’analyse n’a pas pu être établie. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Please Enter A Name Of At Most %1 Letters !</source>
        <translation>Veuillez saisir un nom d’au plus %1&#xa0;lettres.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Romantic compatibility from two dates of birth</source>
        <translation>La compatibilité amoureuse d&apos;après deux dates de naissance</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>The same reading both ways</source>
        <translation>La même analyse dans les deux sens</translation>
    </message>
    <message>
        <source>About your reading</source>
        <translation>À propos de votre analyse</translation>
    </message>
    <message>
        <source>The four fields go to the maker&apos;s site, in the address this button opens, and nowhere else.</source>
        <translation>Les quatre champs vont au site de l&apos;éditeur, dans l&apos;adresse qu&apos;ouvre ce bouton, et nulle part ailleurs.</translation>
    </message>
    <message>
        <source>Romantic compatibility from two dates of birth: the Mars and Venus signs, two readings and a colour for each. Free, in your browser, nothing stored.</source>
        <translation>La compatibilité amoureuse d&apos;après deux dates de naissance&#xa0;: signes de Mars et de Vénus, deux analyses et une couleur pour chacune. Gratuit, dans votre navigateur, rien n&apos;est conservé.</translation>
    </message>
    <message>
        <source>The Mars sign is the sign Mars stood in on the day of birth. Here it stands for desire: how a person goes after love.</source>
        <translation>Le signe de Mars est le signe où se trouvait Mars le jour de la naissance. Ici, il représente le désir&#xa0;: la manière dont une personne recherche l&apos;amour.</translation>
    </message>
    <message>
        <source>The Venus sign is the sign Venus stood in that day. It stands for affection: what a person finds attractive.</source>
        <translation>Le signe de Vénus est le signe où se trouvait Vénus ce jour-là. Il représente l&apos;affection&#xa0;: ce qu&apos;une personne trouve séduisant.</translation>
    </message>
    <message>
        <source>Attraction runs both ways, so there are two readings: your Mars with your partner&apos;s Venus, and your Venus with your partner&apos;s Mars. Each has a colour of its own, which sums up its mood.</source>
        <translation>L&apos;attirance joue dans les deux sens, d&apos;où deux analyses&#xa0;: votre Mars avec la Vénus de votre partenaire, et votre Vénus avec son Mars. Chacune a sa propre couleur, qui en résume l&apos;humeur.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Link copied: %1</source>
        <translation>Lien copié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Copy this link: %1</source>
        <translation>Copiez ce lien&#xa0;: %1</translation>
    </message>
    <message>
        <source>A Reading Shared With You</source>
        <translation>Une analyse partagée avec vous</translation>
    </message>
    <message>
        <source>This link holds only the two readings: no names, dates of birth or signs came with it. Enter your own details below for a reading of your own.</source>
        <translation>Ce lien ne contient que les deux analyses&#xa0;: aucun nom, aucune date de naissance ni aucun signe ne l’accompagne. Saisissez vos propres informations ci-dessous pour obtenir votre propre analyse.</translation>
    </message>
    <message>
        <source>First Reading</source>
        <translation>Première analyse</translation>
    </message>
    <message>
        <source>Second Reading</source>
        <translation>Deuxième analyse</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l’image</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>Our romantic compatibility reading from Amorist</source>
        <translation>Notre compatibilité amoureuse selon Amorist</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>The picture could not be copied. Save Picture keeps it as a file.</source>
        <translation>L’image n’a pas pu être copiée. «&#xa0;Enregistrer l’image&#xa0;» la conserve dans un fichier.</translation>
    </message>
    <message>
        <source>The picture could not be made. Please try again.</source>
        <translation>L’image n’a pas pu être créée. Veuillez réessayer.</translation>
    </message>
</context>
<context>
    <name>zodiac</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown beside &quot;Your Mars Sign&quot; and the like</extracomment>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
    <message>
        <source>January</source>
        <extracomment>A month name, in the month lists and in a date of birth shown as day/month/year</extracomment>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
</TS>
