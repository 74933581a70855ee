<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>amorist-cli</name>
    <message>
        <source>You: %1</source>
        <extracomment>The first person of a plain-text reading in the terminal: %1 is their name</extracomment>
        <translation>Tú: %1</translation>
    </message>
    <message>
        <source>Partner: %1</source>
        <extracomment>The second person of a plain-text reading: %1 is their name</extracomment>
        <translation>Pareja: %1</translation>
    </message>
    <message>
        <source>Date of birth: %1</source>
        <extracomment>%1 is a date of birth, as day/month/year</extracomment>
        <translation>Fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Mars sign: %1</source>
        <translation>Signo de Marte: %1</translation>
    </message>
    <message>
        <source>Venus sign: %1</source>
        <translation>Signo de Venus: %1</translation>
    </message>
    <message>
        <source>Reading One: your Mars with your partner&apos;s Venus</source>
        <translation>Primera lectura: tu Marte con la Venus de tu pareja</translation>
    </message>
    <message>
        <source>Reading Two: your Venus with your partner&apos;s Mars</source>
        <translation>Segunda lectura: tu Venus con el Marte de tu pareja</translation>
    </message>
    <message>
        <source>Pair: %1</source>
        <extracomment>%1 is the pair of signs a reading is made from, such as Aquarius-Gemini</extracomment>
        <translation>Combinación: %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>A pair of signs: %1 the first sign, %2 the second</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <extracomment>%1 is the compatibility number, 1 to 12, or the word for none</extracomment>
        <translation>Número: %1</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>Stands for the compatibility number when a reading has none</extracomment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Swatch: %1</source>
        <extracomment>%1 is the colour of the reading&apos;s swatch as #RRGGBB</extracomment>
        <translation>Muestra de color: %1</translation>
    </message>
    <message>
        <source>Colour: %1</source>
        <extracomment>%1 is the colour name</extracomment>
        <translation>Color: %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <extracomment>%1 is the category word</extracomment>
        <translation>Palabra clave: %1</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility:</source>
        <extracomment>The heading of the reading&apos;s paragraph, which follows on the next lines</extracomment>
        <translation>Su compatibilidad amorosa:</translation>
    </message>
    <message>
        <source>%1 is not a month name</source>
        <extracomment>A date argument&apos;s month is no month name: %1 is the word as typed, quoted</extracomment>
        <translation>%1 no es un nombre de mes</translation>
    </message>
    <message>
        <source>month %1 is outside 01 to 12</source>
        <extracomment>%1 is the month of a date written 1975-03-07, as typed</extracomment>
        <translation>el mes %1 no está entre 01 y 12</translation>
    </message>
    <message>
        <source>year %1 is outside %2 to %3</source>
        <extracomment>%1 is the year as typed; %2 and %3 the first and last years the program knows</extracomment>
        <translation>el año %1 no está entre %2 y %3</translation>
    </message>
    <message>
        <source>day %1 is outside 1 to 31</source>
        <extracomment>%1 is the day as typed</extracomment>
        <translation>el día %1 no está entre 1 y 31</translation>
    </message>
    <message>
        <source>not a day of the calendar</source>
        <translation>ese día no existe en el calendario</translation>
    </message>
    <message>
        <source>not a date; write it as 7/March/1975 or 1975-03-07</source>
        <extracomment>Write the example date as amorist-cli prints a date in your language; it reads it back</extracomment>
        <translation>no es una fecha; escríbela como 7 de marzo de 1975 o 1975-03-07</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>The first person&apos;s name, as an argument a message is about</extracomment>
        <translation>tu nombre</translation>
    </message>
    <message>
        <source>date</source>
        <extracomment>The first person&apos;s date of birth, as an argument a message is about</extracomment>
        <translation>tu fecha de nacimiento</translation>
    </message>
    <message>
        <source>partner&apos;s name</source>
        <extracomment>The second person&apos;s name, as an argument a message is about</extracomment>
        <translation>nombre de tu pareja</translation>
    </message>
    <message>
        <source>partner&apos;s date</source>
        <extracomment>The second person&apos;s date of birth, as an argument a message is about</extracomment>
        <translation>fecha de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>%1 names the argument, %2 is the argument as typed, quoted; %3 says what is wrong</extracomment>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos;</source>
        <extracomment>The quotes around a word as typed in a message: „%1“, « %1 » ...</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>amorist-cli batch</name>
    <message>
        <source>line %1: %2</source>
        <extracomment>A bad line of batch&apos;s CSV input: %1 is its line number, %2 says what is wrong with it</extracomment>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>expected 4 fields, %1, found %2</source>
        <extracomment>%1 is the header that names the four fields; %2 how many fields the line has</extracomment>
        <translation>se esperaban 4 campos (%1) y hay %2</translation>
    </message>
    <message>
        <source>a quoted field is not closed within %1 bytes or by the end of the input</source>
        <extracomment>%1 is the longest record in bytes</extracomment>
        <translation>un campo entre comillas no se cierra en %1 bytes ni antes del final de la entrada</translation>
    </message>
    <message>
        <source>a field that does not begin with a quote holds one; quote the field and double its quotes</source>
        <translation>un campo que no empieza por comillas contiene una; pon el campo entre comillas y duplica sus comillas</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field</source>
        <translation>hay texto tras las comillas de cierre de un campo</translation>
    </message>
    <message>
        <source>longer than %1 bytes</source>
        <extracomment>%1 is the longest record in bytes</extracomment>
        <translation>más de %1 bytes</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <extracomment>%1 is the input file&apos;s name, quoted; %2 the system&apos;s reason</extracomment>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <extracomment>%1 is the input file&apos;s name, quoted, or the words for standard input; %2 the reason</extracomment>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>Batch&apos;s input when no FILE is given, as &quot;cannot read %1&quot; names it</extracomment>
        <translation>la entrada estándar</translation>
    </message>
</context>
<context>
    <name>amorist::frmAbout</name>
    <message>
        <source>Amorist gives the compatibility between two individuals based on their Venus and Mars signs. Venus &amp; Mars signs are opposite in nature and represent yin - yang planets. The software gives you an idea on different aspects of your relationship which depend on the Venus and Mars signs. All rights in this software belong to Quillmoor Softwares.</source>
        <translation>Amorist calcula la compatibilidad entre dos personas a partir de sus signos de Venus y Marte. Los signos de Venus y Marte son de naturaleza opuesta y representan los planetas del yin y el yang. El programa te da una idea de distintos aspectos de tu relación que dependen de estos signos. Todos los derechos de este programa pertenecen a Quillmoor Softwares.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s web address</extracomment>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Trabaja desde casa: crea tu propio negocio en internet y gana dinero en línea. Consigue este programa con tu propia marca para tu sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haz clic aquí para más información</translation>
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
        <translation>Tu signo de Marte</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Venus Sign</source>
        <translation>Signo de Venus de tu pareja</translation>
    </message>
    <message>
        <source>Your Venus Sign</source>
        <translation>Tu signo de Venus</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Mars Sign</source>
        <translation>Signo de Marte de tu pareja</translation>
    </message>
    <message>
        <source>First reading colour: %1</source>
        <translation>Primera lectura, color: %1</translation>
    </message>
    <message>
        <source>First reading colour name: %1</source>
        <translation>Primera lectura, nombre del color: %1</translation>
    </message>
    <message>
        <source>First reading keywords: %1</source>
        <translation>Primera lectura, palabra clave: %1</translation>
    </message>
    <message>
        <source>First reading romantic compatibility: %1</source>
        <translation>Primera lectura, compatibilidad amorosa: %1</translation>
    </message>
    <message>
        <source>Second reading colour: %1</source>
        <translation>Segunda lectura, color: %1</translation>
    </message>
    <message>
        <source>Second reading colour name: %1</source>
        <translation>Segunda lectura, nombre del color: %1</translation>
    </message>
    <message>
        <source>Second reading keywords: %1</source>
        <translation>Segunda lectura, palabra clave: %1</translation>
    </message>
    <message>
        <source>Second reading romantic compatibility: %1</source>
        <translation>Segunda lectura, compatibilidad amorosa: %1</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Date of Birth</source>
        <translation>Tu fecha de nacimiento</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Name</source>
        <translation>Nombre de tu pareja</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Date of Birth</source>
        <translation>Fecha de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabra clave</translation>
    </message>
    <message>
        <source>Your Romantic Compatibility</source>
        <translation>Su compatibilidad amorosa</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ayuda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;de este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Your name: %1</source>
        <translation>Tu nombre: %1</translation>
    </message>
    <message>
        <source>Your date of birth: %1</source>
        <translation>Tu fecha de nacimiento: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s name: %1</source>
        <translation>Nombre de tu pareja: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s date of birth: %1</source>
        <translation>Fecha de nacimiento de tu pareja: %1</translation>
    </message>
    <message>
        <source>Your Mars sign: %1</source>
        <translation>Tu signo de Marte: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s Venus sign: %1</source>
        <translation>Signo de Venus de tu pareja: %1</translation>
    </message>
    <message>
        <source>Your Venus sign: %1</source>
        <translation>Tu signo de Venus: %1</translation>
    </message>
    <message>
        <source>Your partner&apos;s Mars sign: %1</source>
        <translation>Signo de Marte de tu pareja: %1</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1: %2</source>
        <translation>No se ha podido guardar la imagen como %1: %2</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG picture (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
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
        <translation>Los signos de Venus y Marte son de naturaleza opuesta y representan los planetas del yin y el yang. Conocer la compatibilidad Venus-Marte entre dos personas te ayuda a entender mejor tu relación. ¡Haz el test de Amorist y descubre si tu relación es electrizante o aburrida!</translation>
    </message>
    <message>
        <source>Romantic Compatibility</source>
        <translation>Compatibilidad amorosa</translation>
    </message>
    <message>
        <source>Take the test now and understand your romance better! </source>
        <translation>¡Haz el test ahora y entiende mejor tu relación! </translation>
    </message>
    <message>
        <source>Enter Your Details</source>
        <translation>Tus datos</translation>
    </message>
    <message>
        <source>Enter Your Partner&apos;s Details</source>
        <translation>Datos de tu pareja</translation>
    </message>
    <message>
        <source>Get Our &amp;Romantic Compatibility Reading</source>
        <translation>Ver nuestra &amp;compatibilidad amorosa</translation>
    </message>
    <message>
        <source>Get our romantic compatibility reading</source>
        <translation>Ver nuestra compatibilidad amorosa</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Partner&apos;s DOB</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Partner&apos;s name</source>
        <translation>Nombre de tu pareja</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Partner&apos;s day of birth</source>
        <translation>Día de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Your day of birth</source>
        <translation>Tu día de nacimiento</translation>
    </message>
    <message>
        <source>Partner&apos;s month of birth</source>
        <translation>Mes de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Your month of birth</source>
        <translation>Tu mes de nacimiento</translation>
    </message>
    <message>
        <source>Partner&apos;s year of birth</source>
        <translation>Año de nacimiento de tu pareja</translation>
    </message>
    <message>
        <source>Your year of birth</source>
        <translation>Tu año de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Ayuda en línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca &amp;de este programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>Please Enter Only Letters !</source>
        <translation>Introduce solo letras.</translation>
    </message>
</context>
<context>
    <name>amorist::frmReferAFriend</name>
    <message>
        <source>Quillmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quillmoor is to visit Quillmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation>Los programas de Quillmoor como este solo pueden crearse y mantenerse con tu apoyo. La mejor forma de apoyar a Quillmoor es visitarlo con regularidad y participar en los debates y actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Quillmoor regularly. Support Quillmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quillmoor</source>
        <translation>Visita Quillmoor con regularidad. Apoya a Quillmoor participando en los debates y demás actividades. Sin tus visitas regulares, estos programas no podrían mantenerse.</translation>
    </message>
    <message>
        <source>Quillmoor is a FREE online discussion forum for all things quillmoor. To help Quillmoor develop and maintain this software visit Quillmoor regularly.</source>
        <translation>Quillmoor es un foro de debate en línea GRATUITO sobre todo lo relacionado con Quillmoor. Para ayudar a Quillmoor a desarrollar y mantener este programa, visita Quillmoor con regularidad.</translation>
    </message>
    <message>
        <source>Quillmoor needs your help. All you need to do is visit Quillmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quillmoor Softwares.</source>
        <translation>Quillmoor necesita tu ayuda. Solo tienes que visitar Quillmoor con regularidad y participar en los debates y actividades para ayudarnos a mantener y desarrollar más programas de Quillmoor.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillmoor Softwares. From a single software, we have now grown to become the world’s largest resource of quillmoor softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán nuestros otros programas de Quillmoor. Empezamos con un solo programa y hoy tenemos el mayor catálogo de programas de Quillmoor del mundo. Astrología, videncia, tarot, numerología u ocultismo: tenemos programas en todos los campos para ofrecer a nuestros usuarios una amplia variedad según sus intereses.</translation>
    </message>
    <message>
        <source>All the programs in the Quillmoor Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family.</source>
        <translation>Todos los programas de la suite Quillmoor Softwares son sencillos y fáciles de usar. No solo son divertidos, sino también muy informativos. Pruébalos hoy mismo y comparte tu experiencia con amigos y familiares.</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s site, www.quillmoor.com</extracomment>
        <translation>Visitar %1 ahora</translation>
    </message>
    <message>
        <source>Visit %1 now</source>
        <translation>Visitar %1 ahora</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Refer a friend now</source>
        <translation>Recomendar ahora</translation>
    </message>
    <message>
        <source>Download Quillmoor Softwares</source>
        <translation>Más programas de Quillmoor</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillmoor Softwares</source>
        <translation>Haz clic aquí para visitar Quillmoor Softwares</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Una dirección de correo no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>amorist::frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Amorist ya se está ejecutando.</translation>
    </message>
</context>
<context>
    <name>birth_data_check</name>
    <message>
        <source>Please Enter Your Name</source>
        <extracomment>The user&apos;s name is empty</extracomment>
        <translation>Introduce tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Correct Date of Birth!</source>
        <extracomment>The user&apos;s date of birth is 30 or 31 February</extracomment>
        <translation>¡Revisa tu fecha de nacimiento!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date of Birth !</source>
        <extracomment>The user&apos;s date of birth is the 31st of a month of 30 days</extracomment>
        <translation>¡Introduce una fecha de nacimiento válida!</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <extracomment>The partner&apos;s name is empty</extracomment>
        <translation>Introduce el nombre de tu pareja.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <extracomment>The user&apos;s date of birth is 29 February of a common year</extracomment>
        <translation>¡Introduce un día o un mes válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend!</source>
        <extracomment>The partner&apos;s date of birth is a day February does not have (&quot;Friend&quot; is the partner)</extracomment>
        <translation>¡Revisa la fecha de nacimiento de tu pareja!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month Of Your Friend !</source>
        <extracomment>The partner&apos;s date of birth is the 31st of a month of 30 days (&quot;Friend&quot; is the partner)</extracomment>
        <translation>¡Revisa la fecha de nacimiento de tu pareja!</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Puede que haya una actualización de este programa.
¿Quieres buscar actualizaciones?</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter At Most %1 Characters In Each Box</source>
        <translation>Escribe como máximo %1 caracteres en cada campo.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre.</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduce tu correo electrónico.</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje.</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduce el nombre de tu amigo.</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo de tu amigo</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduce el correo electrónico de tu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduce dos direcciones de correo distintas.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduce una dirección de correo válida.</translation>
    </message>
</context>
<context>
    <name>program_state</name>
    <message numerus="yes">
        <source>%n/%1/%2</source>
        <extracomment>A date of birth: %n the day, %1 the month name, %2 the year, e.g. 7/March/1975</extracomment>
        <translation>
            <numerusform>%n de %1 de %2</numerusform>
            <numerusform>%n de %1 de %2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>promotions</name>
    <message>
        <source>The Most Popular Online Quillmoor Discussion Board. Best Resource For Everything Quillmoor. Visit %1 Now</source>
        <extracomment>The banner at the top of both reading windows; %1 is the site&apos;s host</extracomment>
        <translation>El foro sobre Quillmoor más popular de internet. El mejor recurso para todo lo relacionado con Quillmoor. Visita %1 ahora</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Añade la marca de tu sitio a este programa. Gana fidelidad y tráfico. Pon aquí el nombre y el enlace de tu sitio. Detalles en «Ayuda». Haz clic aquí para saber más sobre el cobranding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Trabaja desde casa: crea tu propio negocio en internet y gana dinero en línea. Consigue este programa con tu propia marca para tu sitio web. Haz clic aquí para más información.</translation>
    </message>
</context>
<context>
    <name>reading</name>
    <message>
        <source>red</source>
        <extracomment>A colour name, shown under the reading&apos;s colour swatch</extracomment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Excellent</source>
        <extracomment>A category word, shown after &quot;Keywords&quot;</extracomment>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>You will instantly recognize the love each has for the other. You will try your best to impress your partner. This will be a relationship both of you will remember forever. You will have very strong feelings for each other. This is a dynamic relationship.</source>
        <extracomment>The paragraph of the category &quot;Excellent&quot; (number 1)</extracomment>
        <translation>Los dos reconocerán al instante el amor que se tienen. Cada uno hará todo lo posible por impresionar al otro. Será una relación que ambos recordarán siempre. Sentirán algo muy fuerte el uno por el otro. Es una relación dinámica.</translation>
    </message>
    <message>
        <source>Beige</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>You both may have nothing in common. You may like something about each other but neither of you will make the first move. There will always be some hesitancy between the both of you. You both may be different but you both can sense easily what is going on in each other&apos;s mind.</source>
        <extracomment>The paragraph of the category &quot;Difficult&quot; (numbers 2 and 12)</extracomment>
        <translation>Puede que no tengan nada en común. Quizá a cada uno le guste algo del otro, pero ninguno dará el primer paso. Siempre habrá cierta vacilación entre ustedes. Puede que sean distintos, pero los dos perciben con facilidad lo que pasa por la mente del otro.</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Understanding</source>
        <translation>Cómplice</translation>
    </message>
    <message>
        <source>This is a very comfortable and easy relationship. There is no sudden or intense passion involved. It is more likely that such a relationship will develop over a period of time. You love each other and at the same time appreciate each other. This progresses in a gradual and steady manner. You will take time to get to know each other.</source>
        <extracomment>The paragraph of the category &quot;Understanding&quot; (numbers 3 and 11)</extracomment>
        <translation>Es una relación muy cómoda y sencilla. No hay una pasión repentina ni intensa. Lo más probable es que una relación así se desarrolle con el tiempo. Se quieren y, al mismo tiempo, se aprecian. La relación avanza de forma gradual y constante. Se tomarán su tiempo para conocerse.</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Fiery</source>
        <translation>Fogosa</translation>
    </message>
    <message>
        <source>There will be a clash of personalities. In the beginning this relationship may seem exciting and happening but later on there may be a lot of conflict. You both will be passionate at times or impossible at other times. You may have to overcome many challenges.</source>
        <extracomment>The paragraph of the category &quot;Fiery&quot; (numbers 4 and 10)</extracomment>
        <translation>Habrá un choque de personalidades. Al principio esta relación puede parecer emocionante y llena de vida, pero más adelante puede haber muchos conflictos. A veces serán apasionados y otras, imposibles. Quizá tengan que superar muchos retos.</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Happening</source>
        <translation>Vibrante</translation>
    </message>
    <message>
        <source>This is an excellent combination. You are made for each other and feel very comfortable with each other. You have similar styles of expressing your love. But you are still different in your ways of loving each other. Though both of your will fight over who loves the other more, this relationship will be harmonious. You will share very good mutual understanding. This relationship stands for true love.</source>
        <extracomment>The paragraph of the category &quot;Happening&quot; (numbers 5 and 9)</extracomment>
        <translation>Es una combinación excelente. Están hechos el uno para el otro y se sienten muy a gusto juntos. Expresan su amor de forma parecida, pero aun así cada uno quiere al otro a su manera. Aunque discutan sobre quién quiere más a quién, esta relación será armoniosa. Se entenderán muy bien. Esta relación es sinónimo de amor verdadero.</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Magnetic</source>
        <translation>Magnética</translation>
    </message>
    <message>
        <source>This relationship is total or nothing. There is attraction or absolutely nothing. You may realize this only when someone points it out to you. This may be an on and off kind of relationship. There may be moments when you think the world of each other and other times when you don&apos;t even feel like seeing each other&apos;s face. This is a very unlikely relationship. But it can last if you want it to. You may have to make a lot of adjustments and compromises for this relationship to work. There my be a lot of fireworks. It can be good or it can be terrible, depending on how you intend to go about it.</source>
        <extracomment>The paragraph of the category &quot;Magnetic&quot; (numbers 6 and 8)</extracomment>
        <translation>Esta relación es todo o nada. O hay atracción o no hay absolutamente nada. Quizá solo se den cuenta cuando alguien se lo haga ver. Puede ser una relación de idas y venidas. Habrá momentos en que se adoren y otros en que no quieran ni verse la cara. Es una relación muy improbable, pero puede durar si ustedes quieren. Quizá tengan que hacer muchos ajustes y concesiones para que funcione. Saltarán muchas chispas. Puede salir bien o fatal, según cómo decidan afrontarla.</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Different</source>
        <translation>Polos opuestos</translation>
    </message>
    <message>
        <source>This will be the real case of opposites attracting each other. This may not essentially be love at first sight. In fact you may have hated each other in the first instance. There is always a love-hate relationship. You will need to understand the other person and learn what he has to give than fight with him at each and every point. Learn to appreciate each other&apos;s good traits and move ahead.</source>
        <extracomment>The paragraph of the category &quot;Different&quot; (number 7)</extracomment>
        <translation>Es un verdadero caso de polos opuestos que se atraen. No tiene por qué ser amor a primera vista. De hecho, puede que al principio se odiaran. Siempre habrá algo de amor-odio entre ustedes. En lugar de discutir por cada detalle, tendrán que comprender al otro y descubrir lo que tiene para ofrecer. Aprendan a valorar las virtudes del otro y sigan adelante.</translation>
    </message>
</context>
<context>
    <name>web</name>
    <message>
        <source>Getting Ready...</source>
        <translation>Preparando…</translation>
    </message>
    <message>
        <source>Getting the reading ready</source>
        <translation>Preparando la lectura</translation>
    </message>
    <message>
        <source>The reading needs JavaScript, which is turned off in this browser.</source>
        <translation>La lectura necesita JavaScript, que está desactivado en este navegador.</translation>
    </message>
    <message>
        <source>This browser cannot make the reading: it does not run WebAssembly.</source>
        <translation>Este navegador no puede hacer la lectura: no ejecuta WebAssembly.</translation>
    </message>
    <message>
        <source>The reading could not be made. Please try again.</source>
        <translation>No se ha podido hacer la lectura. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Please Enter A Name Of At Most %1 Letters !</source>
        <translation>Introduce un nombre de %1 letras como máximo.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Romantic compatibility from two dates of birth</source>
        <translation>Compatibilidad romántica a partir de dos fechas de nacimiento</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>The same reading both ways</source>
        <translation>La misma lectura en ambos sentidos</translation>
    </message>
    <message>
        <source>About your reading</source>
        <translation>Sobre tu lectura</translation>
    </message>
    <message>
        <source>The four fields go to the maker&apos;s site, in the address this button opens, and nowhere else.</source>
        <translation>Los cuatro campos van al sitio del fabricante, en la dirección que abre este botón, y a ningún otro lugar.</translation>
    </message>
    <message>
        <source>Romantic compatibility from two dates of birth: the Mars and Venus signs, two readings and a colour for each. Free, in your browser, nothing stored.</source>
        <translation>Compatibilidad romántica a partir de dos fechas de nacimiento: signos de Marte y de Venus, dos lecturas y un color para cada una. Gratis, en tu navegador, sin guardar nada.</translation>
    </message>
    <message>
        <source>The Mars sign is the sign Mars stood in on the day of birth. Here it stands for desire: how a person goes after love.</source>
        <translation>El signo de Marte es el signo en el que estaba Marte el día del nacimiento. Aquí representa el deseo: cómo una persona busca el amor.</translation>
    </message>
    <message>
        <source>The Venus sign is the sign Venus stood in that day. It stands for affection: what a person finds attractive.</source>
        <translation>El signo de Venus es el signo en el que estaba Venus ese día. Representa el afecto: lo que una persona encuentra atractivo.</translation>
    </message>
    <message>
        <source>Attraction runs both ways, so there are two readings: your Mars with your partner&apos;s Venus, and your Venus with your partner&apos;s Mars. Each has a colour of its own, which sums up its mood.</source>
        <translation>La atracción va en ambos sentidos, por eso hay dos lecturas: tu Marte con la Venus de tu pareja, y tu Venus con el Marte de tu pareja. Cada una tiene un color propio, que resume su tono.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Copy Link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Link copied: %1</source>
        <translation>Enlace copiado: %1</translation>
    </message>
    <message>
        <source>Copy this link: %1</source>
        <translation>Copia este enlace: %1</translation>
    </message>
    <message>
        <source>A Reading Shared With You</source>
        <translation>Una lectura compartida contigo</translation>
    </message>
    <message>
        <source>This link holds only the two readings: no names, dates of birth or signs came with it. Enter your own details below for a reading of your own.</source>
        <translation>Este enlace solo contiene las dos lecturas: con él no llegó ningún nombre, fecha de nacimiento ni signo. Introduce tus datos abajo para obtener tu propia lectura.</translation>
    </message>
    <message>
        <source>First Reading</source>
        <translation>Primera lectura</translation>
    </message>
    <message>
        <source>Second Reading</source>
        <translation>Segunda lectura</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Our romantic compatibility reading from Amorist</source>
        <translation>Nuestra compatibilidad romántica según Amorist</translation>
    </message>
    <message>
        <source>Picture copied</source>
        <translation>Imagen copiada</translation>
    </message>
    <message>
        <source>The picture could not be copied. Save Picture keeps it as a file.</source>
        <translation>No se ha podido copiar la imagen. Con «Guardar imagen» la guardas como archivo.</translation>
    </message>
    <message>
        <source>The picture could not be made. Please try again.</source>
        <translation>No se ha podido crear la imagen. Inténtalo de nuevo.</translation>
    </message>
</context>
<context>
    <name>zodiac</name>
    <message>
        <source>Aries</source>
        <extracomment>A zodiac sign, shown beside &quot;Your Mars Sign&quot; and the like</extracomment>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
    <message>
        <source>January</source>
        <extracomment>A month name, in the month lists and in a date of birth shown as day/month/year</extracomment>
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
</context>
</TS>
